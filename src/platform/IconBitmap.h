#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

// The picture of one icon image as icon files and icon resources keep it:
// a device-independent bitmap of twice the icon's height (the colour bits,
// then a one-bit mask of the transparent pixels), or a PNG file.

namespace qm {

/// Icons larger than this in either direction are not read: no container
/// holds bigger ones, and the size bounds what a damaged file can allocate.
constexpr int largestIconSide = 256;

/// Decodes one icon image (1, 4, 8, 24 or 32 bits per pixel, or PNG) into an
/// image with an alpha channel. Raises `QmError` "Stream read error" for
/// bytes that are no such image.
QImage decodeIconBitmap(QByteArrayView bytes);

/// The bytes of a 32-bit icon image of `image` (its alpha channel, and a
/// mask marking the fully transparent pixels for readers without alpha).
QByteArray encodeIconBitmap(const QImage &image);

} // namespace qm
