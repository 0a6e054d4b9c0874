#include "calendar/DateGrid.h"

#include "platform/DateTime.h"

namespace qm {

bool isDrawableMonth(int year, int month)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12;
}

int FirstCol(int year, int month, int startOfWeek)
{
    const int weekday = DayOfWeek(EncodeDate(year, month, 1));
    if (startOfWeek == 1)
        return weekday;
    return weekday == 1 ? 7 : weekday - 1;
}

int GridDay(int row, int col, int firstCol, int monthLength)
{
    const int day = 7 * row + col - firstCol + 2;
    return day >= 1 && day <= monthLength ? day : 0;
}

MonthOfYear AddMonths(MonthOfYear start, int count)
{
    // Whole years first, then the remaining months, so that large counts cost nothing.
    const int total = start.year * 12 + (start.month - 1) + count;
    const int year = total >= 0 ? total / 12 : (total - 11) / 12;
    return {total - year * 12 + 1, year};
}

int WeekdayOfColumn(int column, int startOfWeek)
{
    if (startOfWeek == 1)
        return column + 1;
    return column < 6 ? column + 2 : 1;
}

} // namespace qm
