#include "controls/GraphicPanel.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(GraphicPanel, HasThePanelDefaults)
{
    TGraphicPanel panel;
    EXPECT_EQ(panel.size(), QSize(185, 41));
    EXPECT_EQ(panel.Alignment(), taCenter);
    EXPECT_EQ(panel.BevelInner(), bvNone);
    EXPECT_EQ(panel.BevelOuter(), bvRaised);
    EXPECT_EQ(panel.BevelWidth(), 1);
    EXPECT_EQ(panel.BorderWidth(), 0);
    EXPECT_EQ(panel.BorderStyle(), bsNone);
    EXPECT_EQ(panel.Color(), qm::clBtnFace);
}

TEST(GraphicPanel, AClickInsideIsReported)
{
    TGraphicPanel panel;
    panel.show();
    QSignalSpy clicks(&panel, &TGraphicPanel::clicked);
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseClick(&panel, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
}

// Outside in: black frame, outer bevel, band of the colour, inner bevel, fill.
TEST(GraphicPanel, PaintsFrameBevelsBandAndFillFromTheOutsideIn)
{
    struct Row {
        const char *name;
        TPanelBorderStyle border;
        TPanelBevel outer;
        int borderWidth;
        TPanelBevel inner;
        QList<QPalette::ColorRole> topLeftDiagonal; // pixels (0,0), (1,1), ... up to the fill
    };
    const QPalette::ColorRole black = QPalette::Shadow, fill = QPalette::NoRole;
    const Row rows[] = {
        {"raised", bsNone, bvRaised, 0, bvNone, {QPalette::Light, fill}},
        {"lowered", bsNone, bvLowered, 0, bvNone, {QPalette::Dark, fill}},
        {"no bevel", bsNone, bvNone, 0, bvNone, {fill}},
        {"framed, raised, band, lowered",
         bsSingle,
         bvRaised,
         2,
         bvLowered,
         {black, QPalette::Light, fill, fill, QPalette::Dark, fill}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TGraphicPanel panel;
        panel.resize(40, 30);
        panel.SetColor(qm::clYellow);
        panel.SetBorderStyle(row.border);
        panel.SetBevelOuter(row.outer);
        panel.SetBorderWidth(row.borderWidth);
        panel.SetBevelInner(row.inner);
        const QImage image = panel.grab().toImage();
        for (int i = 0; i < row.topLeftDiagonal.size(); ++i) {
            const QPalette::ColorRole role = row.topLeftDiagonal[i];
            const QColor expected = role == fill    ? QColor(255, 255, 0)
                                    : role == black ? QColor(Qt::black)
                                                    : panel.palette().color(role);
            EXPECT_EQ(image.pixel(i, i), expected.rgb()) << "pixel " << i;
        }
    }
}

TEST(GraphicPanel, CaptionIsDrawnInTheMiddleAndRepaintedWhenChanged)
{
    TGraphicPanel panel;
    panel.resize(24, 19);
    panel.SetColor(qm::clSilver);
    panel.SetCaption(QStringLiteral("12"));
    const QImage image = panel.grab().toImage();
    const QColor silver(192, 192, 192);
    QRect ink;
    for (int y = 1; y < 18; ++y)
        for (int x = 1; x < 23; ++x)
            if (image.pixelColor(x, y) != silver)
                ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LE(qAbs(ink.center().x() - 12), 2);
    EXPECT_LE(qAbs(ink.center().y() - 9), 2);

    panel.SetCaption(QString());
    const QImage blank = panel.grab().toImage();
    EXPECT_EQ(blank.pixelColor(ink.center()), silver);
}
