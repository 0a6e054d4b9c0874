// Painting one laid-out line: backgrounds and shading, text runs drawn at
// their cached advances, script offsets, underlines, objects and borders.
#include "richtext/QmRTFTextPaint.h"

#include "richtext/MetafilePlayer.h"

#include <QGlyphRun>
#include <QPainter>

using namespace qm;

namespace {

constexpr int RememberedObjects = 30;
/// Shading from this percentage on is painted in the pattern colour.
constexpr int DenseShading = 51;
constexpr TColor clHighlight = TColor(0x8000000D);
constexpr TColor clHighlightText = TColor(0x8000000E);

void drawDottedLine(QPainter &painter, int x, int y, int width, const QColor &color)
{
    for (int dot = x; dot < x + width; dot += 3)
        painter.fillRect(QRect(dot, y, 1, 1), color);
}

/// The frame of an object without a picture: its outline, both diagonals and its file name.
void drawEmptyObject(QPainter &painter, const QRect &rect, const QString &fileName)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.drawLine(rect.topLeft(), rect.bottomRight());
    painter.drawLine(rect.bottomLeft(), rect.topRight());
    if (!fileName.isEmpty()) {
        painter.setClipRect(rect, Qt::IntersectClip);
        painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, fileName);
    }
    painter.restore();
}

} // namespace

/// One stretch of a line painted with one attribute: text characters of
/// equal attributes, or a single tab, line break or object.
struct Run {
    int begin = 0;
    int end = 0;
    int x = 0;
    int width = 0;
    bool selected = false;
};

struct TQmRTFTextPaint::LineRuns {
    std::vector<int> advances; ///< each character's width plus its share of justification
    std::vector<Run> runs;
};

std::vector<int> TQmRTFTextPaint::CharacterAdvances(const TTextLine &line) const
{
    // Justification spreads the line's extra width over its spaces but the last.
    int spaces = 0;
    for (int i = 0; i < line.length; ++i)
        spaces += line.text()[i] == ' ';
    const int gaps = spaces - 1;
    const int perSpace = line.justifyExtra > 0 && gaps > 0 ? line.justifyExtra / gaps : 0;
    int remainder = line.justifyExtra > 0 && gaps > 0 ? line.justifyExtra % gaps : 0;
    int spaceNumber = 0;
    std::vector<int> advances(size_t(line.length));
    for (int i = 0; i < line.length; ++i) {
        int width = attrAt(line, i).width;
        if (line.text()[i] == ' ' && spaceNumber++ < gaps) {
            width += perSpace;
            if (remainder > 0) {
                ++width;
                --remainder;
            }
        }
        advances[size_t(i)] = width;
    }
    return advances;
}

TQmRTFTextPaint::LineRuns TQmRTFTextPaint::lineRuns(const PaintedLine &painted) const
{
    const TTextLine &line = *painted.line;
    const std::pair<int, int> selected = painted.selected;
    LineRuns result;
    result.advances = CharacterAdvances(line);

    const auto isSelected = [&](int i) { return i >= selected.first && i < selected.second; };
    const auto standsAlone = [&](int i) {
        const char16_t code = line.text()[i];
        return code == '\t' || code == '\n' || attrAt(line, i).has(TAttr::Object);
    };
    int x = painted.origin.x() + line.left;
    for (int i = 0; i < line.length;) {
        Run run{i, i + 1, x, result.advances[size_t(i)], isSelected(i)};
        if (!standsAlone(i)) {
            const TAttr first = attrAt(line, i);
            while (run.end < line.length && !standsAlone(run.end) && attrAt(line, run.end).sameRun(first) &&
                   isSelected(run.end) == run.selected) {
                run.width += result.advances[size_t(run.end)];
                ++run.end;
            }
        }
        x += run.width;
        i = run.end;
        result.runs.push_back(run);
    }
    return result;
}

