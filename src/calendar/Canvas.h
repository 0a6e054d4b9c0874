#pragma once

#include "calendar/Rect.h"
#include "platform/Color.h"
#include "platform/FontDescription.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <optional>

namespace qm {

/// The drawing surface the calendar routines draw on: a QPainter on a screen
/// image, a bitmap or a printer page, plus the resolution at which font sizes
/// in points become pixels. It keeps the classic pixel rules the geometry
/// relies on: filled rectangles exclude their right and bottom edges, a line
/// does not draw its end point, lines are black and one device pixel wide
/// (or hairlines on paper), text has no background.
class Canvas
{
public:
    enum class Align {
        Center,       // centred both ways, one line
        TopRight,     // right-aligned at the top, one line
        BottomCenter, // centred horizontally at the bottom, one line
        TopCenter,    // centred horizontally at the top, one line
    };

    /// How wide the black lines are.
    enum class Lines {
        DevicePixels, // one pixel of the device: screen and bitmaps
        // The thinnest line the device draws: one dot of a printer, and one
        // pixel of the screen when a print preview or a PDF viewer shows the
        // page smaller, where a line one printer dot wide would fade away.
        Hairlines,
    };

    Canvas(QPainter &painter, int fontPixelsPerInch, Lines lines);

    QPainter &painter() { return m_painter; }
    int fontPixelsPerInch() const { return m_fontPixelsPerInch; }

    /// Selects the font and makes its colour the text colour.
    void setFont(const FontDescription &font);
    const QFontMetrics &fontMetrics() const { return *m_metrics; }
    void setBrushColor(TColor color) { m_brush = toQColor(color); }

    /// Fills the rectangle, right and bottom edges excluded, with the brush.
    void fillRect(const TRect &rect);
    /// A black outline on the rectangle's first and last pixel columns and
    /// rows, the inside filled with the brush.
    void rectangle(const TRect &rect);
    /// A horizontal or vertical black line from (x0, y0) towards (x1, y1), the
    /// end point left out.
    void line(int x0, int y0, int x1, int y1);

    /// The height of a line of text in the current font (ascent plus descent).
    int textHeight() const;
    /// Draws one line of text aligned in the rectangle and clipped to it.
    void drawText(const TRect &rect, const QString &text, Align align);

private:
    QPainter &m_painter;
    int m_fontPixelsPerInch;
    Lines m_lines;
    QColor m_brush = Qt::white;
    QColor m_textColor = Qt::black;
    std::optional<QFontMetrics> m_metrics;
};

} // namespace qm
