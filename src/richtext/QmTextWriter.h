#pragma once

#include "richtext/QmRTFText.h"
#include "richtext/TextPosition.h"

#include <QIODevice>

/// Choices that the document hands to its writers.
struct TWriterOptions {
    bool writeBitmapAsDib = false;         ///< pictures as device-independent bitmaps
    bool linkedPicturesInBrackets = false; ///< linked pictures in the short "{bmc name}" form
    bool omitAutomaticText = false;
    bool omitInsertPoints = false;
    bool omitProtection = false;
};

/// How the plain writer turns characters into bytes.
enum class TPlainTextEncoding : quint8 {
    /// Windows-1252 when every character of the range has a byte there (what
    /// the program always wrote), else UTF-8, so that no character is lost.
    Windows1252WhenItFits,
    Utf8,
};

/// Writes a document, or a range of it, to a stream. This base is the plain
/// ANSI writer: no header, the characters as stored (object placeholders
/// left out), a carriage return and line feed after every paragraph that
/// another follows, and one zero byte as footer.
///
/// The document's `WriteDocument` calls `Setup`, then `WriteHeader`,
/// `WriteBody` and `WriteFooter`; each returns a result code (`qm::result`):
/// 0 success, 7 when the stream took fewer bytes than it was given, 8 when
/// there is nothing to write. The first failing step ends the writing. Every
/// result must be looked at: a write failure ignored is a document lost.
class TQmTextWriter
{
public:
    explicit TQmTextWriter(TPlainTextEncoding encoding = TPlainTextEncoding::Windows1252WhenItFits)
        : m_encoding(encoding)
    {}
    virtual ~TQmTextWriter() = default;
    TQmTextWriter(const TQmTextWriter &) = delete;
    TQmTextWriter &operator=(const TQmTextWriter &) = delete;

    /// What to write: `range` of `document` (an invalid range end reaches to
    /// the end of the document; an invalid start means nothing to write).
    void Setup(const TQmRTFText &document, const TTextRange &range, const TWriterOptions &options);
    /// `Setup` for the whole of `document`.
    void SetupWholeDocument(const TQmRTFText &document, const TWriterOptions &options);

    [[nodiscard]] virtual int WriteHeader(QIODevice *stream);
    /// Walks the range: paragraph start, the lines, paragraph end (after
    /// every paragraph but the last of the range, and after table cells).
    [[nodiscard]] int WriteBody(QIODevice *stream);
    [[nodiscard]] virtual int WriteFooter(QIODevice *stream);

    int ResultCode() const { return m_result; }

protected:
    /// Writes the characters [from, to) of the current line.
    [[nodiscard]] virtual int WriteLine(const TTextLine &line, int from, int to);
    [[nodiscard]] virtual int ParagraphStart() { return 0; }
    [[nodiscard]] virtual int ParagraphEnd();

    /// Hands `bytes` to the stream; 7 when it took fewer.
    [[nodiscard]] int put(QByteArrayView bytes);

    QIODevice *m_stream = nullptr;
    const TQmRTFText *m_document = nullptr;
    TTextRange m_range;
    TWriterOptions m_options;
    /// The paragraph being written, the one written before it, and whether it
    /// is the last of the range.
    const TParagraph *m_paragraph = nullptr;
    const TParagraph *m_previousParagraph = nullptr;
    bool m_lastParagraph = false;
    int m_result = 0;

private:
    /// Whether some character of the range lacks a Windows-1252 byte.
    bool rangeNeedsUnicode() const;

    TPlainTextEncoding m_encoding;
    bool m_utf8 = false;
};
