#pragma once

#include "FormatSettings.h"

#include <QDate>
#include <QString>
#include <QTime>

/// A date-time value: days since 30 December 1899 with the time of day as the
/// fraction. The calendar stores its starting time in this form and the
/// formatting patterns below work on it.
using TDateTime = double;

namespace qm {

/// Raises "Invalid argument to date encode" unless 1 <= year <= 9999 and the
/// day exists in the month.
TDateTime EncodeDate(int year, int month, int day);
/// Raises "Invalid argument to time encode" unless the parts are in range.
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
bool TryEncodeDate(int year, int month, int day, TDateTime &result);

void DecodeDate(TDateTime value, int &year, int &month, int &day);
void DecodeTime(TDateTime value, int &hour, int &minute, int &second, int &millisecond);

/// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime value);

bool IsLeapYear(int year);
/// Days of the month in the proleptic Gregorian calendar; 0 for a month outside 1..12.
int MonthLength(int year, int month);

QDate toQDate(TDateTime value);
QTime toQTime(TDateTime value);
TDateTime fromQDate(QDate date);
TDateTime fromQTime(QTime time);
TDateTime fromQDateTime(const QDateTime &dateTime);

/// Formats with the classic date-time pattern language: d dd ddd dddd ddddd
/// dddddd, m mm mmm mmmm (minutes right after an hour), n nn, yy yyyy, h hh,
/// s ss, z zzz, t tt, c, am/pm a/p ampm (which switch the hours to 12),
/// quoted literals. Names and markers come from the settings.
QString FormatDateTime(QStringView pattern, TDateTime value,
                       const FormatSettings &settings = FormatSettings::current());

/// Parses a time of day such as "8:00am", "8:00 AM", "14:05" or "02:05 pm".
bool TryStrToTime(QStringView text, TDateTime &result, const FormatSettings &settings = FormatSettings::current());
/// As TryStrToTime, raising "'<text>' is not a valid time" on failure.
TDateTime StrToTime(QStringView text, const FormatSettings &settings = FormatSettings::current());

} // namespace qm
