#include "calendar/CalendarModel.h"
#include "richtext/QmRtfStrings.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

using namespace qm;

namespace {

/// Counts what a view would be told.
struct ViewSpy {
    explicit ViewSpy(CalendarModel &model)
    {
        QObject::connect(&model, &CalendarModel::repaintNeeded, [this] { ++repaints; });
        QObject::connect(&model, &CalendarModel::viewSizeChanged, [this] { ++resizes; });
    }
    int repaints = 0;
    int resizes = 0;
};

void putText(CalendarModel &model, int cell, const char *text)
{
    TQmRTFTextIo document;
    TQmRtfStrings(document).Add(text);
    model.Cells(cell).SetRtfText(document);
}

} // namespace

TEST(CalendarModel, ANewCalendarHasTheDocumentedDefaults)
{
    CalendarModel model;
    EXPECT_EQ(model.CalendarLayout(), loFullCalendar);
    EXPECT_EQ(model.CalendarOrientation(), coPortrait);
    EXPECT_EQ(model.Magnification(), 100);
    EXPECT_EQ(model.MainCalDay(), 0);
    EXPECT_EQ(model.MainCalMonth(), 1);
    EXPECT_EQ(model.MainCalYear(), 1997);
    EXPECT_EQ(model.NumberPosition(), cnpUpperRight);
    EXPECT_EQ(model.HeadersStyle(), dsThreeChars);
    EXPECT_EQ(model.MiniHeadersStyle(), dsFirstChar);
    EXPECT_EQ(model.MiniHeadersBorder(), cbBottom);
    EXPECT_EQ(model.MiniCellBorder(), cbNone);
    EXPECT_FLOAT_EQ(model.LeftMarginInch(), 0.25f);
    EXPECT_EQ(model.TitleFont(), (FontDescription{"Times New Roman", 26, FontStyle::Bold, clWindowText}));
    EXPECT_EQ(model.MiniHeadersFont(), (FontDescription{"Times New Roman", 8, {}, clWhite}));
    EXPECT_EQ(model.MiniTitleFont().size, 6); // the full calendar has no minis to size
    EXPECT_DOUBLE_EQ(model.StartingTime(), EncodeTime(8, 0, 0, 0));
    EXPECT_EQ(model.GetMonthName(1), "January");
    EXPECT_EQ(model.GetDayName(1), "Sunday");
    EXPECT_EQ(model.GetDayName(7), "Saturday");
    EXPECT_TRUE(model.ShowMainCalendar());
    EXPECT_FALSE(model.ShowMinis());
    EXPECT_FALSE(model.IsPlanner());
    EXPECT_EQ(model.ScaledPageSize(), QSize(816, 1056));
}

TEST(CalendarModel, LineLayoutsSetTheirBordersOnlyWhenTheyChange)
{
    CalendarModel model;
    model.SetCalendarLineLayout(llCellsOnly);
    EXPECT_EQ(model.CalendarBorder(), cbNone);
    EXPECT_EQ(model.HeadersBorder(), cbNone);
    EXPECT_EQ(model.CellBorder(), cbAll);

    model.SetHeadersBorder(cbBottom);
    model.SetCalendarLineLayout(llCellsOnly);
    EXPECT_EQ(model.HeadersBorder(), cbBottom);

    model.SetCalendarLineLayout(llHeadersAndCells);
    EXPECT_EQ(model.CalendarBorder(), cbNone);
    EXPECT_EQ(model.HeadersBorder(), cbAll);

    struct Row {
        TMiniCalendarLineLayout layout;
        TCalBorderStyle cal, cell, headers;
    };
    const Row rows[] = {
        {mllBoxed, cbAll, cbNone, cbTopBottom}, {mllMinimal, cbNone, cbNone, cbTop}, {mllFull, cbAll, cbAll, cbAll}};
    for (const Row &row : rows) {
        model.SetMiniCalendarLineLayout(row.layout);
        EXPECT_EQ(model.MiniCalBorder(), row.cal) << int(row.layout);
        EXPECT_EQ(model.MiniCellBorder(), row.cell) << int(row.layout);
        EXPECT_EQ(model.MiniHeadersBorder(), row.headers) << int(row.layout);
    }
}

