// Marks, arrows, stars, hearts and other signs for notes.

#include "Drawing.h"

namespace icons {

namespace {

const QColor white(255, 255, 255);
const QColor gold(250, 200, 30);
const QColor red(220, 40, 50);
const QColor green(40, 160, 60);
const QColor blue(40, 110, 220);

void checkMark(QPainter &p)
{
    stroke(p, polyline({{5, 17}, {13, 25}, {27, 7}}), green, 5);
}

void crossMark(QPainter &p)
{
    line(p, {7, 7}, {25, 25}, red, 5);
    line(p, {25, 7}, {7, 25}, red, 5);
}

void questionMark(QPainter &p)
{
    QPainterPath hook;
    hook.moveTo(9, 11);
    hook.cubicTo(9, 2, 24, 2, 23, 10);
    hook.cubicTo(23, 15, 16, 15, 16, 21);
    stroke(p, hook, blue, 4);
    circle(p, {16, 27}, 2.5, blue, QColor());
}

void exclamationMark(QPainter &p)
{
    polygon(p, {{13, 3}, {19, 3}, {17.5, 21}, {14.5, 21}}, red);
    circle(p, {16, 27}, 2.7, red);
}

void arrowRight(QPainter &p)
{
    shape(p, arrowPath(0), blue);
}

void arrowLeft(QPainter &p)
{
    shape(p, arrowPath(180), blue);
}

void arrowUp(QPainter &p)
{
    shape(p, arrowPath(-90), green);
}

void arrowDown(QPainter &p)
{
    shape(p, arrowPath(90), red);
}

void goldStar(QPainter &p)
{
    star(p, {16, 17}, 14, gold);
}

void redHeart(QPainter &p)
{
    heart(p, QRectF(3, 5, 26, 23), red);
}

void bullet(QPainter &p)
{
    circle(p, {16, 16}, 9, blue);
    circle(p, {13, 13}, 2.5, blue.lighter(160), QColor());
}

void warning(QPainter &p)
{
    polygon(p, {{16, 3}, {30, 28}, {2, 28}}, gold, QColor(60, 50, 0));
    polygon(p, {{14.5, 10}, {17.5, 10}, {16.8, 21}, {15.2, 21}}, outline);
    circle(p, {16, 24.5}, 1.7, outline, QColor());
}

void flag(QPainter &p)
{
    line(p, {6, 3}, {6, 30}, outline, 2);
    QPainterPath cloth;
    cloth.moveTo(7, 4);
    cloth.cubicTo(14, 1, 18, 8, 27, 4);
    cloth.lineTo(27, 17);
    cloth.cubicTo(18, 21, 14, 14, 7, 17);
    cloth.closeSubpath();
    shape(p, cloth, red);
}

void pushpin(QPainter &p)
{
    line(p, {16, 20}, {16, 30}, QColor(120, 120, 130), 1.5);
    ellipse(p, QRectF(8, 15, 16, 6), red);
    polygon(p, {{12, 6}, {20, 6}, {19, 16}, {13, 16}}, red);
    ellipse(p, QRectF(9, 2, 14, 6), red.lighter(120));
}

void lightBulb(QPainter &p)
{
    QPainterPath glass;
    glass.moveTo(12, 22);
    glass.cubicTo(12, 17, 6, 15, 6, 10);
    glass.cubicTo(6, 1, 26, 1, 26, 10);
    glass.cubicTo(26, 15, 20, 17, 20, 22);
    glass.closeSubpath();
    shape(p, glass, QColor(255, 240, 130), QColor(170, 140, 20));
    rectangle(p, QRectF(12, 22, 8, 6), QColor(160, 160, 170), 1);
    line(p, {13, 24.5}, {19, 24.5}, QColor(100, 100, 110), 0.8);
    rectangle(p, QRectF(14, 28, 4, 2), QColor(80, 80, 90), 1);
}

void stickyNote(QPainter &p)
{
    polygon(p, {{4, 4}, {28, 4}, {28, 21}, {21, 28}, {4, 28}}, QColor(255, 235, 110), QColor(170, 150, 40));
    polygon(p, {{28, 21}, {21, 21}, {21, 28}}, QColor(230, 200, 70), QColor(170, 150, 40));
    for (int y = 10; y <= 22; y += 4)
        line(p, {8, qreal(y)}, {y > 18 ? 18.0 : 24.0, qreal(y)}, QColor(150, 130, 60), 1);
}

void smile(QPainter &p)
{
    circle(p, {16, 16}, 13, gold, QColor(180, 130, 0));
    ellipse(p, QRectF(10, 9, 3, 5), outline);
    ellipse(p, QRectF(19, 9, 3, 5), outline);
    QPainterPath mouth;
    mouth.moveTo(9, 19);
    mouth.quadTo(16, 27, 23, 19);
    stroke(p, mouth, outline, 1.8);
}

void frown(QPainter &p)
{
    circle(p, {16, 16}, 13, QColor(130, 180, 240), QColor(50, 90, 160));
    ellipse(p, QRectF(10, 9, 3, 5), outline);
    ellipse(p, QRectF(19, 9, 3, 5), outline);
    QPainterPath mouth;
    mouth.moveTo(10, 24);
    mouth.quadTo(16, 17, 22, 24);
    stroke(p, mouth, outline, 1.8);
}

void target(QPainter &p)
{
    circle(p, {16, 16}, 13, white, red);
    circle(p, {16, 16}, 9, red, QColor());
    circle(p, {16, 16}, 5, white, QColor());
    circle(p, {16, 16}, 2, red, QColor());
}

void plus(QPainter &p)
{
    circle(p, {16, 16}, 13, green);
    line(p, {16, 9}, {16, 23}, white, 3.5);
    line(p, {9, 16}, {23, 16}, white, 3.5);
}

void minus(QPainter &p)
{
    circle(p, {16, 16}, 13, red);
    line(p, {9, 16}, {23, 16}, white, 3.5);
}

void bookmark(QPainter &p)
{
    polygon(p, {{9, 2}, {23, 2}, {23, 30}, {16, 23}, {9, 30}}, QColor(130, 60, 190));
}

void lock(QPainter &p)
{
    QPainterPath shackle;
    shackle.moveTo(10, 15);
    shackle.lineTo(10, 10);
    shackle.cubicTo(10, 2, 22, 2, 22, 10);
    shackle.lineTo(22, 15);
    stroke(p, shackle, QColor(130, 130, 140), 3);
    rectangle(p, QRectF(6, 14, 20, 15), gold, 2, QColor(170, 120, 20));
    circle(p, {16, 20}, 2, outline, QColor());
    line(p, {16, 21}, {16, 25}, outline, 1.5);
}

void circledNumberOne(QPainter &p)
{
    circle(p, {16, 16}, 13, blue);
    stroke(p, polyline({{12, 11}, {17, 7}, {17, 25}}), white, 3);
    line(p, {12, 25}, {22, 25}, white, 3);
}

void trafficLight(QPainter &p)
{
    rectangle(p, QRectF(10, 2, 12, 28), QColor(50, 50, 60), 3);
    circle(p, {16, 8}, 3, red, QColor());
    circle(p, {16, 16}, 3, gold, QColor());
    circle(p, {16, 24}, 3, green, QColor());
}

void prohibited(QPainter &p)
{
    circle(p, {16, 16}, 12, white, QColor());
    p.setPen(QPen(red, 4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(16, 16), 12, 12);
    line(p, {8, 8}, {24, 24}, red, 4);
}

} // namespace

std::vector<Picture> firstMiscellaneousPictures()
{
    return {
        {"check mark", checkMark},
        {"cross mark", crossMark},
        {"question mark", questionMark},
        {"exclamation", exclamationMark},
        {"arrow right", arrowRight},
        {"arrow left", arrowLeft},
        {"arrow up", arrowUp},
        {"arrow down", arrowDown},
        {"star", goldStar},
        {"heart", redHeart},
        {"bullet", bullet},
        {"warning", warning},
        {"flag", flag},
        {"pin", pushpin},
        {"idea", lightBulb},
        {"note", stickyNote},
        {"happy", smile},
        {"sad", frown},
        {"target", target},
        {"plus", plus},
        {"minus", minus},
        {"bookmark", bookmark},
        {"locked", lock},
        {"first", circledNumberOne},
        {"traffic light", trafficLight},
        {"prohibited", prohibited},
    };
}

} // namespace icons
