#include "richtext/BitmapBits.h"

#include <QtEndian>

#include <array>
#include <cstring>
#include <optional>

namespace qm::bitmap {
namespace {

constexpr int InfoHeaderSize = 40;
constexpr int FileHeaderSize = 14;

bool sizeAllowed(qint64 width, qint64 height, qint64 rowBytes)
{
    return width > 0 && height > 0 && width <= MaxSide && height <= MaxSide && rowBytes * height <= MaxPixelBytes;
}

QRgb vgaColor(int index)
{
    static const std::array<QRgb, 16> colors = {
        0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
        0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
    };
    return colors[index];
}

// The palette an 8-bit screen starts with: the twenty static colours at both
// ends, a colour cube and a grey ramp between them.
const QList<QRgb> &systemPalette()
{
    static const QList<QRgb> palette = [] {
        QList<QRgb> colors(256);
        const QRgb low[10] = {0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080,
                              0xFF800080, 0xFF008080, 0xFFC0C0C0, 0xFFC0DCC0, 0xFFA6CAF0};
        const QRgb high[10] = {0xFFFFFBF0, 0xFFA0A0A4, 0xFF808080, 0xFFFF0000, 0xFF00FF00,
                               0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
        std::copy(std::begin(low), std::end(low), colors.begin());
        std::copy(std::begin(high), std::end(high), colors.begin() + 246);
        for (int i = 0; i < 216; ++i)
            colors[10 + i] = qRgb(i / 36 * 51, i / 6 % 6 * 51, i % 6 * 51);
        for (int i = 0; i < 20; ++i)
            colors[226 + i] = qRgb(i * 255 / 19, i * 255 / 19, i * 255 / 19);
        return colors;
    }();
    return palette;
}

bool isMonochrome(const QImage &image)
{
    return image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB;
}

// 32-bit rows keep alpha in the fourth byte; bitmaps from programs that knew
// no alpha leave it 0 everywhere, and those are opaque.
QImage fromBgra(QImage image)
{
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) != 0)
                return image;
        }
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

QRgb getBgra(const char *in)
{
    return qRgba(quint8(in[2]), quint8(in[1]), quint8(in[0]), quint8(in[3]));
}

// Uncompressed 32-bit rows, decoded here because the common bitmap readers
// drop the fourth byte.
QImage fromBgraRows(QByteArrayView pixels, int width, int height, bool topDown)
{
    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    for (int y = 0; y < height; ++y) {
        const char *in = pixels.data() + qsizetype(topDown ? y : height - 1 - y) * width * 4;
        QRgb *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            out[x] = getBgra(in + 4 * x);
    }
    return fromBgra(std::move(image));
}

void putBgra(char *out, QRgb pixel)
{
    out[0] = char(qBlue(pixel));
    out[1] = char(qGreen(pixel));
    out[2] = char(qRed(pixel));
    out[3] = char(qAlpha(pixel));
}

void putLittle32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void putLittle16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

// The fields of a bitmap's information header that reading it needs, read
// once and checked against the picture limits.
struct InfoHeader {
    enum Compression : quint32 { Uncompressed = 0, RunLength8 = 1, RunLength4 = 2, BitFields = 3 };

    quint32 size = 0;
    qint64 width = 0;
    qint64 height = 0;
    bool topDown = false; // a negative height stores the rows top to bottom
    int bitsPerPixel = 0;
    quint32 compression = Uncompressed;
    quint32 colorsUsed = 0;

    qint64 rowBytes() const { return (width * bitsPerPixel + 31) / 32 * 4; }
    qint64 pixelBytes() const { return rowBytes() * height; }
};

// Little-endian fields read in order; reading past the end fails the whole
// read instead of touching memory beyond the data.
class LittleEndianReader
{
public:
    explicit LittleEndianReader(QByteArrayView data)
        : m_data(data)
    {}

