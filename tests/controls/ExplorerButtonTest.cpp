#include "controls/ExplorerButton.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QColor highlight(255, 255, 255);
const QColor shadow = qm::toQColor(qm::clBtnShadow);

struct ShownButtons {
    QWidget window;
    std::vector<TExplorerButton *> buttons;

    explicit ShownButtons(int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            buttons.push_back(new TExplorerButton(&window));
            buttons.back()->move(10 + 60 * i, 10);
        }
        window.resize(60 * count + 20, 60);
        window.show();
        window.activateWindow();
        (void)QTest::qWaitForWindowActive(&window);
        QCursor::setPos(window.mapToGlobal(QPoint(-100, -100)));
    }
    TExplorerButton &operator[](size_t i) { return *buttons[i]; }
};

void enter(TExplorerButton &button)
{
    QEnterEvent event(QPointF(5, 5), button.mapTo(button.window(), QPointF(5, 5)), button.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&button, &event);
}

void leave(TExplorerButton &button)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&button, &event);
}

QImage picture(TExplorerButton &button)
{
    return button.grab().toImage();
}

/// Closes the menu as soon as it shows, noting where it showed.
struct ClosingMenu {
    QMenu menu;
    QList<QPoint> shownAt;
    ClosingMenu()
    {
        menu.addAction(QStringLiteral("Item"));
        QObject::connect(&menu, &QMenu::aboutToShow, &menu, [this] {
            QTimer::singleShot(0, &menu, [this] {
                shownAt.append(menu.pos());
                menu.close();
            });
        });
    }
};

} // namespace

TEST(ExplorerButton, MenuButtonNeverClicksAndIsNeitherPressedNorHotAfterTheMenu)
{
    ShownButtons shown;
    TExplorerButton &button = shown[0];
    ClosingMenu menu;
    button.SetDropDownMenu(&menu.menu);
    QSignalSpy clicks(&button, &TExplorerButton::clicked);

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));

    ASSERT_EQ(menu.shownAt.size(), 1);
    EXPECT_EQ(menu.shownAt[0], button.mapToGlobal(QPoint(0, button.height())));
    EXPECT_EQ(clicks.size(), 0);
    EXPECT_FALSE(button.Pressed());
    EXPECT_FALSE(button.MouseInControl()) << "the pointer is elsewhere";
}

TEST(ExplorerButton, ClickEndsTheHoverFrameUntilThePointerComesBack)
{
    ShownButtons shown;
    TExplorerButton &button = shown[0];
    QSignalSpy clicks(&button, &TExplorerButton::clicked);
    enter(button);
    EXPECT_EQ(picture(button).pixelColor(0, 0), highlight) << "raised frame while hovered";

    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.size(), 1);
    EXPECT_FALSE(button.MouseInControl());
    EXPECT_NE(picture(button).pixelColor(0, 0), highlight) << "no frame though the pointer stays";

    leave(button);
    enter(button);
    EXPECT_EQ(picture(button).pixelColor(0, 0), highlight);
}

TEST(ExplorerButton, PressedButtonIsSunkenOnlyWhileThePointerIsOverIt)
{
    ShownButtons shown;
    TExplorerButton &button = shown[0];
    QSignalSpy clicks(&button, &TExplorerButton::clicked);
    const QColor background = picture(button).pixelColor(0, 0);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(picture(button).pixelColor(0, 0), shadow) << "sunken";
    QTest::mouseMove(&button, QPoint(80, 5));
    EXPECT_EQ(picture(button).pixelColor(0, 0), background) << "no frame";
    QTest::mouseMove(&button, QPoint(6, 6));
    EXPECT_EQ(picture(button).pixelColor(0, 0), shadow);
    QTest::mouseMove(&button, QPoint(80, 5));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(80, 5));
    EXPECT_EQ(clicks.size(), 0) << "released outside";
}

TEST(ExplorerButton, GroupsFollowGroupIndexAndAllowAllUp)
{
    ShownButtons shown(3);
    TExplorerButton &loose = shown[2];
    loose.SetDown(true);
    EXPECT_FALSE(loose.Down()) << "no group: never down";

    shown[0].SetGroupIndex(1);
    shown[1].SetGroupIndex(1);
    const auto click = [](TExplorerButton &button) { QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5)); };
    click(shown[0]);
    EXPECT_TRUE(shown[0].Down());
    click(shown[1]);
    EXPECT_TRUE(shown[1].Down());
    EXPECT_FALSE(shown[0].Down()) << "one down button per group";
    click(shown[1]);
    EXPECT_TRUE(shown[1].Down()) << "without AllowAllUp the down button stays down";

    shown[0].SetAllowAllUp(true);
    EXPECT_TRUE(shown[1].AllowAllUp()) << "the group shares the setting";
    EXPECT_FALSE(loose.AllowAllUp());
    click(shown[1]);
    EXPECT_FALSE(shown[1].Down());

    shown[0].SetDown(true);
    shown[0].SetGroupIndex(0);
    EXPECT_FALSE(shown[0].Down()) << "leaving the group raises it";
}

