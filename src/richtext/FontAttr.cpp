#include "richtext/FontAttr.h"

#include "richtext/QmRTFText.h"

TAttr AttrOfFont(TQmRTFText &document, const qm::FontDescription &font, TAttr start)
{
    TAttr attr = start;
    attr.fontNumber = quint8(document.GetFontNr(font.name));
    attr.size = quint8(qBound(1, font.size, 255));
    attr.flags |= quint32(font.style.toInt());
    attr.colors = 0;
    // The last entry is no colour of the table (it reads as black whatever
    // the table holds), so black would land there and be written as a
    // colour number the file's colour table lacks.
    for (int entry = 0; entry < TTextHeader::ColorCount - 1; ++entry) {
        if (document.GetColorEntry(entry) == font.color)
            attr.colors = quint8(entry);
    }
    return attr;
}
