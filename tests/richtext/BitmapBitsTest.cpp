#include "richtext/BitmapBits.h"

#include <QtEndian>

#include <gtest/gtest.h>

using namespace qm::bitmap;

namespace {

QImage pattern(QImage::Format format, int width = 5, int height = 3)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgba(x * 50, y * 80, (x + y) * 30, 255));
    }
    return image.convertToFormat(format);
}

bool samePixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                return false;
        }
    }
    return true;
}

} // namespace

TEST(BitmapBitsTest, DeviceBitsRoundTrip)
{
    QImage transparent = pattern(QImage::Format_ARGB32);
    transparent.setPixel(1, 1, qRgba(10, 20, 30, 0));
    transparent.setPixel(2, 1, qRgba(200, 100, 50, 128));
    struct Row {
        const char *name;
        QImage image;
        int bitsPerPixel;
        int widthBytes;
    };
    const Row rows[] = {
        {"monochrome", pattern(QImage::Format_Mono, 17, 2), 1, 4},
        {"5-5-5", pattern(QImage::Format_RGB555), 16, 10},
        {"24-bit", pattern(QImage::Format_RGB888), 24, 16},
        {"32-bit opaque", pattern(QImage::Format_RGB32), 32, 20},
        {"32-bit with alpha", transparent, 32, 20},
        {"indexed becomes 32-bit", pattern(QImage::Format_Indexed8), 32, 20},
    };
    for (const Row &row : rows) {
        const DeviceBits bits = toDeviceBits(row.image);
        EXPECT_EQ(bits.bitsPerPixel, row.bitsPerPixel) << row.name;
        EXPECT_EQ(bits.widthBytes, row.widthBytes) << row.name;
        EXPECT_EQ(bits.bits.size(), row.widthBytes * row.image.height()) << row.name;
        const QImage back =
            fromDeviceBits(bits.width, bits.height, bits.planes, bits.bitsPerPixel, bits.widthBytes, bits.bits);
        QImage expected = row.image;
        if (row.bitsPerPixel == 1)
            expected = row.image.convertToFormat(QImage::Format_Mono, {qRgb(0, 0, 0), qRgb(255, 255, 255)});
        EXPECT_TRUE(samePixels(back, expected)) << row.name;
    }
}

TEST(BitmapBitsTest, DeviceBitsFromOtherPrograms)
{
    // 32-bit bits with the fourth byte 0 everywhere are opaque.
    const QByteArray zeroAlpha("\x10\x20\x30\x00\x40\x50\x60\x00", 8);
    const QImage opaque = fromDeviceBits(2, 1, 1, 32, 8, zeroAlpha);
    EXPECT_EQ(opaque.pixel(0, 0), qRgb(0x30, 0x20, 0x10));
    EXPECT_FALSE(opaque.hasAlphaChannel());

    // 4 bits per pixel: the sixteen standard colours, high nibble first.
    const QImage vga = fromDeviceBits(3, 1, 1, 4, 2, QByteArray("\x9C\xF0", 2));
    EXPECT_EQ(vga.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(vga.pixel(1, 0), qRgb(0, 0, 255));
    EXPECT_EQ(vga.pixel(2, 0), qRgb(255, 255, 255));

    const QImage palette = fromDeviceBits(2, 1, 1, 8, 2, QByteArray("\x00\xFF", 2));
    EXPECT_EQ(palette.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(palette.pixel(1, 0), qRgb(255, 255, 255));
}

TEST(BitmapBitsTest, BadDeviceBitsGiveNoImage)
{
    struct Row {
        const char *name;
        int width, height, planes, bitsPerPixel, widthBytes;
        qsizetype dataSize;
    };
    const Row rows[] = {
        {"data shorter than declared", 4, 4, 1, 32, 16, 63},
        {"rows narrower than the pixels", 4, 4, 1, 32, 8, 64},
        {"zero width", 0, 4, 1, 32, 16, 64},
        {"negative height", 4, -4, 1, 32, 16, 64},
        {"wider than the limit", 16385, 1, 1, 1, 2050, 2050},
        {"too many pixel bytes", 16384, 16384, 1, 32, 65536, 16},
        {"several planes", 4, 4, 4, 1, 2, 64},
        {"unknown depth", 4, 4, 1, 7, 4, 64},
    };
    for (const Row &row : rows) {
        const QByteArray data(row.dataSize, '\x7F');
        EXPECT_TRUE(fromDeviceBits(row.width, row.height, row.planes, row.bitsPerPixel, row.widthBytes, data).isNull())
            << row.name;
    }
}

TEST(BitmapBitsTest, DibRoundTrip)
{
    QImage transparent = pattern(QImage::Format_ARGB32);
    transparent.setPixel(0, 0, qRgba(1, 2, 3, 0));
    QImage indexed(3, 2, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 0, 0), qRgb(0, 255, 0)});
    indexed.fill(1);
    indexed.setPixel(2, 1, 0);
    struct Row {
        const char *name;
        QImage image;
        int bitsPerPixel;
        int colors;
    };
    const Row rows[] = {
        {"monochrome", pattern(QImage::Format_Mono, 9, 2), 1, 2},
        {"indexed", indexed, 8, 256},
        {"24-bit", pattern(QImage::Format_RGB888), 24, 0},
        {"32-bit keeps alpha", transparent, 32, 0},
    };
    for (const Row &row : rows) {
        const QByteArray dib = toDib(row.image);
        EXPECT_EQ(dibBitsPerPixel(row.image), row.bitsPerPixel) << row.name;
        const int rowBytes = (row.image.width() * row.bitsPerPixel + 31) / 32 * 4;
        EXPECT_EQ(dib.size(), 40 + 4 * row.colors + rowBytes * row.image.height()) << row.name;
        const QByteArray header = bmpFileHeader(dib);
        ASSERT_EQ(header.size(), 14) << row.name;
        EXPECT_TRUE(header.startsWith("BM"));
        EXPECT_EQ(qFromLittleEndian<quint32>(header.constData() + 2), quint32(14 + dib.size())) << row.name;
        EXPECT_EQ(qFromLittleEndian<quint32>(header.constData() + 10), quint32(14 + 40 + 4 * row.colors));
        EXPECT_TRUE(samePixels(fromDib(dib), row.image)) << row.name;
    }
}

TEST(BitmapBitsTest, BadDibsGiveNoImage)
{
    const QByteArray good = toDib(pattern(QImage::Format_RGB888));
    QByteArray huge = good;
    qToLittleEndian<qint32>(20000, huge.data() + 4);
    QByteArray overflowing = good;
    qToLittleEndian<qint32>(0x7FFFFFFF, overflowing.data() + 4);
    qToLittleEndian<qint32>(0x7FFFFFFF, overflowing.data() + 8);
    qToLittleEndian<quint16>(0xFFFF, overflowing.data() + 14);
    QByteArray badHeaderSize = good;
    qToLittleEndian<quint32>(4000, badHeaderSize.data());
    struct Row {
        const char *name;
        QByteArray dib;
    };
    const Row rows[] = {
        {"empty", {}},       {"header cut short", good.left(30)},        {"pixels cut short", good.chopped(1)},
        {"oversized", huge}, {"pixel size beyond 64 bits", overflowing}, {"header size beyond the data", badHeaderSize},
    };
    for (const Row &row : rows)
        EXPECT_TRUE(fromDib(row.dib).isNull()) << row.name;
}
