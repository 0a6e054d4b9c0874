#include "DateTime.h"

#include "QmError.h"

#include <QRegularExpression>

#include <cmath>

namespace qm {
namespace {

constexpr double kMillisecondsPerDay = 86400000.0;
const QDate kEpoch(1899, 12, 30);

QString invalidDateMessage()
{
    return QStringLiteral("Invalid argument to date encode");
}
QString invalidTimeMessage()
{
    return QStringLiteral("Invalid argument to time encode");
}

qint64 dayNumber(TDateTime value)
{
    return static_cast<qint64>(std::trunc(value));
}

int millisecondOfDay(TDateTime value)
{
    const double fraction = std::fabs(value - std::trunc(value));
    const auto milliseconds = static_cast<qint64>(std::llround(fraction * kMillisecondsPerDay));
    return static_cast<int>(qMin<qint64>(milliseconds, qint64(kMillisecondsPerDay) - 1));
}

/// One formatting pass over a pattern; keeps the state the pattern language
/// needs (whether the last field was an hour, so that m means minutes).
class PatternFormatter
{
public:
    PatternFormatter(TDateTime value, const FormatSettings &settings)
        : m_settings(settings)
    {
        DecodeDate(value, m_year, m_month, m_day);
        DecodeTime(value, m_hour, m_minute, m_second, m_millisecond);
        m_dayOfWeek = DayOfWeek(value);
        m_value = value;
    }

    QString format(QStringView pattern, int depth = 0)
    {
        QString out;
        qsizetype i = 0;
        while (i < pattern.size()) {
            const QChar c = pattern[i];
            const QChar lower = c.toLower();
            if (c == u'"' || c == u'\'') {
                const qsizetype end = pattern.indexOf(c, i + 1);
                const qsizetype stop = end < 0 ? pattern.size() : end;
                out += pattern.mid(i + 1, stop - i - 1);
                i = stop + 1;
                continue;
            }
            if (lower == u'a') {
                i += formatMarker(pattern.mid(i), out);
                continue;
            }
            const int count = runLength(pattern, i, lower);
            switch (lower.unicode()) {
            case u'd':
                formatDay(count, out, depth);
                m_lastWasHour = false;
                break;
            case u'm':
                formatMonthOrMinute(count, out);
                break;
            case u'n':
                out += twoDigitsIf(count >= 2, m_minute);
                m_lastWasHour = false;
                break;
            case u'y':
                out += count <= 2 ? twoDigitsIf(true, m_year % 100) : QString::number(m_year).rightJustified(4, u'0');
                m_lastWasHour = false;
                break;
            case u'h':
                out += twoDigitsIf(count >= 2, displayHour(pattern.mid(i + count)));
                m_lastWasHour = true;
                break;
            case u's':
                out += twoDigitsIf(count >= 2, m_second);
                m_lastWasHour = false;
                break;
            case u'z':
                out += count >= 3 ? QString::number(m_millisecond).rightJustified(3, u'0')
                                  : QString::number(m_millisecond);
                break;
            case u't':
                if (depth < 2)
                    out += format(count >= 2 ? m_settings.longTimeFormat : m_settings.shortTimeFormat, depth + 1);
                break;
            case u'c':
                if (depth < 2) {
                    out += format(m_settings.shortDateFormat, depth + 1);
                    if (millisecondOfDay(m_value) != 0)
                        out += u' ' + format(m_settings.longTimeFormat, depth + 1);
                }
                break;
            default:
                out += QString(count, c);
                break;
            }
            i += count;
        }
        return out;
    }

private:
    static int runLength(QStringView pattern, qsizetype at, QChar lower)
    {
        qsizetype end = at;
        while (end < pattern.size() && pattern[end].toLower() == lower)
            ++end;
        return int(end - at);
    }

    static QString twoDigitsIf(bool padded, int number)
    {
        return padded ? QString::number(number).rightJustified(2, u'0') : QString::number(number);
    }

    static bool startsWithMarker(QStringView text)
    {
        return text.startsWith(u"am/pm", Qt::CaseInsensitive) || text.startsWith(u"a/p", Qt::CaseInsensitive) ||
               text.startsWith(u"ampm", Qt::CaseInsensitive);
    }

    // An hour is shown on the 12-hour clock when a marker follows it.
    int displayHour(QStringView rest) const
    {
        bool twelveHour = false;
        for (qsizetype i = 0; i < rest.size(); ++i) {
            if (startsWithMarker(rest.mid(i))) {
                twelveHour = true;
                break;
            }
        }
        if (!twelveHour)
            return m_hour;
        const int hour = m_hour % 12;
        return hour == 0 ? 12 : hour;
    }

    int formatMarker(QStringView rest, QString &out) const
    {
        const bool morning = m_hour < 12;
        if (rest.startsWith(u"am/pm", Qt::CaseInsensitive)) {
            const QStringView chosen = morning ? rest.mid(0, 2) : rest.mid(3, 2);
            out += chosen;
            return 5;
        }
        if (rest.startsWith(u"a/p", Qt::CaseInsensitive)) {
            out += morning ? rest[0] : rest[2];
            return 3;
        }
        if (rest.startsWith(u"ampm", Qt::CaseInsensitive)) {
            out += morning ? m_settings.timeAMString : m_settings.timePMString;
            return 4;
        }
        out += rest[0];
        return 1;
    }

