#include "controls/QmRichTextSetMode.h"

#include "controls/QmCustomToolPanel.h"
#include "richtext/ParagraphFormat.h"

namespace {

/// The character-style buttons and the bit each stands for.
struct StyleButton {
    int number;
    quint32 flag;
};
constexpr StyleButton StyleButtons[] = {
    {2, TAttr::Bold},      {3, TAttr::Italic},      {4, TAttr::Underline}, {5, TAttr::Hyperlink},
    {6, TAttr::StrikeOut}, {7, TAttr::Superscript}, {8, TAttr::Subscript},
};
constexpr int NormalButton = 1;
constexpr int HiddenButton = 9;
constexpr int RtfCodeButton = 19;

/// The alignment button of each paragraph alignment.
int alignmentButton(quint8 alignment)
{
    switch (alignment) {
    case TParagraphFormat::AlignRight:
        return 2;
    case TParagraphFormat::AlignJustify:
        return 3;
    case TParagraphFormat::AlignCenter:
        return 4;
    default:
        return 1;
    }
}

bool sameShown(const TCaretState &a, const TCaretState &b)
{
    return a.attr.fontNumber == b.attr.fontNumber && a.attr.size == b.attr.size && a.attr.colors == b.attr.colors &&
           a.attr.flags == b.attr.flags && a.fontName == b.fontName && a.selection == b.selection &&
           a.alignment == b.alignment && a.paragraphColor == b.paragraphColor;
}

} // namespace

void TQmRichTextSetMode::ShowState(TQmCustomToolPanel &toolBar, const TCaretState &state)
{
    if (m_toolBar == &toolBar && m_shown && sameShown(*m_shown, state))
        return;
    m_toolBar = &toolBar;
    m_shown = state;

    const TAttr &attr = state.attr;
    quint32 shownStyles = TAttr::Hidden | TAttr::RtfCode;
    for (const StyleButton &button : StyleButtons) {
        toolBar.SetButtonState(bgCharacterStyle, button.number, attr.has(button.flag));
        shownStyles |= button.flag;
    }
    toolBar.SetButtonState(bgCharacterStyle, HiddenButton, attr.has(TAttr::Hidden) && state.selection);
    toolBar.SetButtonState(bgCharacterStyle, RtfCodeButton, attr.has(TAttr::RtfCode));
    toolBar.SetButtonState(bgCharacterStyle, NormalButton, !attr.has(shownStyles) && !state.selection);

    toolBar.SetListText(SelFontName, state.fontName);
    toolBar.SetListText(SelFontSize, QLatin1Char(' ') + QString::number(attr.effectiveSize()));
    toolBar.SetListIndex(SelFontColor, attr.textColor());
    toolBar.SetListIndex(SelBackgroundColor, attr.backgroundColor());
    toolBar.SetButtonState(bgAlignment, alignmentButton(state.alignment), true);
    toolBar.SetListIndex(SelParColor, state.paragraphColor);
}