TEST(CalendarModel, SettersTellTheViewOnlyAboutChanges)
{
    CalendarModel model;
    ViewSpy spy(model);
    model.SetTitleBGColor(clWhite);
    model.SetStartOfWeek(1);
    model.SetMainCalMonth(1);
    model.SetLeftMarginInch(0.25f);
    EXPECT_EQ(spy.repaints, 0);
    EXPECT_EQ(spy.resizes, 0);

    model.SetTitleBGColor(clRed);
    EXPECT_EQ(spy.repaints, 1);
    EXPECT_EQ(spy.resizes, 0);

    model.SetMainCalMonth(2); // lays out again: resize and repaint
    EXPECT_EQ(spy.repaints, 2);
    EXPECT_EQ(spy.resizes, 1);

    model.SetCellFont(model.CellFont()); // fonts always repaint
    EXPECT_EQ(spy.repaints, 3);
}

TEST(CalendarModel, MagnificationResizesTheViewAndIgnoresImpossibleValues)
{
    CalendarModel model;
    ViewSpy spy(model);
    model.SetMagnification(70);
    EXPECT_EQ(model.ScaledPageSize(), QSize(571, 739)); // 571.2 and 739.2
    EXPECT_EQ(spy.resizes, 1);
    for (int impossible : {0, -30}) {
        model.SetMagnification(impossible);
        EXPECT_EQ(model.Magnification(), 70);
    }
    EXPECT_EQ(spy.resizes, 1);
}

TEST(CalendarModel, NameListsIgnoreIndexesOutOfRange)
{
    CalendarModel model;
    EXPECT_EQ(model.GetMonthName(13), QString());
    EXPECT_EQ(model.GetMonthName(0), QString());
    EXPECT_EQ(model.GetDayName(8), QString());
    const auto days = model.DayNameList();
    model.SetDayName(0, "Nope");
    model.SetDayName(8, "Nope");
    EXPECT_EQ(model.DayNameList(), days);
    model.SetMonthName(12, "Dezember");
    EXPECT_EQ(model.GetMonthName(12), "Dezember");
}

