#include "calendar/CalendarDrawing.h"
#include "RectPrinting.h"
#include "calendar/CalendarModel.h"
#include "calendar/MonthGridGeometry.h"
#include "calendar/PlannerGeometry.h"

#include <QFontInfo>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qm;

namespace {

QImage drawn(CalendarModel &model)
{
    QImage image(model.ScaledPageSize(), QImage::Format_RGB32);
    image.fill(Qt::red); // DrawPage must paint every pixel itself
    QPainter painter(&image);
    model.DrawPage(painter);
    return image;
}

bool isBlank(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
        }
    }
    return true;
}

bool isBlack(const QImage &image, int x, int y)
{
    return image.pixel(x, y) == qRgb(0, 0, 0);
}

} // namespace

TEST(CalendarDrawing, TheDefaultFacesHaveMetricTwins)
{
    // The page geometry measures text; it matches the documents' fonts only
    // when these faces resolve to their metric-compatible twins.
    EXPECT_EQ(QFontInfo(QFont("Times New Roman")).family(), "Liberation Serif");
    EXPECT_EQ(QFontInfo(QFont("Arial")).family(), "Liberation Sans");
}

TEST(CalendarDrawing, WorkedExampleMonthGrid)
{
    const MonthGridGeometry g = MonthGridGeometry::compute({26, 26, 790, 1030}, 144, fontPixelHeight(16, 96));
    EXPECT_EQ(g.titleHeight, 171);
    EXPECT_EQ(g.titleBottom, 198);
    EXPECT_EQ(g.headerHeight, 32);
    EXPECT_EQ(g.headerBottom, 231);
    EXPECT_EQ(g.columnWidth, 109);
    EXPECT_EQ(g.rowHeight, 133);

    CalendarModel model;
    model.SetCalendarLayout(loFCMinisInTitle);
    drawn(model);
    const CellRecord &first = model.CellRecordOf(1);
    EXPECT_EQ(first.rTotal, (TRect{31, 232, 129, 363}));
    EXPECT_EQ(first.iDay, 0);             // 1 January 1997 is a Wednesday
    EXPECT_EQ(first.rFree.top, 232 + 24); // below a "9" of the 21-pixel cell font
    EXPECT_EQ(model.CellDay(4), 1);
    EXPECT_EQ(model.CellDay(34), 31);
    EXPECT_EQ(model.CellDay(35), 0);

    model.SetNumberPosition(cnpCenter);
    drawn(model);
    EXPECT_EQ(model.CellRecordOf(1).rTotal, (TRect{27, 232, 134, 363}));
    for (int cell = 1; cell <= kCellCount; ++cell)
        EXPECT_TRUE(model.CellRecordOf(cell).rFree.isZero()) << cell;
}

TEST(CalendarDrawing, HitTestingUsesHalfOpenCellRectangles)
{
    CalendarModel model;
    drawn(model);
    struct Row {
        int x, y, cell;
    };
    const Row rows[] = {
        {31, 232, 1},    {128, 362, 1}, {129, 232, 0}, // right edge excluded
        {30, 240, 0},    {27, 240, 0},                 // the 4 pixels left of an upper-right number
        {31, 363, 0},    {140, 240, 2},                // bottom edge and the next column
        {400, 100, 0},                                 // title band
        {140, 1000, 37},
    };
    for (const Row &row : rows)
        EXPECT_EQ(model.CellAtPoint(row.x, row.y), row.cell) << row.x << ", " << row.y;
    EXPECT_TRUE(model.PointInCell(31, 232));
    EXPECT_FALSE(model.PointInCell(400, 100));
}

TEST(CalendarDrawing, CellsFollowTheMagnification)
{
    CalendarModel model;
    model.SetMagnification(50);
    drawn(model);
    const TRect cell = model.CellRecordOf(9).rTotal;
    EXPECT_EQ(model.CellAtPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2), 9);
    EXPECT_EQ(cell.left, 13 + 54 + 1 + 4); // x0 = 13, cw = (394 - 13) div 7 = 54
}

TEST(CalendarDrawing, PlannersRecordOneCellPerRow)
{
    CalendarModel model;
    drawn(model);
    const CellRecord gridCell20 = model.CellRecordOf(20);

    model.SetCalendarLayout(loWeek);
    model.SetMainCalDay(5);
    drawn(model);
    for (int cell = 1; cell <= 8; ++cell) {
        EXPECT_EQ(model.CellRecordOf(cell).rTotal, model.CellRecordOf(cell).rFree) << cell;
        EXPECT_EQ(model.CellDay(cell), 0) << cell;
    }
    EXPECT_EQ(model.CellRecordOf(8).rTotal.bottom, 1030 - 1 - 4);
    EXPECT_EQ(model.CellRecordOf(1).rTotal.bottom, model.CellRecordOf(2).rTotal.top - 8);
    EXPECT_EQ(model.CellRecordOf(20), gridCell20); // a week planner clears nothing

    model.SetCalendarLayout(loDay10);
    drawn(model);
    EXPECT_FALSE(model.CellRecordOf(11).rFree.isZero());
    EXPECT_TRUE(model.CellRecordOf(20).rFree.isZero()); // a day planner forgets the other free areas
    EXPECT_EQ(model.CellRecordOf(20).rTotal, gridCell20.rTotal);
}

