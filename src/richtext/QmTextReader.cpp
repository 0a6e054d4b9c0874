#include "richtext/QmTextReader.h"

#include "platform/Cp1252.h"
#include "platform/QmError.h"
#include "richtext/ResultCode.h"

#include <QStringDecoder>

#include <cstring>

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

QByteArray TQmTextReader::bytesUpToZero()
{
    QByteArray bytes;
    while (m_position < m_fill || fillBuffer()) {
        const char *start = m_buffer + m_position;
        const qsizetype available = m_fill - m_position;
        const char *zero = static_cast<const char *>(std::memchr(start, 0, size_t(available)));
        const qsizetype taken = zero ? zero - start : available;
        bytes.append(start, taken);
        m_position += int(taken);
        if (zero)
            break;
    }
    return bytes;
}

int TQmTextReader::Read(QIODevice *stream, TQmRTFText *document, TParagraph *&insertion)
{
    begin(stream, document, insertion, QStringLiteral("Wrong Arguments"));
    const QByteArray bytes = bytesUpToZero();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = qm::fromCp1252(bytes);

    const TAttr attr = document->CurrentAttr();
    const auto *characters = reinterpret_cast<const char16_t *>(text.utf16());
    const qsizetype length = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i <= length; ++i) {
        const bool end = i == length;
        if (!end && characters[i] != u'\r' && characters[i] != u'\n')
            continue;
        m_line = document->AppendCharacters(m_paragraph, m_line, characters + start, nullptr, attr, int(i - start),
                                            PlainLineCapacity);
        if (end)
            break;
        if (characters[i] == u'\r' && i + 1 < length && characters[i + 1] == u'\n')
            ++i;
        endParagraph(PlainLineCapacity);
        start = i + 1;
    }
    m_paragraph->markForLayout();
    insertion = m_paragraph;
    return m_result;
}
