#pragma once

#include <QDate>
#include <QTime>

#include <optional>

class CalendarModel;

namespace qm {

/// Which cell of a calendar page shows a given day: the day cells of a month
/// grid (days of the main month only), the day rows of the week and two-week
/// planners, and the hour rows of the day planners. Mini-calendar sheets have
/// no cells for days.
class PageCells
{
public:
    /// The page `calendar` draws now.
    explicit PageCells(const CalendarModel &calendar);

    /// The first and last day shown in a cell; both null when the page shows none.
    QDate firstDay() const { return m_firstDay; }
    QDate lastDay() const { return m_lastDay; }

    /// The cell 1..42 for something on `day` that starts at `startTime` (none
    /// for the whole day), 0 when the page has no such cell. A day planner
    /// puts a start into the hour row that holds it and the whole day into
    /// its first row; every other page ignores the time.
    int cellOf(QDate day, std::optional<QTime> startTime) const;

private:
    enum class Kind { None, MonthGrid, DayRows, HourRows };

    Kind m_kind = Kind::None;
    QDate m_firstDay;
    QDate m_lastDay;
    int m_firstCol = 1;    // month grid: the column of the 1st
    int m_startMinute = 0; // day planner: the minute of the day its first row starts
    int m_slotCount = 0;   // day planner: hour rows
};

} // namespace qm
