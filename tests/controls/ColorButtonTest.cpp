#include "controls/ColorButton.h"
#include "support/ScriptedPrompts.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using qm::test::ScriptedPrompts;

namespace {

struct ShownButton {
    QWidget window;
    TColorButton *button = new TColorButton(&window);
    QSignalSpy clicks{button, &TColorButton::clicked};
    QSignalSpy colorChanges{button, &TColorButton::colorChanged};

    ShownButton()
    {
        button->move(10, 10);
        window.resize(100, 60);
        window.show();
        window.activateWindow();
        (void)QTest::qWaitForWindowActive(&window);
    }
};

QImage picture(TColorButton &button)
{
    return button.grab().toImage();
}

} // namespace

TEST(ColorButton, StartsWhiteWithMarginOneOnClickAndTheClassicSize)
{
    TColorButton button;
    EXPECT_EQ(button.Color(), qm::clWhite);
    EXPECT_EQ(button.Margin(), 1);
    EXPECT_EQ(button.ActivationEvent(), aeClick);
    EXPECT_EQ(button.Options(), TColorDialogOptions());
    EXPECT_EQ(button.size(), QSize(44, 22));
    EXPECT_EQ(button.focusPolicy(), Qt::StrongFocus);
}

TEST(ColorButton, ConfirmedColourIsTakenAndReportedAndTheDialogGetsTheButtonsSettings)
{
    ShownButton shown;
    shown.button->SetColor(qm::clRed);
    shown.button->SetOptions(cdPreventFullOpen);
    shown.button->SetCustomColors({QStringLiteral("ColorA=112233")});
    ScriptedPrompts prompts;
    prompts.answerColor(qm::clYellow);
    prompts.changeCustomColors({QStringLiteral("ColorA=112233"), QStringLiteral("ColorB=445566")});

    QTest::mouseClick(shown.button, Qt::LeftButton, {}, QPoint(5, 5));

    ASSERT_EQ(prompts.asked().size(), 1);
    const qm::ColorRequest &request = prompts.asked().first().colorRequest;
    EXPECT_EQ(request.color, qm::clRed);
    EXPECT_TRUE(request.preventFullOpen);
    EXPECT_FALSE(request.fullOpen);
    EXPECT_EQ(request.customColors, QStringList{QStringLiteral("ColorA=112233")});
    EXPECT_EQ(shown.button->Color(), qm::clYellow);
    EXPECT_EQ(shown.button->CustomColors().size(), 2);
    EXPECT_EQ(shown.colorChanges.count(), 1);
    EXPECT_EQ(shown.clicks.count(), 2) << "the click, then the closing of the dialog";
    EXPECT_FALSE(shown.button->isDown());
}

TEST(ColorButton, CancelledDialogKeepsTheColourButStillReportsTheClick)
{
    ShownButton shown;
    shown.button->SetColor(qm::clRed);
    ScriptedPrompts prompts; // no colour queued: the dialog is cancelled

    QTest::mouseClick(shown.button, Qt::LeftButton, {}, QPoint(5, 5));

    EXPECT_EQ(prompts.asked().size(), 1);
    EXPECT_EQ(shown.button->Color(), qm::clRed);
    EXPECT_EQ(shown.colorChanges.count(), 0);
    EXPECT_EQ(shown.clicks.count(), 2);
}

