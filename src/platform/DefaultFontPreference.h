#pragma once

#include "platform/FontDescription.h"

// The font new cell text starts in, kept in the preferences file under
// "Default Font". The program and the batch tool both write empty cells in
// it, so that text placed either way looks the same.

namespace qm {

class IniFile;

/// The stored default font; missing or damaged keys read as Arial 10, black.
FontDescription ReadDefaultFont(const IniFile &ini);

void WriteDefaultFont(IniFile &ini, const FontDescription &font);

} // namespace qm