TEST(CalendarModel, ClearingCellsEmptiesThemAndForgetsWhereTheyLie)
{
    CalendarModel model;
    QImage image(model.ScaledPageSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    model.DrawPage(painter);
    putText(model, 42, "x");
    EXPECT_TRUE(model.HasCellText());
    EXPECT_TRUE(model.PointInCell(100, 300));

    model.ClearAllCells();
    EXPECT_FALSE(model.HasCellText());
    EXPECT_FALSE(model.PointInCell(100, 300));
    EXPECT_TRUE(model.BlankStorage().RtfText().IsEmpty());
}

TEST(CalendarModel, SameStyleIgnoresFontSizesMagnificationAndNumberPosition)
{
    CalendarModel a;
    CalendarModel b;
    EXPECT_TRUE(a.SameStyle(b));

    FontDescription bigger = b.TitleFont();
    bigger.size = 40;
    b.SetTitleFont(bigger);
    b.SetMagnification(30);
    b.SetNumberPosition(cnpCenter);
    b.SetCellBorder(cbNone); // single borders are not part of the style either
    EXPECT_TRUE(a.SameStyle(b));

    using Change = std::function<void(CalendarModel &)>;
    const std::pair<const char *, Change> changes[] = {
        {"title font colour",
         [](CalendarModel &m) {
             FontDescription f = m.TitleFont();
             f.color = clRed;
             m.SetTitleFont(f);
         }},
        {"cell font style",
         [](CalendarModel &m) {
             FontDescription f = m.CellFont();
             f.style = FontStyle::Italic;
             m.SetCellFont(f);
         }},
        {"month name case", [](CalendarModel &m) { m.SetMonthName(3, "march"); }},
        {"layout", [](CalendarModel &m) { m.SetCalendarLayout(loWeek); }},
        {"margin", [](CalendarModel &m) { m.SetBottomMarginInch(0.26f); }},
        {"starting time", [](CalendarModel &m) { m.SetStartingTime(EncodeTime(9, 0, 0, 0)); }},
        {"line layout", [](CalendarModel &m) { m.SetMiniCalendarLineLayout(mllMinimal); }},
        {"mini show year", [](CalendarModel &m) { m.SetMiniShowYear(false); }},
    };
    for (const auto &[what, change] : changes) {
        CalendarModel changed;
        change(changed);
        EXPECT_FALSE(a.SameStyle(changed)) << what;
    }
}

TEST(CalendarModel, AssignStyleCopiesTheLookButNotCellsOrViewSettings)
{
    CalendarModel source;
    source.SetCalendarLayout(loMC12MonthLS);
    source.SetMainCalMonth(7);
    source.SetMainCalYear(2001);
    source.SetMonthName(1, "Januar");
    source.SetCalendarLineLayout(llCellsOnly);
    source.SetHeadersBGColor(clYellow);
    source.SetMagnification(30);
    source.SetNumberPosition(cnpCenter);
    putText(source, 1, "source");

    CalendarModel target;
    putText(target, 2, "target");
    target.SetHeadersBorder(cbBottom);
    target.AssignStyle(source);

    EXPECT_TRUE(target.SameStyle(source));
    EXPECT_EQ(target.CalendarOrientation(), coLandscape);
    EXPECT_EQ(target.MiniCount(), 12);
    EXPECT_EQ(target.GetMonthName(1), "Januar");
    EXPECT_EQ(target.HeadersBorder(), cbNone); // the line layout changed, so its borders follow
    EXPECT_EQ(target.Magnification(), 100);
    EXPECT_EQ(target.NumberPosition(), cnpUpperRight);
    EXPECT_TRUE(target.Cells(1).RtfText().IsEmpty());
    EXPECT_EQ(TQmRtfStrings(target.Cells(2).RtfText()).Strings(0), "target");
}

TEST(CalendarModel, SetDefaultsDatesTodayAndKeepsBordersOfAnUnchangedLineLayout)
{
    CalendarModel model;
    model.SetCellBorder(cbTop);
    model.SetMiniHeadersFont({"Arial", 9, {}, clRed});
    model.SetDefaults();
    EXPECT_EQ(model.CellBorder(), cbTop); // llFull was already set
    EXPECT_EQ(model.MiniCalendarLineLayout(), mllBoxed);
    EXPECT_EQ(model.MiniHeadersBorder(), cbTopBottom);
    EXPECT_EQ(model.CalendarLayout(), loFCMinisInTitleLS);
    EXPECT_EQ(model.CalendarOrientation(), coLandscape);
    EXPECT_EQ(model.MainCalDay(), 31); // the pinned today, 31 March 2026
    EXPECT_EQ(model.MainCalMonth(), 3);
    EXPECT_EQ(model.MainCalYear(), 2026);
    EXPECT_FLOAT_EQ(model.TopMarginInch(), 0.5f);
    EXPECT_EQ(model.MiniHeadersFont().color, clBlack);
    EXPECT_EQ(model.MiniHeadersFont().name, "Arial");
    EXPECT_EQ(model.MiniTitleFont().size, 10); // sized for the minis in the title
    EXPECT_EQ(model.MiniHeadersFont().size, 8);
}

TEST(CalendarModel, LayoutGroupsSeparateGridsSheetsAndEachPlanner)
{
    CalendarModel model;
    const std::pair<TCalendarLayout, int> rows[] = {{loFullCalendar, 0}, {loFC12AfterLS, 0}, {lopMC6Month, 1},
                                                    {loMC60MonthLS, 1},  {loWeek, 2},        {lo2Week, 3},
                                                    {loDay10, 4},        {loDay15, 5},       {TCalendarLayout(22), -1}};
    for (const auto &[layout, group] : rows) {
        model.SetCalendarLayout(layout);
        EXPECT_EQ(model.LayoutGroup(), group) << int(layout);
    }
}