void TQmRTFTextPaint::paintLineGround(QPainter &painter, const PaintedLine &painted)
{
    const TParagraph &paragraph = *painted.paragraph;
    const TTextLine &line = *painted.line;
    const TTextHeader &header = Header();
    const Column column = columnOf(paragraph);
    const int top = painted.origin.y();
    const int height = line.height;
    const bool transparent = m_transparent || (m_paintFlags & paint::Transparent);
    const bool shaded = paragraph.shading > 0;
    const QRect lineRect(painted.origin.x() + column.left, top, std::max(column.width, 0), height);

    if (!transparent) {
        const TColor ground = (m_paintFlags & paint::WhiteBackground) ? clWhite : m_backgroundColor;
        painter.fillRect(lineRect, toQColor(ground));
    }
    if (shaded) {
        const int number =
            paragraph.shading < DenseShading ? paragraph.shadingColors >> 4 : paragraph.shadingColors & 0x0F;
        int left = lineRect.left();
        int right = lineRect.right() + 1;
        if (column.indented) {
            left += header.twipsToPixelsX(std::min(paragraph.firstIndent, paragraph.leftIndent));
            right -= header.twipsToPixelsX(paragraph.rightIndent);
        }
        painter.fillRect(QRect(left, top, right - left, height), toQColor(GetColorEntry(number)));
    }

    for (const Run &run : lineRuns(painted).runs) {
        const TAttr attr = attrAt(line, run.begin);
        SelectAttr(attr);
        // Text with a background colour of its own keeps it on paper too.
        const bool ownBackground = attr.backgroundColor() != 0 && !attr.has(TAttr::KeepCanvasColors);
        if (run.width > 0 && (run.selected || (!transparent && !shaded) || ownBackground))
            painter.fillRect(QRect(run.x, top, run.width, height),
                             run.selected ? toQColor(clHighlight) : m_run.brushColor);
    }
}

void TQmRTFTextPaint::paintLineContent(QPainter &painter, const PaintedLine &painted)
{
    const TParagraph &paragraph = *painted.paragraph;
    const TTextLine &line = *painted.line;
    const int top = painted.origin.y();
    const int spaceAfter = line.next() ? 0 : Header().twipsToPixelsY(paragraph.spaceAfter);
    const int baseline = top + line.baseline;
    const LineRuns runs = lineRuns(painted);
    for (const Run &run : runs.runs) {
        const TAttr attr = attrAt(line, run.begin);
        const char16_t code = line.text()[run.begin];
        if (attr.has(TAttr::Object) && (code == 1 || code == 2)) {
            const TTextObject *object = FindObjectFor(code, attr);
            const int objectHeight = objectHeightPixels(object);
            const int bottom = top + line.height - spaceAfter;
            paintObject(painter, object, attr, QRect(run.x, bottom - objectHeight, run.width, objectHeight));
            continue;
        }
        if (code == '\t' || code == '\n' || run.width <= 0)
            continue;
        SelectAttr(attr);
        const std::shared_ptr<const CachedFont> font = selectedFont();
        if (!font->isValid())
            continue;
        int shift = 0;
        if (m_run.superscript)
            shift = -line.baseline / 3;
        else if (m_run.subscript)
            shift = line.baseline / 5;
        painter.setPen(run.selected ? toQColor(clHighlightText) : m_run.textColor);
        drawGlyphs(painter, *font, line, run.begin, run.end, runs.advances, QPointF(run.x, baseline + shift));

        if (m_run.rtfCode)
            drawDottedLine(painter, run.x, baseline + 1, run.width, Qt::red);
        else if (m_run.underline)
            painter.fillRect(QRect(run.x, baseline + 1, run.width, 1), m_run.penColor);
    }

    if (paragraph.isBordered()) {
        const Column column = columnOf(paragraph);
        paintBorders(painter, paragraph, line,
                     QRect(painted.origin.x() + column.left, top, std::max(column.width, 0), line.height));
    }
}

void TQmRTFTextPaint::drawGlyphs(QPainter &painter, const CachedFont &font, const TTextLine &line, int begin, int end,
                                 const std::vector<int> &advances, QPointF origin) const
{
    // One glyph run per face: characters the font lacks come from the faces that have them.
    struct FaceRun {
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };
    std::vector<FaceRun> faces(1);
    int offset = 0;
    for (int i = begin; i < end; ++i) {
        const int advance = advances[size_t(i)];
        char32_t code = line.text()[i];
        if (QChar::isHighSurrogate(code) && i + 1 < line.length && QChar::isLowSurrogate(line.text()[i + 1]))
            code = QChar::surrogateToUcs4(char16_t(code), line.text()[i + 1]);
        if (advance > 0) {
            const Glyph glyph = font.glyph(code);
            if (glyph.face >= faces.size())
                faces.resize(size_t(glyph.face) + 1);
            faces[glyph.face].glyphs.append(glyph.index);
            faces[glyph.face].positions.append(QPointF(offset, 0));
        }
        offset += advance;
    }
    for (size_t number = 0; number < faces.size(); ++number) {
        if (faces[number].glyphs.isEmpty())
            continue;
        QGlyphRun glyphRun;
        glyphRun.setRawFont(font.face(int(number)));
        glyphRun.setGlyphIndexes(faces[number].glyphs);
        glyphRun.setPositions(faces[number].positions);
        glyphRun.setStrikeOut(m_run.strikeOut);
        painter.drawGlyphRun(origin, glyphRun);
    }
}

