#pragma once

#include "calendar/CalendarModel.h"

#include <QCommandLineParser>

#include <memory>
#include <optional>

namespace qm::cli {

/// The calendar settings every command accepts, applied over the settings of
/// a new calendar dated today (or over a document or style sheet read on top
/// of them), always in this order: --layout, --paper, --margins, --month,
/// --year, --day, --start-of-week, --number-position, --starting-time,
/// --zoom, --ppi.
class CalendarOptions
{
public:
    /// Adds the settings options to a parser.
    static void addTo(QCommandLineParser &parser);
    /// Reads and checks the options; raises UsageError on a bad value.
    static CalendarOptions read(const QCommandLineParser &parser);

    /// Pins the screen resolution, then builds the calendar: a new one, the
    /// document or style sheet `fileName` when one is given (see
    /// loadCalendarFile), and the options on top.
    std::unique_ptr<CalendarModel> makeCalendar(const QString &fileName = QString()) const;

private:
    std::optional<int> m_layout;
    std::optional<quint8> m_paper;
    std::optional<std::array<float, 4>> m_margins;
    std::optional<int> m_month;
    std::optional<int> m_year;
    std::optional<int> m_day;
    std::optional<int> m_startOfWeek;
    std::optional<TCalendarNumberPosition> m_numberPosition;
    std::optional<TDateTime> m_startingTime;
    int m_zoom = 100;
    int m_pixelsPerInch = 96;
};

/// Parses `arguments` with the settings options plus `extraOptions`;
/// raises UsageError for an unknown option or an option without its value.
void parseCommandLine(QCommandLineParser &parser, const QStringList &arguments,
                      const QList<QCommandLineOption> &extraOptions = {});

/// An integer option's value within [minimum, maximum], or UsageError.
int readInteger(const QCommandLineParser &parser, const QString &name, int minimum, int maximum);

} // namespace qm::cli
