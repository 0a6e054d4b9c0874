// Breaking paragraphs into lines, line heights, vertical stacking with page
// starts, and the horizontal placement of lines.
#include "richtext/QmRTFTextPaint.h"

#include "platform/RoundHalfEven.h"

#include <limits>

using namespace qm;

namespace {

/// Distance of a paragraph's border (or a table cell's text) from the text:
/// the high nibble of the border colour byte, in units of 56 twips.
constexpr int BorderDistanceUnit = 56;
/// Justification leaves this much room at the right end of a line.
constexpr int JustifySlack = 6;

int floorDiv(int value, int divisor)
{
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

bool isTableRowEnd(const TParagraph &paragraph)
{
    return paragraph.flags & TParagraphFormat::RowEnd;
}

struct TrackedPosition {
    TTextPosition position;
    int offset = -1; ///< characters before it in its paragraph; -1 when elsewhere
};

} // namespace

// Columns ---------------------------------------------------------------------

TQmRTFTextPaint::Column TQmRTFTextPaint::columnOf(const TParagraph &paragraph) const
{
    const int layoutWidth = LayoutWidth();
    if (!paragraph.isTableCell())
        return {0, layoutWidth, true};

    // A cell spans from the right edge of the cell before it (or the row's
    // left indent) to its own right edge, a fraction of the row in 255ths.
    // Each edge depends on its own cell only, so no cell walks its row.
    const TTextHeader &header = Header();
    const auto rightEdge = [&](const TParagraph &cell) {
        const int rowWidth = layoutWidth - header.twipsToPixelsX(cell.rightIndent);
        const int placement = cell.cellPlacement[0] + cell.cellPlacement[1];
        return header.twipsToPixelsX(cell.leftIndent) + mulDiv(rowWidth, placement, 255);
    };
    const TParagraph *previous = paragraph.previous();
    const bool startsRow = !previous || !previous->isTableCell() || isTableRowEnd(*previous);
    const int left = startsRow ? header.twipsToPixelsX(paragraph.leftIndent) : rightEdge(*previous);
    const int right = rightEdge(paragraph);
    const int gap = header.twipsToPixelsX((paragraph.borderColor >> 4) * BorderDistanceUnit);
    return {left + gap, right - left - 2 * gap, false};
}

int TQmRTFTextPaint::availableWidth(const TParagraph &paragraph, const Column &column, bool firstLine) const
{
    int width = column.width;
    if (column.indented) {
        const TTextHeader &header = Header();
        width -= header.twipsToPixelsX(paragraph.rightIndent);
        width -= header.twipsToPixelsX(firstLine ? paragraph.firstIndent : paragraph.leftIndent);
    }
    return width > 0 ? width : DefaultCharWidth;
}

int TQmRTFTextPaint::tabWidth(const TParagraph &paragraph, int position) const
{
    const TTextHeader &header = Header();
    for (const quint8 index : header.tabOrder) {
        const TTabStop &tab = header.tabs[index];
        if (tab.twips == 0)
            break; // empty entries sort last
        if ((paragraph.tabMask >> index) & 1 && tab.pixels > position)
            return tab.pixels - position;
    }
    const int interval = DefaultTabWidth();
    return (floorDiv(position, interval) + 1) * interval - position;
}

// Breaking ----------------------------------------------------------------------

void TQmRTFTextPaint::breakParagraph(TParagraph &paragraph)
{
    const Column column = columnOf(paragraph);
    const std::vector<int> ends = findBreaks(paragraph, column);
    rebuildLines(paragraph, ends);
    setLineHeights(paragraph);
    placeLines(paragraph, column);
}

std::vector<int> TQmRTFTextPaint::findBreaks(TParagraph &paragraph, const Column &column)
{
    // The paragraph's characters as one sequence; widths of tabs are set here.
    m_breakText.clear();
    m_breakAttrs.clear();
    for (const TTextLine *line = paragraph.firstLine(); line; line = line->next()) {
        for (int i = 0; i < line->length; ++i) {
            const char16_t code = line->text()[i];
            m_breakText.push_back(code);
            if (line->attributes()) {
                m_breakAttrs.push_back(line->attributes()[i]);
            } else {
                TAttr attr = CurrentAttr();
                attr.width = plainWidth(code);
                m_breakAttrs.push_back(attr);
            }
        }
    }

    const TTextHeader &header = Header();
    const bool tabIsSpace =
        paragraph.alignment == TParagraphFormat::AlignRight || paragraph.alignment == TParagraphFormat::AlignCenter;
    const int count = int(m_breakText.size());
    const int longest = m_maxCharsPerLine > 0 ? std::min(m_maxCharsPerLine, MaxLineCapacity - 4) : MaxLineCapacity - 4;
    std::vector<int> ends;
    int start = 0;
    while (start < count) {
        const bool firstLine = ends.empty();
        const int available =
            m_wordWrap ? availableWidth(paragraph, column, firstLine) : std::numeric_limits<int>::max();
        const int indent =
            column.indented ? header.twipsToPixelsX(firstLine ? paragraph.firstIndent : paragraph.leftIndent) : 0;
        int x = 0;
        int lastBreak = -1;
        int end = count;
        for (int i = start; i < count; ++i) {
            const char16_t code = m_breakText[size_t(i)];
            TAttr &attr = m_breakAttrs[size_t(i)];
            if (i - start >= longest) {
                end = i;
                break;
            }
            if (code == '\t' && !isZeroWidth(attr)) {
                if (tabIsSpace) {
                    SelectAttr(attr);
                    attr.width = selectedFont()->width(U' ');
                } else {
                    attr.width = qint16(std::min(tabWidth(paragraph, indent + x), 32767));
                }
            }
            if (code == '\n') {
                end = i + 1;
                break;
            }
            const bool hangs = code == ' ' || code == '\t';
            if (!hangs && x + attr.width >= available) {
                // The line ends after its last space, or before this
                // character; it always keeps at least one character.
                end = lastBreak > start ? lastBreak : std::max(i, start + 1);
                break;
            }
            x += attr.width;
            if (code == ' ' || (code == '\t' && tabIsSpace))
                lastBreak = i + 1;
        }
        // The halves of a character outside the Basic Multilingual Plane stay together.
        if (end < count && end > start && QChar::isLowSurrogate(m_breakText[size_t(end)]) &&
            QChar::isHighSurrogate(m_breakText[size_t(end - 1)]))
            end += end - 1 > start ? -1 : 1;
        ends.push_back(end);
        start = end;
    }
    if (ends.empty())
        ends.push_back(0);
    return ends;
}

void TQmRTFTextPaint::rebuildLines(TParagraph &paragraph, const std::vector<int> &ends)
{
    // Unchanged breaks keep the lines; only the tab widths found while
    // breaking go back into them.
    bool same = true;
    {
        int start = 0;
        size_t k = 0;
        for (const TTextLine *line = paragraph.firstLine(); line; line = line->next(), ++k) {
            if (k >= ends.size() || ends[k] - start != line->length) {
                same = false;
                break;
            }
            start = ends[k];
        }
        same = same && k == ends.size();
    }
    if (same) {
        size_t i = 0;
        for (TTextLine *line = paragraph.firstLine(); line; line = line->next()) {
            if (line->attributes())
                std::copy_n(m_breakAttrs.begin() + qsizetype(i), line->length, line->attributes());
            i += line->length;
        }
        return;
    }

    // Positions inside the paragraph move with their characters.
    std::array<TrackedPosition, 4> tracked{{{InsertionPosition()}, {Selection().start}, {Selection().end}, {m_caret}}};
    for (TrackedPosition &entry : tracked) {
        if (entry.position.paragraph != &paragraph)
            continue;
        int offset = 0;
        for (const TTextLine *line = paragraph.firstLine(); line && line != entry.position.line; line = line->next())
            offset += line->length;
        entry.offset = offset + entry.position.index;
    }

    TTextLine *oldFirst = paragraph.firstLine();
    TTextLine *after = paragraph.lastLine();
    TTextLine *const oldLast = after;
    int start = 0;
    for (const int end : ends) {
        const int length = end - start;
        TTextLine *line = NewLine(&paragraph, after, length + 4);
        std::copy_n(m_breakText.begin() + start, length, line->text());
        if (line->attributes()) {
            std::copy_n(m_breakAttrs.begin() + start, length, line->attributes());
            if (length > 0)
                line->attributes()[length] = TAttr();
        }
        line->text()[length] = 0;
        line->length = quint16(length);
        after = line;
        start = end;
    }
    for (TTextLine *line = oldFirst; line;) {
        TTextLine *next = line == oldLast ? nullptr : line->next();
        DeleteLine(&paragraph, line);
        line = next;
    }

    for (TrackedPosition &entry : tracked) {
        if (entry.offset < 0)
            continue;
        int offset = entry.offset;
        TTextLine *line = paragraph.firstLine();
        while (line->next() && offset >= line->length) {
            offset -= line->length;
            line = line->next();
        }
        entry.position.line = line;
        entry.position.index = std::min<int>(offset, line->length);
    }
    if (tracked[0].offset >= 0)
        SetInsertionPosition(tracked[0].position);
    if (tracked[1].offset >= 0 || tracked[2].offset >= 0)
        SetSelection({tracked[1].position, tracked[2].position});
    if (tracked[3].offset >= 0)
        m_caret = tracked[3].position;
}

// Heights ---------------------------------------------------------------------

void TQmRTFTextPaint::setLineHeights(TParagraph &paragraph)
{
    const TTextHeader &header = Header();
    const int spacing = header.twipsToPixelsY(paragraph.lineSpacing);
    const int before = header.twipsToPixelsY(paragraph.spaceBefore);
    const int after = header.twipsToPixelsY(paragraph.spaceAfter);
    const bool showHidden = m_paintFlags & paint::ShowHiddenText;
    for (TTextLine *line = paragraph.firstLine(); line; line = line->next()) {
        int height = 0;
        int ascent = 0;
        if (const TAttr *attributes = line->attributes()) {
            const TAttr *tallest = nullptr;
            for (int i = 0; i < line->length; ++i) {
                const TAttr &attr = attributes[i];
                if (line->text()[i] == ' ' || (attr.has(TAttr::Hidden) && !showHidden))
                    continue;
                if (!tallest || attr.height > tallest->height)
                    tallest = &attr;
            }
            if (tallest) {
                height = tallest->height;
                ascent = tallest->ascent;
            } else {
                measureEmptyLine(*line);
                height = line->height;
                ascent = line->baseline;
            }
        }
        if (height < 1) {
            height = DefaultLineHeight;
            ascent = DefaultAscent;
        }
        if (spacing > 0 && spacing > height) {
            ascent += (spacing - height) / 2;
            height = spacing;
        } else if (spacing < 0) {
            const int exact = -spacing;
            ascent = std::max(0, ascent - (height - exact) / 2);
            height = exact;
        }
        if (line == paragraph.firstLine()) {
            height = std::max(0, height + before);
            ascent = std::max(0, ascent + before);
        }
        if (!line->next())
            height = std::max(0, height + after);
        line->height = quint16(std::min(height, 65535));
        line->baseline = quint16(std::min(ascent, 65535));
    }
}

// Horizontal placement ----------------------------------------------------------

void TQmRTFTextPaint::placeLines(TParagraph &paragraph, const Column &column)
{
    const TTextHeader &header = Header();
    const int border = column.indented && paragraph.isBordered()
                           ? header.twipsToPixelsX((paragraph.borderColor >> 4) * BorderDistanceUnit)
                           : 0;
    for (TTextLine *line = paragraph.firstLine(); line; line = line->next()) {
        const bool firstLine = line == paragraph.firstLine();
        const int indent =
            column.indented ? header.twipsToPixelsX(firstLine ? paragraph.firstIndent : paragraph.leftIndent) : 0;
        const int available = availableWidth(paragraph, column, firstLine);

        int used = 0;
        int trailing = 0;
        for (int i = 0; i < line->length; ++i) {
            const int width = line->attributes() ? line->attributes()[i].width : plainWidth(line->text()[i]);
            used += width;
            trailing = line->text()[i] == ' ' ? trailing + width : 0;
        }
        const int free = std::max(0, available - (used - trailing));
        int left = column.left + indent + border;
        if (paragraph.alignment == TParagraphFormat::AlignRight)
            left += free;
        else if (paragraph.alignment == TParagraphFormat::AlignCenter)
            left += free / 2;

        const bool endsParagraph = !line->next() || (line->length > 0 && line->text()[line->length - 1] == '\n');
        const bool justified = paragraph.alignment == TParagraphFormat::AlignJustify && !endsParagraph;
        line->left = quint16(std::clamp(left, 0, 65535));
        line->usedWidth = quint16(std::clamp(used, 0, 65535));
        line->justifyExtra = quint16(justified ? std::clamp(available - used - JustifySlack, 0, 65535) : 0);
    }
}

// Vertical positions ------------------------------------------------------------

void TQmRTFTextPaint::stackLines()
{
    int top = 0;
    for (TParagraph *paragraph = FirstParagraph(); paragraph;) {
        if (!paragraph->isTableCell()) {
            for (TTextLine *line = paragraph->firstLine(); line; line = line->next()) {
                line->top = top;
                top += line->height;
            }
            paragraph = paragraph->next();
            continue;
        }
        // The cells of a table row stand side by side; the row is as tall as its tallest cell.
        const int rowTop = top;
        bool rowEnded = false;
        while (paragraph && paragraph->isTableCell() && !rowEnded) {
            int y = rowTop;
            for (TTextLine *line = paragraph->firstLine(); line; line = line->next()) {
                line->top = y;
                y += line->height;
            }
            top = std::max(top, y);
            rowEnded = isTableRowEnd(*paragraph);
            paragraph = paragraph->next();
        }
    }
    flagPageStarts();
}

void TQmRTFTextPaint::flagPageStarts()
{
    const int pageHeight = Header().textHeightPixels;
    int pageTop = 0;
    bool documentStart = true;
    for (TParagraph *paragraph = FirstParagraph(); paragraph; paragraph = paragraph->next()) {
        TTextLine *first = paragraph->firstLine();
        for (TTextLine *line = first; line; line = line->next()) {
            line->flags &= ~TTextLine::StartsPage;
            const bool breakBefore = line == first && (paragraph->flags & TParagraphFormat::PageBreakBefore);
            const bool overflows =
                pageHeight > 0 && line->top > pageTop && line->top + line->height - pageTop > pageHeight;
            if (!documentStart && (breakBefore || overflows)) {
                // A paragraph kept together moves to the new page as a whole
                // when it can.
                const bool moveParagraph = line != first && (paragraph->flags & TParagraphFormat::KeepTogether) &&
                                           !(first->flags & TTextLine::StartsPage) && first->top > pageTop;
                TTextLine *start = moveParagraph ? first : line;
                start->flags |= TTextLine::StartsPage;
                pageTop = start->top;
                if (moveParagraph && line->top + line->height - pageTop > pageHeight) {
                    line->flags |= TTextLine::StartsPage;
                    pageTop = line->top;
                }
            }
            documentStart = false;
        }
    }
}
