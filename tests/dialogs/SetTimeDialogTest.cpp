#include "dialogs/SetTimeDialog.h"

#include "controls/GraphicPanel.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using qm::EncodeTime;

namespace {

QList<TGraphicPanel *> yellowCells(QWidget *panel)
{
    QList<TGraphicPanel *> cells;
    for (TGraphicPanel *cell : panel->findChildren<TGraphicPanel *>())
        if (cell->Color() == qm::clYellow)
            cells << cell;
    return cells;
}

void clickCell(TSetTimeDialog &dialog, QWidget *panel, int tag)
{
    QTest::mouseClick(dialog.cell(panel, tag), Qt::LeftButton, {}, QPoint(5, 5));
}

} // namespace

TEST(SetTimeDialog, HourCellsFollowTheClockFaceInFourRowsOfSix)
{
    TSetTimeDialog dialog;
    struct Row {
        int tag;
        const char *caption;
        QPoint position;
    };
    const Row rows[] = {
        {0, "12", {7, 21}},  {5, "5", {127, 21}}, {6, "6", {7, 40}},  {11, "11", {127, 40}},
        {12, "12", {7, 75}}, {13, "1", {31, 75}}, {18, "6", {7, 94}}, {23, "11", {127, 94}},
    };
    ASSERT_EQ(dialog.HourPanel()->findChildren<TGraphicPanel *>().size(), 24);
    for (const Row &row : rows) {
        TGraphicPanel *cell = dialog.cell(dialog.HourPanel(), row.tag);
        ASSERT_NE(cell, nullptr) << row.tag;
        EXPECT_EQ(cell->Caption(), QString::fromLatin1(row.caption)) << row.tag;
        EXPECT_EQ(cell->geometry(), QRect(row.position, QSize(24, 19))) << row.tag;
        EXPECT_EQ(cell->toolTip(), QStringLiteral("Click to set the hours portion of the time"));
    }
    EXPECT_EQ(dialog.HourPanel()->geometry(), QRect(16, 7, 271, 125));
}

TEST(SetTimeDialog, MinuteCellsRunInSixRowsOfTenWithTwoDigitCaptions)
{
    TSetTimeDialog dialog;
    ASSERT_EQ(dialog.MinutePanel()->findChildren<TGraphicPanel *>().size(), 60);
    struct Row {
        int tag;
        const char *caption;
        QPoint position;
    };
    const Row rows[] = {{0, "00", {7, 22}}, {9, "09", {223, 22}}, {10, "10", {7, 41}}, {59, "59", {223, 117}}};
    for (const Row &row : rows) {
        TGraphicPanel *cell = dialog.cell(dialog.MinutePanel(), row.tag);
        ASSERT_NE(cell, nullptr) << row.tag;
        EXPECT_EQ(cell->Caption(), QString::fromLatin1(row.caption));
        EXPECT_EQ(cell->geometry(), QRect(row.position, QSize(24, 19)));
        EXPECT_EQ(cell->toolTip(), QStringLiteral("Click to set the minutes portion of the time"));
    }
    EXPECT_EQ(dialog.MinutePanel()->geometry(), QRect(16, 136, 270, 144));
}

TEST(SetTimeDialog, OpensOnTheGivenTimeWithItsCellsYellowAndTheRestSilver)
{
    TSetTimeDialog dialog;
    dialog.SetTime(EncodeTime(8, 0, 0, 0));
    dialog.show();

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Set Time As: 08:00 am"));
    const QList<TGraphicPanel *> hours = yellowCells(dialog.HourPanel());
    ASSERT_EQ(hours.size(), 1);
    EXPECT_EQ(hours.first()->Tag(), 8);
    EXPECT_EQ(hours.first()->geometry().top(), 40) << "8 am lies in the second row";
    const QList<TGraphicPanel *> minutes = yellowCells(dialog.MinutePanel());
    ASSERT_EQ(minutes.size(), 1);
    EXPECT_EQ(minutes.first()->Caption(), QStringLiteral("00"));
    EXPECT_EQ(dialog.cell(dialog.HourPanel(), 9)->Color(), qm::clSilver);
}

TEST(SetTimeDialog, ClickingCellsSetsTheTimeAndCaption)
{
    struct Row {
        int hourTag;
        int minuteTag;
        const char *caption;
    };
    const Row rows[] = {
        {14, 5, "Set Time As: 02:05 pm"},
        {12, 0, "Set Time As: 12:00 pm"}, // noon is the 12 of the PM row
        {0, 30, "Set Time As: 12:30 am"}, // midnight is the 12 of the AM row
        {23, 59, "Set Time As: 11:59 pm"},
    };
    for (const Row &row : rows) {
        TSetTimeDialog dialog;
        dialog.SetTime(EncodeTime(8, 0, 0, 0));
        dialog.show();
        clickCell(dialog, dialog.HourPanel(), row.hourTag);
        clickCell(dialog, dialog.MinutePanel(), row.minuteTag);
        EXPECT_EQ(dialog.windowTitle(), QString::fromLatin1(row.caption));
        EXPECT_EQ(dialog.Time(), EncodeTime(row.hourTag, row.minuteTag, 0, 0));
        EXPECT_EQ(yellowCells(dialog.HourPanel()).size(), 1);
        EXPECT_EQ(yellowCells(dialog.MinutePanel()).size(), 1);
        EXPECT_EQ(dialog.cell(dialog.HourPanel(), row.hourTag)->Color(), qm::clYellow);
    }
}

TEST(SetTimeDialog, SecondsAreDroppedEvenWithoutAClick)
{
    TSetTimeDialog dialog;
    dialog.SetTime(EncodeTime(8, 0, 30, 0));
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Time(), EncodeTime(8, 0, 0, 0));
}

TEST(SetTimeDialog, EnterConfirmsAndEscapeCancels)
{
    TSetTimeDialog dialog;
    EXPECT_TRUE(dialog.Okbutton()->isDefault());
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));

    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());

    dialog.show();
    QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}
