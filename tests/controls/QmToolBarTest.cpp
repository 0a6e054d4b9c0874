#include "controls/QmToolBar.h"
#include "controls/QmTBCombo.h"
#include "controls/QmToolPanelClient.h"
#include "controls/ToolGlyphs.h"
#include "support/ScriptedPrompts.h"

#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace qm;
using qm::test::ScriptedPrompts;

namespace {

/// An editing control that records what the toolbar hands it.
class StubEditor : public QWidget, public TQmToolPanelClient
{
public:
    struct Icon {
        bool selected;
        int group;
        int number;
        QString name;
    };
    struct Choice {
        TQmSelNr kind;
        QString text;
        int number;
    };

    TQmCustomToolPanel::Palette colors{};
    std::vector<Icon> icons;
    std::vector<Choice> choices;

    std::array<TColor, 16> ToolBarPalette() const override { return colors; }
    void ToolBarIconSelection(bool selected, int group, int number, const QString &name) override
    {
        icons.push_back({selected, group, number, name});
    }
    void ToolBarListSelection(TQmSelNr kind, const QString &text, int number) override
    {
        choices.push_back({kind, text, number});
    }
};

/// The toolbar as the main window sets it up, with an editor registered.
struct MainWindowToolBar {
    QWidget window;
    TQmToolBar *toolBar = new TQmToolBar(&window);
    StubEditor *editor = new StubEditor;

    MainWindowToolBar()
    {
        editor->setParent(&window);
        editor->setFocusPolicy(Qt::StrongFocus);
        toolBar->Setsel_ListBoxes(SelFontName | SelFontSize | SelFontColor);
        toolBar->Setsel_StatusIcons(SelBold | SelItalic | SelUnder | SelLeft | SelRight | SelCenter);
        toolBar->Setsel_ActionIcons({});
        toolBar->Setsel_EditIcons(SelCopy | SelCut | SelPaste | SelSelAll);
        toolBar->SetFontChoice(fsScreenFonts);
        toolBar->RegisterControl(editor);
        window.resize(800, 60);
        window.show();
        window.activateWindow();
        (void)QTest::qWaitForWindowActive(&window);
    }

    void click(int group, int number) { toolBar->Button(group, number)->click(); }
};

QStringList names(const std::vector<QWidget *> &controls)
{
    QStringList result;
    for (const QWidget *control : controls) {
        const auto *list = qobject_cast<const TQmTBCombo *>(control);
        result.append(list ? QStringLiteral("list %1").arg(list->Tag()) : control->objectName());
    }
    return result;
}

} // namespace

TEST(QmToolBar, CreatesListsThenButtonGroupsInTheirOrderWithGapsBetweenGroups)
{
    MainWindowToolBar shown;
    const QStringList expected{"list 1",    "list 2",   "list 3",     "QMI_BOLD",  "QMI_ITALIC",
                               "QMI_UNDER", "QMI_LEFT", "QMI_CENTER", "QMI_RIGHT", "QMI_SelAll",
                               "QMI_CUT",   "QMI_COPY", "QMI_PASTE"};
    EXPECT_EQ(names(shown.toolBar->Controls()), expected);

    const auto left = [&](int group, int number) { return shown.toolBar->Button(group, number)->x(); };
    EXPECT_EQ(left(bgCharacterStyle, 3), left(bgCharacterStyle, 2) + 23) << "buttons of a group touch";
    EXPECT_EQ(left(bgAlignment, 1), left(bgCharacterStyle, 4) + 23 + 4) << "WidthBetweenGroups apart";
    EXPECT_EQ(shown.toolBar->List(SelFontName)->x(), 4);
    EXPECT_EQ(shown.toolBar->List(SelFontSize)->x(), shown.toolBar->List(SelFontName)->geometry().right() + 1 + 4);
}

TEST(QmToolBar, DefaultsShowTheirSetsAndTheSizeListRunsFromFontSizeFromToFontSizeTo)
{
    TQmToolBar toolBar;
    EXPECT_EQ(toolBar.size(), QSize(300, 31));
    EXPECT_EQ(toolBar.sel_ListBoxes(), SelFontName | SelFontSize | SelFontColor | SelParColor);
    EXPECT_NE(toolBar.Button(bgPrinting, 2), nullptr);
    EXPECT_NE(toolBar.Button(bgEditing, 7), nullptr) << "replace";
    EXPECT_EQ(toolBar.Button(bgEditing, 4), nullptr) << "select all is not a default";
    EXPECT_TRUE(toolBar.List(SelParColor)->IsColorList());

    const TQmTBCombo *sizes = toolBar.List(SelFontSize);
    ASSERT_EQ(sizes->count(), 65);
    EXPECT_EQ(sizes->itemText(0), " 8");
    EXPECT_EQ(sizes->itemText(64), " 72");

    toolBar.SetFontSizeFrom(0);
    toolBar.SetFontSizeTo(3);
    EXPECT_EQ(toolBar.List(SelFontSize)->count(), 3) << "0 counts from 1";
    EXPECT_EQ(toolBar.List(SelFontSize)->itemText(0), " 1");
}

