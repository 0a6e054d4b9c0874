#pragma once

#include "richtext/QmRTFTextIo.h"

#include <QString>

namespace qm::cli {

/// Loads the file `path` into `document` with format detection (RTF, HTML
/// tags or ANSI text). Raises "Cannot open file <path>" when the file cannot
/// be opened and "Cannot read file <path>" when its text cannot be read.
void loadTextDocument(TQmRTFTextIo &document, const QString &path);

} // namespace qm::cli
