#pragma once

#include <QString>

namespace qm {

/// The file (or folder) at `fileName`, matching its name without regard to letter case
/// as the program's own files are named in several spellings ("MISC1.ICL",
/// "Misc1.icl", "misc1.icl"): `fileName` itself when it exists, else the
/// first entry in its folder whose name differs only in case, else empty.
QString existingFileName(const QString &fileName);

/// Whether existingFileName finds a file.
inline bool fileExistsIgnoringCase(const QString &fileName)
{
    return !existingFileName(fileName).isEmpty();
}

} // namespace qm
