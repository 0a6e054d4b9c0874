#include "controls/QmRichTextSetMode.h"

#include "controls/QmCustomToolPanel.h"
#include "controls/ToolButtons.h"

namespace {

/// The character-style buttons shown from the style bits alone.
constexpr int StyleButtons[] = {2, 3, 4, 5, 6, 7, 8};
constexpr int NormalButton = 1;
constexpr int HiddenButton = 9;
constexpr int RtfCodeButton = 19;

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
    for (const int number : StyleButtons) {
        toolBar.SetButtonState(bgCharacterStyle, number, attr.has(qm::styleFlagOf(number)));
        shownStyles |= qm::styleFlagOf(number);
    }
    toolBar.SetButtonState(bgCharacterStyle, HiddenButton, attr.has(TAttr::Hidden) && state.selection);
    toolBar.SetButtonState(bgCharacterStyle, RtfCodeButton, attr.has(TAttr::RtfCode));
    toolBar.SetButtonState(bgCharacterStyle, NormalButton, !attr.has(shownStyles) && !state.selection);

    toolBar.SetListText(SelFontName, state.fontName);
    toolBar.SetListText(SelFontSize, QLatin1Char(' ') + QString::number(attr.effectiveSize()));
    toolBar.SetListIndex(SelFontColor, attr.textColor());
    toolBar.SetListIndex(SelBackgroundColor, attr.backgroundColor());
    toolBar.SetButtonState(bgAlignment, qm::alignmentButtonOf(state.alignment), true);
    toolBar.SetListIndex(SelParColor, state.paragraphColor);
}
