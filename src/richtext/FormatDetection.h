#pragma once

#include <QIODevice>

/// Format codes of the rich-text engine's loading and saving.
enum TQmLoadFormat : quint8 { AutomaticFormat, LastFormat, FormatRTF, FormatANSI, FormatHTML };

namespace qm {

/// The format of the text that `stream` holds from its current position:
/// RTF when the first bytes after blanks are "{\rtf"; HTML when one of the
/// first 2000 bytes starts a tag named html, b, p, br, title, body or h1 (in
/// any letter case); ANSI text otherwise. The stream position is left as found.
TQmLoadFormat detectTextFormat(QIODevice *stream);

} // namespace qm
