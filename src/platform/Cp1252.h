#pragma once

#include <QByteArray>
#include <QString>

namespace qm {

/// Windows-1252 bytes to Unicode. The five bytes the code page leaves
/// undefined (81, 8D, 8F, 90, 9D) map to the C1 control of the same value,
/// so every byte survives a round trip.
QString fromCp1252(QByteArrayView bytes);
QChar fromCp1252(char byte);

/// Unicode to Windows-1252; characters the code page cannot hold become '?'.
QByteArray toCp1252(QStringView text);
char toCp1252(QChar character);

} // namespace qm
