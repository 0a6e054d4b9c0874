#pragma once

#include <QtGlobal>

/// Options of the rich-text paint engine (`TQmRTFTextPaint::PaintFlags`), a
/// 32-bit set. The values are those that `PaintLines` combines from a
/// control's print options, so the numbers matter.
namespace qm::paint {

enum Flag : quint32 {
    Suspended = 0x00000001,       ///< painting is suspended: no device reading, no measuring
    NoCaret = 0x00000002,         ///< no caret is shown
    ShowHiddenText = 0x00000008,  ///< hidden text is measured and painted
    NoScrolling = 0x00000010,     ///< the scroll position stays where it is
    AllLines = 0x00000020,        ///< paint every line that fits, not only the visible ones
    Transparent = 0x00000040,     ///< text is drawn without erasing its background
    Output = 0x00004000,          ///< painting for output (a cell, paper), not for editing
    WhiteBackground = 0x00008000, ///< text without background colour stands on white
    NoZoomScaling = 0x00010000,   ///< lay out at the device resolution whatever the zoom
    HideSelection = 0x00100000,   ///< the selection is painted like other text
};

/// Bits of a control's `PrintOptions` byte.
enum PrintOption : quint8 {
    PrintHideSelection = 0x01,
    PrintAtDeviceResolution = 0x02,
    PrintTransparent = 0x04,
    PrintKeepBackground = 0x08, ///< no white background, no hidden selection
    PrintHiddenText = 0x10,
    PrintPageBreaks = 0x20, ///< stop at the first line that starts a new page
};

/// The paint flags with which `PaintLines` paints for the print options `options`.
constexpr quint32 flagsForPrintOptions(quint8 options)
{
    quint32 flags = (options & PrintHiddenText) ? 0x403A : 0x4032;
    if (options & PrintHideSelection)
        flags |= HideSelection;
    if (options & PrintAtDeviceResolution)
        flags |= NoZoomScaling;
    if (options & PrintTransparent)
        flags |= Transparent;
    if (!(options & PrintKeepBackground))
        flags |= HideSelection | WhiteBackground;
    return flags;
}

static_assert(flagsForPrintOptions(0) == 0x10C032);
static_assert(flagsForPrintOptions(4) == 0x10C072);
static_assert(flagsForPrintOptions(0x1F) == 0x11407A);

} // namespace qm::paint
