#include "Drawing.h"

#include <QtMath>

namespace icons {

namespace {

void setPens(QPainter &painter, const QColor &fill, const QColor &line)
{
    painter.setPen(line.isValid() ? QPen(line, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : QPen(Qt::NoPen));
    painter.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
}

QPointF onCircle(QPointF centre, qreal radius, qreal degrees)
{
    const qreal radians = qDegreesToRadians(degrees);
    return centre + QPointF(radius * qCos(radians), radius * qSin(radians));
}

} // namespace

void ellipse(QPainter &painter, const QRectF &bounds, const QColor &fill, const QColor &line)
{
    setPens(painter, fill, line);
    painter.drawEllipse(bounds);
}

void circle(QPainter &painter, QPointF centre, qreal radius, const QColor &fill, const QColor &line)
{
    ellipse(painter, QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), fill, line);
}

void rectangle(QPainter &painter, const QRectF &bounds, const QColor &fill, qreal radius, const QColor &line)
{
    setPens(painter, fill, line);
    painter.drawRoundedRect(bounds, radius, radius);
}

void polygon(QPainter &painter, std::initializer_list<QPointF> points, const QColor &fill, const QColor &line)
{
    setPens(painter, fill, line);
    painter.drawPolygon(points.begin(), int(points.size()));
}

void shape(QPainter &painter, const QPainterPath &path, const QColor &fill, const QColor &line)
{
    setPens(painter, fill, line);
    painter.drawPath(path);
}

void stroke(QPainter &painter, const QPainterPath &path, const QColor &colour, qreal width)
{
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void line(QPainter &painter, QPointF from, QPointF to, const QColor &colour, qreal width)
{
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
}

QPainterPath starPath(QPointF centre, qreal outer, qreal inner, int points)
{
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const QPointF corner = onCircle(centre, i % 2 ? inner : outer, -90 + i * 180.0 / points);
        if (i == 0)
            path.moveTo(corner);
        else
            path.lineTo(corner);
    }
    path.closeSubpath();
    return path;
}

QPainterPath heartPath(const QRectF &bounds)
{
    const qreal x = bounds.x();
    const qreal y = bounds.y();
    const qreal w = bounds.width();
    const qreal h = bounds.height();
    QPainterPath path;
    path.moveTo(x + w / 2, y + h);
    path.cubicTo(x - w * 0.1, y + h * 0.55, x, y - h * 0.05, x + w * 0.28, y + h * 0.02);
    path.cubicTo(x + w * 0.42, y + h * 0.05, x + w / 2, y + h * 0.2, x + w / 2, y + h * 0.25);
    path.cubicTo(x + w / 2, y + h * 0.2, x + w * 0.58, y + h * 0.05, x + w * 0.72, y + h * 0.02);
    path.cubicTo(x + w, y - h * 0.05, x + w * 1.1, y + h * 0.55, x + w / 2, y + h);
    return path;
}

QPainterPath arrowPath(qreal degrees)
{
    QPainterPath path;
    path.moveTo(4, 12);
    path.lineTo(17, 12);
    path.lineTo(17, 5);
    path.lineTo(28, 16);
    path.lineTo(17, 27);
    path.lineTo(17, 20);
    path.lineTo(4, 20);
    path.closeSubpath();
    QTransform turn;
    turn.translate(16, 16);
    turn.rotate(degrees);
    turn.translate(-16, -16);
    return turn.map(path);
}

QPainterPath cloudPath(const QRectF &bounds)
{
    const qreal x = bounds.x();
    const qreal y = bounds.y();
    const qreal w = bounds.width();
    const qreal h = bounds.height();
    QPainterPath path;
    // Overlapping puffs make one outline.
    path.setFillRule(Qt::WindingFill);
    path.addEllipse(QRectF(x, y + h * 0.4, w * 0.4, h * 0.6));
    path.addEllipse(QRectF(x + w * 0.2, y, w * 0.5, h * 0.8));
    path.addEllipse(QRectF(x + w * 0.5, y + h * 0.25, w * 0.5, h * 0.75));
    path.addRect(QRectF(x + w * 0.2, y + h * 0.6, w * 0.6, h * 0.4));
    return path.simplified();
}

QPainterPath polyline(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    for (const QPointF &point : points) {
        if (path.elementCount() == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

void star(QPainter &painter, QPointF centre, qreal outer, const QColor &fill)
{
    shape(painter, starPath(centre, outer, outer * 0.45), fill);
}

void heart(QPainter &painter, const QRectF &bounds, const QColor &fill)
{
    shape(painter, heartPath(bounds), fill);
}

void cloud(QPainter &painter, const QRectF &bounds, const QColor &fill)
{
    shape(painter, cloudPath(bounds), fill, QColor(90, 100, 120));
}

void sun(QPainter &painter, QPointF centre, qreal radius)
{
    for (int ray = 0; ray < 8; ++ray)
        line(painter, onCircle(centre, radius * 1.35, ray * 45), onCircle(centre, radius * 1.8, ray * 45),
             QColor(240, 150, 0), 2);
    circle(painter, centre, radius, QColor(255, 205, 30), QColor(230, 140, 0));
}

void raindrops(QPainter &painter, const std::vector<QPointF> &tops, const QColor &colour)
{
    for (const QPointF &top : tops)
        line(painter, top, top + QPointF(-2, 5), colour, 2);
}

void flame(QPainter &painter, QPointF base, qreal height)
{
    QPainterPath path;
    path.moveTo(base);
    path.cubicTo(base + QPointF(-height * 0.45, -height * 0.3), base + QPointF(-height * 0.1, -height * 0.7),
                 base + QPointF(0, -height));
    path.cubicTo(base + QPointF(height * 0.1, -height * 0.7), base + QPointF(height * 0.45, -height * 0.3), base);
    shape(painter, path, QColor(255, 190, 20), QColor(230, 90, 0));
}

void leaf(QPainter &painter, QPointF stem, QPointF tip, const QColor &fill)
{
    const QPointF along = tip - stem;
    const QPointF across(-along.y() * 0.35, along.x() * 0.35);
    QPainterPath path;
    path.moveTo(stem);
    path.quadTo(stem + along / 2 + across, tip);
    path.quadTo(stem + along / 2 - across, stem);
    shape(painter, path, fill, fill.darker(160));
    line(painter, stem, stem + along * 0.8, fill.darker(160), 0.8);
}

void musicNote(QPainter &painter, QPointF head, const QColor &colour)
{
    painter.save();
    painter.translate(head);
    painter.rotate(-20);
    ellipse(painter, QRectF(-4, -2.8, 8, 5.6), colour, colour);
    painter.restore();
    line(painter, head + QPointF(3.5, -1), head + QPointF(3.5, -17), colour, 1.6);
    QPainterPath flag;
    flag.moveTo(head + QPointF(3.5, -17));
    flag.cubicTo(head + QPointF(6, -13), head + QPointF(10, -12), head + QPointF(8, -6));
    stroke(painter, flag, colour, 1.6);
}

void stickFigure(QPainter &painter, QPointF head, std::initializer_list<QPointF> limbs, const QColor &colour)
{
    circle(painter, head, 3, colour, colour);
    // Limbs come in pairs of points: from, to.
    for (auto point = limbs.begin(); point + 1 < limbs.end(); point += 2)
        line(painter, *point, *(point + 1), colour, 2.2);
}

} // namespace icons
