#include "controls/QmRichText.h"

#include "controls/QmCustomToolPanel.h"
#include "controls/ToolButtons.h"

namespace {

/// Bold, italic, underline, strike-out, hyperlink, superscript, subscript,
/// hidden and RTF code: what the Normal button clears.
constexpr quint32 StyleFlags = 0x5DF;

constexpr int NormalButton = 1;
constexpr int SuperscriptButton = 7;
constexpr int SubscriptButton = 8;
constexpr int HiddenButton = 9;

enum EditingButton { CopyButton = 1, CutButton = 2, PasteButton = 3, SelectAllButton = 4, HideSelectionButton = 5 };

TAttr withFlags(quint32 flags)
{
    TAttr attr;
    attr.flags = flags;
    return attr;
}

} // namespace

TQmRichText::TQmRichText(QWidget *parent)
    : TQmCustomRtfEdit(parent)
{}

TQmRichText::~TQmRichText() = default;

void TQmRichText::SetQmToolBar(TQmCustomToolPanel *toolBar)
{
    m_toolBar = toolBar;
    m_setMode.Invalidate();
}

// What the main window and the calendar use ------------------------------------------

void TQmRichText::SetPageLayout(int leftMargin, int rightMargin, int pageHeight, int pageWidth, int bottomMargin,
                                int topMargin)
{
    if (!RtfText().ChangeAllowed())
        return;
    RtfText().SetPageLayout(leftMargin, rightMargin, pageHeight, pageWidth, bottomMargin, topMargin);
    update();
}

quint16 TQmRichText::InsertGraphic(const qm::Graphic &graphic, int width, int height)
{
    const quint16 number = RtfText().InsertGraphic(graphic, width, height);
    reportChange(number != 0);
    return number;
}

void TQmRichText::SetCurrentAttr(const TAttr &attr)
{
    if (!RtfText().ChangeAllowed())
        return;
    RtfText().SetCurrentAttr(attr);
    applyAttr(attr, TQmRTFTextPaint::amCurrentAttr);
}

// Toolbar -----------------------------------------------------------------------------

std::array<TColor, 16> TQmRichText::ToolBarPalette() const
{
    return RtfText().Header().colors;
}

void TQmRichText::applyAttr(const TAttr &source, quint16 mask)
{
    if (reportChange(RtfText().ChangeAttr(source, mask)))
        return;
    // Refused: the toolbar shows the control's state again.
    m_setMode.Invalidate();
    showState();
}

void TQmRichText::ToolBarIconSelection(bool selected, int group, int number, const QString &)
{
    switch (group) {
    case bgCharacterStyle:
        characterStyle(selected, number);
        return;
    case bgAlignment:
        if (const std::optional<quint8> alignment = qm::alignmentOfButton(number); alignment && selected) {
            if (!reportChange(RtfText().SetAlignment(*alignment))) {
                m_setMode.Invalidate();
                showState();
            }
        }
        return;
    case bgEditing:
        editingCommand(selected, number);
        return;
    default:
        // File, printing and record commands have no meaning in a cell.
        if (m_toolBar)
            m_toolBar->SetButtonState(group, number, false);
        return;
    }
}

void TQmRichText::characterStyle(bool selected, int number)
{
    if (number == NormalButton) {
        if (selected)
            applyAttr(withFlags(StyleFlags), TQmRTFTextPaint::amRemoveFlags);
        return;
    }
    const quint32 flag = qm::styleFlagOf(number);
    if (!flag)
        return;
    if (number == HiddenButton && selected)
        selected = !GetCurrentAttr().has(TAttr::Hidden);
    if (selected && (number == SuperscriptButton || number == SubscriptButton)) {
        // Superscript and subscript exclude each other: the other one goes first.
        const bool super = number == SuperscriptButton;
        if (m_toolBar)
            m_toolBar->SetButtonState(bgCharacterStyle, super ? SubscriptButton : SuperscriptButton, false);
        RtfText().ChangeAttr(withFlags(super ? TAttr::Subscript : TAttr::Superscript), TQmRTFTextPaint::amRemoveFlags);
    }
    applyAttr(withFlags(flag), selected ? TQmRTFTextPaint::amAddFlags : TQmRTFTextPaint::amRemoveFlags);
}

void TQmRichText::editingCommand(bool selected, int number)
{
    switch (number) {
    case CopyButton:
        CopyToClipboard();
        break;
    case CutButton:
        CutToClipboard();
        break;
    case PasteButton:
        PasteFromClipboard();
        break;
    case SelectAllButton:
        if (selected)
            SelectAll();
        else
            RtfText().RemoveSelection();
        caretMoved();
        return;
    case HideSelectionButton:
        RtfText().RemoveSelection();
        caretMoved();
        return;
    default:
        break;
    }
    // One-shot commands: the button comes up again.
    if (m_toolBar)
        m_toolBar->SetButtonState(bgEditing, number, false);
}

void TQmRichText::ToolBarListSelection(TQmSelNr kind, const QString &text, int number)
{
    TAttr source;
    quint16 mask = 0;
    switch (kind) {
    case snFontName:
        if (RtfText().ChangeAllowed())
            source.fontNumber = quint8(GetFontNr(text.trimmed()));
        mask = TQmRTFTextPaint::amFont;
        break;
    case snFontSize:
        source.size = quint8(std::clamp(number, 1, 255));
        mask = TQmRTFTextPaint::amSize;
        break;
    case snFontColor:
        source.setTextColor(number);
        mask = TQmRTFTextPaint::amTextColor;
        break;
    case snBackgroundColor:
        source.setBackgroundColor(number);
        mask = TQmRTFTextPaint::amBackgroundColor;
        break;
    default:
        // Styles and paragraph colours are not offered for cells.
        m_setMode.Invalidate();
        showState();
        return;
    }
    applyAttr(source, mask);
}

void TQmRichText::showState()
{
    if (!m_toolBar)
        return;
    const TQmRTFTextInput &engine = RtfText();
    TCaretState state;
    state.attr = engine.CurrentAttr();
    if (state.attr.fontNumber < TTextHeader::FontCount)
        state.fontName = engine.Header().fonts[state.attr.fontNumber].name;
    state.selection = engine.HasSelection();
    if (const TParagraph *paragraph = engine.Caret().paragraph) {
        state.alignment = paragraph->alignment;
        state.paragraphColor = paragraph->shadingColors >> 4;
    }
    m_setMode.ShowState(*m_toolBar, state);
}

void TQmRichText::caretMoved()
{
    TQmCustomRtfEdit::caretMoved();
    showState();
}

void TQmRichText::focusInEvent(QFocusEvent *event)
{
    if (m_toolBar) {
        m_toolBar->RegisterControl(this);
        m_setMode.Invalidate();
        showState();
    }
    TQmCustomRtfEdit::focusInEvent(event);
}
