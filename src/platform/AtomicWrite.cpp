#include "platform/AtomicWrite.h"

#include "platform/QmError.h"

#include <QSaveFile>

namespace qm {

void writeFileAtomically(const QString &fileName, QByteArrayView bytes)
{
    QSaveFile file(fileName);
    // Unbuffered, so that every write reports what reached the disk: through
    // the buffer, a write that a full disk cuts short goes unnoticed by
    // commit(), which would then put a truncated file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw QmError::cannotCreateFile(fileName, file.errorString());
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 count = file.write(bytes.data() + written, bytes.size() - written);
        if (count <= 0)
            throw QmError::cannotCreateFile(fileName, file.errorString()); // the temporary file goes with `file`
        written += count;
    }
    if (!file.commit())
        throw QmError::cannotCreateFile(fileName, file.errorString());
}

} // namespace qm
