#include "calendar/PlannerText.h"
#include "platform/FormatSettings.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace qm;

namespace {

TCalendarAttributes englishPlanner(int year, int month, int days)
{
    TCalendarAttributes attr;
    const FormatSettings names = FormatSettings::current();
    for (int i = 0; i < 12; ++i)
        attr.monthNames[i] = names.longMonthNames[i];
    for (int i = 0; i < 7; ++i)
        attr.dayNames[i] = names.longDayNames[i];
    attr.year = year;
    attr.month = month;
    attr.plannerDayCount = days;
    return attr;
}

} // namespace

TEST(PlannerText, WeekTitlesNameEachMonthAndYearOnlyWhenTheyChange)
{
    struct Row {
        int year, month, day, days;
        const char *title;
    };
    const Row rows[] = {
        {1998, 1, 5, 7, "January 5-11, 1998"},
        {1998, 1, 29, 7, "January 29 - February 4, 1998"},
        {1997, 12, 29, 7, "December 29, 1997 - January 4, 1998"},
        {1997, 12, 25, 14, "December 25, 1997 - January 7, 1998"},
        {2000, 2, 16, 14, "February 16-29, 2000"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(WeekPlannerText(englishPlanner(row.year, row.month, row.days), row.day).title, row.title);
}

TEST(PlannerText, WeekRowsShowDayNamesCutByTheHeadersStyleAndADate)
{
    TCalendarAttributes attr = englishPlanner(1997, 12, 7);
    struct Row {
        TCalHeadersStyle style;
        const char *first;
    };
    const Row rows[] = {{dsFirstChar, "M"}, {dsThreeChars, "Mon"}, {dsWhole, "Monday"}};
    for (const Row &row : rows) {
        attr.headersStyle = row.style;
        const PlannerText text = WeekPlannerText(attr, 29);
        ASSERT_EQ(text.labels.size(), 8);
        EXPECT_EQ(text.labels[0], row.first);
        EXPECT_EQ(text.secondLabels[0], "29 Dec");
        EXPECT_EQ(text.secondLabels[3], "1 Jan");
        EXPECT_EQ(text.labels[7], "Notes");
        EXPECT_EQ(text.secondLabels[7], "");
    }
    attr.plannerDayCount = 14;
    EXPECT_EQ(WeekPlannerText(attr, 29).labels.size(), 15);
}

TEST(PlannerText, DayPlannerCountsHoursFromTheStartingTime)
{
    TCalendarAttributes attr = englishPlanner(1997, 1, 0);
    attr.plannerSlotCount = 15;
    attr.startingTime = EncodeTime(8, 0, 0, 0);
    const PlannerText text = DayPlannerText(attr, 1);
    EXPECT_EQ(text.title, "Wednesday, January 1, 1997");
    ASSERT_EQ(text.labels.size(), 16);
    EXPECT_EQ(text.labels[0], "8:00 AM");
    EXPECT_EQ(text.labels[4], "12:00 PM");
    EXPECT_EQ(text.labels[14], "10:00 PM");
    EXPECT_EQ(text.labels[15], "Notes");
    for (const QString &second : text.secondLabels)
        EXPECT_TRUE(second.isEmpty());

    attr.startingTime = EncodeTime(20, 0, 0, 0); // runs past midnight
    EXPECT_EQ(DayPlannerText(attr, 1).labels[5], "1:00 AM");
}

TEST(PlannerText, StepsThatCannotBeComputedGiveMidnight)
{
    EXPECT_NEAR(AddMinutes(60, EncodeTime(8, 0, 0, 0)), EncodeTime(9, 0, 0, 0), 1e-7);
    EXPECT_EQ(AddMinutes(60, -1.0), 0.0);
    EXPECT_EQ(AddMinutes(60, std::nan("")), 0.0);
    EXPECT_EQ(AddMinutes(60, 1e300), 0.0);

    TCalendarAttributes attr = englishPlanner(1997, 1, 0);
    attr.plannerSlotCount = 2;
    attr.startingTime = std::nan("");
    EXPECT_EQ(DayPlannerText(attr, 1).labels[0], "12:00 AM");
}

TEST(PlannerText, MissingDaysMoveToTheNearestDayOfTheMonth)
{
    struct Row {
        int year, month, day, nearest;
    };
    const Row rows[] = {{1998, 4, 0, 1}, {1998, 4, 31, 30}, {1998, 4, -5, 1}, {2000, 2, 30, 29}, {1998, 4, 15, 15}};
    for (const Row &row : rows)
        EXPECT_EQ(nearestValidDay(row.year, row.month, row.day), row.nearest) << row.day;
}
