#include "richtext/QmTextWriter.h"

#include "platform/Cp1252.h"
#include "richtext/ResultCode.h"

void TQmTextWriter::Setup(const TQmRTFText &document, const TTextRange &range, const TWriterOptions &options)
{
    m_document = &document;
    m_range = range;
    m_options = options;
    m_paragraph = m_previousParagraph = nullptr;
    m_result = qm::result::Success;
    m_utf8 = m_encoding == TPlainTextEncoding::Utf8 || rangeNeedsUnicode();
}

bool TQmTextWriter::rangeNeedsUnicode() const
{
    const TTextPosition &start = m_range.start;
    if (!start.isValid())
        return false;
    for (const TParagraph *paragraph = start.paragraph; paragraph; paragraph = paragraph->next()) {
        for (const TTextLine *line = paragraph->firstLine(); line; line = line->next()) {
            for (const QChar character : line->chars()) {
                if (character.unicode() >= 0x80 && character != u'?' && qm::toCp1252(character) == '?')
                    return true;
            }
        }
        if (paragraph == m_range.end.paragraph)
            break;
    }
    return false;
}

void TQmTextWriter::SetupWholeDocument(const TQmRTFText &document, const TWriterOptions &options)
{
    TTextRange range;
    range.start = {document.FirstParagraph(), document.FirstParagraph()->firstLine(), 0};
    Setup(document, range, options);
}

int TQmTextWriter::put(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return qm::result::Success;
    if (m_stream->write(bytes.data(), bytes.size()) != bytes.size())
        m_result = qm::result::Failure;
    return m_result;
}

int TQmTextWriter::WriteHeader(QIODevice *stream)
{
    m_stream = stream;
    return m_result;
}

int TQmTextWriter::WriteBody(QIODevice *stream)
{
    m_stream = stream;
    const TTextPosition &start = m_range.start;
    const TTextPosition &end = m_range.end;
    if (!start.isValid())
        return m_result = qm::result::NothingToWrite;

    for (const TParagraph *paragraph = start.paragraph; paragraph; paragraph = paragraph->next()) {
        m_paragraph = paragraph;
        m_lastParagraph = paragraph == end.paragraph || !paragraph->next();
        if (ParagraphStart() != 0)
            return m_result;
        const TTextLine *line = paragraph == start.paragraph ? start.line : paragraph->firstLine();
        for (; line; line = line->next()) {
            const int from = line == start.line ? start.index : 0;
            const int to = line == end.line ? end.index : line->length;
            if (from < to && WriteLine(*line, from, to) != 0)
                return m_result;
            if (line == end.line)
                break;
        }
        if ((!m_lastParagraph || paragraph->isTableCell()) && ParagraphEnd() != 0)
            return m_result;
        m_previousParagraph = paragraph;
        if (m_lastParagraph)
            break;
    }
    return m_result;
}

int TQmTextWriter::WriteLine(const TTextLine &line, int from, int to)
{
    const QStringView text = line.chars().sliced(from, to - from);
    QString kept;
    kept.reserve(text.size());
    for (const QChar character : text) {
        if (character.unicode() > 3) // object placeholders mean nothing as text
            kept.append(character);
    }
    return put(m_utf8 ? kept.toUtf8() : qm::toCp1252(kept));
}

int TQmTextWriter::ParagraphEnd()
{
    return m_lastParagraph ? m_result : put("\r\n");
}

int TQmTextWriter::WriteFooter(QIODevice *stream)
{
    m_stream = stream;
    return put(QByteArrayView("\0", 1));
}