    void formatDay(int count, QString &out, int depth) const
    {
        switch (count) {
        case 1:
            out += QString::number(m_day);
            break;
        case 2:
            out += twoDigitsIf(true, m_day);
            break;
        case 3:
            out += m_settings.shortDayNames.value(m_dayOfWeek - 1);
            break;
        case 4:
            out += m_settings.longDayNames.value(m_dayOfWeek - 1);
            break;
        default:
            if (depth < 2) {
                PatternFormatter nested = *this;
                out += nested.format(count == 5 ? m_settings.shortDateFormat : m_settings.longDateFormat, depth + 1);
            }
            break;
        }
    }

    void formatMonthOrMinute(int count, QString &out)
    {
        if (m_lastWasHour && count <= 2) {
            out += twoDigitsIf(count >= 2, m_minute);
            m_lastWasHour = false;
            return;
        }
        switch (count) {
        case 1:
            out += QString::number(m_month);
            break;
        case 2:
            out += twoDigitsIf(true, m_month);
            break;
        case 3:
            out += m_settings.shortMonthNames.value(m_month - 1);
            break;
        default:
            out += m_settings.longMonthNames.value(m_month - 1);
            break;
        }
        m_lastWasHour = false;
    }

    const FormatSettings &m_settings;
    TDateTime m_value = 0;
    int m_year = 0, m_month = 0, m_day = 0, m_dayOfWeek = 1;
    int m_hour = 0, m_minute = 0, m_second = 0, m_millisecond = 0;
    bool m_lastWasHour = false;
};

} // namespace

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int MonthLength(int year, int month)
{
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return kLengths[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool TryEncodeDate(int year, int month, int day, TDateTime &result)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > MonthLength(year, month))
        return false;
    result = static_cast<TDateTime>(kEpoch.daysTo(QDate(year, month, day)));
    return true;
}

TDateTime EncodeDate(int year, int month, int day)
{
    TDateTime result = 0;
    if (!TryEncodeDate(year, month, day, result))
        throw QmError(invalidDateMessage());
    return result;
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
        millisecond > 999)
        throw QmError(invalidTimeMessage());
    return (hour * 3600000.0 + minute * 60000.0 + second * 1000.0 + millisecond) / kMillisecondsPerDay;
}

void DecodeDate(TDateTime value, int &year, int &month, int &day)
{
    const QDate date = toQDate(value);
    year = date.year();
    month = date.month();
    day = date.day();
}

void DecodeTime(TDateTime value, int &hour, int &minute, int &second, int &millisecond)
{
    int rest = millisecondOfDay(value);
    hour = rest / 3600000;
    rest %= 3600000;
    minute = rest / 60000;
    rest %= 60000;
    second = rest / 1000;
    millisecond = rest % 1000;
}

int DayOfWeek(TDateTime value)
{
    return toQDate(value).dayOfWeek() % 7 + 1; // Qt: Monday 1 .. Sunday 7
}

QDate toQDate(TDateTime value)
{
    return kEpoch.addDays(dayNumber(value));
}

QTime toQTime(TDateTime value)
{
    return QTime::fromMSecsSinceStartOfDay(millisecondOfDay(value));
}

TDateTime fromQDate(QDate date)
{
    return static_cast<TDateTime>(kEpoch.daysTo(date));
}

TDateTime fromQTime(QTime time)
{
    return time.msecsSinceStartOfDay() / kMillisecondsPerDay;
}

TDateTime fromQDateTime(const QDateTime &dateTime)
{
    return fromQDate(dateTime.date()) + fromQTime(dateTime.time());
}

QString FormatDateTime(QStringView pattern, TDateTime value, const FormatSettings &settings)
{
    return PatternFormatter(value, settings).format(pattern);
}

bool TryStrToTime(QStringView text, TDateTime &result, const FormatSettings &settings)
{
    static const QRegularExpression timePattern(
        QStringLiteral(R"(^\s*(\d{1,2})(?::(\d{1,2}))?(?::(\d{1,2}))?\s*(\S*)\s*$)"));
    const QRegularExpressionMatch match = timePattern.match(text.toString());
    if (!match.hasMatch())
        return false;
    int hour = match.captured(1).toInt();
    const int minute = match.captured(2).isEmpty() ? 0 : match.captured(2).toInt();
    const int second = match.captured(3).isEmpty() ? 0 : match.captured(3).toInt();
    const QString marker = match.captured(4);
    if (!marker.isEmpty()) {
        const bool morning = marker.compare(settings.timeAMString, Qt::CaseInsensitive) == 0 ||
                             marker.compare(u"am", Qt::CaseInsensitive) == 0 ||
                             marker.compare(u"a", Qt::CaseInsensitive) == 0;
        const bool evening = marker.compare(settings.timePMString, Qt::CaseInsensitive) == 0 ||
                             marker.compare(u"pm", Qt::CaseInsensitive) == 0 ||
                             marker.compare(u"p", Qt::CaseInsensitive) == 0;
        if ((!morning && !evening) || hour < 1 || hour > 12)
            return false;
        hour = hour % 12 + (evening ? 12 : 0);
    }
    if (hour > 23 || minute > 59 || second > 59)
        return false;
    result = EncodeTime(hour, minute, second, 0);
    return true;
}

TDateTime StrToTime(QStringView text, const FormatSettings &settings)
{
    TDateTime result = 0;
    if (!TryStrToTime(text, result, settings))
        throw QmError(QStringLiteral("'%1' is not a valid time").arg(text));
    return result;
}

} // namespace qm
