#include "RectPrinting.h"
#include "calendar/CalendarModel.h"
#include "platform/Environment.h"

#include <gtest/gtest.h>

using namespace qm;

namespace {

TRect rect(int left, int top, int right, int bottom)
{
    return {left, top, right, bottom};
}

} // namespace

TEST(CalendarLayout, WorkedExampleOnLetterPaper)
{
    CalendarModel model;
    model.SetCalendarLayout(loFCMinisInTitle);
    EXPECT_EQ(model.PageWidth(), 816);
    EXPECT_EQ(model.PageHeight(), 1056);
    EXPECT_EQ(model.MainRect(), rect(26, 26, 790, 1030));
    EXPECT_EQ(model.MiniCount(), 2);
    EXPECT_EQ(model.MiniRects(1), rect(38, 38, 158, 158));
    EXPECT_EQ(model.MiniRects(2), rect(658, 38, 778, 158));
    EXPECT_EQ(model.MiniMonths(1), (MonthOfYear{12, 1996})); // January's neighbours
    EXPECT_EQ(model.MiniMonths(2), (MonthOfYear{2, 1997}));
    EXPECT_EQ(model.MiniTitleFont().size, 6); // sizes are reset only by RecalcLayout(Reset)
}

TEST(CalendarLayout, PageSizesFollowPaperAndOrientation)
{
    struct Row {
        quint8 paper;
        TCalendarLayout layout;
        int ppi;
        QSize page;
    };
    const Row rows[] = {
        {0, loFullCalendar, 96, {816, 1056}},  {0, LOFullCalendarLS, 96, {1056, 816}},
        {1, loFullCalendar, 96, {794, 1122}},  {1, loMC60MonthLS, 96, {1122, 794}},
        {0, lo2Week, 96, {816, 1056}},         {0, loFullCalendar, 97, {824, 1067}}, // 824.5 rounds to even
        {1, loFullCalendar, 120, {992, 1403}},
    };
    for (const Row &row : rows) {
        Environment::pinScreenPixelsPerInch(row.ppi);
        CalendarModel model;
        model.SetPaperSize(row.paper);
        model.SetCalendarLayout(row.layout);
        EXPECT_EQ(QSize(model.PageWidth(), model.PageHeight()), row.page) << int(row.layout) << " at " << row.ppi;
    }
    Environment::pinScreenPixelsPerInch(96);
}

TEST(CalendarLayout, OrientationAlwaysFollowsTheLayout)
{
    CalendarModel model;
    model.SetCalendarOrientation(coLandscape);
    EXPECT_EQ(model.CalendarOrientation(), coPortrait);
    EXPECT_EQ(model.PageWidth(), 816);
    model.SetCalendarLayout(loDay15);
    EXPECT_EQ(model.CalendarOrientation(), coPortrait);
    model.SetCalendarLayout(lopMC6MonthLS);
    EXPECT_EQ(model.CalendarOrientation(), coLandscape);
}

TEST(CalendarLayout, SixBeforeSixAfterSurroundsTheMonth)
{
    CalendarModel model;
    model.SetMainCalMonth(1);
    model.SetMainCalYear(1998);
    model.SetCalendarLayout(loFC6Before6After);
    ASSERT_EQ(model.MiniCount(), 12);
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(model.MiniMonths(i), (MonthOfYear{6 + i, 1997})) << i;
    for (int i = 7; i <= 12; ++i)
        EXPECT_EQ(model.MiniMonths(i), (MonthOfYear{i - 5, 1998})) << i;

    // Portrait: strips of six above and below the grid, 1.3 inch from the margins.
    // p(0.25 + 1.3) = round(148.8) = 149.
    EXPECT_EQ(model.MainRect(), rect(26, 151, 790, 905));
    EXPECT_EQ(model.MiniRects(1).top, 26);
    EXPECT_EQ(model.MiniRects(6).right, 790);
    EXPECT_EQ(model.MiniRects(6).bottom, 147);
    EXPECT_EQ(model.MiniRects(7).top, 909);
    EXPECT_EQ(model.MiniRects(12).bottom, 1030);

    model.SetCalendarLayout(loFC6Before6AfterLS);
    EXPECT_EQ(model.MainRect(), rect(153, 26, 903, 790));
    EXPECT_EQ(model.MiniRects(1).left, 26);
    EXPECT_EQ(model.MiniRects(1).right, 149);
    EXPECT_EQ(model.MiniRects(6).bottom, 790);
    EXPECT_EQ(model.MiniRects(7).left, 909);
    EXPECT_EQ(model.MiniRects(12).right, 1030);
}

