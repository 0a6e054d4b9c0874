#pragma once

#include <QByteArrayView>
#include <QtEndian>

/// Record functions of Windows metafiles and a bounds-checked view of one
/// record's parameters, shared by the metafile player's reading and playing.
namespace qm::wmf {

enum Function : quint16 {
    Eof = 0x0000,
    RealizePalette = 0x0035,
    SetPalEntries = 0x0037,
    CreatePalette = 0x00F7,
    SetBkMode = 0x0102,
    SetMapMode = 0x0103,
    SetRop2 = 0x0104,
    SetRelAbs = 0x0105,
    SetPolyFillMode = 0x0106,
    SetStretchBltMode = 0x0107,
    SetTextCharExtra = 0x0108,
    RestoreDc = 0x0127,
    SelectClipRegion = 0x012C,
    SelectObject = 0x012D,
    SetTextAlign = 0x012E,
    DibCreatePatternBrush = 0x0142,
    SetLayout = 0x0149,
    DeleteObject = 0x01F0,
    CreatePatternBrush = 0x01F9,
    SetBkColor = 0x0201,
    SetTextColor = 0x0209,
    SetTextJustification = 0x020A,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    SetViewportOrg = 0x020D,
    SetViewportExt = 0x020E,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    SelectPalette = 0x0234,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    SaveDc = 0x001E,
    Polygon = 0x0324,
    Polyline = 0x0325,
    ExcludeClipRect = 0x0415,
    IntersectClipRect = 0x0416,
    Ellipse = 0x0418,
    Rectangle = 0x041B,
    TextOut = 0x0521,
    PolyPolygon = 0x0538,
    SetMapperFlags = 0x0231,
    PatBlt = 0x061D,
    Escape = 0x0626,
    RoundRect = 0x061C,
    CreateRegion = 0x06FF,
    DibBitBlt = 0x0940,
    DibStretchBlt = 0x0B41,
    ExtTextOut = 0x0A32,
    StretchDib = 0x0F43,
};

/// The parameters of one record. Every read is checked against the record's
/// length; reading past it yields 0 (the player checks lengths before it
/// draws, so this only keeps a mistake from reading foreign memory).
class Parameters
{
public:
    explicit Parameters(QByteArrayView bytes)
        : m_bytes(bytes)
    {}

    qsizetype size() const { return m_bytes.size(); }
    /// The signed 16-bit word at word index `index`.
    qint16 word(qsizetype index) const { return qint16(unsignedWord(index)); }
    quint16 unsignedWord(qsizetype index) const
    {
        return has(2 * index, 2) ? qFromLittleEndian<quint16>(m_bytes.data() + 2 * index) : 0;
    }
    /// The 32-bit value at byte offset `offset`.
    quint32 doubleWord(qsizetype offset) const
    {
        return has(offset, 4) ? qFromLittleEndian<quint32>(m_bytes.data() + offset) : 0;
    }
    /// `length` bytes from `offset`; empty when they are not all there.
    QByteArrayView bytes(qsizetype offset, qsizetype length) const
    {
        return has(offset, length) ? m_bytes.sliced(offset, length) : QByteArrayView();
    }
    QByteArrayView from(qsizetype offset) const
    {
        return offset >= 0 && offset <= m_bytes.size() ? m_bytes.sliced(offset) : QByteArrayView();
    }
    bool has(qsizetype offset, qsizetype length) const
    {
        return offset >= 0 && length >= 0 && offset <= m_bytes.size() && length <= m_bytes.size() - offset;
    }

private:
    QByteArrayView m_bytes;
};

} // namespace qm::wmf
