#pragma once

#include "calendar/Rect.h"

#include <ostream>

// Lets failing expectations show rectangles as (left, top, right, bottom).
inline void PrintTo(const TRect &r, std::ostream *out)
{
    *out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