TEST(CalendarLayout, TwelveAfterPlacesTheFollowingMonthsBelowOrBeside)
{
    CalendarModel model;
    model.SetMainCalMonth(3);
    model.SetMainCalYear(2026);
    model.SetCalendarLayout(loFC12After);
    EXPECT_EQ(model.MiniMonths(1), (MonthOfYear{4, 2026}));
    EXPECT_EQ(model.MiniMonths(12), (MonthOfYear{3, 2027}));
    // p(0.25 + 2.9) = round(302.4) = 302; the strip ends 2 pixels below the content.
    EXPECT_EQ(model.MainRect(), rect(26, 26, 790, 752));
    EXPECT_EQ(model.MiniRects(12).bottom, 1034);
    EXPECT_EQ(model.MiniRects(12).right, 790);

    model.SetCalendarLayout(loFC12AfterLS);
    EXPECT_EQ(model.MainRect(), rect(26, 26, 752, 790));
    EXPECT_EQ(model.MiniRects(12).right, 1032); // W - mR, without the inset
}

TEST(CalendarLayout, MiniSheetsAreFlushGridsNumberedRowByRow)
{
    CalendarModel model;
    model.SetPaperSize(1);
    model.SetCalendarLayout(loMC60MonthLS);
    ASSERT_EQ(model.MiniCount(), 60);
    const TRect content = model.MainRect();
    EXPECT_EQ(content, rect(26, 26, 1096, 768));
    // 6 rows x 10 columns: gaps round(7.42) = 7 and round(10.7) = 11 pixels.
    EXPECT_EQ(model.MiniRects(1), rect(26, 26, 123, 144));
    EXPECT_EQ(model.MiniRects(2).left, 26 + 97 + 11);
    EXPECT_EQ(model.MiniRects(10).right, content.right);
    EXPECT_EQ(model.MiniRects(11).top, 26 + 118 + 7);
    EXPECT_EQ(model.MiniRects(60).right, content.right);
    EXPECT_EQ(model.MiniRects(60).bottom, content.bottom);
    EXPECT_EQ(model.MiniRects(51).left, content.left);
    EXPECT_EQ(model.MiniMonths(60), (MonthOfYear{12, 2001}));
}

TEST(CalendarLayout, MiniFontSizesAreResetOnlyWhenAsked)
{
    struct Row {
        TCalendarLayout layout;
        int title;
        int others;
    };
    const Row rows[] = {{loFCMinisInTitle, 10, 8},
                        {lopMC6Month, 18, 14},
                        {loMC24Month, 12, 10},
                        {loMC48Month, 10, 8},
                        {loMC60Month, 8, 6}};
    for (const Row &row : rows) {
        CalendarModel model;
        model.SetCalendarLayout(row.layout);
        EXPECT_EQ(model.MiniTitleFont().size, 6);
        model.RecalcLayout(CalendarModel::MiniFonts::Reset);
        EXPECT_EQ(model.MiniTitleFont().size, row.title) << int(row.layout);
        EXPECT_EQ(model.MiniHeadersFont().size, row.others) << int(row.layout);
        EXPECT_EQ(model.MiniCellFont().size, row.others) << int(row.layout);
    }
}

TEST(CalendarLayout, MarginsAreReadAsDecimalInches)
{
    struct Row {
        float inches;
        int ppi;
        int pixels;
    };
    const Row rows[] = {{0.25f, 96, 24}, {0.05f, 90, 4}, {0.15f, 90, 14}, {1.55f, 96, 149}, {0.5f, 97, 48}};
    for (const Row &row : rows)
        EXPECT_EQ(InchToPixels(row.inches, row.ppi), row.pixels) << row.inches << " at " << row.ppi;
    EXPECT_EQ(InchToPixels(inchesPlus(0.25f, 1.3), 96), 149);
}

TEST(CalendarLayout, DivideIntoGridStopsAtTheLastIndex)
{
    MiniRectArray minis{};
    DivideIntoGrid(2, 3, 5, 8, {0, 0, 300, 200}, minis);
    EXPECT_TRUE(minis[3].isZero());
    EXPECT_EQ(minis[4], rect(0, 0, 98, 99)); // gaps 3 and 2, cells 98 x 99
    EXPECT_EQ(minis[5], rect(101, 0, 199, 99));
    EXPECT_EQ(minis[6], rect(202, 0, 300, 99)); // flush right
    EXPECT_EQ(minis[7], rect(0, 101, 98, 200)); // flush bottom
    EXPECT_TRUE(minis[8].isZero());
}
