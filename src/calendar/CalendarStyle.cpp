#include "calendar/CalendarStyle.h"

namespace qm {

bool CalendarStyle::sameLook(const CalendarStyle &other) const
{
    CalendarStyle sized = other;
    for (FontDescription CalendarStyle::*font :
         {&CalendarStyle::titleFont, &CalendarStyle::headersFont, &CalendarStyle::cellFont,
          &CalendarStyle::miniTitleFont, &CalendarStyle::miniHeadersFont, &CalendarStyle::miniCellFont})
        (sized.*font).size = (this->*font).size;
    return *this == sized;
}

} // namespace qm