int TQmRTFTextPaint::objectHeightPixels(const TTextObject *object) const
{
    return object ? std::max(0, Header().twipsToPixelsY(object->height)) : 0;
}

TAttr TQmRTFTextPaint::attrAt(const TTextLine &line, int index) const
{
    if (line.attributes())
        return line.attributes()[index];
    TAttr attr = CurrentAttr();
    attr.width = plainWidth(line.text()[index]);
    return attr;
}

std::pair<int, int> TQmRTFTextPaint::selectedIndexes(const TParagraph &paragraph, const TTextLine &line) const
{
    const TTextRange &selection = Selection();
    if ((m_paintFlags & paint::HideSelection) || !selection.start.isValid())
        return {0, 0};
    const auto [start, end] = orderedSelection();
    const PositionKey lineStart = positionKey(&paragraph, &line, 0);
    const PositionKey lineEnd{std::get<0>(lineStart), std::get<1>(lineStart), line.length};
    const int first = start <= lineStart ? 0 : start > lineEnd ? line.length : std::get<2>(start);
    const int last = end >= lineEnd ? line.length : end < lineStart ? 0 : std::get<2>(end);
    return {first, std::max(first, last)};
}

void TQmRTFTextPaint::paintObject(QPainter &painter, const TTextObject *object, const TAttr &attr, QRect rect)
{
    if (!object || rect.width() <= 0 || rect.height() <= 0)
        return;
    const Graphic &graphic = object->graphic;
    bool drawn = false;
    if (graphic.isBitmap()) {
        painter.drawImage(rect, graphic.bitmap());
        drawn = true;
    } else if (graphic.isMetafile()) {
        drawn = MetafilePlayer(graphic.metafileBytes()).play(painter, rect);
    }
    if (!drawn)
        drawEmptyObject(painter, rect, object->fileName);
    if (attr.has(TAttr::Automatic)) {
        painter.save();
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        painter.restore();
    }
    m_paintedObjects.push_back({rect, object});
    if (m_paintedObjects.size() > RememberedObjects)
        m_paintedObjects.pop_front();
}

void TQmRTFTextPaint::paintBorders(QPainter &painter, const TParagraph &paragraph, const TTextLine &line,
                                   QRect lineRect)
{
    const TTextHeader &header = Header();
    const Column column = columnOf(paragraph);
    const int distance = column.indented ? header.twipsToPixelsX((paragraph.borderColor >> 4) * 56) : 0;
    int left = lineRect.left();
    int right = lineRect.right() + 1;
    if (column.indented) {
        left += header.twipsToPixelsX(std::min(paragraph.firstIndent, paragraph.leftIndent));
        right -= header.twipsToPixelsX(paragraph.rightIndent);
        left = std::max(lineRect.left(), left - distance);
        right = std::min(lineRect.right() + 1, right + distance);
    }
    const int width = std::max(1, header.twipsToPixelsX(paragraph.borderWidth * 20));
    const QColor color = toQColor(GetColorEntry(paragraph.borderColor & 0x0F));
    const quint8 flags = paragraph.borderFlags;
    const bool box = flags & TParagraphFormat::BorderBox;
    const bool dotted = paragraph.borderStyle & TParagraphFormat::BorderDotted;
    const bool doubled = flags & TParagraphFormat::BorderDouble;

    const auto edge = [&](QRect band) {
        if (!dotted) {
            painter.fillRect(band, color);
            return;
        }
        const bool horizontal = band.width() >= band.height();
        for (int step = 0; step < (horizontal ? band.width() : band.height()); step += 3)
            painter.fillRect(horizontal ? QRect(band.left() + step, band.top(), 1, band.height())
                                        : QRect(band.left(), band.top() + step, band.width(), 1),
                             color);
    };
    const auto edges = [&](QRect band, QPoint inward) {
        edge(band);
        if (doubled)
            edge(band.translated(inward * (width + 1)));
    };
    const int top = lineRect.top();
    const int bottom = lineRect.bottom() + 1;
    if ((box || (flags & TParagraphFormat::BorderLeft)))
        edges(QRect(left, top, width, bottom - top), QPoint(1, 0));
    if ((box || (flags & TParagraphFormat::BorderRight)))
        edges(QRect(right - width, top, width, bottom - top), QPoint(-1, 0));
    if ((box || (flags & TParagraphFormat::BorderTop)) && &line == paragraph.firstLine())
        edges(QRect(left, top, right - left, width), QPoint(0, 1));
    if ((box || (flags & TParagraphFormat::BorderBottom)) && !line.next())
        edges(QRect(left, bottom - width, right - left, width), QPoint(0, -1));
}