TEST(QmToolBar, HintsDefaultToTheButtonNamesAndComeFromTheHintList)
{
    TQmToolBar toolBar;
    EXPECT_EQ(toolBar.Button(bgCharacterStyle, 2)->toolTip(), "Bold");
    const QStringList &defaults = toolBar.Hints();
    ASSERT_EQ(defaults.size(), 38);
    EXPECT_EQ(defaults.first(), "QMI_Normal=Normal");
    EXPECT_EQ(defaults.last(), "QMI_Post=Post");

    toolBar.SetHints({"QMI_Bold=Bold Font", "QMI_Center=Center Text ", "QMI_Under=Underlined Font"});
    EXPECT_EQ(toolBar.Button(bgCharacterStyle, 2)->toolTip(), "Bold Font");
    EXPECT_EQ(toolBar.Button(bgCharacterStyle, 4)->toolTip(), "Underlined Font");
    EXPECT_EQ(toolBar.Button(bgAlignment, 4)->toolTip(), "Center Text ");
    EXPECT_EQ(toolBar.Button(bgCharacterStyle, 3)->toolTip(), "") << "a name without a line has no hint";
}

TEST(QmToolBar, EnablingAgainGivesEachButtonItsOwnState)
{
    MainWindowToolBar shown;
    QToolButton *paste = shown.toolBar->Button(bgEditing, 3);
    paste->setEnabled(false);

    shown.toolBar->setEnabled(false);
    EXPECT_FALSE(shown.toolBar->Button(bgCharacterStyle, 2)->isEnabled());
    EXPECT_FALSE(shown.toolBar->List(SelFontName)->isEnabled());
    shown.toolBar->setEnabled(false);
    shown.toolBar->setEnabled(true);

    EXPECT_TRUE(shown.toolBar->Button(bgCharacterStyle, 2)->isEnabled());
    EXPECT_TRUE(shown.toolBar->List(SelFontName)->isEnabled());
    EXPECT_FALSE(paste->isEnabled()) << "disabled before, disabled after";
}

TEST(QmToolBar, ButtonClicksReachTheRegisteredEditorWithTheFocusGivenBack)
{
    MainWindowToolBar shown;
    std::vector<QString> reported;
    shown.toolBar->SetOnIconSelection(
        [&](TQmCustomToolPanel &, bool &selected, const QString &name, int, int, int index) {
            reported.push_back(name + (selected ? " down " : " up ") + QString::number(index));
        });
    shown.toolBar->List(SelFontName)->setFocus();

    shown.click(bgCharacterStyle, 2);
    shown.click(bgCharacterStyle, 2);
    shown.click(bgAlignment, 2);

    ASSERT_EQ(shown.editor->icons.size(), 3u);
    EXPECT_TRUE(shown.editor->icons[0].selected);
    EXPECT_EQ(shown.editor->icons[0].name, "Bold");
    EXPECT_FALSE(shown.editor->icons[1].selected) << "a second click releases the button";
    EXPECT_EQ(shown.editor->icons[2].group, bgAlignment);
    EXPECT_EQ(shown.editor->icons[2].number, 2);
    EXPECT_EQ(reported, (std::vector<QString>{"Bold down 3", "Bold up 3", "Right down 8"}));
    EXPECT_TRUE(shown.editor->hasFocus());
}

