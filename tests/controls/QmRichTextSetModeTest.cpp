#include "controls/QmRichTextSetMode.h"
#include "controls/QmTBCombo.h"
#include "controls/QmToolBar.h"
#include "richtext/ParagraphFormat.h"

#include <QToolButton>

#include <gtest/gtest.h>

namespace {

/// A toolbar with every style and alignment button and every list.
struct FullToolBar {
    TQmToolBar toolBar;
    FullToolBar()
    {
        toolBar.Setsel_ListBoxes(SelFontName | SelFontSize | SelFontColor | SelBackgroundColor | SelParColor);
        toolBar.Setsel_StatusIcons(TqmTbIcons(0x3FFF));
    }
    /// Numbers of the character-style buttons that are down.
    std::vector<int> stylesDown() const
    {
        std::vector<int> down;
        for (const int number : {1, 2, 3, 4, 5, 6, 7, 8, 9, 19}) {
            if (toolBar.Button(bgCharacterStyle, number)->isChecked())
                down.push_back(number);
        }
        return down;
    }
};

} // namespace

TEST(QmRichTextSetMode, StyleButtonsAreDownExactlyForTheSetBits)
{
    struct Row {
        const char *name;
        quint32 flags;
        bool selection;
        std::vector<int> down;
    };
    const Row rows[] = {
        {"plain text shows Normal", 0, false, {1}},
        {"plain selected text shows nothing", 0, true, {}},
        {"bold italic underline", TAttr::Bold | TAttr::Italic | TAttr::Underline, false, {2, 3, 4}},
        {"hyperlink strike-out superscript",
         TAttr::Hyperlink | TAttr::StrikeOut | TAttr::Superscript,
         false,
         {5, 6, 7}},
        {"subscript", TAttr::Subscript, false, {8}},
        {"hidden at the caret is not shown", TAttr::Hidden, false, {}},
        {"hidden in a selection is", TAttr::Hidden, true, {9}},
        {"RTF code", TAttr::RtfCode, false, {19}},
    };
    for (const Row &row : rows) {
        FullToolBar shown;
        TQmRichTextSetMode setMode;
        TCaretState state;
        state.attr.flags = row.flags;
        state.selection = row.selection;
        setMode.ShowState(shown.toolBar, state);
        EXPECT_EQ(shown.stylesDown(), row.down) << row.name;
    }
}

TEST(QmRichTextSetMode, ListsShowFontSizeColoursAndTheParagraphsAlignmentAndShading)
{
    FullToolBar shown;
    TQmRichTextSetMode setMode;
    TCaretState state;
    state.fontName = "liberation serif";
    state.attr.setTextColor(3);
    state.attr.setBackgroundColor(4);
    state.alignment = TParagraphFormat::AlignCenter;
    state.paragraphColor = 5;
    setMode.ShowState(shown.toolBar, state);

    EXPECT_EQ(shown.toolBar.List(SelFontName)->currentText(), "Liberation Serif") << "the listed spelling";
    EXPECT_EQ(shown.toolBar.List(SelFontSize)->currentText(), " 10") << "size 0 stands for 10 points";
    EXPECT_EQ(shown.toolBar.List(SelFontColor)->currentIndex(), 3);
    EXPECT_EQ(shown.toolBar.List(SelBackgroundColor)->currentIndex(), 4);
    EXPECT_EQ(shown.toolBar.List(SelParColor)->currentIndex(), 5);
    EXPECT_TRUE(shown.toolBar.Button(bgAlignment, 4)->isChecked());

    state.alignment = TParagraphFormat::AlignJustify;
    setMode.ShowState(shown.toolBar, state);
    EXPECT_TRUE(shown.toolBar.Button(bgAlignment, 3)->isChecked());
    EXPECT_FALSE(shown.toolBar.Button(bgAlignment, 4)->isChecked());
}
