#pragma once

#include "calendar/CalendarAttributes.h"
#include "calendar/Canvas.h"

#include <QStringList>

// The drawing routines of one calendar rectangle: a month grid (main calendar
// or mini-calendar) or a planner table. They draw from the attribute record
// alone, in target pixels, onto any canvas, and record where each cell lies.
// They never throw: a month they cannot compute draws nothing.

namespace qm {

void SetCanvasFont(Canvas &canvas, const FontDescription &font);

/// Lines along `rect` taken as corner coordinates: the closed outline
/// (cbAll), the top edge, the bottom edge, both, or nothing.
void DrawBorder(Canvas &canvas, const TRect &rect, TCalBorderStyle style);

/// Title band, header band with the day names, 6 x 7 cells with day numbers;
/// rewrites all 42 cell records of `attr`.
void DrawMonthGrid(Canvas &canvas, TCalendarAttributes &attr);

/// A planner of attr.plannerDayCount days from (attr.year, attr.month,
/// attr.day), the day moved to the nearest valid one; records cells 1 to
/// days + 1.
void DrawWeekPlanner(Canvas &canvas, TCalendarAttributes &attr);

/// A planner of attr.plannerSlotCount hourly slots for (attr.year,
/// attr.month, attr.day), the day moved to the nearest valid one; records
/// cells 1 to slots + 1.
void DrawDayPlanner(Canvas &canvas, TCalendarAttributes &attr);

/// The planner page: title, table of `rowCount` rows with labels on the left;
/// records cells 1..rowCount.
void DrawPlannerTable(Canvas &canvas, TCalendarAttributes &attr, int rowCount, const QString &title,
                      const QStringList &labels, const QStringList &secondLabels);

} // namespace qm
