// Birthdays, meetings, weddings and the other dates people put in calendars.

#include "Drawing.h"

namespace icons {

namespace {

const QColor white(255, 255, 255);
const QColor gold(240, 190, 40);

void birthdayCake(QPainter &p)
{
    for (const qreal x : {10.0, 16.0, 22.0}) {
        rectangle(p, QRectF(x - 1, 8, 2, 6), QColor(120, 170, 240), 0.5);
        flame(p, {x, 8}, 5);
    }
    rectangle(p, QRectF(4, 14, 24, 14), QColor(240, 180, 200), 2);
    QPainterPath icing;
    icing.moveTo(4, 18);
    for (qreal x = 4; x < 28; x += 6)
        icing.quadTo(x + 3, 23, x + 6, 18);
    stroke(p, icing, white, 2);
    line(p, {2, 29}, {30, 29}, outline, 1.5);
}

void gift(QPainter &p)
{
    rectangle(p, QRectF(4, 14, 24, 15), QColor(60, 130, 220));
    rectangle(p, QRectF(3, 10, 26, 5), QColor(80, 150, 240));
    rectangle(p, QRectF(14, 10, 4, 19), QColor(230, 40, 50), 0, QColor(160, 20, 30));
    ellipse(p, QRectF(8, 4, 8, 6), QColor(230, 40, 50), QColor(160, 20, 30));
    ellipse(p, QRectF(16, 4, 8, 6), QColor(230, 40, 50), QColor(160, 20, 30));
}

void balloons(QPainter &p)
{
    const QColor colours[] = {QColor(230, 50, 60), QColor(60, 140, 230), QColor(250, 200, 40)};
    const QRectF bounds[] = {QRectF(3, 4, 11, 14), QRectF(17, 2, 11, 14), QRectF(10, 9, 11, 14)};
    for (int i = 0; i < 3; ++i) {
        const QPointF knot(bounds[i].center().x(), bounds[i].bottom());
        line(p, knot, {16, 30}, QColor(100, 100, 100), 0.8);
        ellipse(p, bounds[i], colours[i]);
    }
}

void weddingRings(QPainter &p)
{
    circle(p, {12, 18}, 8, QColor(), QColor(200, 150, 20));
    circle(p, {20, 18}, 8, QColor(), QColor(200, 150, 20));
    p.setPen(QPen(gold, 3));
    p.drawEllipse(QPointF(12, 18), 8, 8);
    p.drawEllipse(QPointF(20, 18), 8, 8);
    polygon(p, {{17, 7}, {20, 4}, {23, 7}, {20, 11}}, QColor(200, 235, 255), QColor(90, 150, 200));
}

void champagne(QPainter &p)
{
    for (const int side : {-1, 1}) {
        p.save();
        p.translate(16 + side * 6, 30);
        p.rotate(side * 12);
        polygon(p, {{-4, -27}, {4, -27}, {2, -14}, {-2, -14}}, QColor(250, 230, 150));
        line(p, {0, -14}, {0, -3}, outline, 1.2);
        line(p, {-4, -2}, {4, -2}, outline, 1.5);
        p.restore();
    }
    star(p, {16, 4}, 3.5, gold);
}

void meeting(QPainter &p)
{
    QPainterPath left;
    left.addRoundedRect(QRectF(2, 3, 17, 12), 4, 4);
    left.moveTo(6, 14);
    left.lineTo(5, 19);
    left.lineTo(11, 14);
    shape(p, left.simplified(), QColor(120, 180, 240));
    QPainterPath right;
    right.addRoundedRect(QRectF(13, 13, 17, 12), 4, 4);
    right.moveTo(26, 24);
    right.lineTo(27, 29);
    right.lineTo(21, 24);
    shape(p, right.simplified(), QColor(250, 200, 80));
    for (const qreal x : {7.0, 10.5, 14.0})
        circle(p, {x, 9}, 1, outline, QColor());
}

void telephone(QPainter &p)
{
    rectangle(p, QRectF(5, 14, 22, 14), QColor(200, 40, 40), 4);
    QPainterPath handset;
    handset.moveTo(3, 12);
    handset.quadTo(16, 2, 29, 12);
    handset.lineTo(25, 14);
    handset.quadTo(16, 8, 7, 14);
    handset.closeSubpath();
    shape(p, handset, QColor(200, 40, 40));
    circle(p, {16, 21}, 4, white);
}

void letter(QPainter &p)
{
    rectangle(p, QRectF(2, 7, 28, 19), white);
    stroke(p, polyline({{2, 7}, {16, 18}, {30, 7}}), outline, 1.2);
    stroke(p, polyline({{2, 26}, {12, 16}}), outline, 0.8);
    stroke(p, polyline({{30, 26}, {20, 16}}), outline, 0.8);
}

void doctor(QPainter &p)
{
    rectangle(p, QRectF(3, 3, 26, 26), white, 5, QColor(200, 30, 30));
    polygon(p,
            {{13, 7},
             {19, 7},
             {19, 13},
             {25, 13},
             {25, 19},
             {19, 19},
             {19, 25},
             {13, 25},
             {13, 19},
             {7, 19},
             {7, 13},
             {13, 13}},
            QColor(220, 30, 30));
}

void dentist(QPainter &p)
{
    QPainterPath tooth;
    tooth.moveTo(6, 8);
    tooth.cubicTo(6, 2, 13, 3, 16, 5);
    tooth.cubicTo(19, 3, 26, 2, 26, 8);
    tooth.cubicTo(26, 14, 23, 16, 23, 22);
    tooth.cubicTo(23, 30, 19, 30, 18, 24);
    tooth.quadTo(16, 19, 14, 24);
    tooth.cubicTo(13, 30, 9, 30, 9, 22);
    tooth.cubicTo(9, 16, 6, 14, 6, 8);
    shape(p, tooth, white, QColor(90, 120, 170));
}

void car(QPainter &p)
{
    QPainterPath body;
    body.moveTo(2, 22);
    body.lineTo(2, 16);
    body.lineTo(8, 15);
    body.lineTo(12, 9);
    body.lineTo(22, 9);
    body.lineTo(26, 15);
    body.lineTo(30, 16);
    body.lineTo(30, 22);
    body.closeSubpath();
    shape(p, body, QColor(220, 50, 40));
    polygon(p, {{13, 11}, {17, 11}, {17, 15}, {10, 15}}, QColor(190, 225, 250));
    polygon(p, {{19, 11}, {21, 11}, {24, 15}, {19, 15}}, QColor(190, 225, 250));
    circle(p, {9, 22}, 3.5, QColor(50, 50, 50));
    circle(p, {23, 22}, 3.5, QColor(50, 50, 50));
}

void airplane(QPainter &p)
{
    p.save();
    p.translate(16, 16);
    p.rotate(-45);
    QPainterPath body;
    body.addRoundedRect(QRectF(-14, -2.5, 28, 5), 2.5, 2.5);
    polygon(p, {{-2, -2}, {4, -2}, {-2, -13}, {-5, -13}}, QColor(160, 170, 190));
    polygon(p, {{-2, 2}, {4, 2}, {-2, 13}, {-5, 13}}, QColor(160, 170, 190));
    polygon(p, {{-13, -2}, {-10, -2}, {-13, -7}, {-15, -7}}, QColor(160, 170, 190));
    polygon(p, {{-13, 2}, {-10, 2}, {-13, 7}, {-15, 7}}, QColor(160, 170, 190));
    shape(p, body, QColor(230, 235, 245));
    p.restore();
}

void suitcase(QPainter &p)
{
    rectangle(p, QRectF(11, 4, 10, 6), QColor(), 2, QColor(90, 60, 30));
    rectangle(p, QRectF(3, 9, 26, 19), QColor(170, 100, 40), 3);
    line(p, {3, 15}, {29, 15}, QColor(110, 60, 20), 1.2);
    rectangle(p, QRectF(14, 13, 4, 4), gold, 0.5);
}

void graduation(QPainter &p)
{
    polygon(p, {{2, 12}, {16, 6}, {30, 12}, {16, 18}}, QColor(40, 40, 60));
    polygon(p, {{8, 15}, {24, 15}, {24, 23}, {16, 25}, {8, 23}}, QColor(40, 40, 60));
    stroke(p, polyline({{16, 12}, {26, 15}, {26, 24}}), gold, 1.2);
    circle(p, {26, 25}, 1.6, gold, QColor());
}

void baby(QPainter &p)
{
    rectangle(p, QRectF(10, 11, 12, 18), QColor(230, 240, 255), 3, QColor(90, 120, 170));
    for (int y = 15; y <= 25; y += 3)
        line(p, {10, qreal(y)}, {14, qreal(y)}, QColor(90, 120, 170), 1);
    rectangle(p, QRectF(9, 8, 14, 4), QColor(120, 180, 240), 1.5);
    QPainterPath teat;
    teat.moveTo(12, 8);
    teat.cubicTo(12, 2, 20, 2, 20, 8);
    shape(p, teat, QColor(250, 210, 160));
}

void clock(QPainter &p)
{
    circle(p, {16, 16}, 13, white, QColor(60, 60, 80));
    for (int hour = 0; hour < 12; ++hour) {
        p.save();
        p.translate(16, 16);
        p.rotate(hour * 30);
        line(p, {0, -11}, {0, -9.5}, outline, 1.2);
        p.restore();
    }
    line(p, {16, 16}, {16, 8}, outline, 2);
    line(p, {16, 16}, {22, 19}, outline, 1.6);
    circle(p, {16, 16}, 1.3, QColor(200, 30, 30), QColor());
}

void business(QPainter &p)
{
    rectangle(p, QRectF(12, 5, 8, 5), QColor(), 1.5, QColor(50, 40, 30));
    rectangle(p, QRectF(3, 9, 26, 19), QColor(60, 65, 80), 2.5);
    line(p, {3, 17}, {29, 17}, QColor(30, 30, 40), 1.2);
    rectangle(p, QRectF(14, 15, 4, 4), gold, 0.5);
}

void moving(QPainter &p)
{
    polygon(p, {{3, 15}, {16, 4}, {29, 15}}, QColor(200, 60, 40));
    rectangle(p, QRectF(6, 15, 20, 14), QColor(245, 225, 180));
    rectangle(p, QRectF(13, 20, 6, 9), QColor(140, 90, 50));
    rectangle(p, QRectF(8, 17, 4, 4), QColor(150, 200, 240));
    rectangle(p, QRectF(20, 17, 4, 4), QColor(150, 200, 240));
}

void key(QPainter &p)
{
    QPainterPath bow;
    bow.addEllipse(QRectF(3, 5, 12, 12));
    QPainterPath hole;
    hole.addEllipse(QRectF(6.5, 8.5, 5, 5));
    shape(p, bow.subtracted(hole), gold, QColor(170, 120, 20));
    polygon(p, {{14, 10}, {29, 10}, {29, 13}, {14, 13}}, gold, QColor(170, 120, 20));
    polygon(p, {{22, 13}, {25, 13}, {25, 18}, {22, 18}}, gold, QColor(170, 120, 20));
    polygon(p, {{26.5, 13}, {29, 13}, {29, 16}, {26.5, 16}}, gold, QColor(170, 120, 20));
}

void deadline(QPainter &p)
{
    rectangle(p, QRectF(4, 3, 18, 24), white, 1, QColor(90, 90, 110));
    for (int y = 8; y <= 18; y += 4)
        line(p, {7, qreal(y)}, {19, qreal(y)}, QColor(160, 160, 170), 1);
    p.save();
    p.translate(22, 21);
    p.rotate(40);
    rectangle(p, QRectF(-2, -13, 4, 16), QColor(40, 90, 200), 0.5);
    polygon(p, {{-2, 3}, {2, 3}, {0, 7}}, QColor(240, 210, 170));
    p.restore();
}

void payday(QPainter &p)
{
    ellipse(p, QRectF(5, 18, 22, 10), gold.darker(120), QColor(150, 110, 10));
    ellipse(p, QRectF(5, 13, 22, 10), gold, QColor(150, 110, 10));
    ellipse(p, QRectF(5, 8, 22, 10), gold, QColor(150, 110, 10));
    ellipse(p, QRectF(10, 10.5, 12, 5), QColor(), QColor(150, 110, 10));
}

void shopping(QPainter &p)
{
    stroke(p, polyline({{2, 5}, {7, 5}, {11, 21}, {26, 21}}), outline, 1.8);
    polygon(p, {{8, 9}, {29, 9}, {26, 18}, {10.5, 18}}, QColor(120, 190, 120));
    circle(p, {13, 26}, 2.3, outline);
    circle(p, {24, 26}, 2.3, outline);
}

void haircut(QPainter &p)
{
    circle(p, {9, 24}, 4, QColor(), QColor(60, 60, 80));
    circle(p, {23, 24}, 4, QColor(), QColor(60, 60, 80));
    p.setPen(QPen(QColor(60, 60, 80), 2));
    p.drawEllipse(QPointF(9, 24), 4, 4);
    p.drawEllipse(QPointF(23, 24), 4, 4);
    polygon(p, {{11, 20}, {24, 3}, {25.5, 4}, {13.5, 21.5}}, QColor(190, 200, 210));
    polygon(p, {{21, 20}, {8, 3}, {6.5, 4}, {18.5, 21.5}}, QColor(190, 200, 210));
}

void medicine(QPainter &p)
{
    p.save();
    p.translate(16, 16);
    p.rotate(-40);
    QPainterPath left;
    left.addRoundedRect(QRectF(-13, -5, 26, 10), 5, 5);
    shape(p, left, white);
    p.setClipRect(QRectF(0, -6, 14, 12));
    shape(p, left, QColor(220, 60, 60));
    p.restore();
}

void concert(QPainter &p)
{
    QPainterPath ticket;
    ticket.addRect(QRectF(2, 8, 28, 16));
    QPainterPath notches;
    notches.addEllipse(QRectF(-1, 13, 6, 6));
    notches.addEllipse(QRectF(27, 13, 6, 6));
    shape(p, ticket.subtracted(notches), QColor(250, 210, 80));
    for (int y = 10; y < 24; y += 3)
        line(p, {22, qreal(y)}, {22, qreal(y) + 1.5}, outline, 1);
    star(p, {12, 16}, 5, QColor(220, 60, 40));
}

void trophy(QPainter &p)
{
    QPainterPath cup;
    cup.moveTo(8, 4);
    cup.lineTo(24, 4);
    cup.cubicTo(24, 14, 20, 18, 16, 18);
    cup.cubicTo(12, 18, 8, 14, 8, 4);
    stroke(p, polyline({{8, 7}, {4, 7}, {5, 12}, {10, 14}}), QColor(170, 120, 20), 1.8);
    stroke(p, polyline({{24, 7}, {28, 7}, {27, 12}, {22, 14}}), QColor(170, 120, 20), 1.8);
    shape(p, cup, gold, QColor(170, 120, 20));
    rectangle(p, QRectF(14.5, 18, 3, 5), gold, 0, QColor(170, 120, 20));
    rectangle(p, QRectF(9, 23, 14, 5), QColor(120, 80, 40), 1);
}

void anniversary(QPainter &p)
{
    heart(p, QRectF(3, 6, 17, 16), QColor(230, 50, 80));
    heart(p, QRectF(12, 11, 17, 16), QColor(250, 130, 160));
}

} // namespace

std::vector<Picture> eventPictures()
{
    return {
        {"birthday", birthdayCake}, {"present", gift},          {"party", balloons},
        {"wedding", weddingRings},  {"celebration", champagne}, {"meeting", meeting},
        {"phone call", telephone},  {"letter", letter},         {"doctor", doctor},
        {"dentist", dentist},       {"car service", car},       {"flight", airplane},
        {"trip", suitcase},         {"graduation", graduation}, {"baby", baby},
        {"appointment", clock},     {"business", business},     {"moving house", moving},
        {"new home", key},          {"deadline", deadline},     {"payday", payday},
        {"shopping", shopping},     {"haircut", haircut},       {"medicine", medicine},
        {"concert", concert},       {"award", trophy},          {"anniversary", anniversary},
    };
}

} // namespace icons
