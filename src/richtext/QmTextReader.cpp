#include "richtext/QmTextReader.h"

#include "platform/QmError.h"
#include "richtext/ResultCode.h"

namespace {
constexpr int PlainLineCapacity = 200;
}

void TQmTextReader::begin(QIODevice *stream, TQmRTFText *document, TParagraph *&insertion,
                          const QString &wrongArguments)
{
    if (!stream || !document)
        throw QmError(wrongArguments);
    m_stream = stream;
    m_document = document;
    m_header = &document->Header();
    m_fill = m_position = 0;
    m_consumed = 0;
    m_result = qm::result::Success;
    if (!insertion)
        insertion = document->NewParagraph(document->LastParagraph(), PlainLineCapacity);
    m_paragraph = insertion;
    m_line = document->GetLastLine(insertion);
}

bool TQmTextReader::fillBuffer()
{
    const qint64 got = m_stream->read(m_buffer, BufferSize);
    if (got <= 0)
        return false;
    m_fill = int(got);
    m_position = 0;
    m_consumed += got;
    return true;
}

void TQmTextReader::endParagraph(int newLineCapacity)
{
    m_document->ShrinkLines(m_paragraph);
    m_paragraph = m_document->NewParagraph(m_paragraph, newLineCapacity);
    m_paragraph->markForLayout();
    m_line = m_paragraph->firstLine();
}

int TQmTextReader::Read(QIODevice *stream, TQmRTFText *document, TParagraph *&insertion)
{
    begin(stream, document, insertion, QStringLiteral("Wrong Arguments"));
    const TAttr attr = document->CurrentAttr();
    for (int byte = nextByte(); byte > 0; byte = nextByte()) {
        if (byte == '\r')
            endParagraph(PlainLineCapacity);
        else if (byte != '\n')
            insert(char(byte), attr, PlainLineCapacity);
    }
    m_paragraph->markForLayout();
    insertion = m_paragraph;
    return m_result;
}
