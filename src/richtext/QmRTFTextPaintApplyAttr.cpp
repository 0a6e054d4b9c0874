// Changing the attribute of the selected characters and of the current
// attribute field by field, as the editor's formatting commands do.
#include "richtext/QmRTFTextPaint.h"

using namespace qm;

namespace {

/// Bold, italic, underline, strike-out, hyperlink, superscript, subscript, hidden and RTF code.
constexpr quint32 StyleFlags = 0x5DF;
/// The same without hidden and RTF code: what a font dialog sets.
constexpr quint32 FontStyleFlags = 0xDF;

} // namespace

void TQmRTFTextPaint::ApplyMask(TAttr &attr, const TAttr &source, quint16 mask)
{
    if (mask & amFont)
        attr.fontNumber = source.fontNumber;
    if (mask & amSize)
        attr.size = source.size;
    if (mask & amTextColor)
        attr.setTextColor(source.textColor());
    if (mask & amBackgroundColor)
        attr.setBackgroundColor(source.backgroundColor());
    if (mask & amAddFlags)
        attr.flags |= source.flags;
    if (mask & amRemoveFlags)
        attr.flags &= ~source.flags;
    if (mask & amReplaceStyle)
        attr.flags = (attr.flags & ~StyleFlags) | source.flags;
    if (mask & amReplaceFontStyle)
        attr.flags = (attr.flags & ~FontStyleFlags) | source.flags;
    attr.enforceSuperSubRule();
}

void TQmRTFTextPaint::ApplyAttr(const TAttr &source, quint16 mask)
{
    bool selectionChanged = false;
    const TTextRange &selection = Selection();
    if (selection.start.isValid() && IsRich()) {
        const auto [start, end] = orderedSelection();
        int paragraphNumber = 0;
        for (TParagraph *paragraph = FirstParagraph(); paragraph; paragraph = paragraph->next(), ++paragraphNumber) {
            if (paragraphNumber < std::get<0>(start))
                continue;
            if (paragraphNumber > std::get<0>(end))
                break;
            int lineNumber = 0;
            for (TTextLine *line = paragraph->firstLine(); line; line = line->next(), ++lineNumber) {
                for (int i = 0; i < line->length; ++i) {
                    const PositionKey here{paragraphNumber, lineNumber, i};
                    if (here < start || here >= end)
                        continue;
                    TAttr &attr = line->attributes()[i];
                    const TAttr before = attr;
                    ApplyMask(attr, source, mask);
                    if (attr == before)
                        continue;
                    selectionChanged = true;
                    paragraph->formatState |= TParagraph::NeedsMeasure | TParagraph::NeedsBreak;
                    const char16_t code = line->text()[i];
                    if (attr.has(TAttr::Object) && (code == 1 || code == 2))
                        continue;
                    SelectAttr(attr);
                    measureCharacter(code, attr, *selectedFont());
                    line->height = std::max<quint16>(line->height, quint16(std::max<int>(attr.height, 0)));
                    line->baseline = std::max<quint16>(line->baseline, quint16(std::max<int>(attr.ascent, 0)));
                }
            }
        }
    }
    ApplyMask(CurrentAttr(), source, mask);
    if (selectionChanged) {
        UpdateLayout();
        ScrollDown(0); // keeps the scroll position inside the new document height
    }
    if (m_onAttributesChanged)
        m_onAttributesChanged();
}
