#pragma once

namespace qm {

/// A month, year pair as the mini-calendars use it.
struct MonthOfYear {
    int month = 1;
    int year = 1997;

    bool operator==(const MonthOfYear &) const = default;
};

/// Whether (year, month) is a month the date arithmetic can handle: years
/// 1..9999, months 1..12.
bool isDrawableMonth(int year, int month);

/// The column (1..7) of the 1st of the month. With `startOfWeek` 1 the week
/// starts on Sunday; any other value starts it on Monday, Sunday being the
/// last column. The month must be drawable.
int FirstCol(int year, int month, int startOfWeek);

/// The day shown in the month-grid cell (row, col), both 0-based, or 0 when
/// the cell is blank.
int GridDay(int row, int col, int firstCol, int monthLength);

/// Moves `count` months forward (positive) or backward (negative).
MonthOfYear AddMonths(MonthOfYear start, int count);

/// The weekday number (1 = Sunday) shown in header column `column` (0..6).
int WeekdayOfColumn(int column, int startOfWeek);

} // namespace qm