TEST(CalendarDrawing, ImpossibleSettingsDrawABlankPage)
{
    using Change = std::function<void(CalendarModel &)>;
    const std::pair<const char *, Change> rows[] = {
        {"month 13", [](CalendarModel &m) { m.SetMainCalMonth(13); }},
        {"month 0", [](CalendarModel &m) { m.SetMainCalMonth(0); }},
        {"year 0", [](CalendarModel &m) { m.SetMainCalYear(0); }},
        {"year 10000", [](CalendarModel &m) { m.SetMainCalYear(10000); }},
        {"layout 22", [](CalendarModel &m) { m.SetCalendarLayout(TCalendarLayout(22)); }},
        {"layout -1", [](CalendarModel &m) { m.SetCalendarLayout(TCalendarLayout(-1)); }},
        {"week planner in month 13",
         [](CalendarModel &m) {
             m.SetCalendarLayout(loWeek);
             m.SetMainCalMonth(13);
         }},
    };
    for (const auto &[what, change] : rows) {
        CalendarModel model;
        model.SetMagnification(20);
        drawn(model);
        change(model);
        EXPECT_TRUE(isBlank(drawn(model))) << what;
        EXPECT_FALSE(model.PointInCell(40, 60)) << what;
    }
}

TEST(CalendarDrawing, PlannersDrawFromTheNearestExistingDay)
{
    for (TCalendarLayout layout : {loWeek, lo2Week, loDay10, loDay15}) {
        for (int day : {0, 31, -7, 99}) {
            CalendarModel model;
            model.SetMagnification(25);
            model.SetCalendarLayout(layout);
            model.SetMainCalMonth(4);
            model.SetMainCalYear(1998);
            model.SetMainCalDay(day);
            EXPECT_FALSE(isBlank(drawn(model))) << int(layout) << " day " << day;
            EXPECT_EQ(model.MainCalDay(), day);
        }
    }
}

TEST(CalendarDrawing, MiniCalendarsBeyondYear9999AreLeftOut)
{
    CalendarModel model;
    model.SetMagnification(25);
    model.SetMainCalYear(9999);
    model.SetMainCalMonth(12);
    for (TCalendarLayout layout : {loFC12After, loFCMinisInTitle, loMC60Month}) {
        model.SetCalendarLayout(layout);
        EXPECT_FALSE(isBlank(drawn(model))) << int(layout);
    }
    model.SetMainCalYear(1);
    model.SetMainCalMonth(1);
    model.SetCalendarLayout(loFC6Before6After);
    EXPECT_FALSE(isBlank(drawn(model)));
}

