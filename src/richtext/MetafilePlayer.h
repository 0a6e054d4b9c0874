#pragma once

#include <QByteArrayView>
#include <QRect>

#include <vector>

class QPainter;

namespace qm {

/// Plays a placeable Windows metafile (the pictures RTF documents carry)
/// stretched into a rectangle. It knows the records that pictures in
/// calendar cells are made of: state and object records (pens, brushes,
/// fonts, window origin and extent, saving and restoring), lines,
/// rectangles, rounded rectangles, ellipses, polygons, polylines, text, and
/// device-independent bitmaps. A metafile with any other record, or one
/// whose records do not fit their lengths, is not playable: the caller shows
/// the picture's frame instead. No input makes it crash or draw outside the
/// rectangle.
class MetafilePlayer
{
public:
    /// Reads and checks `placeableBytes` (the 22-byte placeable header, the
    /// metafile header and the records). The bytes must outlive the player.
    explicit MetafilePlayer(QByteArrayView placeableBytes);

    bool isPlayable() const { return m_playable; }
    /// Draws the picture into `target`; draws nothing and returns false when
    /// the metafile is not playable.
    bool play(QPainter &painter, const QRect &target) const;

    struct Record {
        quint16 function = 0;
        QByteArrayView parameters;
    };

private:
    bool read(QByteArrayView bytes);

    std::vector<Record> m_records;
    QRect m_bounds; ///< the picture's frame in logical units, from the placeable header
    int m_objectCount = 0;
    bool m_playable = false;
};

} // namespace qm
