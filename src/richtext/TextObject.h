#pragma once

#include "richtext/Graphic.h"

#include <QString>

/// An object embedded in the text: a picture, a linked picture file, or an
/// object that the host program provides. Placeholder characters refer to it
/// by `tag` (code 1) or by `number` (code 2).
struct TTextObject {
    qm::Graphic graphic;
    quint16 tag = 0;
    quint16 number = 0;
    /// Set while the document is scanned for referenced objects.
    bool used = false;
    /// The tag was chosen by the document (an automatic tag from 2000 on).
    bool selfTagged = false;
    /// Size at which the object is shown, in twips.
    qint32 width = 0;
    qint32 height = 0;
    /// The content came from the provide-object handler.
    bool provided = false;
    /// Non-empty for a linked picture (a picture kept in a file).
    QString fileName;
};