TEST(CalendarDrawing, BordersDrawTheLinesTheirStyleNames)
{
    struct Row {
        TCalBorderStyle style;
        bool top, right, bottom, left;
    };
    const Row rows[] = {{cbNone, false, false, false, false},
                        {cbAll, true, true, true, true},
                        {cbTop, true, false, false, false},
                        {cbBottom, false, false, true, false},
                        {cbTopBottom, true, false, true, false}};
    // Hairlines, drawn for paper, cover the pixels that lines one pixel wide do.
    for (const Canvas::Lines lines : {Canvas::Lines::DevicePixels, Canvas::Lines::Hairlines}) {
        for (const Row &row : rows) {
            SCOPED_TRACE(testing::Message() << "style " << int(row.style) << ", lines " << int(lines));
            QImage image(12, 12, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            Canvas canvas(painter, 96, lines);
            DrawBorder(canvas, {2, 2, 9, 7}, row.style);
            painter.end();
            EXPECT_EQ(isBlack(image, 5, 2), row.top);
            EXPECT_EQ(isBlack(image, 9, 4), row.right);
            EXPECT_EQ(isBlack(image, 5, 7), row.bottom);
            EXPECT_EQ(isBlack(image, 2, 4), row.left);
            EXPECT_EQ(isBlack(image, 9, 7), row.style == cbAll); // corners of the closed outline
            EXPECT_FALSE(isBlack(image, 5, 4));
            EXPECT_FALSE(isBlack(image, 10, 7)) << "a line leaves out its end point";
            EXPECT_FALSE(isBlack(image, 5, 8));
        }
    }
}

TEST(CalendarDrawing, PaperLinesShowOnAPageShownSmaller)
{
    // A print preview shows a page of printer dots at a tenth of their number.
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(0.1, 0.1);
    Canvas canvas(painter, 600, Canvas::Lines::Hairlines);
    DrawBorder(canvas, {20, 20, 381, 381}, cbAll);
    painter.end();
    for (const QPoint &onLine : {QPoint(20, 2), QPoint(38, 20), QPoint(20, 38), QPoint(2, 20)})
        EXPECT_TRUE(isBlack(image, onLine.x(), onLine.y())) << onLine.x() << "," << onLine.y();
}

TEST(CalendarDrawing, GapsBesideTheLinesKeepTheirWidthOnPaper)
{
    // 4 and 5 pixels of a 96-pixel screen: about a millimetre. A printer's
    // dots would set day numbers and text against the lines.
    const struct {
        const char *name;
        TargetGaps gaps;
        int numberLeft, numberRight, rowTextX, rowTextY;
    } rows[] = {
        {"screen, any magnification", DrawingTarget::screen(96, 250).gaps(), 4, 5, 4, 4},
        {"printer, 600 dpi", DrawingTarget::printer(96, 600, 600, {}).gaps(), 25, 31, 25, 25},
        {"printer, 300 x 600 dpi", DrawingTarget::printer(96, 300, 600, {}).gaps(), 12, 16, 12, 25},
    };
    for (const auto &row : rows) {
        const MonthGridGeometry grid = MonthGridGeometry::compute({0, 0, 5000, 6000}, 0, 100, row.gaps);
        const TRect cell = grid.cellRect(1, 1, cnpUpperRight);
        EXPECT_EQ(cell.left - (grid.columnLine(1) + 1), row.numberLeft) << row.name;
        EXPECT_EQ(grid.columnLine(2) - 1 - cell.right, row.numberRight) << row.name;
        const PlannerGeometry planner = PlannerGeometry::compute({0, 0, 5000, 6000}, 100, 8, row.gaps);
        const TRect text = planner.cellRect(1);
        EXPECT_EQ(text.left - planner.labelColumnRight, row.rowTextX) << row.name;
        EXPECT_EQ(text.top - planner.rowLine(1), row.rowTextY) << row.name;
    }
}

TEST(CalendarDrawing, CellBordersChooseTheirGridLines)
{
    // Grid lines of the default January 1997 page lie at 231 + r x 133 and at 1029.
    struct Row {
        TCalBorderStyle style;
        bool first, middle, last, vertical;
    };
    const Row rows[] = {{cbNone, false, false, false, false},
                        {cbAll, true, true, true, true},
                        {cbTop, true, true, false, false},
                        {cbBottom, false, true, true, false},
                        {cbTopBottom, true, true, true, false}};
    for (const Row &row : rows) {
        CalendarModel model;
        model.SetCalendarLineLayout(llCellsOnly); // no calendar or header lines
        model.SetCellBorder(row.style);
        const QImage image = drawn(model);
        EXPECT_EQ(isBlack(image, 90, 231), row.first) << int(row.style);
        EXPECT_EQ(isBlack(image, 90, 896), row.middle) << int(row.style);
        EXPECT_EQ(isBlack(image, 90, 1029), row.last) << int(row.style);
        EXPECT_EQ(isBlack(image, 135, 700), row.vertical) << int(row.style);
    }
}

TEST(CalendarDrawing, TheBitmapShowsWhatTheScreenShows)
{
    CalendarModel model;
    model.SetCalendarLayout(loDay10);
    model.SetMainCalDay(15);
    model.SetStartingTime(EncodeTime(9, 0, 0, 0));
    model.SetMagnification(30);
    const QImage screen = drawn(model);
    const QImage bitmap = model.MakeBitmap();
    EXPECT_EQ(bitmap.size(), QSize(245, 317));
    EXPECT_EQ(bitmap.convertToFormat(QImage::Format_RGB32), screen);
}

TEST(CalendarDrawing, PrintingKeepsTheScreenCellsAndSetsTheOrientation)
{
    QTemporaryDir folder;
    CalendarModel model;
    model.SetCalendarLayout(loFCMinisInTitleLS);
    drawn(model);
    const auto screenCells = model.MainAttr().cells;

    QPdfWriter writer(folder.filePath("page.pdf"));
    writer.setResolution(300);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    model.PrintCalendar(writer);
    EXPECT_EQ(writer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(model.MainAttr().cells, screenCells);
    EXPECT_GT(QFileInfo(folder.filePath("page.pdf")).size(), 1000);
}
