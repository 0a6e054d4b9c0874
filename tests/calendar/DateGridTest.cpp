#include "calendar/DateGrid.h"
#include "platform/DateTime.h"

#include <gtest/gtest.h>

using namespace qm;

TEST(DateGrid, MonthLengthsFollowTheGregorianLeapRule)
{
    struct Row {
        int year, month, days;
    };
    const Row rows[] = {{2000, 2, 29}, {1900, 2, 28}, {2100, 2, 28}, {1996, 2, 29},
                        {1997, 2, 28}, {1997, 1, 31}, {1997, 4, 30}, {1997, 12, 31}};
    for (const Row &row : rows)
        EXPECT_EQ(MonthLength(row.year, row.month), row.days) << row.year << "-" << row.month;
}

TEST(DateGrid, FirstColumnDependsOnTheFirstDayOfTheWeek)
{
    struct Row {
        int year, month, startOfWeek, column;
    };
    const Row rows[] = {
        {1998, 8, 1, 7}, // 1 August 1998 is a Saturday
        {1998, 8, 2, 6}, // Monday first: Saturday is the sixth column
        {1998, 8, 7, 6}, // any value but 1 means Monday first
        {1998, 2, 1, 1}, // 1 February 1998 is a Sunday
        {1998, 2, 2, 7}, // ... the last column when Monday comes first
        {1997, 1, 1, 4}, // 1 January 1997 is a Wednesday
    };
    for (const Row &row : rows)
        EXPECT_EQ(FirstCol(row.year, row.month, row.startOfWeek), row.column)
            << row.year << "-" << row.month << " start " << row.startOfWeek;
}

TEST(DateGrid, ASaturdayFirstLongMonthFillsSixRows)
{
    const int firstCol = FirstCol(1998, 8, 1);
    EXPECT_EQ(GridDay(0, 6, firstCol, 31), 1);
    EXPECT_EQ(GridDay(0, 5, firstCol, 31), 0);
    EXPECT_EQ(GridDay(5, 0, firstCol, 31), 30);
    EXPECT_EQ(GridDay(5, 1, firstCol, 31), 31);
    EXPECT_EQ(GridDay(5, 2, firstCol, 31), 0);

    const int mondayFirst = FirstCol(1998, 8, 2);
    EXPECT_EQ(GridDay(0, 5, mondayFirst, 31), 1);
    EXPECT_EQ(GridDay(5, 0, mondayFirst, 31), 31);
}

TEST(DateGrid, MonthsMoveAcrossYearBoundaries)
{
    struct Row {
        MonthOfYear start;
        int count;
        MonthOfYear expected;
    };
    const Row rows[] = {
        {{1, 1998}, -1, {12, 1997}},  {{12, 1997}, 1, {1, 1998}}, {{1, 1998}, -6, {7, 1997}},
        {{1, 1998}, 6, {7, 1998}},    {{6, 2000}, 0, {6, 2000}},  {{3, 2026}, 59, {2, 2031}},
        {{1, 1998}, -25, {12, 1995}},
    };
    for (const Row &row : rows) {
        const MonthOfYear moved = AddMonths(row.start, row.count);
        EXPECT_EQ(moved, row.expected) << row.start.month << "/" << row.start.year << " + " << row.count << " gave "
                                       << moved.month << "/" << moved.year;
    }
}

TEST(DateGrid, HeaderColumnsFollowTheFirstDayOfTheWeek)
{
    for (int column = 0; column < 7; ++column)
        EXPECT_EQ(WeekdayOfColumn(column, 1), column + 1);
    EXPECT_EQ(WeekdayOfColumn(0, 2), 2); // Monday
    EXPECT_EQ(WeekdayOfColumn(5, 2), 7); // Saturday
    EXPECT_EQ(WeekdayOfColumn(6, 2), 1); // Sunday last
}
