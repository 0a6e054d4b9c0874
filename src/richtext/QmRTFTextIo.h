#pragma once

#include "richtext/FormatDetection.h"
#include "richtext/QmRTFText.h"
#include "richtext/QmTextWriter.h"
#include "richtext/TextPosition.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <limits>

class TQmTextReader;

/// A rich-text document that can be stored, copied and exchanged: loading
/// and saving in RTF and ANSI text with format detection, whole-document
/// copies, an emptiness test, and the "Data" payload that calendar documents
/// keep for every cell.
///
/// Results of loading and saving are result codes (`ResultCode`, see
/// `qm::result`); only file opening and the "Data" payload raise `QmError`.
class TQmRTFTextIo : public TQmRTFText
{
public:
    TQmRTFTextIo();

    /// Empties the document as `TQmRTFText::Clear` does, then sets the whole
    /// current attribute to 0 (font 0, colour 0, no style, size not set) and
    /// the first paragraph's spacing to 0; insertion point and selection go
    /// to the start.
    void Clear() override;

    /// True exactly when the document is one paragraph of one line without
    /// characters; formatting does not count.
    bool IsEmpty() const;

    /// Makes this document a copy of `source` that shares nothing with it:
    /// font, colour and tab tables, page layout, every paragraph with its
    /// formatting and characters, hyperlink records and objects (pictures are
    /// copied). Title, subject and comment are not copied. With a
    /// `characterLimit`, only the start of `source` is copied: its first
    /// paragraphs up to that many characters, the last one cut there; what a
    /// painter needs that can show only the first lines of a long text.
    void Assign(const TQmRTFTextIo &source, int characterLimit = std::numeric_limits<int>::max());

    /// Appends the paragraphs of `source` to this document (see `Assign`),
    /// at most `characterLimit` characters; also what pasting a read document
    /// uses. Unless `wholeCopy`, automatic text and insertion points are left
    /// out when the writer options say so.
    void AppendParagraphs(const TQmRTFText &source, bool wholeCopy,
                          int characterLimit = std::numeric_limits<int>::max());

    // Loading -------------------------------------------------------------
    /// Reads `stream` into the document at the insertion point, in the load
    /// format or, when that is automatic, the detected one (HTML is read as
    /// ANSI text). Returns the format used: `FormatRTF`, `FormatANSI` or
    /// `FormatHTML`. `ResultCode` tells whether reading succeeded.
    int LoadFromStream(QIODevice *stream);
    /// Empties the document and loads `fileName`; records the detected format
    /// as the last loaded one. Raises "Cannot open file <name>".
    void LoadFromFile(const QString &fileName);

    // Saving --------------------------------------------------------------
    /// Writes the whole document in the chosen format (see `chooseWriter`);
    /// returns the result code, which `ResultCode` keeps.
    [[nodiscard]] int SaveToStream(QIODevice *stream);
    /// Like `SaveToStream` for the selected range; without selection nothing
    /// is written and the result is success.
    [[nodiscard]] int SaveSelectionToStream(QIODevice *stream);
    /// Saves in RTF when the name contains ".rtf" (any letter case), as HTML
    /// when it contains ".htm", else in the save format; an empty document is
    /// still written as RTF. The file is replaced only when everything was
    /// written. Raises "Cannot create file <name>" when it cannot be created
    /// or written to the end; `ResultCode` is then 7.
    void SaveToFile(const QString &fileName);
    /// Hands `writer` the document (the selection, or everything) and runs its
    /// header, body and footer steps until one fails; returns and keeps the
    /// result code. 7 without a writer.
    [[nodiscard]] int WriteDocument(QIODevice *stream, TQmTextWriter *writer);

    int ResultCode() const { return m_result; }

    // Calendar document payload ("Data" property) ---------------------------
    /// The payload of the document's "Data" property: empty for an empty
    /// document (no property is written), else the document as RTF followed
    /// by four zero bytes.
    QByteArray writeDataProperty() const;
    /// Replaces the document with the RTF payload `data`. When reading raises,
    /// the document is emptied and the error passed on.
    void readDataProperty(QByteArrayView data);

    // Settings ------------------------------------------------------------
    TQmLoadFormat LoadFormat() const { return m_loadFormat; }
    void SetLoadFormat(TQmLoadFormat format) { m_loadFormat = format; }
    TQmLoadFormat SaveFormat() const { return m_saveFormat; }
    void SetSaveFormat(TQmLoadFormat format) { m_saveFormat = format; }
    TWriterOptions &WriterOptions() { return m_writerOptions; }
    const TWriterOptions &WriterOptions() const { return m_writerOptions; }
    /// Layout width in pixels to use after a copy instead of the text width; 0 for none.
    void SetLayoutWidthOverride(int pixels) { m_layoutWidthOverride = pixels; }
    /// A writer or reader that replaces the built-in choice (not owned; null for none).
    void SetWriterOverride(TQmTextWriter *writer) { m_writerOverride = writer; }
    void SetReaderOverride(TQmTextReader *reader) { m_readerOverride = reader; }

    /// Where reading inserts text.
    const TTextPosition &InsertionPosition() const { return m_insertion; }
    void SetInsertionPosition(const TTextPosition &position) { m_insertion = position; }
    /// The selected range; an invalid start means no selection.
    const TTextRange &Selection() const { return m_selection; }
    void SetSelection(const TTextRange &selection) { m_selection = selection; }

private:
    enum class Scope { WholeDocument, Selection };
    [[nodiscard]] int save(QIODevice *stream, Scope scope);
    [[nodiscard]] int writeDocument(QIODevice *stream, TQmTextWriter *writer, Scope scope) const;
    /// The writer for the save format, the last loaded format or the memory
    /// format; an empty document is saved as ANSI text unless RTF is forced.
    std::unique_ptr<TQmTextWriter> chooseWriter() const;
    int readWith(TQmTextReader &reader, QIODevice *stream);
    void copyHeader(const TTextHeader &source);
    /// Copies `from` into `target`, at most `remaining` characters (counted down).
    void copyParagraph(const TQmRTFText &source, const TParagraph &from, TParagraph *&target, bool wholeCopy,
                       int &remaining);
    /// Resolves a placeholder of `source` to an object of this document; returns its key, or -1.
    int copyObject(const TQmRTFText &source, char16_t code, const TAttr &attr);

    TQmLoadFormat m_loadFormat = AutomaticFormat;
    TQmLoadFormat m_saveFormat = AutomaticFormat;
    int m_result = 0;
    bool m_forceRtf = false;
    TQmTextWriter *m_writerOverride = nullptr;
    TQmTextReader *m_readerOverride = nullptr;
    TTextPosition m_insertion;
    TTextRange m_selection;
    TWriterOptions m_writerOptions;
    int m_layoutWidthOverride = 0;
};
