#pragma once

#include "richtext/ParagraphFormat.h"
#include "richtext/TextLine.h"

#include <QString>

#include <memory>

/// One paragraph of a document: its formatting and its lines. Paragraphs and
/// lines form doubly linked lists; each element owns the elements after it,
/// and the document owns the first. Links change only through the document
/// (`TQmRTFText`), which keeps at least one line in every paragraph.
class TParagraph : public TParagraphFormat
{
public:
    enum FormatState : quint8 { NeedsMeasure = 0x01, NeedsBreak = 0x02 };

    TParagraph() = default;
    ~TParagraph();
    TParagraph(const TParagraph &) = delete;
    TParagraph &operator=(const TParagraph &) = delete;

    /// FormatState bits: what layout must redo before the next paint.
    quint8 formatState = 0;
    void markForLayout() { formatState |= NeedsMeasure | NeedsBreak; }

    TTextLine *firstLine() const { return m_firstLine.get(); }
    TTextLine *lastLine() const;
    int lineCount() const;
    /// Characters in all lines.
    int characterCount() const;
    /// The characters of all lines, as UTF-16 text.
    QString text() const;
    /// No character and a single line.
    bool isEmpty() const { return !m_firstLine || (m_firstLine->length == 0 && !m_firstLine->next()); }

    TParagraph *next() const { return m_next.get(); }
    TParagraph *previous() const { return m_previous; }

    const TParagraphFormat &format() const { return *this; }
    TParagraphFormat &format() { return *this; }

private:
    friend class TQmRTFText;

    std::unique_ptr<TTextLine> m_firstLine;
    std::unique_ptr<TParagraph> m_next; ///< owns the rest of the document's paragraphs
    TParagraph *m_previous = nullptr;
};
