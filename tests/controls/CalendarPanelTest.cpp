#include "controls/CalendarPanel.h"
#include "richtext/QmRtfStrings.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

/// A panel whose cell records are those of a drawing, as after the first paint.
struct DrawnPanel {
    explicit DrawnPanel(TCalendarLayout layout = loFullCalendar)
    {
        panel.calendar().SetCalendarLayout(layout);
        panel.grab();
    }
    TCalendarPanel panel;
    QSignalSpy cellEvents{&panel, &TCalendarPanel::ClickedInCellEvent};
    QSignalSpy clicks{&panel, &TCalendarPanel::clicked};

    int lastCell() const { return cellEvents.isEmpty() ? 0 : cellEvents.last().at(2).toInt(); }
};

} // namespace

TEST(CalendarPanel, SizesItselfToThePageAtItsMagnification)
{
    TCalendarPanel panel;
    EXPECT_EQ(panel.size(), QSize(816, 1056));
    panel.calendar().SetMagnification(30);
    EXPECT_EQ(panel.size(), QSize(245, 317));
    panel.calendar().SetCalendarLayout(LOFullCalendarLS);
    EXPECT_EQ(panel.size(), QSize(317, 245));
}

TEST(CalendarPanel, ShowsThePageItDraws)
{
    TCalendarPanel panel;
    panel.calendar().SetMagnification(40);
    QImage expected(panel.calendar().ScaledPageSize(), QImage::Format_RGB32);
    QPainter painter(&expected);
    panel.calendar().DrawPage(painter);
    painter.end();
    EXPECT_EQ(panel.grab().toImage().convertToFormat(QImage::Format_RGB32), expected);
}

TEST(CalendarPanel, AClickOnACellHandsOutTheCellAndItsStore)
{
    DrawnPanel drawn;
    QTest::mouseClick(&drawn.panel, Qt::LeftButton, {}, QPoint(360, 240)); // cell 4: 1 January 1997
    ASSERT_EQ(drawn.cellEvents.size(), 1);
    const QList<QVariant> event = drawn.cellEvents.first();
    const CellRecord &record = drawn.panel.calendar().CellRecordOf(4);
    EXPECT_EQ(event.at(0).value<TRect>(), record.rTotal);
    EXPECT_EQ(event.at(1).value<TRect>(), record.rFree);
    EXPECT_EQ(event.at(2).toInt(), 4);
    EXPECT_EQ(event.at(3).toInt(), 1);
    EXPECT_EQ(event.at(4).value<TQmRtfStorage *>(), &drawn.panel.calendar().Cells(4));
    EXPECT_TRUE(drawn.clicks.isEmpty());

    QTest::mouseClick(&drawn.panel, Qt::LeftButton, {}, QPoint(40, 240)); // blank cell 1
    EXPECT_EQ(drawn.cellEvents.last().at(3).toInt(), 0);
}

TEST(CalendarPanel, ClicksOutsideCellsOrOnMiniSheetsAreOrdinaryClicks)
{
    struct Row {
        const char *what;
        TCalendarLayout layout;
        QPoint at;
    };
    const Row rows[] = {
        {"title band", loFullCalendar, {400, 100}},
        {"between cells of an upper-right number", loFullCalendar, {29, 240}},
        {"mini-calendar sheet over stale cells", lopMC6Month, {360, 240}},
    };
    for (const Row &row : rows) {
        DrawnPanel drawn; // month grid cells recorded
        drawn.panel.calendar().SetCalendarLayout(row.layout);
        drawn.panel.grab();
        QTest::mouseClick(&drawn.panel, Qt::LeftButton, {}, row.at);
        EXPECT_EQ(drawn.clicks.size(), 1) << row.what;
        EXPECT_TRUE(drawn.cellEvents.isEmpty()) << row.what;
    }
}

TEST(CalendarPanel, OnlyACompleteLeftClickCounts)
{
    DrawnPanel drawn;
    QTest::mouseClick(&drawn.panel, Qt::RightButton, {}, QPoint(360, 240));
    QTest::mousePress(&drawn.panel, Qt::LeftButton, {}, QPoint(360, 240));
    QTest::mouseRelease(&drawn.panel, Qt::LeftButton, {}, QPoint(900, 240)); // released outside
    QTest::mouseRelease(&drawn.panel, Qt::LeftButton, {}, QPoint(360, 240)); // no press before it
    EXPECT_TRUE(drawn.cellEvents.isEmpty());
    EXPECT_TRUE(drawn.clicks.isEmpty());

    QTest::mouseDClick(&drawn.panel, Qt::LeftButton, {}, QPoint(360, 240));
    EXPECT_TRUE(drawn.cellEvents.isEmpty());
}

