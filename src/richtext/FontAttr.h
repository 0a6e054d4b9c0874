#pragma once

#include "platform/FontDescription.h"
#include "richtext/Attr.h"

class TQmRTFText;

/// `start` written in `font` as the editor's default font is applied to an
/// empty text: the font's number in `document`'s font table (added when
/// missing), its size in whole points (at most 255, what an attribute holds),
/// its style bits added to those `start` has, and the last usable
/// colour-table entry (0 to 14) equal to its colour (entry 0 when none is),
/// with no background.
TAttr AttrOfFont(TQmRTFText &document, const qm::FontDescription &font, TAttr start);
