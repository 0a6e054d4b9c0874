#pragma once

#include <QStringList>

#include <optional>

class CalendarModel;
class QPrinter;

namespace qm {

/// The least margins, in inches, that keep a calendar page inside a printer's
/// printable area.
struct MinimumMargins {
    float left = 0;
    float top = 0;
    float right = 0;
    float bottom = 0;
};

/// Turns the printer's paper the way the calendar lies, then reads from the
/// printer its resolution, its paper and its printable area in printer pixels
/// and returns the margins they leave. Nothing when the printer reports no
/// resolution or no printable area: then there is nothing to check against.
std::optional<MinimumMargins> readMinimumMargins(QPrinter &printer, const CalendarModel &calendar);

/// One line for each margin of the calendar that lies outside the printable
/// area ("Left Margin is outside of Printer printable area"), in the order
/// left, top, right, bottom. A margin equal to its minimum lies inside.
QStringList marginComplaints(const CalendarModel &calendar, const MinimumMargins &minimum);

/// Sets every margin of the calendar that is below its minimum to the
/// minimum; the other margins keep their values.
void widenMargins(CalendarModel &calendar, const MinimumMargins &minimum);

} // namespace qm
