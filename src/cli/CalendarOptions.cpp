#include "cli/CalendarOptions.h"

#include "cli/CalendarFiles.h"
#include "cli/CliCommand.h"
#include "platform/Environment.h"

#include <QRegularExpression>

namespace qm::cli {
namespace {

[[noreturn]] void badValue(const QString &name, const QString &expected)
{
    throw UsageError(QStringLiteral("--%1 must be %2").arg(name, expected));
}

std::array<float, 4> readMargins(const QString &text)
{
    const QStringList parts = text.split(u',');
    std::array<float, 4> margins{};
    if (parts.size() != 4)
        badValue(QStringLiteral("margins"), QStringLiteral("four inch values L,T,R,B"));
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const float value = parts[i].trimmed().toFloat(&ok);
        if (!ok || value < 0 || value > 10)
            badValue(QStringLiteral("margins"), QStringLiteral("four inch values L,T,R,B from 0 to 10"));
        margins[i] = value;
    }
    return margins;
}

TDateTime readTime(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    const int hour = match.captured(1).toInt();
    const int minute = match.captured(2).toInt();
    if (!match.hasMatch() || hour > 23 || minute > 59)
        badValue(QStringLiteral("starting-time"), QStringLiteral("a time HH:MM from 00:00 to 23:59"));
    return EncodeTime(hour, minute, 0, 0);
}

} // namespace

int readInteger(const QCommandLineParser &parser, const QString &name, int minimum, int maximum)
{
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < minimum || value > maximum)
        badValue(name, QStringLiteral("an integer from %1 to %2").arg(minimum).arg(maximum));
    return value;
}

void CalendarOptions::addTo(QCommandLineParser &parser)
{
    const std::pair<const char *, const char *> options[] = {
        {"layout", "N"},
        {"paper", "letter|a4"},
        {"margins", "L,T,R,B"},
        {"month", "M"},
        {"year", "Y"},
        {"day", "D"},
        {"start-of-week", "N"},
        {"number-position", "center|upper-right"},
        {"starting-time", "HH:MM"},
        {"zoom", "PCT"},
        {"ppi", "P"},
    };
    for (const auto &[name, value] : options)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QString::fromLatin1(value)));
}

CalendarOptions CalendarOptions::read(const QCommandLineParser &parser)
{
    CalendarOptions options;
    if (parser.isSet(QStringLiteral("layout")))
        options.m_layout = readInteger(parser, QStringLiteral("layout"), 0, kLayoutCount - 1);
    if (parser.isSet(QStringLiteral("paper"))) {
        const QString paper = parser.value(QStringLiteral("paper")).toLower();
        if (paper != u"letter" && paper != u"a4")
            badValue(QStringLiteral("paper"), QStringLiteral("letter or a4"));
        options.m_paper = paper == u"a4" ? kPaperA4 : kPaperLetter;
    }
    if (parser.isSet(QStringLiteral("margins")))
        options.m_margins = readMargins(parser.value(QStringLiteral("margins")));
    if (parser.isSet(QStringLiteral("month")))
        options.m_month = readInteger(parser, QStringLiteral("month"), 1, 12);
    if (parser.isSet(QStringLiteral("year")))
        options.m_year = readInteger(parser, QStringLiteral("year"), 1, 9999);
    if (parser.isSet(QStringLiteral("day")))
        options.m_day = readInteger(parser, QStringLiteral("day"), 1, 31);
    if (parser.isSet(QStringLiteral("start-of-week")))
        options.m_startOfWeek = readInteger(parser, QStringLiteral("start-of-week"), 1, 7);
    if (parser.isSet(QStringLiteral("number-position"))) {
        const QString position = parser.value(QStringLiteral("number-position")).toLower();
        if (position != u"center" && position != u"upper-right")
            badValue(QStringLiteral("number-position"), QStringLiteral("center or upper-right"));
        options.m_numberPosition = position == u"center" ? cnpCenter : cnpUpperRight;
    }
    if (parser.isSet(QStringLiteral("starting-time")))
        options.m_startingTime = readTime(parser.value(QStringLiteral("starting-time")));
    if (parser.isSet(QStringLiteral("zoom")))
        options.m_zoom = readInteger(parser, QStringLiteral("zoom"), 1, 400);
    if (parser.isSet(QStringLiteral("ppi")))
        options.m_pixelsPerInch = readInteger(parser, QStringLiteral("ppi"), 24, 600);
    return options;
}

std::unique_ptr<CalendarModel> CalendarOptions::makeCalendar(const QString &fileName) const
{
    // The resolution is part of the surroundings, not of the calendar: pinning
    // it first gives the layout that applying it last and laying out again would.
    Environment::pinScreenPixelsPerInch(m_pixelsPerInch);
    auto calendar = std::make_unique<CalendarModel>();
    calendar->SetDefaults();
    if (!fileName.isEmpty())
        loadCalendarFile(*calendar, fileName);
    if (m_layout) {
        // As choosing a layout in the properties dialog does, the mini fonts
        // take the sizes of the new layout.
        calendar->SetCalendarLayout(TCalendarLayout(*m_layout));
        calendar->RecalcLayout(CalendarModel::MiniFonts::Reset);
    }
    if (m_paper)
        calendar->SetPaperSize(*m_paper);
    if (m_margins) {
        calendar->SetLeftMarginInch((*m_margins)[0]);
        calendar->SetTopMarginInch((*m_margins)[1]);
        calendar->SetRightMarginInch((*m_margins)[2]);
        calendar->SetBottomMarginInch((*m_margins)[3]);
    }
    if (m_month)
        calendar->SetMainCalMonth(*m_month);
    if (m_year)
        calendar->SetMainCalYear(*m_year);
    if (m_day)
        calendar->SetMainCalDay(*m_day);
    if (m_startOfWeek)
        calendar->SetStartOfWeek(*m_startOfWeek);
    if (m_numberPosition)
        calendar->SetNumberPosition(*m_numberPosition);
    if (m_startingTime)
        calendar->SetStartingTime(*m_startingTime);
    calendar->SetMagnification(m_zoom);
    return calendar;
}

void parseCommandLine(QCommandLineParser &parser, const QStringList &arguments,
                      const QList<QCommandLineOption> &extraOptions)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    CalendarOptions::addTo(parser);
    parser.addOptions(extraOptions);
    // QCommandLineParser skips the first argument as the program's name.
    if (!parser.parse(QStringList{QStringLiteral("quillmark-cli")} + arguments))
        throw UsageError(parser.errorText());
}

} // namespace qm::cli
