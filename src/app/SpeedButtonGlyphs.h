#pragma once

#include <QIcon>

// The pictures of the main window's speed buttons, drawn so that they need no
// icon theme.

namespace qm {

enum class SpeedButtonGlyph { ZoomIn, ZoomOut, Properties, Print };

QIcon speedButtonGlyph(SpeedButtonGlyph glyph);

} // namespace qm
