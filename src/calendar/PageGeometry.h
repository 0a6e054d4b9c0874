#pragma once

#include "calendar/CalendarTypes.h"
#include "calendar/Rect.h"

#include <QSize>

#include <array>

namespace qm {

/// Paper sizes as documents store them.
enum PaperSizeCode : quint8 { kPaperLetter = 0, kPaperA4 = 1 };

/// round(pixelsPerInch x inches), halves to even. The inches are a 32-bit
/// float as the margins are held; the value is read as the decimal number it
/// stands for (up to six decimals), so 0.05 inch at 90 pixels per inch is the
/// exact half 4.5 and gives 4.
int InchToPixels(float inches, int pixelsPerInch);

/// A margin plus a constant distance, held as a 32-bit float as the layout
/// does before converting it to pixels.
float inchesPlus(float margin, double distance);

/// The page in layout pixels (1/pixelsPerInch inch). Any paper code but 1
/// is Letter.
QSize PageSizeInPixels(int paperSize, TCalendarOrientation orientation, int pixelsPerInch);

using MiniRectArray = std::array<TRect, kMaxMiniCount>;

/// Divides `area` into rows x cols equal rectangles with 1 % gaps, stored row
/// by row into miniRects[firstIndex - 1 ...] (indexes are 1-based) up to and
/// including `lastIndex`. The last row and column sit flush against the
/// area's bottom and right edges.
void DivideIntoGrid(int rows, int cols, int firstIndex, int lastIndex, const TRect &area, MiniRectArray &miniRects);

} // namespace qm
