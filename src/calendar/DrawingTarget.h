#pragma once

#include "calendar/Rect.h"

#include <QPoint>

namespace qm {

/// Gaps between a line and what it frames (a day number, a cell's text),
/// given in layout pixels. On screen and in bitmaps they stay whole pixels at
/// every magnification, as lines do; on paper they keep their width in inches,
/// since a gap of a few printer dots would set numbers and text against the
/// grid lines.
struct TargetGaps {
    int layoutPixelsPerInch = 0; // 0: gaps are target pixels
    int pixelsPerInchX = 0;
    int pixelsPerInchY = 0;

    int x(int layoutPixels) const;
    int y(int layoutPixels) const;
};

/// How layout pixels (1/P inch at 100 %) become target pixels. On screen and
/// in bitmaps coordinates and font sizes are scaled by the magnification; on a
/// printer coordinates follow the printer's resolution, shifted by the
/// printable area's offset, and font sizes stay in points at the printer's
/// resolution.
class DrawingTarget
{
public:
    static DrawingTarget screen(int layoutPixelsPerInch, int magnification);
    static DrawingTarget printer(int layoutPixelsPerInch, int pixelsPerInchX, int pixelsPerInchY, QPoint offset);

    bool isPrinter() const { return m_printer; }
    int mapX(int x) const;
    int mapY(int y) const;
    TRect map(const TRect &rect) const
    {
        return {mapX(rect.left), mapY(rect.top), mapX(rect.right), mapY(rect.bottom)};
    }
    /// A font size in points as the target draws it.
    int fontSize(int points) const;
    /// The resolution at which the target turns points into pixels.
    int fontPixelsPerInch() const { return m_printer ? m_pixelsPerInchY : m_layoutPixelsPerInch; }
    /// The least title band of a main month grid: 1.5 inch on the target.
    int minimumTitleHeight() const;
    TargetGaps gaps() const;
    /// The zoom at which cell text is painted.
    int textZoom() const { return m_printer ? 100 : m_magnification; }

private:
    bool m_printer = false;
    int m_layoutPixelsPerInch = 96;
    int m_magnification = 100;
    int m_pixelsPerInchX = 96;
    int m_pixelsPerInchY = 96;
    QPoint m_offset;
};

} // namespace qm
