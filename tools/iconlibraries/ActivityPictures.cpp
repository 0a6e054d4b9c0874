// Sports, music, reading and other pastimes.

#include "Drawing.h"

namespace icons {

namespace {

const QColor white(255, 255, 255);
const QColor wood(170, 110, 50);

void soccerBall(QPainter &p)
{
    circle(p, {16, 16}, 13, white);
    shape(p, starPath({16, 16}, 5, 4.2, 5), outline);
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(16, 16);
        p.rotate(i * 72);
        line(p, {0, -5}, {0, -13}, outline, 1.2);
        p.restore();
    }
}

void basketball(QPainter &p)
{
    circle(p, {16, 16}, 13, QColor(235, 120, 30));
    line(p, {3, 16}, {29, 16}, outline, 1);
    line(p, {16, 3}, {16, 29}, outline, 1);
    stroke(p, polyline({{7, 6}, {11, 12}, {11, 20}, {7, 26}}), outline, 1);
    stroke(p, polyline({{25, 6}, {21, 12}, {21, 20}, {25, 26}}), outline, 1);
}

void tennis(QPainter &p)
{
    line(p, {20, 20}, {28, 29}, wood, 3);
    ellipse(p, QRectF(3, 3, 19, 19), QColor(255, 255, 255, 0), QColor(30, 60, 160));
    for (int i = 6; i <= 19; i += 3) {
        line(p, {qreal(i), 4}, {qreal(i), 21}, QColor(120, 120, 120), 0.6);
        line(p, {4, qreal(i)}, {21, qreal(i)}, QColor(120, 120, 120), 0.6);
    }
    ellipse(p, QRectF(3, 3, 19, 19), QColor(), QColor(30, 60, 160));
    circle(p, {26, 8}, 4, QColor(200, 230, 40));
}

void golf(QPainter &p)
{
    ellipse(p, QRectF(2, 22, 28, 8), QColor(80, 170, 60));
    line(p, {16, 26}, {16, 3}, outline, 1.5);
    polygon(p, {{16, 3}, {27, 7}, {16, 11}}, QColor(220, 30, 30));
    circle(p, {9, 25}, 2, white);
}

void swimming(QPainter &p)
{
    for (int row = 0; row < 2; ++row) {
        QPainterPath wave;
        wave.moveTo(2, 20 + row * 6);
        for (int x = 2; x < 30; x += 7)
            wave.quadTo(x + 3.5, 16 + row * 6, x + 7, 20 + row * 6);
        stroke(p, wave, QColor(30, 120, 220), 2.2);
    }
    circle(p, {12, 13}, 4, QColor(240, 200, 160));
    line(p, {17, 14}, {26, 8}, QColor(240, 200, 160), 2.5);
}

void cycling(QPainter &p)
{
    circle(p, {8, 21}, 6, QColor(), outline);
    circle(p, {24, 21}, 6, QColor(), outline);
    stroke(p, polyline({{8, 21}, {13, 12}, {22, 12}, {24, 21}}), QColor(200, 30, 30), 2);
    stroke(p, polyline({{13, 12}, {16, 21}, {22, 12}}), QColor(200, 30, 30), 2);
    line(p, {11, 9}, {15, 9}, outline, 2);
    line(p, {22, 12}, {21, 7}, outline, 1.5);
}

void running(QPainter &p)
{
    stickFigure(p, {19, 5},
                {{18, 9},
                 {14, 18},
                 {14, 18},
                 {20, 23},
                 {20, 23},
                 {18, 29},
                 {14, 18},
                 {8, 22},
                 {8, 22},
                 {4, 21},
                 {17, 11},
                 {23, 15},
                 {17, 11},
                 {11, 12}},
                QColor(30, 90, 170));
}

void skiing(QPainter &p)
{
    polygon(p, {{2, 28}, {13, 8}, {19, 17}, {23, 12}, {30, 28}}, white, QColor(90, 120, 160));
    polygon(p, {{10, 13.5}, {13, 8}, {16, 12.5}}, QColor(200, 220, 255), QColor(90, 120, 160));
    line(p, {4, 30}, {28, 24}, QColor(220, 40, 40), 1.8);
    line(p, {6, 31}, {30, 25}, QColor(220, 40, 40), 1.8);
}

void music(QPainter &p)
{
    musicNote(p, {9, 25}, QColor(40, 40, 120));
    musicNote(p, {20, 22}, QColor(40, 40, 120));
}

void guitar(QPainter &p)
{
    p.save();
    p.translate(16, 16);
    p.rotate(40);
    rectangle(p, QRectF(-1.5, -16, 3, 16), wood.darker(130), 0.5);
    ellipse(p, QRectF(-7, 0, 14, 14), QColor(200, 120, 40));
    ellipse(p, QRectF(-5.5, -6, 11, 10), QColor(200, 120, 40));
    circle(p, {0, 4}, 2.2, outline);
    p.restore();
}

void piano(QPainter &p)
{
    rectangle(p, QRectF(2, 8, 28, 17), white);
    for (int x = 6; x < 30; x += 4)
        line(p, {qreal(x), 8}, {qreal(x), 25}, outline, 0.8);
    for (const int x : {5, 9, 17, 21, 25})
        rectangle(p, QRectF(x, 8, 2.2, 10), outline);
}

void reading(QPainter &p)
{
    polygon(p, {{2, 9}, {15, 7}, {16, 26}, {2, 27}}, white, QColor(60, 60, 120));
    polygon(p, {{30, 9}, {17, 7}, {16, 26}, {30, 27}}, white, QColor(60, 60, 120));
    for (int y = 12; y <= 22; y += 3) {
        line(p, {5, qreal(y)}, {13, qreal(y) - 0.5}, QColor(150, 150, 150), 1);
        line(p, {19, qreal(y) - 0.5}, {27, qreal(y)}, QColor(150, 150, 150), 1);
    }
}

void painting(QPainter &p)
{
    QPainterPath palette;
    palette.addEllipse(QRectF(2, 5, 28, 22));
    QPainterPath thumb;
    thumb.addEllipse(QRectF(17, 17, 7, 6));
    shape(p, palette.subtracted(thumb), QColor(220, 190, 140));
    const QColor paints[] = {QColor(220, 30, 30), QColor(30, 110, 220), QColor(250, 210, 30), QColor(40, 160, 60)};
    const QPointF spots[] = {{9, 12}, {15, 10}, {22, 11}, {8, 19}};
    for (int i = 0; i < 4; ++i)
        circle(p, spots[i], 2.5, paints[i]);
}

void photography(QPainter &p)
{
    rectangle(p, QRectF(2, 9, 28, 18), QColor(60, 60, 70), 3);
    rectangle(p, QRectF(10, 5, 10, 5), QColor(60, 60, 70), 1);
    circle(p, {16, 18}, 6.5, QColor(200, 210, 230));
    circle(p, {16, 18}, 3.5, QColor(40, 60, 110));
    rectangle(p, QRectF(24, 11, 4, 2.5), QColor(250, 220, 80), 0.5);
}

void movies(QPainter &p)
{
    rectangle(p, QRectF(3, 13, 26, 15), QColor(50, 50, 50));
    polygon(p, {{3, 7}, {28, 3}, {29, 9}, {4, 13}}, white);
    for (int x = 8; x < 28; x += 6)
        polygon(p, {{qreal(x), 6}, {qreal(x) + 3, 5.5}, {qreal(x) + 1, 11.5}, {qreal(x) - 2, 12}}, outline);
}

void gardening(QPainter &p)
{
    line(p, {16, 20}, {16, 10}, QColor(40, 130, 40), 1.8);
    leaf(p, {16, 17}, {23, 13}, QColor(60, 170, 60));
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(16, 9);
        p.rotate(i * 72);
        ellipse(p, QRectF(-2.5, -7, 5, 6), QColor(240, 100, 150));
        p.restore();
    }
    circle(p, {16, 9}, 2.2, QColor(250, 210, 40));
    polygon(p, {{8, 20}, {24, 20}, {21, 30}, {11, 30}}, QColor(190, 90, 50));
}

