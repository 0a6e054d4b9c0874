#pragma once

#include "calendar/Rect.h"
#include "richtext/QmRTFTextIo.h"

#include <QPainter>

namespace qm {

/// How a cell's text area is painted: on screen over a white ground, on paper
/// transparently over what the page already shows.
enum class CellTextBackground { White, Transparent };

/// Paints the whole lines of `document` that fit into `area` (target pixels)
/// at `zoom` percent, on a target whose fonts resolve at `pixelsPerInch`.
/// Lines that do not fit are left out. This is the one place where the
/// calendar hands cell text to the rich-text layout engine.
void PaintCellText(QPainter &painter, const TQmRTFTextIo &document, const TRect &area, int zoom, int pixelsPerInch,
                   CellTextBackground background);

} // namespace qm
