#pragma once

// Icon files of every kind the program reads, made by the tests themselves.

#include "platform/IconLibraryWriter.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>

namespace qm::test {

/// A square image of one colour.
QImage filledImage(int side, const QColor &color);

/// One image of an icon as its directory lists it, with its bytes.
struct IconFileImage {
    int side = 32;
    QByteArray bytes;
};

/// An icon file (.ICO) holding the images.
QByteArray iconFile(const QList<IconFileImage> &images);
/// An icon file of 32-bit images.
QByteArray iconFile(const IconImages &images);

enum class ProgramBits { Bits32, Bits64 };
/// A resource-only program library (PE, .DLL) with one group-icon resource
/// per icon.
QByteArray programFile(const std::vector<IconImages> &icons, ProgramBits bits = ProgramBits::Bits32);

/// An icon bitmap of `side` x `side` pixels with a palette of 1, 4 or 8 bits
/// per pixel, or 24-bit colour: pixel (x, y) has colour pixels[y * side + x]
/// (from the palette, whose index the colour is) and is transparent where
/// `transparent` holds it.
QByteArray colourBitmap(int side, int bitsPerPixel, const QList<QRgb> &palette, const QList<QRgb> &pixels,
                        const QList<QPoint> &transparent);

/// Writes `bytes` to a file at `fileName`.
void writeFile(const QString &fileName, const QByteArray &bytes);

} // namespace qm::test