    template <typename Value> Value read()
    {
        if (m_data.size() - m_position < qsizetype(sizeof(Value))) {
            m_failed = true;
            return Value{};
        }
        const Value value = qFromLittleEndian<Value>(m_data.data() + m_position);
        m_position += sizeof(Value);
        return value;
    }
    void skip(qsizetype bytes) { m_position = qMin(m_position + bytes, m_data.size()); }
    bool failed() const { return m_failed; }

private:
    QByteArrayView m_data;
    qsizetype m_position = 0;
    bool m_failed = false;
};

std::optional<InfoHeader> readInfoHeader(QByteArrayView dib)
{
    LittleEndianReader reader(dib);
    InfoHeader header;
    header.size = reader.read<quint32>();
    header.width = reader.read<qint32>();
    const qint32 storedHeight = reader.read<qint32>();
    header.height = qAbs(qint64(storedHeight));
    header.topDown = storedHeight < 0;
    reader.skip(2); // planes
    header.bitsPerPixel = reader.read<quint16>();
    header.compression = reader.read<quint32>();
    reader.skip(12); // image size and resolution
    header.colorsUsed = reader.read<quint32>();
    reader.skip(4); // important colours
    if (reader.failed() || header.size < InfoHeaderSize || header.size > quint32(dib.size()))
        return std::nullopt;
    // Beyond the picture limits the pixel size need not even fit in 64 bits.
    if (!sizeAllowed(header.width, header.height, header.rowBytes()))
        return std::nullopt;
    return header;
}

// Where the pixels start after the information header, counted from the
// start of the header: bit-field masks follow a plain 40-byte header, then
// the colour table of palette bitmaps.
qint64 pixelOffset(const InfoHeader &header)
{
    qint64 colors = 0;
    if (header.bitsPerPixel <= 8)
        colors = header.colorsUsed != 0 ? qMin<qint64>(header.colorsUsed, 256) : qint64(1) << header.bitsPerPixel;
    const qint64 masks = (header.compression == InfoHeader::BitFields && header.size == InfoHeaderSize) ? 12 : 0;
    return header.size + masks + colors * 4;
}

QByteArray fileHeaderFor(const InfoHeader &header)
{
    const qint64 offset = FileHeaderSize + pixelOffset(header);
    QByteArray fileHeader("BM");
    putLittle32(fileHeader, quint32(offset + header.pixelBytes()));
    putLittle32(fileHeader, 0);
    putLittle32(fileHeader, quint32(offset));
    return fileHeader;
}
} // namespace

int deviceWidthBytes(int width, int bitsPerPixel)
{
    return int((qint64(width) * bitsPerPixel + 15) / 16 * 2);
}

DeviceBits toDeviceBits(const QImage &image)
{
    DeviceBits result;
    if (image.isNull())
        return result;
    result.width = image.width();
    result.height = image.height();
    switch (image.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
        result.bitsPerPixel = 1;
        break;
    case QImage::Format_RGB555:
        result.bitsPerPixel = 16;
        break;
    case QImage::Format_RGB888:
    case QImage::Format_BGR888:
        result.bitsPerPixel = 24;
        break;
    default:
        result.bitsPerPixel = 32;
        break;
    }
    result.widthBytes = deviceWidthBytes(result.width, result.bitsPerPixel);
    result.bits = QByteArray(qsizetype(result.widthBytes) * result.height, '\0');

    const QImage source = result.bitsPerPixel == 16   ? image.convertToFormat(QImage::Format_RGB555)
                          : result.bitsPerPixel == 24 ? image.convertToFormat(QImage::Format_BGR888)
                          : result.bitsPerPixel == 32 ? image.convertToFormat(QImage::Format_ARGB32)
                                                      : image;
    for (int y = 0; y < result.height; ++y) {
        char *out = result.bits.data() + qsizetype(y) * result.widthBytes;
        const uchar *in = source.constScanLine(y);
        switch (result.bitsPerPixel) {
        case 1:
            for (int x = 0; x < result.width; ++x) {
                if (qGray(source.pixel(x, y)) >= 128)
                    out[x / 8] = char(out[x / 8] | (0x80 >> (x % 8)));
            }
            break;
        case 16:
            for (int x = 0; x < result.width; ++x)
                qToLittleEndian(reinterpret_cast<const quint16 *>(in)[x], out + 2 * x);
            break;
        case 24:
            std::memcpy(out, in, size_t(result.width) * 3);
            break;
        default:
            for (int x = 0; x < result.width; ++x)
                putBgra(out + 4 * x, reinterpret_cast<const QRgb *>(in)[x]);
            break;
        }
    }
    return result;
}