TEST(ExplorerButton, DisabledButtonDrawsNoMarkAndIgnoresPressesAndKeys)
{
    ShownButtons shown;
    TExplorerButton &button = shown[0];
    ClosingMenu menu;
    button.SetDropDownMenu(&menu.menu);
    button.SetCaption(QStringLiteral("&Go"));
    QSignalSpy clicks(&button, &TExplorerButton::clicked);
    const QImage enabled = picture(button);
    button.setEnabled(false);

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(&shown.window, Qt::Key_G, Qt::AltModifier);
    EXPECT_TRUE(menu.shownAt.isEmpty());
    EXPECT_EQ(clicks.size(), 0);

    // The mark sits right of the caption; disabled, nothing black is drawn at all.
    const QImage disabled = picture(button);
    bool anyBlack = false;
    for (int y = 0; y < disabled.height(); ++y) {
        for (int x = 0; x < disabled.width(); ++x)
            anyBlack = anyBlack || disabled.pixelColor(x, y) == QColor(Qt::black);
    }
    EXPECT_FALSE(anyBlack);
    EXPECT_NE(enabled, disabled);
}

TEST(ExplorerButton, IconBarButtonShowsOnlyTheMarkCentredAtEighteen)
{
    ShownButtons shown;
    TExplorerButton &button = shown[0];
    button.resize(40, 17);
    ClosingMenu menu;
    button.SetDropDownMenu(&menu.menu);
    const QImage image = picture(button);
    const QColor background = image.pixelColor(0, 0);
    QList<QPoint> drawn;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != background)
                drawn.append(QPoint(x, y));
        }
    }
    QList<QPoint> mark;
    for (int x = 18; x <= 24; ++x)
        mark.append(QPoint(x, 7));
    for (int x = 19; x <= 23; ++x)
        mark.append(QPoint(x, 8));
    mark << QPoint(20, 9) << QPoint(21, 9) << QPoint(22, 9) << QPoint(21, 10);
    EXPECT_EQ(drawn, mark);
    EXPECT_EQ(image.pixelColor(18, 7), QColor(Qt::black));
}

TEST(ExplorerButton, ShadedBitmapFollowsTheShadingThresholds)
{
    // Sums of red + green + blue: 60, 150, 300, 600; the corner is the transparent colour.
    QImage bitmap(5, 1, QImage::Format_RGB32);
    const QRgb sums[] = {qRgb(0, 0, 255), qRgb(20, 20, 20), qRgb(50, 50, 50), qRgb(100, 100, 100), qRgb(200, 200, 200)};
    for (int x = 0; x < 5; ++x)
        bitmap.setPixel(x, 0, sums[x]);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb light = qm::toQColor(qm::clBtnHighlight).rgb();
    const QRgb dark = shadow.rgb();
    const QRgb black = qRgb(0, 0, 0);
    const struct {
        TExplorerButtonShadingType type;
        QRgb expected[4];
    } rows[] = {
        {stLight, {black, light, white, white}},
        {stMedium, {dark, dark, light, white}},
        {stDark, {black, black, light, white}},
    };
    TExplorerButton button;
    button.SetBitmap(bitmap);
    for (const auto &row : rows) {
        button.SetShadingType(row.type);
        const QImage shaded = button.ShadedBitmap();
        EXPECT_EQ(shaded.pixel(0, 0), sums[0]) << "the transparent colour is kept";
        for (int x = 1; x < 5; ++x)
            EXPECT_EQ(shaded.pixel(x, 0), row.expected[x - 1]) << "shading " << row.type << ", pixel " << x;
    }
}

TEST(ExplorerButton, IconOnlyButtonsShowTheirCaptionAsHint)
{
    TExplorerButton button;
    button.SetCaption(QStringLiteral("&Save && Go"));
    button.SetOptions(boIconOnly);
    EXPECT_EQ(button.toolTip(), QStringLiteral("Save & Go"));
    EXPECT_TRUE(button.ShowHint());
    button.SetCaption(QStringLiteral("&Open"));
    EXPECT_EQ(button.toolTip(), QStringLiteral("Open"));
    button.SetOptions(boMonoDisplay);
    EXPECT_EQ(button.toolTip(), QString());
    EXPECT_FALSE(button.ShowHint());
}
