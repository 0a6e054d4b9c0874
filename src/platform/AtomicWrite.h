#pragma once

#include <QByteArrayView>
#include <QString>

namespace qm {

/// Makes `bytes` the whole content of `fileName`. They are written to a
/// temporary file in the same folder, which replaces the file only when every
/// byte was written; on any failure the old file stays as it was and no
/// temporary file is left behind. Raises "Cannot create file <name>", with
/// the system's reason, when the file cannot be created, written or replaced.
void writeFileAtomically(const QString &fileName, QByteArrayView bytes);

} // namespace qm
