#include "calendar/PlannerText.h"

#include "calendar/HeadersStyle.h"

#include <cmath>

namespace qm {
namespace {

constexpr double kPlannerMinute = 0.000694445;
// 1 January 0001 and the day after 31 December 9999 as date-time values.
constexpr double kFirstDate = -693593;
constexpr double kEndOfDates = 2958466;

QString notesLabel()
{
    return QStringLiteral("Notes");
}

bool isDateTimeInRange(TDateTime t)
{
    return std::isfinite(t) && t >= kFirstDate && t < kEndOfDates;
}

struct DayParts {
    int year = 0, month = 0, day = 0;
};

DayParts decode(TDateTime date)
{
    DayParts parts;
    DecodeDate(date, parts.year, parts.month, parts.day);
    return parts;
}

QString weekTitle(const TCalendarAttributes &attr, const DayParts &first, const DayParts &last)
{
    const QString firstMonth = attr.monthName(first.month);
    const QString lastMonth = attr.monthName(last.month);
    if (first.year != last.year)
        return QStringLiteral("%1 %2, %3 - %4 %5, %6")
            .arg(firstMonth)
            .arg(first.day)
            .arg(first.year)
            .arg(lastMonth)
            .arg(last.day)
            .arg(last.year);
    if (first.month != last.month)
        return QStringLiteral("%1 %2 - %3 %4, %5")
            .arg(firstMonth)
            .arg(first.day)
            .arg(lastMonth)
            .arg(last.day)
            .arg(last.year);
    return QStringLiteral("%1 %2-%3, %4").arg(firstMonth).arg(first.day).arg(last.day).arg(first.year);
}

} // namespace

int nearestValidDay(int year, int month, int day)
{
    return qBound(1, day, MonthLength(year, month));
}

TDateTime AddMinutes(int minutes, TDateTime t)
{
    const TDateTime sum = t + minutes * kPlannerMinute;
    return sum >= 0 && isDateTimeInRange(sum) ? sum : 0;
}

PlannerText WeekPlannerText(const TCalendarAttributes &attr, int firstDay)
{
    PlannerText text;
    const TDateTime start = EncodeDate(attr.year, attr.month, firstDay);
    const int dayCount = attr.plannerDayCount;
    for (int i = 0; i < dayCount; ++i) {
        const DayParts day = decode(start + i);
        text.labels << headerText(attr.dayName(DayOfWeek(start + i)), attr.headersStyle);
        text.secondLabels << QString::number(day.day) + u' ' + attr.monthName(day.month).left(3);
    }
    text.labels << notesLabel();
    text.secondLabels << QString();
    text.title = weekTitle(attr, decode(start), decode(start + qMax(dayCount - 1, 0)));
    return text;
}

PlannerText DayPlannerText(const TCalendarAttributes &attr, int day)
{
    PlannerText text;
    const TDateTime date = EncodeDate(attr.year, attr.month, day);
    text.title = QStringLiteral("%1, %2 %3, %4")
                     .arg(attr.dayName(DayOfWeek(date)), attr.monthName(attr.month))
                     .arg(day)
                     .arg(attr.year);
    TDateTime time = isDateTimeInRange(attr.startingTime) ? attr.startingTime : 0;
    for (int slot = 0; slot < attr.plannerSlotCount; ++slot) {
        text.labels << FormatDateTime(u"h:mm ampm", time);
        text.secondLabels << QString();
        time = AddMinutes(60, time);
    }
    text.labels << notesLabel();
    text.secondLabels << QString();
    return text;
}

} // namespace qm
