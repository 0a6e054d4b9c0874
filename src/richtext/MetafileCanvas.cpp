#include "richtext/MetafileCanvas.h"

#include "platform/Cp1252.h"
#include "richtext/BitmapBits.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace qm {
namespace {

using wmf::Parameters;

constexpr int MaxSavedStates = 256;
/// Larger than any text of a picture in a cell; bounds the glyph caches.
constexpr int MaxFontPixels = 512;
constexpr int DefaultObjectCapacity = 16;

// Text alignment bits.
constexpr int TaUpdateCp = 0x01;
constexpr int TaRight = 0x02;
constexpr int TaCenter = 0x06;
constexpr int TaBottom = 0x08;
constexpr int TaBaseline = 0x18;
// ExtTextOut options.
constexpr int EtoOpaque = 0x02;
constexpr int EtoClipped = 0x04;
// Raster operations of bitmap records.
constexpr quint32 SrcCopy = 0x00CC0020;
constexpr quint32 SrcPaint = 0x00EE0086;
constexpr quint32 SrcAnd = 0x008800C6;
constexpr quint32 SrcInvert = 0x00660046;
constexpr quint32 NotSrcCopy = 0x00330008;
constexpr quint32 PatCopy = 0x00F00021;
constexpr quint32 Blackness = 0x00000042;
constexpr quint32 Whiteness = 0x00FF0062;

QColor colorRef(quint32 value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QRectF rectFromCorners(qreal left, qreal top, qreal right, qreal bottom)
{
    return QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
}

/// The points of a polygon record's point list starting at word `firstWord`.
QPolygonF pointsAt(const Parameters &p, qsizetype firstWord, qsizetype count)
{
    QPolygonF points;
    points.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        points.append(QPointF(p.word(firstWord + 2 * i), p.word(firstWord + 2 * i + 1)));
    return points;
}

std::optional<QPainter::CompositionMode> compositionFor(quint32 rasterOperation)
{
    switch (rasterOperation) {
    case SrcCopy:
        return QPainter::CompositionMode_SourceOver;
    case SrcPaint:
        return QPainter::RasterOp_SourceOrDestination;
    case SrcAnd:
        return QPainter::RasterOp_SourceAndDestination;
    case SrcInvert:
        return QPainter::RasterOp_SourceXorDestination;
    case NotSrcCopy:
        return QPainter::RasterOp_NotSource;
    default:
        return std::nullopt;
    }
}

} // namespace

MetafileCanvas::MetafileCanvas(QPainter &painter, const QRect &target, const QRect &bounds, int objectCount)
    : m_painter(painter)
    , m_target(target)
    , m_bounds(bounds)
    , m_objectCapacity(std::max(objectCount, DefaultObjectCapacity))
{
    m_painter.save();
    m_base = m_painter.worldTransform();
    m_painter.setClipRect(target, Qt::IntersectClip);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
}

MetafileCanvas::~MetafileCanvas()
{
    for (size_t i = 0; i < m_saved.size(); ++i)
        m_painter.restore();
    m_painter.restore();
}

// Mapping -----------------------------------------------------------------------

QTransform MetafileCanvas::mapping() const
{
    // The window the metafile set, else the frame of its placeable header.
    QRect window(m_state.windowOrigin, m_state.windowExtent);
    if (m_state.windowExtent.width() == 0 || m_state.windowExtent.height() == 0)
        window = m_bounds;
    const qreal width = window.width() != 0 ? window.width() : 1;
    const qreal height = window.height() != 0 ? window.height() : 1;
    const qreal scaleX = m_target.width() / width;
    const qreal scaleY = m_target.height() / height;
    return QTransform(scaleX, 0, 0, scaleY, m_target.left() - window.left() * scaleX,
                      m_target.top() - window.top() * scaleY);
}

void MetafileCanvas::useMapping()
{
    m_painter.setWorldTransform(mapping() * m_base);
}

void MetafileCanvas::useDeviceCoordinates()
{
    m_painter.setWorldTransform(m_base);
}

QPen MetafileCanvas::scaledPen() const
{
    QPen pen = m_state.pen;
    if (pen.style() == Qt::NoPen || pen.widthF() == 0)
        return pen;
    // A pen wider than the picture draws nothing more; bound it.
    const qreal scale = std::max(std::abs(mapping().m11()), 1e-6);
    const qreal widest = 2.0 * std::max(m_target.width(), m_target.height()) / scale;
    pen.setWidthF(std::min(pen.widthF(), widest));
    return pen;
}

// Objects and state -------------------------------------------------------------

MetafileCanvas::GdiObject MetafileCanvas::penFrom(const Parameters &p)
{
    GdiObject object;
    object.kind = GdiObject::Pen;
    const int style = p.unsignedWord(0) & 0x0F;
    const int width = std::abs(int(p.word(1)));
    const QColor color = colorRef(p.doubleWord(6));
    static constexpr Qt::PenStyle styles[] = {Qt::SolidLine,      Qt::DashLine, Qt::DotLine,  Qt::DashDotLine,
                                              Qt::DashDotDotLine, Qt::NoPen,    Qt::SolidLine};
    object.pen = QPen(color, width, style < 7 ? styles[style] : Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    object.pen.setCosmetic(width == 0);
    return object;
}

MetafileCanvas::GdiObject MetafileCanvas::brushFrom(const Parameters &p)
{
    GdiObject object;
    object.kind = GdiObject::Brush;
    const QColor color = colorRef(p.doubleWord(2));
    switch (p.unsignedWord(0)) {
    case 0: // solid
        object.brush = QBrush(color);
        break;
    case 2: { // hatched
        static constexpr Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
                                                     Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
        const int hatch = p.unsignedWord(3);
        object.brush = QBrush(color, hatch < 6 ? hatches[hatch] : Qt::SolidPattern);
        break;
    }
    default: // hollow, or a pattern this record cannot carry
        object.brush = QBrush(Qt::NoBrush);
        break;
    }
    return object;
}

MetafileCanvas::GdiObject MetafileCanvas::fontFrom(const Parameters &p)
{
    GdiObject object;
    object.kind = GdiObject::Font;
    LogFont &font = object.font;
    font.height = p.word(0);
    font.escapement = p.word(2);
    font.weight = p.word(4);
    const QByteArrayView flags = p.bytes(10, 3);
    font.italic = flags.size() == 3 && flags[0] != 0;
    font.underline = flags.size() == 3 && flags[1] != 0;
    font.strikeOut = flags.size() == 3 && flags[2] != 0;
    QByteArrayView face = p.from(18).first(std::min<qsizetype>(p.from(18).size(), 32));
    if (const qsizetype end = face.indexOf('\0'); end >= 0)
        face = face.first(end);
    font.face = fromCp1252(face);
    return object;
}

void MetafileCanvas::addObject(GdiObject object)
{
    // Objects take the lowest free slot of the table, as in the metafile's writer.
    for (int index = 0; index < m_objectCapacity; ++index) {
        if (!m_objects.contains(index)) {
            m_objects.emplace(index, std::move(object));
            return;
        }
    }
}

void MetafileCanvas::selectObject(int index)
{
    const auto found = m_objects.find(index);
    if (found == m_objects.end())
        return;
    const GdiObject &object = found->second;
    switch (object.kind) {
    case GdiObject::Pen:
        m_state.pen = object.pen;
        break;
    case GdiObject::Brush:
        m_state.brush = object.brush;
        break;
    case GdiObject::Font:
        m_state.font = object.font;
        break;
    case GdiObject::Other:
        break;
    }
}

void MetafileCanvas::saveState()
{
    if (m_saved.size() >= MaxSavedStates)
        return;
    m_saved.push_back(m_state);
    m_painter.save();
}

void MetafileCanvas::restoreState(int level)
{
    // Negative levels count back from the latest saved state; positive ones
    // name a saved state counted from the first.
    const int count = int(m_saved.size());
    int keep = level < 0 ? count + level : level - 1;
    if (keep < 0 || keep >= count)
        return;
    while (int(m_saved.size()) > keep) {
        m_state = m_saved.back();
        m_saved.pop_back();
        m_painter.restore();
    }
}

// Records -----------------------------------------------------------------------

void MetafileCanvas::play(const MetafilePlayer::Record &record)
{
    const Parameters p(record.parameters);
    switch (record.function) {
    case wmf::SaveDc:
        saveState();
        break;
    case wmf::RestoreDc:
        restoreState(p.word(0));
        break;
    case wmf::SetBkMode:
        m_state.opaqueBackground = p.unsignedWord(0) == 2;
        break;
    case wmf::SetPolyFillMode:
        m_state.fillRule = p.unsignedWord(0) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
        break;
    case wmf::SetTextAlign:
        m_state.textAlign = p.unsignedWord(0);
        break;
    case wmf::SetBkColor:
        m_state.backgroundColor = colorRef(p.doubleWord(0));
        break;
    case wmf::SetTextColor:
        m_state.textColor = colorRef(p.doubleWord(0));
        break;
    case wmf::SetWindowOrg:
        m_state.windowOrigin = QPoint(p.word(1), p.word(0));
        break;
    case wmf::SetWindowExt:
        m_state.windowExtent = QSize(p.word(1), p.word(0));
        break;
    case wmf::SelectObject:
        selectObject(p.unsignedWord(0));
        break;
    case wmf::DeleteObject:
        m_objects.erase(p.unsignedWord(0));
        break;
    case wmf::CreatePenIndirect:
        addObject(penFrom(p));
        break;
    case wmf::CreateBrushIndirect:
        addObject(brushFrom(p));
        break;
    case wmf::CreateFontIndirect:
        addObject(fontFrom(p));
        break;
    case wmf::DibCreatePatternBrush: {
        GdiObject object;
        object.kind = GdiObject::Brush;
        const QImage pattern = bitmap::fromDib(p.from(4));
        object.brush = pattern.isNull() ? QBrush(Qt::gray) : QBrush(pattern);
        addObject(std::move(object));
        break;
    }
    case wmf::CreatePalette:
    case wmf::CreatePatternBrush:
    case wmf::CreateRegion:
        addObject(GdiObject()); // takes a slot that later records count on
        break;
    case wmf::MoveTo:
        m_state.position = QPointF(p.word(1), p.word(0));
        break;
    case wmf::LineTo: {
        const QPointF end(p.word(1), p.word(0));
        useMapping();
        m_painter.setPen(scaledPen());
        m_painter.drawLine(m_state.position, end);
        m_state.position = end;
        break;
    }
    case wmf::Rectangle:
    case wmf::RoundRect:
    case wmf::Ellipse:
        drawShape(p, record.function);
        break;
    case wmf::Polygon:
    case wmf::Polyline:
    case wmf::PolyPolygon:
        drawPolygons(p, record.function);
        break;
    case wmf::TextOut: {
        const qsizetype length = p.word(0);
        const qsizetype coordinates = 1 + (length + 1) / 2;
        drawText(QPointF(p.word(coordinates + 1), p.word(coordinates)), p.bytes(2, length), nullptr, 0);
        break;
    }
    case wmf::ExtTextOut: {
        const int options = p.unsignedWord(3);
        const qsizetype length = p.word(2);
        qsizetype offset = 8;
        useMapping();
        m_painter.save();
        if (options & (EtoOpaque | EtoClipped)) {
            const QRectF box = rectFromCorners(p.word(4), p.word(5), p.word(6), p.word(7));
            if (options & EtoOpaque)
                m_painter.fillRect(box, m_state.backgroundColor);
            if (options & EtoClipped)
                m_painter.setClipRect(box, Qt::IntersectClip);
            offset += 8;
        }
        const qsizetype advances = offset + (length + 1) / 2 * 2;
        const bool hasAdvances = p.has(advances, 2 * length);
        drawText(QPointF(p.word(1), p.word(0)), p.bytes(offset, length), hasAdvances ? &p : nullptr, advances);
        m_painter.restore();
        break;
    }
    case wmf::StretchDib:
    case wmf::DibStretchBlt:
    case wmf::DibBitBlt:
        drawBitmap(p, record.function);
        break;
    case wmf::PatBlt:
        patternBlit(p);
        break;
    case wmf::IntersectClipRect:
        intersectClip(p);
        break;
    default:
        break; // records without effect here
    }
}

void MetafileCanvas::drawShape(const Parameters &p, quint16 function)
{
    // Corners come last-first: bottom, right, top, left.
    const qsizetype corners = function == wmf::RoundRect ? 2 : 0;
    const QRectF box = rectFromCorners(p.word(corners + 3), p.word(corners + 2), p.word(corners + 1), p.word(corners));
    useMapping();
    m_painter.setPen(scaledPen());
    m_painter.setBrush(m_state.brush);
    if (function == wmf::Ellipse)
        m_painter.drawEllipse(box);
    else if (function == wmf::RoundRect)
        m_painter.drawRoundedRect(box, std::abs(p.word(1)) / 2.0, std::abs(p.word(0)) / 2.0);
    else
        m_painter.drawRect(box);
}

void MetafileCanvas::drawPolygons(const Parameters &p, quint16 function)
{
    useMapping();
    m_painter.setPen(scaledPen());
    if (function == wmf::Polyline) {
        m_painter.drawPolyline(pointsAt(p, 1, p.word(0)));
        return;
    }
    m_painter.setBrush(m_state.brush);
    if (function == wmf::Polygon) {
        m_painter.drawPolygon(pointsAt(p, 1, p.word(0)), m_state.fillRule);
        return;
    }
    const qsizetype polygons = p.word(0);
    QPainterPath path;
    path.setFillRule(m_state.fillRule);
    qsizetype word = 1 + polygons;
    for (qsizetype i = 0; i < polygons; ++i) {
        const qsizetype count = p.word(1 + i);
        path.addPolygon(pointsAt(p, word, count));
        path.closeSubpath();
        word += 2 * count;
    }
    m_painter.drawPath(path);
}

void MetafileCanvas::drawText(QPointF logical, QByteArrayView text, const Parameters *advances,
                              qsizetype advancesOffset)
{
    if (text.isEmpty())
        return;
    const QTransform map = mapping();
    if (m_state.textAlign & TaUpdateCp)
        logical = m_state.position;
    const qreal scaleX = map.m11();
    const qreal scaleY = std::abs(map.m22());

    const LogFont &logFont = m_state.font;
    QFont font(logFont.face.isEmpty() ? QStringLiteral("Arial") : logFont.face);
    const qreal height = logFont.height == 0 ? 12 : std::abs(logFont.height);
    font.setPixelSize(std::clamp(int(std::lround(height * scaleY)), 1, MaxFontPixels));
    font.setBold(logFont.weight >= 600);
    font.setItalic(logFont.italic);
    font.setUnderline(logFont.underline);
    font.setStrikeOut(logFont.strikeOut);
    const QFontMetricsF metrics(font);
    const QString string = fromCp1252(text);

    // Device-space advances: the record's own, else the font's.
    std::vector<qreal> steps(size_t(string.size()));
    qreal width = 0;
    for (qsizetype i = 0; i < string.size(); ++i) {
        steps[size_t(i)] =
            advances ? advances->word(advancesOffset / 2 + i) * scaleX : metrics.horizontalAdvance(string.at(i));
        width += steps[size_t(i)];
    }

    qreal x = 0;
    if ((m_state.textAlign & TaCenter) == TaCenter)
        x = -width / 2;
    else if (m_state.textAlign & TaRight)
        x = -width;
    qreal y = metrics.ascent();
    if ((m_state.textAlign & TaBaseline) == TaBaseline)
        y = 0;
    else if (m_state.textAlign & TaBottom)
        y = -metrics.descent();

    useDeviceCoordinates();
    m_painter.save();
    m_painter.translate(map.map(logical));
    if (logFont.escapement != 0)
        m_painter.rotate(-logFont.escapement / 10.0);
    if (m_state.opaqueBackground)
        m_painter.fillRect(QRectF(x, y - metrics.ascent(), width, metrics.height()), m_state.backgroundColor);
    m_painter.setFont(font);
    m_painter.setPen(m_state.textColor);
    for (qsizetype i = 0; i < string.size(); ++i) {
        m_painter.drawText(QPointF(x, y), QString(string.at(i)));
        x += steps[size_t(i)];
    }
    m_painter.restore();
    if (m_state.textAlign & TaUpdateCp)
        m_state.position = logical + QPointF(scaleX != 0 ? width / scaleX : 0, 0);
}

void MetafileCanvas::drawBitmap(const Parameters &p, quint16 function)
{
    const quint32 rasterOperation = p.doubleWord(0);
    QRectF destination;
    QRectF source;
    QByteArrayView dib;
    if (function == wmf::StretchDib) {
        source = QRectF(p.word(6), p.word(5), p.word(4), p.word(3));
        destination = QRectF(p.word(10), p.word(9), p.word(8), p.word(7));
        dib = p.from(22);
    } else if (function == wmf::DibStretchBlt && p.size() > 22) {
        source = QRectF(p.word(5), p.word(4), p.word(3), p.word(2));
        destination = QRectF(p.word(9), p.word(8), p.word(7), p.word(6));
        dib = p.from(20);
    } else if (function == wmf::DibBitBlt && p.size() > 18) {
        source = QRectF(p.word(3), p.word(2), p.word(5), p.word(4));
        destination = QRectF(p.word(7), p.word(6), p.word(5), p.word(4));
        dib = p.from(16);
    } else {
        return; // the bitmap-less forms paint with raster operations alone
    }

    const QImage image = bitmap::fromDib(dib);
    const std::optional<QPainter::CompositionMode> mode = compositionFor(rasterOperation);
    if (image.isNull() || !mode)
        return;
    if (function == wmf::StretchDib) // its source origin is the lower-left corner
        source.moveTop(image.height() - source.top() - source.height());
    source = source.normalized().intersected(QRectF(image.rect()));
    if (source.isEmpty())
        source = QRectF(image.rect());

    useMapping();
    m_painter.save();
    const bool rasterOps = m_painter.paintEngine() && m_painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    if (*mode == QPainter::CompositionMode_SourceOver || rasterOps)
        m_painter.setCompositionMode(*mode);
    m_painter.drawImage(destination.normalized(), image, source);
    m_painter.restore();
}

void MetafileCanvas::patternBlit(const Parameters &p)
{
    const QRectF box = QRectF(p.word(5), p.word(4), p.word(3), p.word(2)).normalized();
    useMapping();
    switch (p.doubleWord(0)) {
    case PatCopy:
        m_painter.fillRect(box, m_state.brush);
        break;
    case Blackness:
        m_painter.fillRect(box, Qt::black);
        break;
    case Whiteness:
        m_painter.fillRect(box, Qt::white);
        break;
    default:
        break; // inverting operations have no meaning on a fresh picture
    }
}

void MetafileCanvas::intersectClip(const Parameters &p)
{
    useMapping();
    m_painter.setClipRect(rectFromCorners(p.word(3), p.word(2), p.word(1), p.word(0)), Qt::IntersectClip);
}

} // namespace qm
