#pragma once

#include <QIcon>
#include <QPixmap>
#include <QStringView>

// The pictures of a formatting toolbar's buttons and lists, drawn by the
// program so that they need no icon theme or picture files.

namespace qm {

/// The glyph of the button whose picture is called `bitmapName` ("QMI_BOLD",
/// "QMI_SelAll", ...); an empty icon for a name no button uses.
QIcon toolGlyph(QStringView bitmapName);

/// The 12 x 12 mark drawn before the names of TrueType (scalable) fonts.
QPixmap trueTypeGlyph();

} // namespace qm
