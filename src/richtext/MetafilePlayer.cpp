#include "richtext/MetafilePlayer.h"

#include "richtext/MetafileCanvas.h"
#include "richtext/WmfRecords.h"

#include <QPainter>

namespace qm {
namespace {

constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr int PlaceableHeaderSize = 22;
constexpr int MetaHeaderSize = 18;
/// More records than any picture of a cell holds; a longer stream is refused
/// rather than played for seconds.
constexpr int MaxRecords = 100000;

using wmf::Parameters;

/// Whether the parameters of a record of `function` are complete. False for
/// functions the player does not know.
bool parametersComplete(quint16 function, const Parameters &p)
{
    const qsizetype size = p.size();
    switch (function) {
    case wmf::SaveDc:
    case wmf::RealizePalette:
    case wmf::SetPalEntries:
    case wmf::CreatePalette:
    case wmf::CreatePatternBrush:
    case wmf::CreateRegion:
    case wmf::SetRelAbs:
    case wmf::SetRop2:
    case wmf::SetStretchBltMode:
    case wmf::SetTextCharExtra:
    case wmf::SetTextJustification:
    case wmf::SetMapperFlags:
    case wmf::SetLayout:
    case wmf::SetMapMode:
    case wmf::SetViewportOrg:
    case wmf::SetViewportExt:
    case wmf::SelectPalette:
    case wmf::SelectClipRegion:
    case wmf::Escape:
    case wmf::ExcludeClipRect:
        return true; // no effect on the picture as it is played here
    case wmf::RestoreDc:
    case wmf::SetBkMode:
    case wmf::SetPolyFillMode:
    case wmf::SetTextAlign:
    case wmf::SelectObject:
    case wmf::DeleteObject:
        return size >= 2;
    case wmf::SetBkColor:
    case wmf::SetTextColor:
    case wmf::SetWindowOrg:
    case wmf::SetWindowExt:
    case wmf::LineTo:
    case wmf::MoveTo:
    case wmf::DibCreatePatternBrush:
        return size >= 4;
    case wmf::CreatePenIndirect:
        return size >= 10;
    case wmf::CreateBrushIndirect:
        return size >= 8;
    case wmf::CreateFontIndirect:
        return size >= 18;
    case wmf::Rectangle:
    case wmf::Ellipse:
    case wmf::IntersectClipRect:
        return size >= 8;
    case wmf::RoundRect:
    case wmf::PatBlt:
        return size >= 12;
    case wmf::Polygon:
    case wmf::Polyline:
        return size >= 2 && p.word(0) >= 0 && size >= 2 + 4 * qsizetype(p.word(0));
    case wmf::PolyPolygon: {
        const qsizetype polygons = p.word(0);
        if (size < 2 || polygons < 0 || size < 2 + 2 * polygons)
            return false;
        qsizetype points = 0;
        for (qsizetype i = 0; i < polygons; ++i) {
            if (p.word(1 + i) < 0)
                return false;
            points += p.word(1 + i);
        }
        return size >= 2 + 2 * polygons + 4 * points;
    }
    case wmf::TextOut: {
        const qsizetype length = p.word(0);
        return size >= 2 && length >= 0 && size >= 2 + (length + 1) / 2 * 2 + 4;
    }
    case wmf::ExtTextOut: {
        const qsizetype length = p.word(2);
        const qsizetype rectangle = (p.unsignedWord(3) & 0x0006) ? 8 : 0;
        return size >= 8 && length >= 0 && size >= 8 + rectangle + length;
    }
    case wmf::StretchDib:
        return size > 22;
    case wmf::DibStretchBlt:
        return size == 22 || size > 20;
    case wmf::DibBitBlt:
        return size == 18 || size > 16;
    default:
        return false;
    }
}

} // namespace

MetafilePlayer::MetafilePlayer(QByteArrayView placeableBytes)
{
    m_playable = read(placeableBytes);
}

bool MetafilePlayer::read(QByteArrayView bytes)
{
    const Parameters file(bytes);
    if (!file.has(0, PlaceableHeaderSize + MetaHeaderSize) || file.doubleWord(0) != PlaceableKey)
        return false;
    m_bounds = QRect(file.word(3), file.word(4), file.word(5) - file.word(3), file.word(6) - file.word(4));

    const Parameters header(file.bytes(PlaceableHeaderSize, MetaHeaderSize));
    const quint16 type = header.unsignedWord(0);
    if ((type != 1 && type != 2) || header.unsignedWord(1) != MetaHeaderSize / 2)
        return false;
    m_objectCount = header.unsignedWord(5);

    qsizetype offset = PlaceableHeaderSize + MetaHeaderSize;
    while (file.has(offset, 6)) {
        const qint64 words = file.doubleWord(offset);
        const quint16 function = quint16(file.unsignedWord((offset + 4) / 2));
        if (words < 3 || words * 2 > bytes.size() - offset)
            return false;
        if (function == wmf::Eof)
            return true;
        const Parameters parameters(file.bytes(offset + 6, words * 2 - 6));
        if (!parametersComplete(function, parameters) || m_records.size() >= MaxRecords)
            return false;
        m_records.push_back({function, file.bytes(offset + 6, words * 2 - 6)});
        offset += words * 2;
    }
    // A stream without its end record is accepted when nothing is left over.
    return offset == bytes.size();
}

bool MetafilePlayer::play(QPainter &painter, const QRect &target) const
{
    if (!m_playable || target.isEmpty())
        return false;
    MetafileCanvas canvas(painter, target, m_bounds, m_objectCount);
    for (const Record &record : m_records)
        canvas.play(record);
    return true;
}

} // namespace qm
