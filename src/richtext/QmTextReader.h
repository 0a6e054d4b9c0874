#pragma once

#include "richtext/QmRTFText.h"

#include <QIODevice>

/// Reads plain text into a document, and is the base of the RTF reader:
/// buffered byte input and insertion into the document.
///
/// Plain text: bytes up to a zero byte or the end of the stream, read as
/// UTF-8, or as Windows-1252 when they are not valid UTF-8. A line feed, a
/// carriage return and the pair of both end a paragraph; every other
/// character is inserted with the document's current attribute.
class TQmTextReader
{
public:
    TQmTextReader() = default;
    virtual ~TQmTextReader() = default;
    TQmTextReader(const TQmTextReader &) = delete;
    TQmTextReader &operator=(const TQmTextReader &) = delete;

    /// Reads `stream` into `document`, appending to `insertion` (or to a new
    /// paragraph after the last one when `insertion` is null); on return
    /// `insertion` is the paragraph that was filled last. Returns a result
    /// code (`qm::result`). Raises "Wrong Arguments" when the stream or the
    /// document is missing.
    virtual int Read(QIODevice *stream, TQmRTFText *document, TParagraph *&insertion);

    int ResultCode() const { return m_result; }

protected:
    /// Takes stream, document and insertion point; raises `wrongArguments` when one is missing.
    void begin(QIODevice *stream, TQmRTFText *document, TParagraph *&insertion, const QString &wrongArguments);
    /// The next byte of the stream, or -1 at its end.
    int nextByte()
    {
        if (m_position == m_fill && !fillBuffer())
            return -1;
        return quint8(m_buffer[m_position++]);
    }
    /// Gives the byte that `nextByte` returned last back to the stream.
    void pushBack() { --m_position; }
    /// Bytes taken from the stream so far, for progress reports.
    qint64 consumed() const { return m_consumed - (m_fill - m_position); }

    /// Appends `character` to the current line; a line with fewer than 4 free
    /// slots is continued in a new line of `newLineCapacity` slots.
    void insert(char16_t character, const TAttr &attr, int newLineCapacity)
    {
        m_line = m_document->AppendCharacter(m_paragraph, m_line, character, attr, newLineCapacity);
    }
    /// Ends the current paragraph (its lines cut to their length plus 2) and
    /// continues in a new paragraph after it, marked for layout.
    void endParagraph(int newLineCapacity);

    QIODevice *m_stream = nullptr;
    TQmRTFText *m_document = nullptr;
    TTextHeader *m_header = nullptr;
    TParagraph *m_paragraph = nullptr;
    TTextLine *m_line = nullptr;
    int m_result = 0;

private:
    bool fillBuffer();
    /// The bytes from here up to a zero byte or the end of the stream.
    QByteArray bytesUpToZero();

    static constexpr int BufferSize = 1024;
    char m_buffer[BufferSize];
    int m_fill = 0;
    int m_position = 0;
    qint64 m_consumed = 0;
};
