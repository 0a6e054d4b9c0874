#include "dialogs/DesktopPrompts.h"

#include "controls/ColorButton.h"
#include "dialogs/FontColorDialog.h"
#include "support/ModalDialogs.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using qm::test::onNextModal;

namespace {

/// Installs the desktop prompts for one test, so that dialogs opened from
/// inside other dialogs are desktop dialogs too.
struct InstalledDesktopPrompts {
    DesktopPrompts prompts;
    InstalledDesktopPrompts() { qm::Prompts::install(&prompts); }
    ~InstalledDesktopPrompts() { qm::Prompts::install(nullptr); }
};

void clickButton(QMessageBox *box, QMessageBox::StandardButton which)
{
    box->button(which)->click();
}

} // namespace

TEST(DesktopPrompts, FiltersMatchTheExtensionInEitherCase)
{
    struct Row {
        const char *given;
        const char *expected;
    };
    const Row rows[] = {
        {"Calendar Style Sheet (*.QMS)", "Calendar Style Sheet (*.QMS *.qms)"},
        {"Bitmap (*.bmp);;All (*)", "Bitmap (*.bmp *.BMP);;All (*)"},
        {"Icons (*.ICL *.ico)", "Icons (*.ICL *.ico *.icl *.ICO)"},
        {"", ""},
    };
    for (const Row &row : rows)
        EXPECT_EQ(DesktopPrompts::caseInsensitiveFilter(QString::fromLatin1(row.given)),
                  QString::fromLatin1(row.expected));
}

