#pragma once

#include "calendar/CalendarAttributes.h"

#include <QStringList>

namespace qm {

/// The texts of a planner page: its title and, per row, a label and a second
/// label; the last row is the notes row.
struct PlannerText {
    QString title;
    QStringList labels;
    QStringList secondLabels;
};

/// The day of (year, month) nearest to `day`: 0 and below give the 1st, a day
/// past the month's end its last day. The month must be drawable.
int nearestValidDay(int year, int month, int day);

/// t plus `minutes` minutes as the day planner steps its rows (one minute
/// being 0.000694445 day); 0 when the result is negative or no valid date.
TDateTime AddMinutes(int minutes, TDateTime t);

/// Title and rows of a week planner of `attr.plannerDayCount` days starting
/// on (attr.year, attr.month, firstDay), names from the record.
PlannerText WeekPlannerText(const TCalendarAttributes &attr, int firstDay);

/// Title and rows of a day planner of `attr.plannerSlotCount` hourly slots
/// from attr.startingTime, for the date (attr.year, attr.month, day).
PlannerText DayPlannerText(const TCalendarAttributes &attr, int day);

} // namespace qm