void fishing(QPainter &p)
{
    QPainterPath fish;
    fish.moveTo(4, 18);
    fish.quadTo(14, 8, 24, 18);
    fish.quadTo(14, 28, 4, 18);
    shape(p, fish, QColor(80, 160, 210));
    polygon(p, {{23, 18}, {30, 12}, {30, 24}}, QColor(80, 160, 210));
    circle(p, {9, 16.5}, 1.3, outline);
    stroke(p, polyline({{14, 2}, {14, 10}}), outline, 0.8);
    QPainterPath hook;
    hook.moveTo(14, 10);
    hook.quadTo(14, 14, 11, 13);
    stroke(p, hook, outline, 1.2);
}

void hiking(QPainter &p)
{
    polygon(p, {{1, 28}, {12, 8}, {19, 18}, {23, 13}, {31, 28}}, QColor(120, 110, 100));
    polygon(p, {{9, 13.5}, {12, 8}, {15, 13}}, white);
    stroke(p, polyline({{6, 28}, {10, 24}, {16, 25}, {20, 21}}), QColor(240, 200, 80), 1.5);
    circle(p, {26, 6}, 3, QColor(255, 205, 30), QColor(230, 140, 0));
}

void chess(QPainter &p)
{
    circle(p, {16, 8}, 4.5, QColor(60, 60, 60));
    polygon(p, {{12, 12}, {20, 12}, {22, 24}, {10, 24}}, QColor(60, 60, 60));
    rectangle(p, QRectF(7, 24, 18, 5), QColor(60, 60, 60), 1.5);
}

