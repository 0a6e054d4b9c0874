// The feasts and seasons of the year.

#include "Drawing.h"

#include <QtMath>

namespace icons {

namespace {

const QColor white(255, 255, 255);
const QColor gold(240, 190, 40);
const QColor green(40, 140, 60);
const QColor red(210, 30, 40);

void christmasTree(QPainter &p)
{
    rectangle(p, QRectF(14, 25, 4, 5), QColor(120, 70, 30));
    polygon(p, {{16, 3}, {25, 15}, {20, 15}, {28, 26}, {4, 26}, {12, 15}, {7, 15}}, green, QColor(20, 90, 40));
    for (const QPointF bauble : {QPointF(13, 13), QPointF(19, 18), QPointF(11, 22), QPointF(23, 23)})
        circle(p, bauble, 1.5, red, QColor());
    star(p, {16, 4}, 4, gold);
}

void pumpkin(QPainter &p)
{
    rectangle(p, QRectF(14.5, 3, 3, 6), QColor(90, 110, 40), 1);
    for (const QRectF lobe : {QRectF(3, 8, 14, 21), QRectF(15, 8, 14, 21), QRectF(9, 7, 14, 22)})
        ellipse(p, lobe, QColor(240, 130, 20), QColor(170, 80, 10));
    polygon(p, {{10, 15}, {13, 15}, {11.5, 12}}, outline);
    polygon(p, {{19, 15}, {22, 15}, {20.5, 12}}, outline);
    polygon(p, {{9, 20}, {23, 20}, {20, 25}, {12, 25}}, outline);
}

void easterEgg(QPainter &p)
{
    QPainterPath egg;
    egg.moveTo(16, 3);
    egg.cubicTo(25, 3, 28, 20, 26, 24);
    egg.cubicTo(24, 30, 8, 30, 6, 24);
    egg.cubicTo(4, 20, 7, 3, 16, 3);
    shape(p, egg, QColor(150, 200, 250));
    p.save();
    p.setClipPath(egg);
    rectangle(p, QRectF(0, 12, 32, 4), QColor(250, 200, 60), 0, QColor());
    stroke(p, polyline({{4, 21}, {8, 18}, {12, 21}, {16, 18}, {20, 21}, {24, 18}, {28, 21}}), QColor(230, 80, 140), 2);
    p.restore();
}

void fireworks(QPainter &p)
{
    const struct {
        QPointF centre;
        qreal radius;
        QColor colour;
    } bursts[] = {{{11, 11}, 8, QColor(230, 50, 80)}, {{23, 19}, 7, QColor(60, 130, 240)}, {{10, 25}, 4, gold}};
    for (const auto &burst : bursts) {
        for (int ray = 0; ray < 12; ++ray) {
            const qreal angle = qDegreesToRadians(ray * 30.0);
            const QPointF direction(qCos(angle), qSin(angle));
            line(p, burst.centre + direction * burst.radius * 0.35, burst.centre + direction * burst.radius,
                 burst.colour, 1.3);
        }
    }
}

void snowman(QPainter &p)
{
    circle(p, {16, 23}, 7.5, white, QColor(120, 140, 170));
    circle(p, {16, 11}, 5.5, white, QColor(120, 140, 170));
    rectangle(p, QRectF(11, 1, 10, 5), QColor(40, 40, 40));
    line(p, {9, 6}, {23, 6}, QColor(40, 40, 40), 1.8);
    polygon(p, {{16, 11}, {21, 12}, {16, 12.5}}, QColor(240, 130, 20), QColor());
    for (const qreal y : {20.0, 24.0, 28.0})
        circle(p, {16, y}, 0.9, outline, QColor());
}

void candyCane(QPainter &p)
{
    QPainterPath cane;
    cane.moveTo(12, 30);
    cane.lineTo(12, 10);
    cane.arcTo(QRectF(12, 3, 12, 12), 180, -180);
    cane.lineTo(24, 13);
    stroke(p, cane, red, 5);
    p.save();
    p.setClipPath(QPainterPathStroker(QPen(Qt::black, 5)).createStroke(cane));
    for (int y = -4; y < 34; y += 5)
        line(p, {0, qreal(y) + 8}, {32, qreal(y)}, white, 1.8);
    p.restore();
}

void bell(QPainter &p)
{
    QPainterPath shape_;
    shape_.moveTo(5, 24);
    shape_.cubicTo(9, 20, 7, 6, 16, 5);
    shape_.cubicTo(25, 6, 23, 20, 27, 24);
    shape_.closeSubpath();
    shape(p, shape_, gold, QColor(160, 110, 10));
    circle(p, {16, 26}, 2.5, QColor(160, 110, 10));
    circle(p, {16, 4}, 1.6, QColor(), QColor(160, 110, 10));
    leaf(p, {9, 6}, {4, 2}, green);
}

void wreath(QPainter &p)
{
    for (int i = 0; i < 12; ++i) {
        const qreal angle = qDegreesToRadians(i * 30.0);
        const QPointF at(16 + 10 * qCos(angle), 16 + 10 * qSin(angle));
        const QPointF tip = at + QPointF(-qSin(angle), qCos(angle)) * 6;
        leaf(p, at, tip, i % 2 ? green : green.lighter(130));
    }
    for (const QPointF berry : {QPointF(8, 9), QPointF(25, 13), QPointF(11, 25)})
        circle(p, berry, 1.8, red);
    polygon(p, {{16, 26}, {11, 31}, {16, 28}, {21, 31}}, red);
}

void menorah(QPainter &p)
{
    for (int i = -4; i <= 4; ++i) {
        const qreal x = 16 + i * 3.2;
        const qreal top = i == 0 ? 9 : 12;
        rectangle(p, QRectF(x - 0.8, top, 1.6, 6), QColor(140, 180, 240), 0, QColor());
        flame(p, {x, top}, 3.5);
        if (i != 0)
            stroke(p, polyline({{x, top + 6}, {x, 21}, {16, 21}}), gold, 1.2);
    }
    line(p, {16, 15}, {16, 28}, gold, 2);
    line(p, {10, 29}, {22, 29}, gold, 2.5);
}

void heartDay(QPainter &p)
{
    heart(p, QRectF(3, 5, 26, 23), QColor(230, 40, 70));
    line(p, {2, 26}, {28, 6}, QColor(170, 120, 40), 1.5);
    polygon(p, {{28, 6}, {23, 6.5}, {26, 10}}, QColor(170, 120, 40));
}

void shamrock(QPainter &p)
{
    stroke(p, polyline({{16, 17}, {18, 24}, {22, 30}}), green, 2);
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(16, 16);
        p.rotate(i * 120 - 90);
        QPainterPath lobe = heartPath(QRectF(-6, -13, 12, 13));
        shape(p, QTransform().rotate(180).map(lobe), QColor(60, 170, 70), QColor(20, 100, 30));
        p.restore();
    }
}

void ghost(QPainter &p)
{
    QPainterPath body;
    body.moveTo(5, 28);
    body.lineTo(5, 14);
    body.cubicTo(5, 0, 27, 0, 27, 14);
    body.lineTo(27, 28);
    for (qreal x = 27; x > 5; x -= 5.5)
        body.quadTo(x - 2.75, 24, x - 5.5, 28);
    shape(p, body, white, QColor(120, 120, 150));
    ellipse(p, QRectF(10, 10, 4, 6), outline);
    ellipse(p, QRectF(18, 10, 4, 6), outline);
}

void bat(QPainter &p)
{
    QPainterPath wings;
    wings.moveTo(16, 12);
    wings.cubicTo(10, 6, 4, 8, 1, 12);
    wings.quadTo(4, 14, 4, 18);
    wings.quadTo(7, 16, 9, 19);
    wings.quadTo(12, 17, 16, 22);
    wings.quadTo(20, 17, 23, 19);
    wings.quadTo(25, 16, 28, 18);
    wings.quadTo(28, 14, 31, 12);
    wings.cubicTo(28, 8, 22, 6, 16, 12);
    shape(p, wings, QColor(50, 40, 70));
    circle(p, {16, 13}, 3.5, QColor(50, 40, 70));
    polygon(p, {{13.5, 11}, {14, 7}, {15.5, 10}}, QColor(50, 40, 70));
    polygon(p, {{18.5, 11}, {18, 7}, {16.5, 10}}, QColor(50, 40, 70));
}

void witchHat(QPainter &p)
{
    ellipse(p, QRectF(2, 22, 28, 8), QColor(60, 40, 90));
    polygon(p, {{9, 25}, {23, 25}, {19, 10}, {24, 3}, {14, 9}}, QColor(60, 40, 90));
    rectangle(p, QRectF(9.5, 20, 13, 4), QColor(240, 130, 20), 0);
}

void snowflake(QPainter &p)
{
    for (int arm = 0; arm < 6; ++arm) {
        p.save();
        p.translate(16, 16);
        p.rotate(arm * 60);
        line(p, {0, 0}, {0, -13}, QColor(70, 140, 220), 2);
        line(p, {0, -8}, {-4, -11}, QColor(70, 140, 220), 1.5);
        line(p, {0, -8}, {4, -11}, QColor(70, 140, 220), 1.5);
        p.restore();
    }
}

void autumnLeaf(QPainter &p)
{
    line(p, {16, 22}, {13, 30}, QColor(130, 70, 20), 1.8);
    polygon(p,
            {{16, 2},
             {19, 9},
             {26, 6},
             {23, 13},
             {30, 15},
             {22, 19},
             {23, 24},
             {16, 21},
             {9, 24},
             {10, 19},
             {2, 15},
             {9, 13},
             {6, 6},
             {13, 9}},
            QColor(230, 100, 20), QColor(160, 50, 10));
}

void newYear(QPainter &p)
{
    p.save();
    p.translate(12, 18);
    p.rotate(-25);
    rectangle(p, QRectF(-4, -4, 8, 16), QColor(30, 90, 50), 2);
    rectangle(p, QRectF(-2, -12, 4, 9), QColor(30, 90, 50), 1);
    rectangle(p, QRectF(-2.3, -14, 4.6, 4), gold, 0.5);
    rectangle(p, QRectF(-4, 1, 8, 5), QColor(250, 240, 220), 0);
    p.restore();
    for (const QPointF spark : {QPointF(22, 6), QPointF(27, 11), QPointF(20, 13), QPointF(26, 3)})
        star(p, spark, 2.5, gold);
}

void independence(QPainter &p)
{
    line(p, {5, 3}, {5, 30}, QColor(120, 90, 50), 1.8);
    rectangle(p, QRectF(6, 5, 22, 14), white, 0);
    for (int stripe = 0; stripe < 7; stripe += 2)
        rectangle(p, QRectF(6, 5 + stripe * 2, 22, 2), red, 0, QColor());
    rectangle(p, QRectF(6, 5, 9, 8), QColor(40, 60, 150), 0, QColor());
    rectangle(p, QRectF(6, 5, 22, 14), QColor(), 0);
}

void lantern(QPainter &p)
{
    line(p, {16, 1}, {16, 5}, outline, 1.2);
    rectangle(p, QRectF(12, 4, 8, 3), gold, 1);
    ellipse(p, QRectF(6, 6, 20, 20), red, QColor(140, 20, 20));
    for (const qreal x : {11.0, 16.0, 21.0})
        line(p, {x, 7}, {x, 25}, QColor(140, 20, 20), 0.8);
    rectangle(p, QRectF(12, 25, 8, 3), gold, 1);
    line(p, {16, 28}, {16, 31}, gold, 1.5);
}

void crescent(QPainter &p)
{
    QPainterPath moon;
    moon.addEllipse(QRectF(3, 4, 24, 24));
    QPainterPath bite;
    bite.addEllipse(QRectF(9, 2, 22, 22));
    shape(p, moon.subtracted(bite), gold, QColor(170, 120, 20));
    star(p, {23, 18}, 4.5, gold);
}

void stocking(QPainter &p)
{
    QPainterPath sock;
    sock.moveTo(10, 8);
    sock.lineTo(22, 8);
    sock.lineTo(22, 20);
    sock.cubicTo(22, 28, 16, 30, 8, 29);
    sock.cubicTo(2, 28, 3, 21, 8, 20);
    sock.lineTo(10, 18);
    sock.closeSubpath();
    shape(p, sock, red);
    rectangle(p, QRectF(8, 3, 16, 6), white, 2);
}

void holly(QPainter &p)
{
    leaf(p, {16, 17}, {4, 9}, green);
    leaf(p, {16, 17}, {28, 9}, green);
    leaf(p, {16, 17}, {14, 30}, green.lighter(120));
    for (const QPointF berry : {QPointF(14, 15), QPointF(18, 15), QPointF(16, 19)})
        circle(p, berry, 2.6, red);
}

void thanksgiving(QPainter &p)
{
    ellipse(p, QRectF(2, 20, 28, 9), white, QColor(150, 150, 160));
    QPainterPath pie;
    pie.moveTo(4, 22);
    pie.cubicTo(6, 12, 26, 12, 28, 22);
    pie.closeSubpath();
    shape(p, pie, QColor(220, 140, 50), QColor(150, 80, 20));
    for (const qreal x : {11.0, 16.0, 21.0})
        line(p, {x, 16}, {x + 1, 20}, QColor(150, 80, 20), 1);
}

void midsummer(QPainter &p)
{
    sun(p, {16, 16}, 7);
}

} // namespace

std::vector<Picture> holidayPictures()
{
    return {
        {"Christmas tree", christmasTree},
        {"Halloween pumpkin", pumpkin},
        {"Easter egg", easterEgg},
        {"fireworks", fireworks},
        {"snowman", snowman},
        {"candy cane", candyCane},
        {"bells", bell},
        {"wreath", wreath},
        {"menorah", menorah},
        {"Valentine's Day", heartDay},
        {"shamrock", shamrock},
        {"ghost", ghost},
        {"bat", bat},
        {"witch's hat", witchHat},
        {"snowflake", snowflake},
        {"autumn leaf", autumnLeaf},
        {"New Year", newYear},
        {"flag", independence},
        {"lantern", lantern},
        {"crescent and star", crescent},
        {"stocking", stocking},
        {"holly", holly},
        {"harvest pie", thanksgiving},
        {"midsummer", midsummer},
    };
}

} // namespace icons
