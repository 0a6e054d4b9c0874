#include "calendar/DrawingTarget.h"

#include "platform/RoundHalfEven.h"

namespace qm {

DrawingTarget DrawingTarget::screen(int layoutPixelsPerInch, int magnification)
{
    DrawingTarget target;
    target.m_layoutPixelsPerInch = layoutPixelsPerInch;
    target.m_magnification = magnification;
    return target;
}

DrawingTarget DrawingTarget::printer(int layoutPixelsPerInch, int pixelsPerInchX, int pixelsPerInchY, QPoint offset)
{
    DrawingTarget target;
    target.m_printer = true;
    target.m_layoutPixelsPerInch = layoutPixelsPerInch;
    target.m_pixelsPerInchX = pixelsPerInchX;
    target.m_pixelsPerInchY = pixelsPerInchY;
    target.m_offset = offset;
    return target;
}

int DrawingTarget::mapX(int x) const
{
    if (!m_printer)
        return scalePercent(x, m_magnification);
    return int(roundRatio(qint64(x) * m_pixelsPerInchX, m_layoutPixelsPerInch)) - m_offset.x();
}

int DrawingTarget::mapY(int y) const
{
    if (!m_printer)
        return scalePercent(y, m_magnification);
    return int(roundRatio(qint64(y) * m_pixelsPerInchY, m_layoutPixelsPerInch)) - m_offset.y();
}

TargetGaps DrawingTarget::gaps() const
{
    if (!m_printer)
        return {};
    return {m_layoutPixelsPerInch, m_pixelsPerInchX, m_pixelsPerInchY};
}

int TargetGaps::x(int layoutPixels) const
{
    if (layoutPixelsPerInch <= 0)
        return layoutPixels;
    return int(roundRatio(qint64(layoutPixels) * pixelsPerInchX, layoutPixelsPerInch));
}

int TargetGaps::y(int layoutPixels) const
{
    if (layoutPixelsPerInch <= 0)
        return layoutPixels;
    return int(roundRatio(qint64(layoutPixels) * pixelsPerInchY, layoutPixelsPerInch));
}

int DrawingTarget::fontSize(int points) const
{
    return m_printer ? points : scalePercent(points, m_magnification);
}

int DrawingTarget::minimumTitleHeight() const
{
    if (m_printer)
        return int(roundRatio(3 * qint64(m_pixelsPerInchY), 2));
    return int(roundRatio(3 * qint64(m_layoutPixelsPerInch) * m_magnification, 200));
}

} // namespace qm