TEST(QmToolBar, ButtonStatesShowTheEditorsStateWithoutReportingClicks)
{
    MainWindowToolBar shown;
    shown.toolBar->SetButtonState(bgCharacterStyle, 3, true);
    shown.toolBar->SetButtonState(bgAlignment, 4, true);
    shown.toolBar->SetButtonState(bgAlignment, 1, true);
    EXPECT_TRUE(shown.toolBar->Button(bgCharacterStyle, 3)->isChecked());
    EXPECT_TRUE(shown.toolBar->Button(bgAlignment, 1)->isChecked());
    EXPECT_FALSE(shown.toolBar->Button(bgAlignment, 4)->isChecked()) << "one alignment at a time";
    EXPECT_TRUE(shown.editor->icons.empty());

    shown.toolBar->SetListText(SelFontSize, " 12");
    EXPECT_EQ(shown.toolBar->List(SelFontSize)->currentText(), " 12");
    shown.toolBar->SetListIndex(SelFontColor, 3);
    EXPECT_EQ(shown.toolBar->List(SelFontColor)->currentIndex(), 3);
    EXPECT_TRUE(shown.editor->choices.empty());
}

TEST(QmToolBar, ListChoicesReachTheUpdateObjectOnceAndTheHandlerMayChangeTheirKind)
{
    MainWindowToolBar shown;
    shown.toolBar->SetUpdateObject(shown.editor);
    TQmTBCombo *sizes = shown.toolBar->List(SelFontSize);
    sizes->setCurrentIndex(4);
    Q_EMIT sizes->activated(4);
    TQmTBCombo *colors = shown.toolBar->List(SelFontColor);
    Q_EMIT colors->activated(3);
    shown.toolBar->SetOnSelection(
        [](TQmCustomToolPanel &, TQmSelNr &kind, const QString &, int) { kind = snBackgroundColor; });
    Q_EMIT colors->activated(5);
    shown.toolBar->List(SelFontName)->setEditText("Imaginary Sans");
    QTest::keyClick(shown.toolBar->List(SelFontName), Qt::Key_Return);

    ASSERT_EQ(shown.editor->choices.size(), 4u);
    EXPECT_EQ(shown.editor->choices[0].kind, snFontSize);
    EXPECT_EQ(shown.editor->choices[0].number, 12);
    EXPECT_EQ(shown.editor->choices[1].kind, snFontColor);
    EXPECT_EQ(shown.editor->choices[1].number, 3);
    EXPECT_EQ(shown.editor->choices[2].kind, snFontColor) << "the update object hears before the handler";
    EXPECT_EQ(shown.editor->choices[3].kind, snFontName);
    EXPECT_EQ(shown.editor->choices[3].text, "Imaginary Sans") << "a typed name that is not listed";

    shown.toolBar->SetUpdateObject(nullptr);
    shown.editor->choices.clear();
    Q_EMIT colors->activated(5);
    ASSERT_EQ(shown.editor->choices.size(), 1u);
    EXPECT_EQ(shown.editor->choices[0].kind, snBackgroundColor) << "the focused editor hears after the handler";
}

TEST(QmToolBar, ClosingTheListWithoutAChoicePutsTheTextBack)
{
    MainWindowToolBar shown;
    TQmTBCombo *names = shown.toolBar->List(SelFontName);
    names->setEditText("Liberation");
    names->showPopup();
    names->setEditText("something browsed");
    names->hidePopup();
    EXPECT_EQ(names->currentText(), "Liberation");
    EXPECT_EQ(names->lineEdit()->maxLength(), 31);
}

TEST(QmToolBar, RegistrationTakesThePaletteAndTravelsTheChainUntilItLoops)
{
    MainWindowToolBar shown;
    TQmToolBar second(&shown.window);
    shown.toolBar->SetNextToolBar(&second);
    shown.editor->colors.fill(clRed);
    shown.toolBar->RegisterControl(shown.editor);
    EXPECT_EQ(second.FocusedControl(), shown.editor);
    EXPECT_EQ(second.ColorPalette()[5], clRed);
    EXPECT_EQ(shown.toolBar->List(SelFontColor)->itemData(5, Qt::UserRole + 1).value<QColor>(), QColor(Qt::red));

    ScriptedPrompts prompts;
    second.SetNextToolBar(shown.toolBar);
    shown.toolBar->RegisterControl(shown.editor);
    EXPECT_EQ(prompts.messages(), QStringList{"Error: NextToolBar Loop"});
    EXPECT_EQ(shown.toolBar->NextToolBar(), nullptr) << "the link that closed the loop is cut";
    EXPECT_EQ(second.NextToolBar(), shown.toolBar);
}

TEST(QmToolBar, EveryButtonHasAGlyph)
{
    for (const ToolButton &button : toolButtons()) {
        const QImage image = toolGlyph(QString::fromLatin1(button.bitmapName)).pixmap(16, 16).toImage();
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                inked += qAlpha(image.pixel(x, y)) > 128;
        EXPECT_GT(inked, 6) << button.bitmapName;
    }
}
