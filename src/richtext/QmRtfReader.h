#pragma once

#include "richtext/QmTextReader.h"

/// Reads RTF into a document. (Interface only for now: `Read` reads nothing
/// and reports failure until the RTF reader is written.)
class TQmRtfReader : public TQmTextReader
{
public:
    /// Reads RTF from `stream` into `document` at `insertion` (see
    /// `TQmTextReader::Read`). Raises "Wrong Arguments in\tTQmRTFReader" when
    /// the stream or the document is missing. Returns 0, 2 (an exception in a
    /// keyword, passed on) or 7 (the stream ended inside a control word, or
    /// an exception in the lexer, passed on).
    int Read(QIODevice *stream, TQmRTFText *document, TParagraph *&insertion) override;

    /// When set (pasting into an existing document), page, margin and
    /// colour-table keywords leave the header unchanged.
    void SetKeepHeader(bool keep) { m_keepHeader = keep; }
    bool KeepHeader() const { return m_keepHeader; }

private:
    bool m_keepHeader = false;
};
