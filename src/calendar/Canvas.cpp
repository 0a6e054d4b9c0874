#include "calendar/Canvas.h"

namespace qm {

Canvas::Canvas(QPainter &painter, int fontPixelsPerInch, Lines lines)
    : m_painter(painter)
    , m_fontPixelsPerInch(fontPixelsPerInch)
    , m_lines(lines)
    , m_metrics(QFontMetrics(painter.font()))
{}

void Canvas::setFont(const FontDescription &font)
{
    QFont qfont = font.toQFont(m_fontPixelsPerInch);
    // Unhinted outlines scale linearly, so that screen, bitmap and paper agree
    // and a page renders the same on every run.
    qfont.setHintingPreference(QFont::PreferNoHinting);
    m_painter.setFont(qfont);
    m_metrics.emplace(qfont, m_painter.device());
    m_textColor = toQColor(font.color);
}

void Canvas::fillRect(const TRect &rect)
{
    if (rect.width() > 0 && rect.height() > 0)
        m_painter.fillRect(rect.toQRect(), m_brush);
}

void Canvas::rectangle(const TRect &rect)
{
    fillRect(rect);
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const int right = rect.right - 1;
    const int bottom = rect.bottom - 1;
    line(rect.left, rect.top, right, rect.top);
    line(right, rect.top, right, bottom);
    line(right, bottom, rect.left, bottom);
    line(rect.left, bottom, rect.left, rect.top);
}

void Canvas::line(int x0, int y0, int x1, int y1)
{
    Q_ASSERT(x0 == x1 || y0 == y1);
    QRect pixels;
    if (y0 == y1) {
        if (x0 == x1)
            return;
        pixels = x0 < x1 ? QRect(x0, y0, x1 - x0, 1) : QRect(x1 + 1, y0, x0 - x1, 1);
    } else {
        pixels = y0 < y1 ? QRect(x0, y0, 1, y1 - y0) : QRect(x0, y1 + 1, 1, y0 - y1);
    }
    if (m_lines == Lines::DevicePixels) {
        m_painter.fillRect(pixels, Qt::black);
        return;
    }
    // Through the middle of the pixels the line covers; the painter keeps
    // its pen for the text drawn after.
    const QPen pen = m_painter.pen();
    m_painter.setPen(QPen(Qt::black, 0, Qt::SolidLine, Qt::FlatCap));
    const QRectF covered(pixels);
    if (pixels.height() == 1)
        m_painter.drawLine(QPointF(covered.left(), covered.center().y()),
                           QPointF(covered.right(), covered.center().y()));
    else
        m_painter.drawLine(QPointF(covered.center().x(), covered.top()),
                           QPointF(covered.center().x(), covered.bottom()));
    m_painter.setPen(pen);
}

int Canvas::textHeight() const
{
    return m_metrics->ascent() + m_metrics->descent();
}

void Canvas::drawText(const TRect &rect, const QString &text, Align align)
{
    if (text.isEmpty())
        return;
    const int textWidth = m_metrics->horizontalAdvance(text);
    const int height = textHeight();
    int x = rect.left + (rect.width() - textWidth) / 2;
    int top = rect.top;
    switch (align) {
    case Align::Center:
        top = rect.top + (rect.height() - height) / 2;
        break;
    case Align::TopRight:
        x = rect.right - textWidth;
        break;
    case Align::BottomCenter:
        top = rect.bottom - height;
        break;
    case Align::TopCenter:
        break;
    }
    const bool fits = x >= rect.left && x + textWidth <= rect.right && top >= rect.top && top + height <= rect.bottom;
    if (!fits) {
        if (rect.width() <= 0 || rect.height() <= 0)
            return;
        m_painter.save();
        m_painter.setClipRect(rect.toQRect(), Qt::IntersectClip);
    }
    m_painter.setPen(m_textColor);
    m_painter.drawText(QPoint(x, top + m_metrics->ascent()), text);
    if (!fits)
        m_painter.restore();
}

} // namespace qm
