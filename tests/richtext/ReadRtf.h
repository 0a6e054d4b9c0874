#pragma once

#include "richtext/QmRtfReader.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace qm::test {

/// Reads `rtf` into `document` at its first paragraph, as loading a cell does,
/// and returns the reader's result code.
inline int readRtf(TQmRTFText &document, const QByteArray &rtf, bool keepHeader = false)
{
    QByteArray bytes = rtf;
    QBuffer stream(&bytes);
    stream.open(QIODevice::ReadOnly);
    TParagraph *insertion = document.FirstParagraph();
    TQmRtfReader reader;
    reader.SetKeepHeader(keepHeader);
    const int result = reader.Read(&stream, &document, insertion);
    EXPECT_EQ(insertion, document.LastParagraph()) << "the insertion point follows the text";
    return result;
}

} // namespace qm::test
