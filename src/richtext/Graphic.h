#pragma once

#include <QByteArray>
#include <QImage>

namespace qm {

/// The picture of an embedded object: a bitmap, a metafile kept byte for byte
/// (it is written back unchanged; playing it is the painter's business), or
/// nothing. A value type: copies are independent (see `deepCopy`).
class Graphic
{
public:
    enum class Kind { None, Bitmap, Metafile };

    /// Size of the placeable-metafile header in front of the metafile records.
    static constexpr int PlaceableHeaderSize = 22;

    Graphic() = default;
    /// A bitmap; a null image gives an empty graphic.
    static Graphic fromBitmap(QImage image);
    /// A metafile: `placeableBytes` starts with the 22-byte placeable header;
    /// `width` and `height` are the size it is shown at, in pixels.
    static Graphic fromMetafile(QByteArray placeableBytes, int width, int height);

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Kind::None; }
    bool isBitmap() const { return m_kind == Kind::Bitmap; }
    bool isMetafile() const { return m_kind == Kind::Metafile; }

    const QImage &bitmap() const { return m_bitmap; }
    /// The whole metafile including its placeable header.
    const QByteArray &metafileBytes() const { return m_metafile; }
    /// The metafile records after the placeable header.
    QByteArrayView metafileRecords() const;

    /// Size in pixels: the bitmap's, or the metafile's declared size.
    int width() const { return m_width; }
    int height() const { return m_height; }

    /// A copy that shares no pixel or byte storage with this graphic, so that
    /// two documents never hold the same picture.
    Graphic deepCopy() const;

private:
    Kind m_kind = Kind::None;
    QImage m_bitmap;
    QByteArray m_metafile;
    int m_width = 0;
    int m_height = 0;
};

} // namespace qm