TEST(ColorButton, ConfirmingTheSameColourStillReportsAChange)
{
    ShownButton shown;
    ScriptedPrompts prompts;
    prompts.answerColor(qm::clWhite);
    QTest::mouseClick(shown.button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(shown.colorChanges.count(), 1);
}

TEST(ColorButton, SettingTheColourRepaintsWithoutAnEvent)
{
    ShownButton shown;
    shown.button->SetColor(qm::clYellow);
    EXPECT_EQ(shown.colorChanges.count(), 0);
    EXPECT_EQ(picture(*shown.button).pixel(20, 10), qRgb(255, 255, 0));
}

TEST(ColorButton, MouseDownActivationOpensTheDialogOnPressAndNotAgainOnRelease)
{
    ShownButton shown;
    shown.button->SetActivationEvent(aeMouseDown);
    ScriptedPrompts prompts;
    prompts.answerColor(qm::clBlack);

    QTest::mousePress(shown.button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(prompts.asked().size(), 1);
    EXPECT_EQ(shown.button->Color(), qm::clBlack);
    EXPECT_EQ(shown.clicks.count(), 2) << "closing the dialog, then the click performed after it";
    EXPECT_FALSE(shown.button->isDown());

    QTest::mouseRelease(shown.button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(prompts.asked().size(), 1);
    EXPECT_EQ(shown.clicks.count(), 2);
}

TEST(ColorButton, PressTakesTheFocusAndDraggingOutRaisesTheFace)
{
    ShownButton shown;
    ScriptedPrompts prompts;
    QTest::mousePress(shown.button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(shown.button->hasFocus());
    EXPECT_TRUE(shown.button->isDown());

    QTest::mouseMove(shown.button, QPoint(60, 5));
    EXPECT_FALSE(shown.button->isDown());
    QTest::mouseMove(shown.button, QPoint(6, 6));
    EXPECT_TRUE(shown.button->isDown());

    QTest::mouseMove(shown.button, QPoint(60, 5));
    QTest::mouseRelease(shown.button, Qt::LeftButton, {}, QPoint(60, 5));
    EXPECT_FALSE(shown.button->isDown());
    EXPECT_EQ(shown.clicks.count(), 0) << "a release outside the button is no click";
    EXPECT_TRUE(prompts.asked().isEmpty());
}

TEST(ColorButton, SpaceActsAsPressAndReleaseAndEnterClicks)
{
    ShownButton shown;
    shown.button->setFocus();
    ScriptedPrompts prompts;

    QTest::keyPress(shown.button, Qt::Key_Space);
    EXPECT_TRUE(shown.button->isDown());
    EXPECT_TRUE(prompts.asked().isEmpty());
    QTest::keyRelease(shown.button, Qt::Key_Space);
    EXPECT_FALSE(shown.button->isDown());
    EXPECT_EQ(prompts.asked().size(), 1);

    QTest::keyClick(shown.button, Qt::Key_Return);
    EXPECT_EQ(prompts.asked().size(), 2);
    EXPECT_EQ(shown.clicks.count(), 4);
}

TEST(ColorButton, DisabledButtonIgnoresMouseAndKeysAndShowsAFaceColouredSwatch)
{
    ShownButton shown;
    shown.button->SetColor(qm::clRed);
    shown.button->setEnabled(false);
    ScriptedPrompts prompts;

    QTest::mouseClick(shown.button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(shown.button, Qt::Key_Space);
    QTest::keyClick(shown.button, Qt::Key_Return);

    EXPECT_TRUE(prompts.asked().isEmpty());
    EXPECT_EQ(shown.clicks.count(), 0);
    const QColor face = shown.button->palette().color(QPalette::Button);
    EXPECT_EQ(picture(*shown.button).pixel(20, 10), face.rgb());
}

TEST(ColorButton, MarginsAboveOneAreIgnored)
{
    TColorButton button;
    button.SetMargin(0);
    button.SetMargin(2);
    EXPECT_EQ(button.Margin(), 0);
}

// For 44 x 22 the swatch's outline starts at (6, 6) with margin 0 and two
// pixels further out on every side with margin 1; pressed, it moves by one.
TEST(ColorButton, PaintsRingsAndASwatchOutlinedInBlack)
{
    struct Row {
        const char *name;
        int margin;
        bool down;
        QRect outline;
    };
    const Row rows[] = {
        {"margin 0", 0, false, QRect(6, 6, 30, 8)},
        {"margin 1", 1, false, QRect(4, 4, 34, 12)},
        {"margin 1 pressed", 1, true, QRect(5, 5, 34, 12)},
    };
    for (const Row &row : rows) {
        ShownButton shown;
        shown.button->SetColor(qm::clRed);
        shown.button->SetMargin(row.margin);
        ScriptedPrompts prompts;
        if (row.down)
            QTest::mousePress(shown.button, Qt::LeftButton, {}, QPoint(5, 5));
        shown.window.setFocus(); // the focus rectangle is not what this checks
        const QImage image = picture(*shown.button);
        const QRect r = row.outline;
        SCOPED_TRACE(row.name);
        for (const QPoint corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
            EXPECT_EQ(image.pixel(corner), qRgb(0, 0, 0)) << corner.x() << "," << corner.y();
        EXPECT_EQ(image.pixel(r.topLeft() + QPoint(1, 1)), qRgb(255, 0, 0));
        EXPECT_EQ(image.pixel(r.bottomRight() - QPoint(1, 1)), qRgb(255, 0, 0));
        EXPECT_NE(image.pixel(r.topLeft() - QPoint(1, 1)), qRgb(0, 0, 0));
        EXPECT_NE(image.pixel(r.bottomRight() + QPoint(1, 1)), qRgb(0, 0, 0));

        const QPalette &colors = shown.button->palette();
        const QColor outerTopLeft = colors.color(row.down ? QPalette::Shadow : QPalette::Light);
        const QColor outerBottomRight = colors.color(row.down ? QPalette::Light : QPalette::Shadow);
        EXPECT_EQ(image.pixel(0, 10), outerTopLeft.rgb());
        EXPECT_EQ(image.pixel(20, 0), outerTopLeft.rgb());
        EXPECT_EQ(image.pixel(43, 0), outerBottomRight.rgb())
            << "the top-right corner belongs to the bottom-right side";
        EXPECT_EQ(image.pixel(0, 21), outerBottomRight.rgb());
        EXPECT_EQ(image.pixel(42, 10), colors.color(row.down ? QPalette::Button : QPalette::Dark).rgb());
        if (row.down)
            QTest::mouseRelease(shown.button, Qt::LeftButton, {}, QPoint(60, 5));
    }
}
