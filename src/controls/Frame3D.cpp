#include "Frame3D.h"

#include <QPainter>

namespace qm {

void drawFrame3D(QPainter &painter, QRect &rect, const QColor &topLeft, const QColor &bottomRight, int width)
{
    for (int ring = 0; ring < width && rect.isValid(); ++ring) {
        const int left = rect.left(), top = rect.top(), right = rect.right(), bottom = rect.bottom();
        painter.fillRect(left, top, 1, bottom - top, topLeft);
        painter.fillRect(left, top, right - left, 1, topLeft);
        painter.fillRect(right, top, 1, bottom - top + 1, bottomRight);
        painter.fillRect(left, bottom, right - left + 1, 1, bottomRight);
        rect.adjust(1, 1, -1, -1);
    }
}

} // namespace qm