QImage fromDeviceBits(int width, int height, int planes, int bitsPerPixel, int widthBytes, QByteArrayView bits)
{
    const qint64 needed = (qint64(width) * bitsPerPixel + 7) / 8;
    if (planes != 1 || widthBytes < needed || !sizeAllowed(width, height, widthBytes) ||
        bits.size() < qint64(widthBytes) * height)
        return {};

    QImage image;
    switch (bitsPerPixel) {
    case 1:
        image = QImage(width, height, QImage::Format_Mono);
        image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        break;
    case 4:
    case 8:
        image = QImage(width, height, QImage::Format_Indexed8);
        image.setColorTable(systemPalette());
        break;
    case 16:
        image = QImage(width, height, QImage::Format_RGB555);
        break;
    case 24:
        image = QImage(width, height, QImage::Format_BGR888);
        break;
    case 32:
        image = QImage(width, height, QImage::Format_ARGB32);
        break;
    default:
        return {};
    }
    if (image.isNull())
        return {};

    uchar vgaIndex[16];
    for (int i = 0; i < 16; ++i)
        vgaIndex[i] = uchar(systemPalette().indexOf(vgaColor(i)));

    for (int y = 0; y < height; ++y) {
        const char *in = bits.data() + qsizetype(y) * widthBytes;
        uchar *out = image.scanLine(y);
        switch (bitsPerPixel) {
        case 1:
            std::memcpy(out, in, size_t(needed));
            break;
        case 4:
            for (int x = 0; x < width; ++x) {
                const int nibble = (x % 2 == 0) ? quint8(in[x / 2]) >> 4 : quint8(in[x / 2]) & 0x0F;
                out[x] = vgaIndex[nibble];
            }
            break;
        case 8:
            std::memcpy(out, in, size_t(width));
            break;
        case 16:
            for (int x = 0; x < width; ++x)
                reinterpret_cast<quint16 *>(out)[x] = qFromLittleEndian<quint16>(in + 2 * x) & 0x7FFF;
            break;
        case 24:
            std::memcpy(out, in, size_t(width) * 3);
            break;
        default:
            for (int x = 0; x < width; ++x)
                reinterpret_cast<QRgb *>(out)[x] = getBgra(in + 4 * x);
            break;
        }
    }
    return bitsPerPixel == 32 ? fromBgra(std::move(image)) : image;
}

int dibBitsPerPixel(const QImage &image)
{
    if (isMonochrome(image))
        return 1;
    if (image.format() == QImage::Format_Indexed8)
        return 8;
    if (image.format() == QImage::Format_RGB888 || image.format() == QImage::Format_BGR888)
        return 24;
    return 32;
}

QByteArray toDib(const QImage &image)
{
    if (image.isNull())
        return {};
    const int bitsPerPixel = dibBitsPerPixel(image);
    const int width = image.width();
    const int height = image.height();
    const int rowBytes = (width * bitsPerPixel + 31) / 32 * 4;

    QByteArray dib;
    putLittle32(dib, InfoHeaderSize);
    putLittle32(dib, quint32(width));
    putLittle32(dib, quint32(height));
    putLittle16(dib, 1);
    putLittle16(dib, quint16(bitsPerPixel));
    putLittle32(dib, InfoHeader::Uncompressed);
    putLittle32(dib, quint32(rowBytes * height));
    putLittle32(dib, 0);
    putLittle32(dib, 0);
    putLittle32(dib, 0);
    putLittle32(dib, 0);

    QImage source;
    if (bitsPerPixel <= 8) {
        source = bitsPerPixel == 1 ? image.convertToFormat(QImage::Format_Mono) : image;
        QList<QRgb> colors = source.colorTable();
        if (bitsPerPixel == 1 && colors.size() < 2)
            colors = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
        colors.resize(1 << bitsPerPixel, qRgb(0, 0, 0));
        for (QRgb color : colors)
            putLittle32(dib, color & 0x00FFFFFF);
    } else {
        source = image.convertToFormat(bitsPerPixel == 24 ? QImage::Format_BGR888 : QImage::Format_ARGB32);
    }

    const qsizetype pixelStart = dib.size();
    dib.resize(pixelStart + qsizetype(rowBytes) * height, '\0');
    for (int y = 0; y < height; ++y) {
        char *out = dib.data() + pixelStart + qsizetype(height - 1 - y) * rowBytes;
        const uchar *in = source.constScanLine(y);
        if (bitsPerPixel == 32) {
            for (int x = 0; x < width; ++x)
                putBgra(out + 4 * x, reinterpret_cast<const QRgb *>(in)[x]);
        } else {
            std::memcpy(out, in, size_t((width * bitsPerPixel + 7) / 8));
        }
    }
    return dib;
}

QByteArray bmpFileHeader(QByteArrayView dib)
{
    const std::optional<InfoHeader> header = readInfoHeader(dib);
    return header ? fileHeaderFor(*header) : QByteArray();
}

QImage fromDib(QByteArrayView dib)
{
    const std::optional<InfoHeader> header = readInfoHeader(dib);
    if (!header || header->bitsPerPixel <= 0)
        return {};
    const qint64 offset = pixelOffset(*header);
    const bool compressed =
        header->compression == InfoHeader::RunLength8 || header->compression == InfoHeader::RunLength4;
    if (!compressed && dib.size() < offset + header->pixelBytes())
        return {};

    if (header->compression == InfoHeader::Uncompressed && header->bitsPerPixel == 32)
        return fromBgraRows(dib.sliced(offset), int(header->width), int(header->height), header->topDown);
    return QImage::fromData(fileHeaderFor(*header) + dib.toByteArray(), "BMP");
}

} // namespace qm::bitmap