void cooking(QPainter &p)
{
    for (const qreal x : {11.0, 16.0, 21.0}) {
        QPainterPath steam;
        steam.moveTo(x, 11);
        steam.cubicTo(x - 3, 8, x + 3, 6, x, 2);
        stroke(p, steam, QColor(160, 160, 170), 1.2);
    }
    rectangle(p, QRectF(5, 13, 22, 14), QColor(170, 170, 180), 3);
    rectangle(p, QRectF(3, 12, 26, 3), QColor(120, 120, 130), 1);
    line(p, {1, 17}, {5, 17}, outline, 2);
    line(p, {27, 17}, {31, 17}, outline, 2);
}

void bowling(QPainter &p)
{
    QPainterPath pin;
    pin.moveTo(10, 29);
    pin.cubicTo(4, 20, 8, 14, 9, 11);
    pin.cubicTo(6, 6, 8, 2, 10, 2);
    pin.cubicTo(12, 2, 14, 6, 11, 11);
    pin.cubicTo(12, 14, 16, 20, 10, 29);
    shape(p, pin, white);
    line(p, {7.5, 9}, {12.5, 9}, QColor(220, 30, 30), 1.2);
    circle(p, {22, 22}, 8, QColor(40, 40, 140));
    for (const QPointF hole : {QPointF(20, 19), QPointF(24, 18.5), QPointF(22, 22.5)})
        circle(p, hole, 1.1, outline, QColor());
}

void baseball(QPainter &p)
{
    line(p, {4, 28}, {22, 6}, wood, 4);
    line(p, {4, 28}, {7, 24.5}, outline, 2.5);
    circle(p, {23, 23}, 6.5, white);
    QPainterPath seams;
    seams.moveTo(19, 18);
    seams.quadTo(22, 23, 19, 28);
    seams.moveTo(27, 18);
    seams.quadTo(24, 23, 27, 28);
    stroke(p, seams, QColor(220, 30, 30), 1);
}

