#include "FormatSettings.h"

namespace qm {
namespace {

int runLength(QStringView text, qsizetype at)
{
    qsizetype end = at;
    while (end < text.size() && text[end] == text[at])
        ++end;
    return int(end - at);
}

// Qt's weekday numbers are 1 = Monday .. 7 = Sunday; ours start on Sunday.
int qtDayOfSundayFirstIndex(int index)
{
    return index == 0 ? 7 : index;
}

/// The short time format without its seconds: a time of day in this program
/// is hours and minutes, whatever the locale adds (the C locale's short format
/// is "HH:mm:ss").
QString hoursAndMinutes(QStringView pattern)
{
    QString result;
    bool quoted = false;
    for (const QChar c : pattern) {
        if (c == u'"')
            quoted = !quoted;
        const QChar lower = c.toLower();
        if (!quoted && (lower == u's' || lower == u'z')) {
            // The separator in front of the seconds goes with them.
            if (!result.isEmpty() && result.back().isPunct() && result.back() != u'"')
                result.chop(1);
            continue;
        }
        result += c;
    }
    return result.trimmed();
}

} // namespace

QString patternFromQtFormat(QStringView qtFormat)
{
    QString pattern;
    qsizetype i = 0;
    while (i < qtFormat.size()) {
        const QChar c = qtFormat[i];
        if (c == u'\'') { // quoted literal, '' is a single quote
            qsizetype end = i + 1;
            QString literal;
            while (end < qtFormat.size()) {
                if (qtFormat[end] == u'\'') {
                    if (end + 1 < qtFormat.size() && qtFormat[end + 1] == u'\'') {
                        literal += u'\'';
                        end += 2;
                        continue;
                    }
                    break;
                }
                literal += qtFormat[end++];
            }
            pattern += u'"' + literal + u'"';
            i = end + 1;
            continue;
        }
        const int count = runLength(qtFormat, i);
        switch (c.unicode()) {
        case u'd':
            pattern += QString(qMin(count, 4), u'd');
            break;
        case u'M':
            pattern += QString(qMin(count, 4), u'm');
            break;
        case u'y':
            pattern += count >= 3 ? QStringLiteral("yyyy") : QStringLiteral("yy");
            break;
        case u'h':
        case u'H':
            pattern += QString(qMin(count, 2), u'h');
            break;
        case u'm':
            pattern += QString(qMin(count, 2), u'n');
            break;
        case u's':
            pattern += QString(qMin(count, 2), u's');
            break;
        case u'z':
            pattern += count >= 3 ? QStringLiteral("zzz") : QStringLiteral("z");
            break;
        case u'A':
        case u'a':
            pattern += QStringLiteral("ampm");
            if (count == 1 && i + 1 < qtFormat.size() && (qtFormat[i + 1] == u'P' || qtFormat[i + 1] == u'p')) {
                i += 2;
                continue;
            }
            break;
        case u't':
            break; // time zone: not shown
        default:
            pattern += QString(count, c);
            break;
        }
        i += count;
    }
    return pattern.trimmed();
}

FormatSettings FormatSettings::fromLocale(const QLocale &locale)
{
    FormatSettings settings;
    for (int month = 1; month <= 12; ++month) {
        settings.longMonthNames << locale.standaloneMonthName(month, QLocale::LongFormat);
        settings.shortMonthNames << locale.monthName(month, QLocale::ShortFormat);
    }
    for (int index = 0; index < 7; ++index) {
        const int qtDay = qtDayOfSundayFirstIndex(index);
        settings.longDayNames << locale.standaloneDayName(qtDay, QLocale::LongFormat);
        settings.shortDayNames << locale.dayName(qtDay, QLocale::ShortFormat);
    }
    settings.timeAMString = locale.amText();
    settings.timePMString = locale.pmText();
    settings.shortDateFormat = patternFromQtFormat(locale.dateFormat(QLocale::ShortFormat));
    settings.longDateFormat = patternFromQtFormat(locale.dateFormat(QLocale::LongFormat));
    settings.shortTimeFormat = hoursAndMinutes(patternFromQtFormat(locale.timeFormat(QLocale::ShortFormat)));
    settings.longTimeFormat = patternFromQtFormat(locale.timeFormat(QLocale::LongFormat));
    return settings;
}

FormatSettings FormatSettings::current()
{
    return fromLocale(QLocale());
}

} // namespace qm