TEST(DesktopPrompts, CustomColoursRoundTripThroughTheSixteenSlots)
{
    const QList<QColor> slots =
        DesktopPrompts::customColorSlots({QStringLiteral("ColorB=112233"), QStringLiteral("ColorP=abcdef"),
                                          QStringLiteral("ColorQ=000000"), QStringLiteral("nonsense")});
    ASSERT_EQ(slots.size(), 16);
    EXPECT_EQ(slots[0], QColor(Qt::white));
    EXPECT_EQ(slots[1], QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(slots[15], QColor(0xAB, 0xCD, 0xEF));
    const QStringList entries = DesktopPrompts::customColorEntries(slots);
    ASSERT_EQ(entries.size(), 16);
    EXPECT_EQ(entries[1], QStringLiteral("ColorB=112233"));
    EXPECT_EQ(entries[15], QStringLiteral("ColorP=ABCDEF"));
}

TEST(DesktopPrompts, QuestionsAskYesOrNoUnderTheirCaption)
{
    DesktopPrompts prompts;
    for (const bool yes : {true, false}) {
        onNextModal<QMessageBox>([yes](QMessageBox *box) {
            EXPECT_EQ(box->windowTitle(), QStringLiteral("WARNING"));
            EXPECT_EQ(box->text(), QStringLiteral("first\nsecond\nthird"));
            EXPECT_EQ(box->icon(), QMessageBox::Question);
            EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
            clickButton(box, yes ? QMessageBox::Yes : QMessageBox::No);
        });
        EXPECT_EQ(prompts.AskYesNo(QStringLiteral("first\rsecond\r\nthird"), QStringLiteral("WARNING")), yes);
    }
}

TEST(DesktopPrompts, EscapeOnAYesNoCancelQuestionAnswersCancel)
{
    DesktopPrompts prompts;
    onNextModal<QMessageBox>([](QMessageBox *box) {
        EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(prompts.AskYesNoCancel(QStringLiteral("Save changes?"), QStringLiteral("Save")),
              qm::Prompts::Answer::Cancel);
}

TEST(DesktopPrompts, InformationHasItsCaptionIconAndOkButton)
{
    DesktopPrompts prompts;
    bool shown = false;
    onNextModal<QMessageBox>([&shown](QMessageBox *box) {
        shown = true;
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Information"));
        EXPECT_EQ(box->icon(), QMessageBox::Information);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        clickButton(box, QMessageBox::Ok);
    });
    prompts.ShowInformation(QStringLiteral("Must be a Calendar Style Sheet (*.QMS)"));
    EXPECT_TRUE(shown);
}

TEST(DesktopPrompts, SaveDialogStartsFromTheRequestAndAddsTheDefaultSuffix)
{
    QTemporaryDir folder;
    DesktopPrompts prompts;
    onNextModal<QFileDialog>([&folder](QFileDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Save As Calendar Style Sheet"));
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->directory().absolutePath(), QDir(folder.path()).absolutePath());
        EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("QMS"));
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("Calendar Style Sheet (*.QMS *.qms)")});
        dialog->selectFile(QStringLiteral("Mine"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const QString chosen = prompts.getSaveFileName(
        {QStringLiteral("Save As Calendar Style Sheet"), folder.path(), QStringLiteral("MyStyle.QMS"),
         QStringLiteral("Calendar Style Sheet (*.QMS)"), QStringLiteral("QMS"), true});
    EXPECT_EQ(chosen, QDir(folder.path()).filePath(QStringLiteral("Mine.QMS")));
}

TEST(DesktopPrompts, ANameWithoutTypeGetsTheTypeOfTheChosenFilter)
{
    QTemporaryDir folder;
    DesktopPrompts prompts;
    onNextModal<QFileDialog>([](QFileDialog *dialog) {
        EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("BMP"));
        // The user picks the second file type, then types a bare name.
        auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        types->setCurrentIndex(1);
        Q_EMIT types->activated(1);
        Q_EMIT types->textActivated(types->itemText(1));
        dialog->selectFile(QStringLiteral("Mine"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const QString chosen =
        prompts.getSaveFileName({QStringLiteral("Save Calendar As Bitmap"), folder.path(), QStringLiteral("Plan.BMP"),
                                 QStringLiteral("Bitmap File (*.BMP);;PNG File (*.PNG)"), QStringLiteral("BMP"), true});
    EXPECT_EQ(chosen, QDir(folder.path()).filePath(QStringLiteral("Mine.PNG")));
}

TEST(DesktopPrompts, OpenDialogWantsAnExistingFileAndCancelGivesNothing)
{
    DesktopPrompts prompts;
    onNextModal<QFileDialog>([](QFileDialog *dialog) {
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        dialog->reject();
    });
    EXPECT_TRUE(prompts
                    .getOpenFileName({QStringLiteral("Open Calendar Style Sheet"),
                                      QDir::tempPath(),
                                      {},
                                      QStringLiteral("Calendar Style Sheet (*.QMS)"),
                                      QStringLiteral("QMS")})
                    .isEmpty());
}

TEST(DesktopPrompts, ColourDialogStartsOnTheColourAndHandsBackTheCustomColours)
{
    DesktopPrompts prompts;
    for (const bool confirm : {true, false}) {
        qm::ColorRequest request;
        request.color = qm::clRed;
        request.customColors = {QStringLiteral("ColorB=445566")};
        onNextModal<QColorDialog>([confirm](QColorDialog *dialog) {
            EXPECT_EQ(dialog->currentColor(), QColor(Qt::red));
            EXPECT_EQ(QColorDialog::customColor(1), QColor(0x44, 0x55, 0x66));
            EXPECT_EQ(QColorDialog::customColor(0), QColor(Qt::white));
            QColorDialog::setCustomColor(2, QColor(0x10, 0x20, 0x30));
            dialog->setCurrentColor(QColor(0, 0, 255));
            confirm ? dialog->accept() : dialog->reject();
        });
        const std::optional<TColor> chosen = prompts.chooseColor(request);
        EXPECT_EQ(chosen.has_value(), confirm);
        if (confirm) {
            EXPECT_EQ(*chosen, qm::rgbColor(0, 0, 255));
        }
        ASSERT_EQ(request.customColors.size(), 16);
        EXPECT_EQ(request.customColors[1], QStringLiteral("ColorB=445566"));
        EXPECT_EQ(request.customColors[2], QStringLiteral("ColorC=102030"));
    }
}

TEST(DesktopPrompts, FontDialogKeepsWhatTheUserDidNotTouch)
{
    DesktopPrompts prompts;
    const qm::FontDescription given{QStringLiteral("Times New Roman"), 26, qm::FontStyle::Bold, qm::clRed};
    qm::FontDescription font = given;
    onNextModal<FontColorDialog>([](FontColorDialog *dialog) {
        EXPECT_EQ(dialog->colorButton()->Color(), qm::clRed);
        EXPECT_TRUE(dialog->fontChooser()->currentFont().bold());
        EXPECT_EQ(dialog->fontChooser()->currentFont().pointSize(), 26);
        dialog->accept();
    });
    ASSERT_TRUE(prompts.chooseFont(font));
    EXPECT_EQ(font, given) << "a face the system lacks survives an unchanged confirmation";

    onNextModal<FontColorDialog>([](FontColorDialog *dialog) { dialog->reject(); });
    EXPECT_FALSE(prompts.chooseFont(font));
    EXPECT_EQ(font, given);
}

TEST(DesktopPrompts, EnterAndEscapeInTheFontListsCloseTheWholeFontDialog)
{
    DesktopPrompts prompts;
    qm::FontDescription font{QStringLiteral("Liberation Sans"), 12, {}, qm::clBlack};
    for (const auto &[key, confirmed] : {std::pair{Qt::Key_Return, true}, std::pair{Qt::Key_Escape, false}}) {
        onNextModal<FontColorDialog>([key](FontColorDialog *dialog) {
            QTest::keyClick(dialog->fontChooser()->findChild<QListView *>(), key);
            EXPECT_FALSE(dialog->isVisible()) << "an empty dialog stays open without its chooser";
            if (dialog->isVisible())
                dialog->reject();
        });
        EXPECT_EQ(prompts.chooseFont(font), confirmed) << key;
    }
}

TEST(DesktopPrompts, FontDialogTakesANewFaceSizeEffectsAndColour)
{
    InstalledDesktopPrompts installed;
    qm::FontDescription font{QStringLiteral("Times New Roman"), 26, qm::FontStyle::Bold, qm::clWindowText};
    onNextModal<FontColorDialog>([](FontColorDialog *dialog) {
        QFont other(QStringLiteral("Liberation Sans"));
        other.setPointSize(12);
        other.setUnderline(true);
        dialog->fontChooser()->setCurrentFont(other);
        onNextModal<QColorDialog>([dialog](QColorDialog *colors) {
            colors->setCurrentColor(QColor(0, 128, 0));
            colors->accept();
            dialog->accept();
        });
        QTest::mouseClick(dialog->colorButton(), Qt::LeftButton, {}, QPoint(5, 5));
    });
    ASSERT_TRUE(qm::Prompts::instance().chooseFont(font));
    EXPECT_EQ(font.name, QStringLiteral("Liberation Sans"));
    EXPECT_EQ(font.size, 12);
    EXPECT_TRUE(font.style.testFlag(qm::FontStyle::Underline));
    EXPECT_FALSE(font.style.testFlag(qm::FontStyle::Bold));
    EXPECT_EQ(font.color, qm::rgbColor(0, 128, 0));
}
