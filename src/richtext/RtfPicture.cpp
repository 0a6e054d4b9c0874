#include "richtext/RtfPicture.h"

#include "richtext/BitmapBits.h"
#include "richtext/RtfKeywords.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <limits>

namespace qm::rtf {
namespace {

constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr quint16 MetafileUnitsPerInch = 2540;

bool sideAllowed(qint64 side)
{
    return side > 0 && side <= bitmap::MaxSide;
}

// The placeable-metafile header: key, no handle, the bounding box
// 0, 0, width, height, 2540 units per inch, and the exclusive-or of the ten
// 16-bit words before the checksum.
void writePlaceableHeader(char *header, int width, int height)
{
    std::fill_n(header, Graphic::PlaceableHeaderSize, '\0');
    qToLittleEndian(PlaceableKey, header);
    qToLittleEndian(quint16(width), header + 10);
    qToLittleEndian(quint16(height), header + 12);
    qToLittleEndian(MetafileUnitsPerInch, header + 14);
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= qFromLittleEndian<quint16>(header + 2 * i);
    qToLittleEndian(checksum, header + 20);
}

QImage readImage(QImageReader &reader)
{
    const QSize size = reader.size();
    if (!sideAllowed(size.width()) || !sideAllowed(size.height()) ||
        qint64(size.width()) * size.height() * 4 > bitmap::MaxPixelBytes)
        return {};
    return reader.read();
}

QImage readBitmapFile(const QString &path)
{
    QImageReader reader(path);
    return readImage(reader);
}

/// A PNG or JPEG picture held in the RTF; null when it cannot be decoded.
QImage readEncodedImage(const QByteArray &data, const char *format)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    return readImage(reader);
}

} // namespace

void Picture::setKind(int pictureKind)
{
    kind = pictureKind;
    if (kind == pkMetafile && m_data.isEmpty() && m_halfByte < 0) {
        m_data = QByteArray(Graphic::PlaceableHeaderSize, '\0');
        m_headerReserved = true;
    }
}

qint32 Picture::scaled(qint32 twips, qint32 percent)
{
    const qint64 result = qint64(twips) * percent / 100;
    return qint32(std::clamp<qint64>(result, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

Graphic Picture::graphic() const
{
    switch (kind) {
    case pkBitmap:
        return Graphic::fromBitmap(bitmap::fromDeviceBits(width, height, planes, bitsPerPixel, widthBytes, m_data));
    case pkDib:
        return Graphic::fromBitmap(bitmap::fromDib(m_data));
    case pkMetafile:
        return metafile();
    case pkPng:
        return Graphic::fromBitmap(readEncodedImage(m_data, "png"));
    case pkJpeg:
        return Graphic::fromBitmap(readEncodedImage(m_data, "jpeg"));
    default:
        return {};
    }
}

Graphic Picture::metafile() const
{
    if (!sideAllowed(width) || !sideAllowed(height))
        return {};
    QByteArray bytes = m_data;
    if (!m_headerReserved)
        bytes.prepend(Graphic::PlaceableHeaderSize, '\0');
    if (bytes.size() == Graphic::PlaceableHeaderSize)
        return {};
    writePlaceableHeader(bytes.data(), width, height);
    return Graphic::fromMetafile(std::move(bytes), width, height);
}

Graphic Picture::loadFile(const QString &path, int width, int height)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    const QString lower = path.toLower();
    if (lower.contains(QLatin1String(".bmp")))
        return Graphic::fromBitmap(readBitmapFile(path));
    if (!lower.contains(QLatin1String(".wmf")) || info.size() > MaxFileBytes)
        return {};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    const bool placeable =
        bytes.size() >= Graphic::PlaceableHeaderSize && qFromLittleEndian<quint32>(bytes.constData()) == PlaceableKey;
    if (!placeable) {
        bytes.prepend(Graphic::PlaceableHeaderSize, '\0');
        writePlaceableHeader(bytes.data(), width, height);
    }
    return Graphic::fromMetafile(std::move(bytes), width, height);
}

} // namespace qm::rtf
