#include "richtext/Graphic.h"

namespace qm {

Graphic Graphic::fromBitmap(QImage image)
{
    Graphic graphic;
    if (image.isNull())
        return graphic;
    graphic.m_kind = Kind::Bitmap;
    graphic.m_width = image.width();
    graphic.m_height = image.height();
    graphic.m_bitmap = std::move(image);
    return graphic;
}

Graphic Graphic::fromMetafile(QByteArray placeableBytes, int width, int height)
{
    Graphic graphic;
    graphic.m_kind = Kind::Metafile;
    graphic.m_metafile = std::move(placeableBytes);
    graphic.m_width = width;
    graphic.m_height = height;
    return graphic;
}

QByteArrayView Graphic::metafileRecords() const
{
    if (m_metafile.size() <= PlaceableHeaderSize)
        return {};
    return QByteArrayView(m_metafile).sliced(PlaceableHeaderSize);
}

Graphic Graphic::deepCopy() const
{
    Graphic copy = *this;
    copy.m_bitmap = m_bitmap.copy();
    copy.m_metafile = QByteArray(m_metafile.constData(), m_metafile.size());
    return copy;
}

} // namespace qm
