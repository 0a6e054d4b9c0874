#include "IconBitmap.h"

#include "ByteReader.h"
#include "QmError.h"

#include <QBuffer>
#include <QDataStream>
#include <QIODevice>
#include <QList>

namespace qm {

namespace {

constexpr quint32 infoHeaderSize = 40;
constexpr quint32 plainRgb = 0;  // BI_RGB
constexpr quint32 bitFields = 3; // BI_BITFIELDS: 32-bit pixels in the usual order here
constexpr char pngSignature[] = "\x89PNG\r\n\x1a\n";

[[noreturn]] void readError()
{
    throw QmError(QStringLiteral("Stream read error"));
}

/// Bytes of one bitmap row: rows are padded to whole 32-bit words.
qint64 rowBytes(int width, int bitsPerPixel)
{
    return (qint64(width) * bitsPerPixel + 31) / 32 * 4;
}

QImage decodePng(QByteArrayView bytes)
{
    // The header chunk's size is checked first: decoding trusts it and would
    // allocate whatever it says.
    ByteReader header(bytes, 16);
    const auto bigEndian = [&header] {
        quint32 value = 0;
        for (int i = 0; i < 4; ++i)
            value = value << 8 | header.readUInt8();
        return value;
    };
    const quint32 width = bigEndian();
    const quint32 height = bigEndian();
    if (width == 0 || height == 0 || width > largestIconSide || height > largestIconSide)
        readError();
    QImage image = QImage::fromData(bytes, "PNG");
    if (image.isNull())
        readError();
    return image.convertToFormat(QImage::Format_ARGB32);
}

/// The colour of pixel `x` of a row of colour bits.
QRgb pixelColor(QByteArrayView row, int x, int bitsPerPixel, const QList<QRgb> &palette)
{
    switch (bitsPerPixel) {
    case 32:
        return qRgba(quint8(row[4 * x + 2]), quint8(row[4 * x + 1]), quint8(row[4 * x]), quint8(row[4 * x + 3]));
    case 24:
        return qRgb(quint8(row[3 * x + 2]), quint8(row[3 * x + 1]), quint8(row[3 * x]));
    default: {
        const int pixelsPerByte = 8 / bitsPerPixel;
        const int shift = 8 - bitsPerPixel * (x % pixelsPerByte + 1);
        const int index = quint8(row[x / pixelsPerByte]) >> shift & ((1 << bitsPerPixel) - 1);
        // A palette shorter than the bits can address leaves the rest black.
        return index < palette.size() ? palette[index] : qRgb(0, 0, 0);
    }
    }
}

bool maskBit(QByteArrayView row, int x)
{
    return quint8(row[x / 8]) >> (7 - x % 8) & 1;
}

QImage decodeDib(QByteArrayView bytes)
{
    ByteReader reader(bytes);
    const quint32 headerSize = reader.readUInt32();
    const qint32 width = reader.readInt32();
    const qint32 doubleHeight = reader.readInt32();
    reader.skip(2); // planes
    const int bitsPerPixel = reader.readUInt16();
    const quint32 compression = reader.readUInt32();
    reader.skip(12); // image size and resolution
    const quint32 colorsUsed = reader.readUInt32();
    if (headerSize < infoHeaderSize || headerSize > quint32(bytes.size()))
        readError();
    reader.seek(headerSize);

    // Icons keep the colour bits and the mask one above the other, hence twice the height.
    const int height = doubleHeight / 2;
    if (width <= 0 || width > largestIconSide || height <= 0 || height > largestIconSide)
        readError();
    const bool known =
        bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 || bitsPerPixel == 24 || bitsPerPixel == 32;
    if (!known || !(compression == plainRgb || (compression == bitFields && bitsPerPixel == 32)))
        readError();
    if (compression == bitFields && headerSize == infoHeaderSize)
        reader.skip(12); // the three colour masks follow a short header

    QList<QRgb> palette;
    if (bitsPerPixel <= 8) {
        const quint32 addressable = 1u << bitsPerPixel;
        const quint32 entries = colorsUsed == 0 ? addressable : colorsUsed;
        if (entries > addressable)
            readError();
        for (quint32 i = 0; i < entries; ++i) {
            const quint8 blue = reader.readUInt8();
            const quint8 green = reader.readUInt8();
            const quint8 red = reader.readUInt8();
            reader.skip(1);
            palette.append(qRgb(red, green, blue));
        }
    }

    const qint64 colorRow = rowBytes(width, bitsPerPixel);
    const QByteArrayView colors = reader.readBytes(colorRow * height);
    const qint64 maskRow = rowBytes(width, 1);
    // 32-bit images carry their transparency in the alpha bytes; some leave the mask out.
    const bool hasMask = reader.remaining() >= maskRow * height;
    if (!hasMask && bitsPerPixel != 32)
        readError();
    const QByteArrayView mask = hasMask ? reader.readBytes(maskRow * height) : QByteArrayView();

    QImage image(width, height, QImage::Format_ARGB32);
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        // Rows are stored bottom up.
        const QByteArrayView row = colors.sliced((height - 1 - y) * colorRow, colorRow);
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            line[x] = pixelColor(row, x, bitsPerPixel, palette);
            anyAlpha = anyAlpha || qAlpha(line[x]) != 0;
        }
    }
    // Without alpha (all 32-bit images of older writers have none) the mask decides.
    const bool useMask = bitsPerPixel != 32 || !anyAlpha;
    for (int y = 0; useMask && y < height; ++y) {
        const QByteArrayView row = hasMask ? mask.sliced((height - 1 - y) * maskRow, maskRow) : QByteArrayView();
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const bool transparent = hasMask && maskBit(row, x);
            line[x] = transparent ? qRgba(0, 0, 0, 0) : (line[x] | 0xff000000u);
        }
    }
    return image;
}

} // namespace

QImage decodeIconBitmap(QByteArrayView bytes)
{
    if (bytes.startsWith(QByteArrayView(pngSignature, 8)))
        return decodePng(bytes);
    return decodeDib(bytes);
}

QByteArray encodeIconBitmap(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(infoHeaderSize) << qint32(image.width()) << qint32(2 * image.height()) << quint16(1) << quint16(32)
        << plainRgb << quint32(0) << qint32(0) << qint32(0) << quint32(0) << quint32(0);
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            out << quint8(qBlue(line[x])) << quint8(qGreen(line[x])) << quint8(qRed(line[x]))
                << quint8(qAlpha(line[x]));
    }
    const qint64 maskRow = rowBytes(image.width(), 1);
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                row[x / 8] = char(quint8(row[x / 8]) | 0x80 >> (x % 8));
        }
        out.writeRawData(row.constData(), int(row.size()));
    }
    return bytes;
}

} // namespace qm
