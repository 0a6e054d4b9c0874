#include "FileNameCase.h"

#include <QDir>
#include <QFileInfo>

namespace qm {

QString existingFileName(const QString &fileName)
{
    if (fileName.isEmpty())
        return {};
    const QFileInfo info(fileName);
    if (info.exists())
        return fileName;
    const QDir folder = info.dir();
    const QStringList candidates = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &candidate : candidates) {
        if (candidate.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return folder.filePath(candidate);
    }
    return {};
}

} // namespace qm
