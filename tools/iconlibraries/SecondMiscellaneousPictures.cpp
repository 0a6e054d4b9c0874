// Weather, nature and everyday things.

#include "Drawing.h"

namespace icons {

namespace {

const QColor white(255, 255, 255);
const QColor gold(250, 200, 30);
const QColor red(220, 40, 50);
const QColor green(50, 150, 60);
const QColor rainBlue(50, 120, 220);
const QColor greyCloud(170, 180, 195);

void sunny(QPainter &p)
{
    sun(p, {16, 16}, 7.5);
}

void cloudy(QPainter &p)
{
    cloud(p, QRectF(2, 7, 28, 18), white);
}

void partlyCloudy(QPainter &p)
{
    sun(p, {11, 11}, 6);
    cloud(p, QRectF(8, 13, 22, 14), white);
}

void rain(QPainter &p)
{
    cloud(p, QRectF(3, 3, 26, 15), greyCloud);
    raindrops(p, {{9, 21}, {15, 20}, {21, 21}, {12, 26}, {18, 26}}, rainBlue);
}

void snow(QPainter &p)
{
    cloud(p, QRectF(3, 3, 26, 15), greyCloud);
    for (const QPointF flake : {QPointF(9, 22), QPointF(16, 25), QPointF(23, 22), QPointF(12, 29), QPointF(20, 29)}) {
        line(p, flake + QPointF(-2, 0), flake + QPointF(2, 0), rainBlue, 1);
        line(p, flake + QPointF(-1, -1.7), flake + QPointF(1, 1.7), rainBlue, 1);
        line(p, flake + QPointF(1, -1.7), flake + QPointF(-1, 1.7), rainBlue, 1);
    }
}

void thunderstorm(QPainter &p)
{
    cloud(p, QRectF(3, 2, 26, 15), QColor(120, 125, 140));
    polygon(p, {{16, 14}, {11, 23}, {15, 23}, {12, 31}, {21, 20}, {17, 20}, {20, 14}}, gold, QColor(170, 120, 0));
}

void night(QPainter &p)
{
    QPainterPath moon;
    moon.addEllipse(QRectF(4, 4, 22, 22));
    QPainterPath shadow;
    shadow.addEllipse(QRectF(11, 1, 20, 20));
    shape(p, moon.subtracted(shadow), QColor(250, 230, 120), QColor(170, 140, 30));
    star(p, {24, 22}, 3.5, gold);
    star(p, {27, 10}, 2.2, gold);
}

void windy(QPainter &p)
{
    for (int i = 0; i < 3; ++i) {
        QPainterPath gust;
        const qreal y = 9 + i * 7;
        gust.moveTo(3, y);
        gust.lineTo(22 - i * 4, y);
        gust.cubicTo(28 - i * 4, y, 28 - i * 4, y - 6, 23 - i * 4, y - 5);
        stroke(p, gust, QColor(110, 150, 190), 2);
    }
}

void umbrella(QPainter &p)
{
    QPainterPath canopy;
    canopy.moveTo(2, 15);
    canopy.cubicTo(3, 2, 29, 2, 30, 15);
    for (qreal x = 30; x > 2; x -= 7)
        canopy.quadTo(x - 3.5, 12, x - 7, 15);
    shape(p, canopy, red);
    QPainterPath handle;
    handle.moveTo(16, 14);
    handle.lineTo(16, 26);
    handle.cubicTo(16, 30, 11, 30, 11, 26);
    stroke(p, handle, outline, 1.8);
}

void rainbow(QPainter &p)
{
    const QColor bands[] = {red, QColor(245, 140, 30), gold, green, rainBlue, QColor(120, 60, 180)};
    for (int i = 0; i < 6; ++i) {
        const qreal radius = 14 - i * 1.8;
        p.setPen(QPen(bands[i], 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(16 - radius, 24 - radius, 2 * radius, 2 * radius), 0, 180 * 16);
    }
}

void hot(QPainter &p)
{
    rectangle(p, QRectF(13, 3, 6, 20), white, 3, QColor(110, 110, 120));
    circle(p, {16, 25}, 5, red, QColor(110, 110, 120));
    rectangle(p, QRectF(14.5, 8, 3, 16), red, 1.5, QColor());
    for (int y = 7; y <= 19; y += 4)
        line(p, {20, qreal(y)}, {23, qreal(y)}, QColor(110, 110, 120), 1);
}

void flower(QPainter &p)
{
    line(p, {16, 16}, {16, 30}, green, 2);
    leaf(p, {16, 25}, {24, 20}, green);
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(16, 11);
        p.rotate(i * 60);
        ellipse(p, QRectF(-3, -9, 6, 8), QColor(250, 250, 250));
        p.restore();
    }
    circle(p, {16, 11}, 3.2, gold);
}

void tree(QPainter &p)
{
    rectangle(p, QRectF(14, 18, 4, 12), QColor(120, 75, 35), 0.5);
    for (const QRectF crown : {QRectF(5, 7, 14, 14), QRectF(13, 7, 14, 14), QRectF(9, 2, 14, 13)})
        ellipse(p, crown, QColor(60, 160, 70), QColor(30, 100, 40));
}

void apple(QPainter &p)
{
    QPainterPath fruit;
    fruit.moveTo(16, 10);
    fruit.cubicTo(22, 5, 30, 10, 28, 19);
    fruit.cubicTo(26, 28, 20, 31, 16, 28);
    fruit.cubicTo(12, 31, 6, 28, 4, 19);
    fruit.cubicTo(2, 10, 10, 5, 16, 10);
    shape(p, fruit, red);
    line(p, {16, 10}, {17, 4}, QColor(110, 70, 30), 1.6);
    leaf(p, {17, 6}, {24, 3}, green);
}

void coffee(QPainter &p)
{
    for (const qreal x : {11.0, 17.0}) {
        QPainterPath steam;
        steam.moveTo(x, 9);
        steam.cubicTo(x - 3, 6, x + 3, 4, x, 1);
        stroke(p, steam, QColor(160, 160, 170), 1.2);
    }
    circle(p, {24, 18}, 4, QColor(), QColor(240, 240, 240));
    p.setPen(QPen(QColor(110, 70, 40), 2));
    p.drawEllipse(QPointF(24, 18), 4, 4);
    rectangle(p, QRectF(5, 11, 18, 16), white, 3, QColor(110, 70, 40));
    ellipse(p, QRectF(2, 26, 24, 4), white, QColor(110, 70, 40));
}

void home(QPainter &p)
{
    polygon(p, {{2, 16}, {16, 3}, {30, 16}}, QColor(160, 60, 40));
    rectangle(p, QRectF(6, 16, 20, 13), QColor(240, 230, 210));
    rectangle(p, QRectF(13, 20, 6, 9), QColor(60, 110, 170));
    rectangle(p, QRectF(22, 5, 3, 7), QColor(120, 60, 40), 0);
}

void crown(QPainter &p)
{
    polygon(p, {{3, 24}, {3, 9}, {10, 16}, {16, 6}, {22, 16}, {29, 9}, {29, 24}}, gold, QColor(170, 120, 0));
    rectangle(p, QRectF(3, 24, 26, 4), gold.darker(115), 0, QColor(170, 120, 0));
    for (const QPointF jewel : {QPointF(9, 20), QPointF(16, 19), QPointF(23, 20)})
        circle(p, jewel, 1.8, red, QColor());
}

void diamond(QPainter &p)
{
    polygon(p, {{3, 11}, {9, 4}, {23, 4}, {29, 11}, {16, 29}}, QColor(150, 210, 250), QColor(40, 100, 170));
    stroke(p, polyline({{3, 11}, {29, 11}}), QColor(40, 100, 170), 1);
    stroke(p, polyline({{9, 4}, {12, 11}, {16, 29}, {20, 11}, {23, 4}}), QColor(40, 100, 170), 1);
}

void twoHearts(QPainter &p)
{
    heart(p, QRectF(2, 4, 18, 17), red);
    heart(p, QRectF(13, 12, 17, 16), QColor(250, 120, 160));
}

void stars(QPainter &p)
{
    star(p, {10, 11}, 8, gold);
    star(p, {23, 9}, 5, gold);
    star(p, {20, 23}, 7, gold);
}

void anchor(QPainter &p)
{
    circle(p, {16, 5}, 2.5, QColor(), QColor(40, 60, 100));
    line(p, {16, 8}, {16, 28}, QColor(40, 60, 100), 2.5);
    line(p, {10, 12}, {22, 12}, QColor(40, 60, 100), 2.5);
    QPainterPath arms;
    arms.moveTo(5, 19);
    arms.quadTo(6, 28, 16, 28);
    arms.quadTo(26, 28, 27, 19);
    stroke(p, arms, QColor(40, 60, 100), 2.5);
}

void serviceBell(QPainter &p)
{
    QPainterPath body;
    body.moveTo(5, 22);
    body.cubicTo(5, 8, 27, 8, 27, 22);
    body.closeSubpath();
    shape(p, body, QColor(190, 195, 205), QColor(90, 95, 110));
    rectangle(p, QRectF(4, 22, 24, 3), QColor(150, 155, 165), 1, QColor(90, 95, 110));
    line(p, {16, 25}, {16, 30}, QColor(90, 95, 110), 2);
    circle(p, {16, 11}, 2, QColor(90, 95, 110), QColor());
}

void music(QPainter &p)
{
    musicNote(p, {12, 26}, QColor(130, 40, 150));
}

void mobilePhone(QPainter &p)
{
    rectangle(p, QRectF(9, 2, 14, 28), QColor(50, 50, 60), 3);
    rectangle(p, QRectF(11, 5, 10, 18), QColor(120, 190, 240), 0, QColor());
    circle(p, {16, 26.5}, 1.6, QColor(150, 150, 160), QColor());
}

void car(QPainter &p)
{
    rectangle(p, QRectF(2, 14, 28, 9), QColor(40, 120, 200), 3);
    polygon(p, {{8, 14}, {11, 7}, {22, 7}, {25, 14}}, QColor(40, 120, 200));
    polygon(p, {{11, 13}, {13, 9}, {20, 9}, {22, 13}}, QColor(200, 230, 250), QColor());
    circle(p, {9, 23}, 3.5, QColor(40, 40, 40));
    circle(p, {23, 23}, 3.5, QColor(40, 40, 40));
}

} // namespace

std::vector<Picture> secondMiscellaneousPictures()
{
    return {
        {"sunny", sunny},
        {"cloudy", cloudy},
        {"sun and clouds", partlyCloudy},
        {"rain", rain},
        {"snow", snow},
        {"thunderstorm", thunderstorm},
        {"night", night},
        {"wind", windy},
        {"umbrella", umbrella},
        {"rainbow", rainbow},
        {"hot", hot},
        {"flower", flower},
        {"tree", tree},
        {"apple", apple},
        {"coffee", coffee},
        {"home", home},
        {"crown", crown},
        {"diamond", diamond},
        {"hearts", twoHearts},
        {"stars", stars},
        {"anchor", anchor},
        {"service bell", serviceBell},
        {"music", music},
        {"mobile phone", mobilePhone},
        {"car", car},
    };
}

} // namespace icons
