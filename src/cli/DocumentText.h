#pragma once

#include "richtext/QmRTFTextIo.h"

#include <QString>

#include <optional>

namespace qm::cli {

/// The text of `document` as the plain text writer writes it, with a line
/// feed after every paragraph: what rtf2txt prints and info shows for a cell.
/// Nothing when the writer fails.
std::optional<QString> documentText(TQmRTFTextIo &document);

} // namespace qm::cli
