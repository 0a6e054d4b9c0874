#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

/// Conversions between QImage and the two bitmap forms that RTF pictures
/// carry: device-dependent bits (`\wbitmap`) and device-independent bitmaps
/// (`\dibitmap`). Decoders return a null image for data that does not match
/// its declared size or that exceeds the picture limits, so that a bad file
/// never causes an unbounded allocation.
namespace qm::bitmap {

/// Largest width or height of a picture that is read.
constexpr int MaxSide = 16384;
/// Largest pixel data of a picture that is read, in bytes.
constexpr qint64 MaxPixelBytes = qint64(256) * 1024 * 1024;

/// Device-dependent bitmap bits: rows top to bottom, each padded to an even
/// number of bytes. 1 bit per pixel: set is white; 16: 5-5-5; 24: blue,
/// green, red; 32: blue, green, red and a fourth byte (alpha; 0 in every
/// pixel means an opaque bitmap).
struct DeviceBits {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int planes = 1;
    int widthBytes = 0;
    QByteArray bits;
};

/// The device-dependent form of `image`: 1 bit per pixel for monochrome
/// images, 16 for 5-5-5, 24 for 8-bit RGB, 32 for everything else.
DeviceBits toDeviceBits(const QImage &image);
/// The image that device-dependent bits describe. 4 and 8 bits per pixel use
/// the standard system palette. Null when the bits do not fill
/// `widthBytes` x `height`, or for unsupported depths or oversized pictures.
QImage fromDeviceBits(int width, int height, int planes, int bitsPerPixel, int widthBytes, QByteArrayView bits);

/// Bytes per row of a device-dependent bitmap (padded to 16 bits).
int deviceWidthBytes(int width, int bitsPerPixel);

/// A device-independent bitmap of `image` as a bitmap file holds it after its
/// 14-byte file header: the 40-byte information header, the colour table
/// (2^bits entries for 1 and 8 bits per pixel) and the pixel rows bottom to
/// top. Monochrome images give 1 bit per pixel, 8-bit indexed images 8, 8-bit
/// RGB 24, everything else 32.
QByteArray toDib(const QImage &image);
/// Bits per pixel that `toDib` uses for `image`.
int dibBitsPerPixel(const QImage &image);

/// The 14-byte file header ("BM", total size, pixel offset) that makes `dib`
/// a bitmap file; the pixel size is computed from the information header.
/// Empty when `dib` has no complete information header or describes a
/// bitmap beyond the picture limits.
QByteArray bmpFileHeader(QByteArrayView dib);
/// The image of a device-independent bitmap (information header, colours,
/// pixels). Null for malformed or oversized bitmaps.
QImage fromDib(QByteArrayView dib);

} // namespace qm::bitmap
