#include "richtext/QmRtfStrings.h"

#include "richtext/QmRTFTextIo.h"

int TQmRtfStrings::Count() const
{
    return m_document.IsEmpty() ? 0 : m_document.ParagraphCount();
}

TParagraph *TQmRtfStrings::paragraphAt(int index) const
{
    Q_ASSERT(index >= 0 && index < Count());
    TParagraph *paragraph = m_document.FirstParagraph();
    while (index-- > 0)
        paragraph = paragraph->next();
    return paragraph;
}

QString TQmRtfStrings::Strings(int index) const
{
    return paragraphAt(index)->text();
}

void TQmRtfStrings::setText(TParagraph *paragraph, const QString &text)
{
    while (paragraph->firstLine()->next())
        m_document.DeleteLine(paragraph, paragraph->firstLine()->next());
    TTextLine *line = paragraph->firstLine();
    m_document.DeleteLine(paragraph, line); // empties the only line
    m_document.AppendCharacters(paragraph, line, reinterpret_cast<const char16_t *>(text.utf16()), nullptr,
                                m_document.CurrentAttr(), int(text.size()), 100);
    paragraph->markForLayout();
}

void TQmRtfStrings::Put(int index, const QString &text)
{
    setText(paragraphAt(index), text);
}

void TQmRtfStrings::Insert(int index, const QString &text)
{
    Q_ASSERT(index >= 0 && index <= Count());
    TParagraph *paragraph;
    if (Count() == 0)
        paragraph = m_document.FirstParagraph(); // the empty paragraph of an empty document takes the text
    else if (index == 0)
        paragraph = m_document.NewParagraph(nullptr, 100);
    else
        paragraph = m_document.NewParagraph(paragraphAt(index - 1), 100);
    setText(paragraph, text);
}

void TQmRtfStrings::Delete(int index)
{
    m_document.DeleteParagraph(paragraphAt(index));
}

void TQmRtfStrings::Clear()
{
    m_document.Clear();
}

void TQmRtfStrings::EndUpdate()
{
    m_document.MarkAllForLayout();
}

void TQmRtfStrings::LoadFromStream(QIODevice *stream)
{
    const TQmLoadFormat format = m_document.LoadFormat();
    m_document.SetLoadFormat(AutomaticFormat);
    struct Restore {
        TQmRTFTextIo &document;
        TQmLoadFormat format;
        ~Restore() { document.SetLoadFormat(format); }
    } restore{m_document, format};
    m_document.Clear();
    m_document.LoadFromStream(stream);
}

int TQmRtfStrings::SaveToStream(QIODevice *stream) const
{
    TQmTextWriter writer;
    return m_document.WriteDocument(stream, &writer);
}
