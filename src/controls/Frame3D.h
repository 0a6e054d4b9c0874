#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace qm {

/// Draws `width` nested one-pixel rings inside `rect`, the classic 3-D edge:
/// `topLeft` runs up the left edge and across the top (both without their far
/// corner), `bottomRight` down the right edge and across the bottom (with both
/// corners). Each ring lies one pixel inside the previous one, and `rect`
/// shrinks by `width` on every side so that the caller can paint the inside.
void drawFrame3D(QPainter &painter, QRect &rect, const QColor &topLeft, const QColor &bottomRight, int width = 1);

} // namespace qm
