#include "SpeedButtonGlyphs.h"

#include <QPainter>
#include <QPixmap>

namespace qm {
namespace {

constexpr int glyphSize = 16;
const QColor ink(40, 40, 40);

void drawMagnifier(QPainter &painter, bool plus)
{
    painter.setPen(QPen(ink, 1.6));
    painter.setBrush(QColor(225, 238, 255));
    painter.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    painter.setPen(QPen(ink, 2.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
    painter.setPen(QPen(ink, 1.4));
    painter.drawLine(QPointF(3.8, 6), QPointF(8.2, 6));
    if (plus)
        painter.drawLine(QPointF(6, 3.8), QPointF(6, 8.2));
}

void drawCalendarSheet(QPainter &painter)
{
    painter.setPen(QPen(ink, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(1.5, 2.5, 13, 12));
    painter.fillRect(QRectF(2, 3, 12, 3), QColor(178, 34, 52));
    painter.setPen(QPen(QColor(120, 120, 120), 1));
    for (int x = 5; x < 14; x += 3)
        painter.drawLine(QPointF(x + 0.5, 6), QPointF(x + 0.5, 14));
    for (int y = 9; y < 14; y += 3)
        painter.drawLine(QPointF(2, y + 0.5), QPointF(14, y + 0.5));
}

void drawPrinter(QPainter &painter)
{
    painter.setPen(QPen(ink, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.5, 1.5, 7, 5));
    painter.setBrush(QColor(170, 170, 170));
    painter.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.5, 10.5, 7, 4));
    painter.fillRect(QRectF(11.5, 8, 1.5, 1.5), QColor(40, 160, 60));
}

} // namespace

QIcon speedButtonGlyph(SpeedButtonGlyph glyph)
{
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        QPixmap pixmap(QSize(glyphSize, glyphSize) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        switch (glyph) {
        case SpeedButtonGlyph::ZoomIn:
            drawMagnifier(painter, true);
            break;
        case SpeedButtonGlyph::ZoomOut:
            drawMagnifier(painter, false);
            break;
        case SpeedButtonGlyph::Properties:
            drawCalendarSheet(painter);
            break;
        case SpeedButtonGlyph::Print:
            drawPrinter(painter);
            break;
        }
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace qm
