#pragma once

#include <QRect>

/// A rectangle as the calendar's geometry uses it: left, top, right, bottom
/// with the right and bottom edges exclusive. Rectangles may be empty or
/// inverted when margins leave no room; nothing clamps them.
struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const TRect &) const = default;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isZero() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    bool contains(int x, int y) const { return left <= x && x < right && top <= y && y < bottom; }

    /// The same pixels as a QRect (whose right and bottom are inclusive).
    QRect toQRect() const { return QRect(left, top, right - left, bottom - top); }
    static TRect fromQRect(const QRect &rect)
    {
        return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
    }
};