TEST(CalendarPanel, ADoubleClickAddsNothingToItsFirstClick)
{
    DrawnPanel drawn;
    const QPoint at(360, 240);
    QTest::mouseClick(&drawn.panel, Qt::LeftButton, {}, at);
    QTest::mouseDClick(&drawn.panel, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&drawn.panel, Qt::LeftButton, {}, at);
    EXPECT_EQ(drawn.cellEvents.size(), 1);
}

TEST(CalendarPanel, ADropOpensTheCellUnderItWhateverTheLayout)
{
    DrawnPanel drawn;
    drawn.panel.calendar().SetCalendarLayout(loMC12Month);
    drawn.panel.grab();
    drawn.panel.ClickCellAt(360, 240);
    EXPECT_EQ(drawn.lastCell(), 4);
    drawn.panel.ClickCellAt(400, 100);
    EXPECT_EQ(drawn.cellEvents.size(), 1);
}

TEST(CalendarPanel, TabMovesThroughCellsWithFreeAreas)
{
    DrawnPanel drawn;
    drawn.panel.EditNextCell(3);
    EXPECT_EQ(drawn.lastCell(), 4);
    drawn.panel.EditPreviousCell(3);
    EXPECT_EQ(drawn.lastCell(), 2); // blank cells are visited too
    drawn.panel.EditNextCell(42);
    drawn.panel.EditPreviousCell(1);
    EXPECT_EQ(drawn.cellEvents.size(), 2);

    drawn.panel.calendar().SetNumberPosition(cnpCenter);
    drawn.panel.grab();
    drawn.panel.EditNextCell(3);
    EXPECT_EQ(drawn.cellEvents.size(), 2); // centred numbers leave no cell to move to
}

TEST(CalendarPanel, TabInAWeekPlannerEndsAtTheNotesRow)
{
    DrawnPanel drawn(loWeek);
    drawn.panel.EditNextCell(7);
    EXPECT_EQ(drawn.lastCell(), 8);
    drawn.panel.calendar().ClearAllCells();
    drawn.panel.grab();
    drawn.panel.EditNextCell(8);
    EXPECT_EQ(drawn.cellEvents.size(), 1);
}

TEST(CalendarPanel, KeepsTabWhileItHasTheFocus)
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *panel = new TCalendarPanel;
    auto *edit = new QLineEdit;
    panel->calendar().SetMagnification(10);
    layout->addWidget(panel);
    layout->addWidget(edit);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    panel->setFocus();
    QTest::keyClick(panel, Qt::Key_Tab);
    EXPECT_TRUE(panel->hasFocus());
    EXPECT_FALSE(edit->hasFocus());
}

TEST(CalendarPanel, AZoomChangeMovesTheCellsAtOnce)
{
    TCalendarPanel panel;
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    panel.calendar().SetMagnification(50);
    EXPECT_EQ(panel.calendar().CellRecordOf(1).rTotal.left, 13 + 1 + 4); // no event loop in between
}

TEST(CalendarPanel, MarksCellsWhoseTextDoesNotFitOnScreenOnly)
{
    DrawnPanel drawn;
    CalendarModel &calendar = drawn.panel.calendar();
    TQmRtfStrings(calendar.Cells(10).RtfText()).Add("Dentist");
    for (int line = 0; line < 20; ++line)
        TQmRtfStrings(calendar.Cells(11).RtfText()).Add("one of many lines");
    const QImage screen = drawn.panel.grab().toImage();
    EXPECT_TRUE(drawn.panel.CutTextMark(10).isEmpty());
    const QRect mark = drawn.panel.CutTextMark(11);
    ASSERT_FALSE(mark.isEmpty());
    EXPECT_TRUE(calendar.CellRecordOf(11).rFree.toQRect().contains(mark));
    const QPoint inside(mark.right() - 1, mark.bottom() - 1);
    EXPECT_EQ(screen.pixelColor(inside), QColor(200, 0, 0));
    EXPECT_NE(calendar.MakeBitmap().pixelColor(inside), QColor(200, 0, 0)) << "a bitmap shows the page alone";

    QHelpEvent hint(QEvent::ToolTip, inside, drawn.panel.mapToGlobal(inside));
    QApplication::sendEvent(&drawn.panel, &hint);
    EXPECT_TRUE(QToolTip::text().startsWith(QStringLiteral("The text does not fit: ")))
        << QToolTip::text().toStdString();
}
