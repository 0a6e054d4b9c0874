#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace qm {

/// The locale's names, markers and patterns used by FormatDateTime. Patterns
/// are in the date-time pattern language of FormatDateTime.
struct FormatSettings {
    QStringList longMonthNames;  // 12 entries, January first
    QStringList shortMonthNames; // 12 entries
    QStringList longDayNames;    // 7 entries, Sunday first
    QStringList shortDayNames;   // 7 entries, Sunday first
    QString timeAMString;
    QString timePMString;
    QString shortDateFormat;
    QString longDateFormat;
    QString shortTimeFormat;
    QString longTimeFormat;

    static FormatSettings fromLocale(const QLocale &locale);
    /// The settings of the default locale (QLocale()), the one tests pin.
    static FormatSettings current();
};

/// Converts a Qt date/time format string to the pattern language of FormatDateTime.
QString patternFromQtFormat(QStringView qtFormat);

} // namespace qm
