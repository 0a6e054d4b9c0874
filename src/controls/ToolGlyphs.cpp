#include "controls/ToolGlyphs.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <functional>

namespace qm {
namespace {

constexpr int GlyphSize = 16;
const QColor Ink(30, 30, 30);
const QColor Paper(Qt::white);
const QColor Folder(230, 190, 80);

using Draw = std::function<void(QPainter &)>;

QFont letterFont(int pixelSize, bool bold = false, bool italic = false, bool serif = false)
{
    QFont font(serif ? QStringLiteral("Serif") : QStringLiteral("Sans Serif"));
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void drawLetters(QPainter &painter, const QString &text, const QFont &font, const QColor &color,
                 QRectF box = QRectF(0, 0, GlyphSize, GlyphSize - 2))
{
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(box, Qt::AlignCenter, text);
}

void horizontal(QPainter &painter, qreal x, qreal y, qreal width, const QColor &color = Ink, qreal thickness = 1)
{
    painter.fillRect(QRectF(x, y, width, thickness), color);
}

/// Four lines of text aligned as `align` says.
void drawAlignment(QPainter &painter, Qt::Alignment align)
{
    for (int row = 0; row < 4; ++row) {
        const qreal width = (align & Qt::AlignJustify) || row % 2 == 0 ? 12 : 8;
        qreal x = 2;
        if (align & Qt::AlignRight)
            x = 14 - width;
        else if (align & Qt::AlignHCenter)
            x = (GlyphSize - width) / 2;
        horizontal(painter, x, 3 + row * 3, width);
    }
}

void drawPage(QPainter &painter, QRectF rect)
{
    const qreal fold = 3;
    QPainterPath page;
    page.moveTo(rect.topLeft());
    page.lineTo(rect.right() - fold, rect.top());
    page.lineTo(rect.right(), rect.top() + fold);
    page.lineTo(rect.bottomRight());
    page.lineTo(rect.bottomLeft());
    page.closeSubpath();
    painter.setPen(QPen(Ink, 1));
    painter.setBrush(Paper);
    painter.drawPath(page);
}

void drawCross(QPainter &painter, QRectF rect, const QColor &color)
{
    painter.setPen(QPen(color, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(rect.topLeft(), rect.bottomRight());
    painter.drawLine(rect.bottomLeft(), rect.topRight());
}

void drawCheck(QPainter &painter, QPointF origin, qreal scale, const QColor &color)
{
    painter.setPen(QPen(color, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    const QPointF points[] = {origin, origin + QPointF(3, 3) * scale, origin + QPointF(9, -5) * scale};
    painter.drawPolyline(points, 3);
}

void drawTriangle(QPainter &painter, qreal tipX, bool pointsLeft)
{
    const qreal baseX = pointsLeft ? tipX + 6 : tipX - 6;
    const QPointF points[] = {{tipX, 8}, {baseX, 3}, {baseX, 13}};
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    painter.drawPolygon(points, 3);
}

void drawMagnifier(QPainter &painter, QRectF lens)
{
    painter.setPen(QPen(Ink, 1.5));
    painter.setBrush(QColor(225, 238, 255));
    painter.drawEllipse(lens);
    painter.setPen(QPen(Ink, 2.5, Qt::SolidLine, Qt::RoundCap));
    const QPointF handle = lens.center() + QPointF(lens.width(), lens.height()) * 0.35;
    painter.drawLine(handle, handle + QPointF(4, 4));
}

void drawPrinter(QPainter &painter)
{
    painter.setPen(QPen(Ink, 1));
    painter.setBrush(Paper);
    painter.drawRect(QRectF(4.5, 1.5, 7, 5));
    painter.setBrush(QColor(170, 170, 170));
    painter.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5);
    painter.setBrush(Paper);
    painter.drawRect(QRectF(4.5, 10.5, 7, 4));
}

void drawTextLines(QPainter &painter)
{
    for (int row = 0; row < 4; ++row)
        horizontal(painter, 3, 3.5 + row * 3, 10);
}

struct NamedGlyph {
    QStringView name;
    Draw draw;
};

const std::vector<NamedGlyph> &glyphs()
{
    static const std::vector<NamedGlyph> table{
        {u"QMI_NORMAL",
         [](QPainter &p) { drawLetters(p, QStringLiteral("N"), letterFont(13, false, false, true), Ink); }},
        {u"QMI_BOLD", [](QPainter &p) { drawLetters(p, QStringLiteral("B"), letterFont(13, true), Ink); }},
        {u"QMI_ITALIC",
         [](QPainter &p) { drawLetters(p, QStringLiteral("I"), letterFont(13, false, true, true), Ink); }},
        {u"QMI_UNDER",
         [](QPainter &p) {
             drawLetters(p, QStringLiteral("U"), letterFont(12), Ink, QRectF(0, 0, GlyphSize, 13));
             horizontal(p, 3, 14, 10);
         }},
        {u"QMI_SUPER",
         [](QPainter &p) {
             drawLetters(p, QStringLiteral("x"), letterFont(12), Ink, QRectF(0, 3, 11, 12));
             drawLetters(p, QStringLiteral("2"), letterFont(8, true), QColor(0, 0, 160), QRectF(9, 0, 7, 8));
         }},
        {u"QMI_SUB",
         [](QPainter &p) {
             drawLetters(p, QStringLiteral("x"), letterFont(12), Ink, QRectF(0, 0, 11, 12));
             drawLetters(p, QStringLiteral("2"), letterFont(8, true), QColor(0, 0, 160), QRectF(9, 8, 7, 8));
         }},
        {u"QMI_STRIKEOUT",
         [](QPainter &p) {
             drawLetters(p, QStringLiteral("S"), letterFont(13), Ink);
             horizontal(p, 2, 7, 12, QColor(200, 0, 0));
         }},
        {u"QMI_HYPERLINK",
         [](QPainter &p) {
             const QColor blue(0, 0, 200);
             drawLetters(p, QStringLiteral("A"), letterFont(11, true), blue, QRectF(0, 0, GlyphSize, 12));
             horizontal(p, 2, 12, 12, blue);
             horizontal(p, 2, 14, 12, blue);
         }},
        {u"QMI_HIDDEN",
         [](QPainter &p) {
             drawLetters(p, QStringLiteral("H"), letterFont(12), QColor(140, 140, 140), QRectF(0, 0, GlyphSize, 13));
             for (int x = 2; x < 14; x += 2)
                 horizontal(p, x, 14, 1);
         }},
        {u"QMI_RTFCODE",
         [](QPainter &p) { drawLetters(p, QStringLiteral("{}"), letterFont(12, true), QColor(200, 0, 0)); }},
        {u"QMI_LEFT", [](QPainter &p) { drawAlignment(p, Qt::AlignLeft); }},
        {u"QMI_CENTER", [](QPainter &p) { drawAlignment(p, Qt::AlignHCenter); }},
        {u"QMI_JUSTIFIED", [](QPainter &p) { drawAlignment(p, Qt::AlignJustify); }},
        {u"QMI_RIGHT", [](QPainter &p) { drawAlignment(p, Qt::AlignRight); }},
        {u"QMI_New", [](QPainter &p) { drawPage(p, QRectF(3.5, 1.5, 9, 13)); }},
        {u"QMI_OPEN",
         [](QPainter &p) {
             p.setPen(QPen(Ink, 1));
             p.setBrush(Folder);
             p.drawRect(QRectF(1.5, 4.5, 12, 9));
             p.drawRect(QRectF(1.5, 2.5, 5, 2));
         }},
        {u"QMI_SAVE",
         [](QPainter &p) {
             p.setPen(QPen(Ink, 1));
             p.setBrush(QColor(60, 90, 170));
             p.drawRect(QRectF(1.5, 1.5, 13, 13));
             p.fillRect(QRectF(4, 2, 8, 5), Paper);
             p.fillRect(QRectF(5, 10, 6, 4), QColor(200, 200, 200));
         }},
        {u"QMI_CLOSE",
         [](QPainter &p) {
             drawPage(p, QRectF(2.5, 1.5, 9, 13));
             drawCross(p, QRectF(8, 8, 6, 6), QColor(200, 0, 0));
         }},
        {u"QMI_EXIT",
         [](QPainter &p) {
             p.setPen(QPen(Ink, 1));
             p.setBrush(QColor(150, 100, 50));
             p.drawRect(QRectF(1.5, 1.5, 8, 13));
             p.setPen(QPen(QColor(0, 130, 0), 2, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(7, 8), QPointF(14, 8));
             p.drawLine(QPointF(11, 5), QPointF(14, 8));
             p.drawLine(QPointF(11, 11), QPointF(14, 8));
         }},
        {u"QMI_PRINT", drawPrinter},
        {u"QMI_PRINTSETUP",
         [](QPainter &p) {
             drawPrinter(p);
             drawCheck(p, QPointF(8, 11), 0.7, QColor(0, 130, 0));
         }},
        {u"QMI_TOSTART",
         [](QPainter &p) {
             horizontal(p, 3, 3, 2);
             p.fillRect(QRectF(3, 3, 2, 10), Ink);
             drawTriangle(p, 6, true);
         }},
        {u"QMI_PREV", [](QPainter &p) { drawTriangle(p, 5, true); }},
        {u"QMI_NEXT", [](QPainter &p) { drawTriangle(p, 11, false); }},
        {u"QMI_TOEND",
         [](QPainter &p) {
             drawTriangle(p, 10, false);
             p.fillRect(QRectF(11, 3, 2, 10), Ink);
         }},
        {u"QMI_ADD",
         [](QPainter &p) {
             p.fillRect(QRectF(3, 7, 10, 2), Ink);
             p.fillRect(QRectF(7, 3, 2, 10), Ink);
         }},
        {u"QMI_DEL", [](QPainter &p) { p.fillRect(QRectF(3, 7, 10, 2), Ink); }},
        {u"QMI_EDIT",
         [](QPainter &p) {
             p.setPen(QPen(QColor(200, 150, 40), 3, Qt::SolidLine, Qt::FlatCap));
             p.drawLine(QPointF(4, 12), QPointF(12, 4));
             p.setPen(QPen(Ink, 1));
             p.drawLine(QPointF(2, 14), QPointF(4, 12));
         }},
        {u"QMI_CANCEL", [](QPainter &p) { drawCross(p, QRectF(4, 4, 8, 8), QColor(200, 0, 0)); }},
        {u"QMI_POST", [](QPainter &p) { drawCheck(p, QPointF(3, 8), 1, QColor(0, 130, 0)); }},
        {u"QMI_SelAll",
         [](QPainter &p) {
             drawTextLines(p);
             p.setPen(QPen(Ink, 1, Qt::DotLine));
             p.setBrush(Qt::NoBrush);
             p.drawRect(QRectF(0.5, 0.5, 15, 15));
         }},
        {u"QMI_HideSel",
         [](QPainter &p) {
             p.fillRect(QRectF(2, 5, 12, 5), QColor(190, 210, 240));
             drawTextLines(p);
         }},
        {u"QMI_CUT",
         [](QPainter &p) {
             p.setPen(QPen(Ink, 1.2));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QRectF(2, 10, 4, 4));
             p.drawEllipse(QRectF(10, 10, 4, 4));
             p.drawLine(QPointF(5.5, 10.5), QPointF(11, 1));
             p.drawLine(QPointF(10.5, 10.5), QPointF(5, 1));
         }},
        {u"QMI_COPY",
         [](QPainter &p) {
             drawPage(p, QRectF(1.5, 1.5, 8, 10));
             drawPage(p, QRectF(6.5, 4.5, 8, 10));
         }},
        {u"QMI_PASTE",
         [](QPainter &p) {
             p.setPen(QPen(Ink, 1));
             p.setBrush(QColor(170, 120, 60));
             p.drawRect(QRectF(1.5, 2.5, 10, 12));
             p.setBrush(QColor(200, 200, 200));
             p.drawRect(QRectF(4.5, 1.5, 4, 2));
             drawPage(p, QRectF(6.5, 6.5, 8, 8));
         }},
        {u"QMI_FIND", [](QPainter &p) { drawMagnifier(p, QRectF(2, 2, 8, 8)); }},
        {u"QMI_REPLACE",
         [](QPainter &p) {
             drawLetters(p, QStringLiteral("ab"), letterFont(8), Ink, QRectF(0, 9, 9, 7));
             drawMagnifier(p, QRectF(6, 1, 6, 6));
         }},
        {u"QMI_SPELL",
         [](QPainter &p) {
             drawLetters(p, QStringLiteral("ABC"), letterFont(7, true), Ink, QRectF(0, 0, GlyphSize, 7));
             drawCheck(p, QPointF(4, 11), 0.8, QColor(0, 130, 0));
         }},
    };
    return table;
}

QPixmap drawnPixmap(QSize size, qreal ratio, const Draw &draw)
{
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    draw(painter);
    return pixmap;
}

} // namespace

QIcon toolGlyph(QStringView bitmapName)
{
    for (const NamedGlyph &glyph : glyphs()) {
        if (glyph.name != bitmapName)
            continue;
        QIcon icon;
        for (const qreal ratio : {1.0, 2.0})
            icon.addPixmap(drawnPixmap(QSize(GlyphSize, GlyphSize), ratio, glyph.draw));
        return icon;
    }
    return {};
}

QPixmap trueTypeGlyph()
{
    constexpr int Size = 12;
    return drawnPixmap(QSize(Size, Size), 1.0, [](QPainter &painter) {
        const QFont font = letterFont(9, true, false, true);
        drawLetters(painter, QStringLiteral("T"), font, QColor(120, 120, 120), QRectF(0, 0, 8, 9));
        drawLetters(painter, QStringLiteral("T"), font, Ink, QRectF(4, 3, 8, 9));
    });
}

} // namespace qm
