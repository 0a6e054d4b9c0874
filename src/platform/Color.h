#pragma once

#include <QColor>
#include <QtGlobal>

/// A colour as documents store it: red in the low byte, then green, then blue;
/// negative values name system colours (0x80000000 | index).
using TColor = qint32;

namespace qm {

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clWindowText = TColor(0x80000008);
constexpr TColor clBtnFace = TColor(0x8000000F);
constexpr TColor clBtnShadow = TColor(0x80000010);
constexpr TColor clBtnHighlight = TColor(0x80000014);

constexpr TColor rgbColor(int red, int green, int blue)
{
    return TColor(red | (green << 8) | (blue << 16));
}

/// The colour to paint with; system colours resolve to the usual light desktop scheme.
QColor toQColor(TColor color);
TColor fromQColor(const QColor &color);

} // namespace qm