void sailing(QPainter &p)
{
    polygon(p, {{15, 3}, {15, 22}, {4, 22}}, white);
    polygon(p, {{17, 7}, {17, 22}, {27, 22}}, QColor(230, 80, 60));
    polygon(p, {{3, 24}, {29, 24}, {25, 29}, {7, 29}}, wood);
    line(p, {16, 3}, {16, 24}, outline, 1);
}

void camping(QPainter &p)
{
    polygon(p, {{2, 27}, {16, 5}, {30, 27}}, QColor(60, 150, 90));
    polygon(p, {{12, 27}, {16, 17}, {20, 27}}, QColor(30, 80, 50));
    line(p, {1, 27.5}, {31, 27.5}, QColor(110, 80, 40), 1.5);
}

void fitness(QPainter &p)
{
    line(p, {6, 16}, {26, 16}, QColor(120, 120, 130), 2.5);
    for (const qreal x : {3.0, 7.0, 21.0, 25.0})
        rectangle(p, QRectF(x, 8, 4, 16), QColor(50, 50, 60), 1);
}

void knitting(QPainter &p)
{
    circle(p, {14, 18}, 11, QColor(200, 60, 140));
    for (int i = -6; i <= 6; i += 4) {
        QPainterPath strand;
        strand.moveTo(5 + i * 0.3, 12 + i);
        strand.quadTo(14, 18 + i * 1.2, 23 - i * 0.3, 12 + i);
        stroke(p, strand, QColor(140, 30, 90), 1);
    }
    line(p, {18, 8}, {30, 2}, QColor(150, 150, 160), 1.6);
    line(p, {22, 10}, {31, 7}, QColor(150, 150, 160), 1.6);
}

void computer(QPainter &p)
{
    rectangle(p, QRectF(3, 4, 26, 18), QColor(70, 70, 80), 2);
    rectangle(p, QRectF(5.5, 6.5, 21, 13), QColor(90, 170, 230), 0);
    polygon(p, {{12, 22}, {20, 22}, {22, 27}, {10, 27}}, QColor(120, 120, 130));
    rectangle(p, QRectF(7, 27, 18, 2.5), QColor(90, 90, 100), 1);
}

void theatre(QPainter &p)
{
    const auto mask = [&p](QPointF centre, const QColor &colour, bool smiling) {
        QPainterPath face;
        face.moveTo(centre + QPointF(-8, -9));
        face.lineTo(centre + QPointF(8, -9));
        face.cubicTo(centre + QPointF(9, 4), centre + QPointF(4, 9), centre + QPointF(0, 9));
        face.cubicTo(centre + QPointF(-4, 9), centre + QPointF(-9, 4), centre + QPointF(-8, -9));
        shape(p, face, colour);
        circle(p, centre + QPointF(-3.5, -3), 1.6, outline);
        circle(p, centre + QPointF(3.5, -3), 1.6, outline);
        QPainterPath mouth;
        mouth.moveTo(centre + QPointF(-4, 3));
        mouth.quadTo(centre + QPointF(0, smiling ? 7 : 0), centre + QPointF(4, 3));
        stroke(p, mouth, outline, 1.3);
    };
    mask({11, 12}, QColor(250, 210, 60), true);
    mask({21, 20}, QColor(120, 170, 230), false);
}

} // namespace

std::vector<Picture> activityPictures()
{
    return {
        {"soccer", soccerBall}, {"basketball", basketball},   {"tennis", tennis},     {"golf", golf},
        {"swimming", swimming}, {"cycling", cycling},         {"running", running},   {"skiing", skiing},
        {"music", music},       {"guitar", guitar},           {"piano", piano},       {"reading", reading},
        {"painting", painting}, {"photography", photography}, {"movies", movies},     {"gardening", gardening},
        {"fishing", fishing},   {"hiking", hiking},           {"chess", chess},       {"cooking", cooking},
        {"bowling", bowling},   {"baseball", baseball},       {"sailing", sailing},   {"camping", camping},
        {"fitness", fitness},   {"knitting", knitting},       {"computer", computer}, {"theatre", theatre},
    };
}

} // namespace icons
