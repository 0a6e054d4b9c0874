#include "controls/DatePicker.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

// The tests run on Tuesday, 31 March 2026.

TEST(DatePicker, StartsTodayWithSundayFirstAndNoWeekNumbers)
{
    DatePicker picker;
    EXPECT_EQ(picker.selectedDate(), QDate(2026, 3, 31));
    EXPECT_EQ(picker.firstDayOfWeek(), Qt::Sunday);
    EXPECT_EQ(picker.verticalHeaderFormat(), QCalendarWidget::NoVerticalHeader);
    EXPECT_FALSE(picker.isNavigationBarVisible());
}

TEST(DatePicker, SettingMonthYearAndDayKeepsTheDayWithinTheMonth)
{
    struct Row {
        const char *name;
        QDate start;
        int month, year, day;
        QDate expected;
    };
    const Row rows[] = {
        {"31 March to a 30-day month", {2026, 3, 31}, 4, 2026, 0, {2026, 4, 30}},
        {"month first: 31 March to February 2026, then 2024", {2026, 3, 31}, 2, 2024, 0, {2024, 2, 28}},
        {"the day taken when it exists", {2026, 3, 31}, 9, 1997, 12, {1997, 9, 12}},
        {"day 31 refused in June", {2026, 3, 31}, 6, 1997, 31, {1997, 6, 30}},
        {"month 0 and year 0 leave those parts", {2026, 3, 31}, 0, 0, 5, {2026, 3, 5}},
        {"month 13 ignored", {2026, 1, 15}, 13, 2027, -1, {2027, 1, 15}},
    };
    for (const Row &row : rows) {
        DatePicker picker;
        picker.setSelectedDate(row.start);
        picker.SetMonth(row.month);
        picker.SetYear(row.year);
        picker.SetDay(row.day);
        EXPECT_EQ(picker.selectedDate(), row.expected) << row.name;
    }
}

TEST(DatePicker, ButtonsMoveByMonthsAndYearsKeepingTheDay)
{
    struct Row {
        const char *name;
        QDate start;
        void (DatePicker::*move)();
        QDate expected;
    };
    const Row rows[] = {
        {"previous month from 31 March", {2026, 3, 31}, &DatePicker::PrevMonth, {2026, 2, 28}},
        {"next month from 31 January, leap year", {2024, 1, 31}, &DatePicker::NextMonth, {2024, 2, 29}},
        {"next month across the year", {2025, 12, 15}, &DatePicker::NextMonth, {2026, 1, 15}},
        {"previous year from 29 February", {2024, 2, 29}, &DatePicker::PrevYear, {2023, 2, 28}},
        {"next year from 29 February", {2024, 2, 29}, &DatePicker::NextYear, {2025, 2, 28}},
        {"now", {1997, 1, 1}, &DatePicker::Now, {2026, 3, 31}},
    };
    for (const Row &row : rows) {
        DatePicker picker;
        picker.setSelectedDate(row.start);
        QSignalSpy changes(&picker, &QCalendarWidget::selectionChanged);
        (picker.*row.move)();
        EXPECT_EQ(picker.selectedDate(), row.expected) << row.name;
        EXPECT_EQ(changes.count(), 1) << row.name;
    }
}
