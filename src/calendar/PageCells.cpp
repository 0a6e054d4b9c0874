#include "calendar/PageCells.h"

#include "calendar/CalendarModel.h"
#include "calendar/DateGrid.h"
#include "calendar/PlannerText.h"

#include <cmath>

namespace qm {
namespace {

constexpr int kMinutesPerDay = 24 * 60;

/// The minute of the day of a date-time's time part, 0 for a value that is no time.
int minuteOfDay(TDateTime t)
{
    if (!std::isfinite(t))
        return 0;
    return qBound(0, int(std::lround((t - std::floor(t)) * kMinutesPerDay)), kMinutesPerDay - 1);
}

} // namespace

PageCells::PageCells(const CalendarModel &calendar)
{
    const int year = calendar.MainCalYear();
    const int month = calendar.MainCalMonth();
    if (!isDrawableMonth(year, month))
        return;
    const int group = calendar.LayoutGroup();
    if (group == 0) {
        m_kind = Kind::MonthGrid;
        m_firstDay = QDate(year, month, 1);
        m_lastDay = QDate(year, month, MonthLength(year, month));
        m_firstCol = FirstCol(year, month, calendar.StartOfWeek());
        return;
    }
    // The planners draw from the nearest day that exists, and so place there.
    const QDate first(year, month, nearestValidDay(year, month, calendar.MainCalDay()));
    if (group == 2 || group == 3) {
        m_kind = Kind::DayRows;
        m_firstDay = first;
        m_lastDay = first.addDays(group == 2 ? 6 : 13);
    } else if (group == 4 || group == 5) {
        m_kind = Kind::HourRows;
        m_firstDay = m_lastDay = first;
        m_startMinute = minuteOfDay(calendar.StartingTime());
        m_slotCount = group == 4 ? 10 : 15;
    }
}

int PageCells::cellOf(QDate day, std::optional<QTime> startTime) const
{
    if (m_kind == Kind::None || day < m_firstDay || day > m_lastDay)
        return 0;
    switch (m_kind) {
    case Kind::MonthGrid:
        return day.day() + m_firstCol - 1;
    case Kind::DayRows:
        return int(m_firstDay.daysTo(day)) + 1;
    case Kind::HourRows: {
        if (!startTime)
            return 1;
        const int minute = startTime->hour() * 60 + startTime->minute();
        if (minute < m_startMinute)
            return 0;
        // Rows past midnight show the next day's hours: no time of this day reaches them.
        const int slot = (minute - m_startMinute) / 60;
        return slot < m_slotCount ? slot + 1 : 0;
    }
    case Kind::None:
        break;
    }
    return 0;
}

} // namespace qm
