#pragma once

// The small drawing vocabulary of the shipped icons. Every picture is drawn
// on a 32 x 32 square; smaller sizes scale the painter.

#include <QColor>
#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <initializer_list>
#include <vector>

namespace icons {

/// One icon: what it shows (for the reader of this code) and how to draw it.
struct Picture {
    const char *subject;
    std::function<void(QPainter &)> draw;
};

/// The outline every shape gets unless it asks for another.
inline const QColor outline(40, 40, 40);

void ellipse(QPainter &painter, const QRectF &bounds, const QColor &fill, const QColor &line = outline);
void circle(QPainter &painter, QPointF centre, qreal radius, const QColor &fill, const QColor &line = outline);
void rectangle(QPainter &painter, const QRectF &bounds, const QColor &fill, qreal radius = 0,
               const QColor &line = outline);
void polygon(QPainter &painter, std::initializer_list<QPointF> points, const QColor &fill,
             const QColor &line = outline);
void shape(QPainter &painter, const QPainterPath &path, const QColor &fill, const QColor &line = outline);
/// A stroke without fill, with round ends.
void stroke(QPainter &painter, const QPainterPath &path, const QColor &colour, qreal width);
void line(QPainter &painter, QPointF from, QPointF to, const QColor &colour, qreal width);

QPainterPath starPath(QPointF centre, qreal outer, qreal inner, int points = 5);
QPainterPath heartPath(const QRectF &bounds);
/// An arrow pointing right across the square, turned by `degrees` clockwise.
QPainterPath arrowPath(qreal degrees);
QPainterPath cloudPath(const QRectF &bounds);
/// The path through the points, as one open polyline.
QPainterPath polyline(std::initializer_list<QPointF> points);

void star(QPainter &painter, QPointF centre, qreal outer, const QColor &fill);
void heart(QPainter &painter, const QRectF &bounds, const QColor &fill);
void cloud(QPainter &painter, const QRectF &bounds, const QColor &fill);
void sun(QPainter &painter, QPointF centre, qreal radius);
void raindrops(QPainter &painter, const std::vector<QPointF> &tops, const QColor &colour);
void flame(QPainter &painter, QPointF base, qreal height);
void leaf(QPainter &painter, QPointF stem, QPointF tip, const QColor &fill);
void musicNote(QPainter &painter, QPointF head, const QColor &colour);
void stickFigure(QPainter &painter, QPointF head, std::initializer_list<QPointF> limbs, const QColor &colour);

std::vector<Picture> activityPictures();
std::vector<Picture> eventPictures();
std::vector<Picture> holidayPictures();
std::vector<Picture> firstMiscellaneousPictures();
std::vector<Picture> secondMiscellaneousPictures();

} // namespace icons
