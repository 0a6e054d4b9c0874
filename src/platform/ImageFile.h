#pragma once

#include <QString>

class QImage;

namespace qm {

/// Writes `image` to `fileName`: as a PNG when the name ends in ".png" in any
/// case, as a BMP otherwise. The file is replaced only once the whole picture
/// is written. Raises "Cannot create file <fileName>" when anything fails, a
/// null image (one too large to be made) included, with the system's reason
/// when the file could not be written.
void writeImageFile(const QString &fileName, const QImage &image);

} // namespace qm
