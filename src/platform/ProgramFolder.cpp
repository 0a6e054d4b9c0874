#include "ProgramFolder.h"

#include "Environment.h"
#include "FileNameCase.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace qm {
namespace {

const QString iniName = QStringLiteral("QM.ini");

QString withSlash(QString folder)
{
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

/// Whether a file can be created in `folder`. Asking the file system for
/// permissions is not enough: it says yes for an administrator on a folder
/// that refuses new files.
bool canCreateFilesIn(const QString &folder)
{
    // Probing creates a file; once per folder is enough.
    static QHash<QString, bool> known;
    const auto found = known.constFind(folder);
    if (found != known.cend())
        return *found;
    QTemporaryFile probe(folder + QStringLiteral("quillmark-probe-XXXXXX"));
    const bool writable = probe.open();
    known.insert(folder, writable);
    return writable;
}

} // namespace

QString ProgramFolder()
{
    return withSlash(Environment::programFolder());
}

bool ProgramFolderIsHome()
{
    const QString folder = ProgramFolder();
    return QFileInfo::exists(folder + iniName) || canCreateFilesIn(folder);
}

QString IniFileName()
{
    if (ProgramFolderIsHome())
        return ProgramFolder() + iniName;
    return withSlash(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)) + iniName;
}

QString DialogFolder()
{
    if (ProgramFolderIsHome())
        return ProgramFolder();
    return withSlash(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

QString DataFileName(const QString &name)
{
    // The program spells its files in several ways ("MISC1.ICL", "misc1.icl").
    const QString besideProgram = ProgramFolder() + name;
    if (const QString found = existingFileName(besideProgram); !found.isEmpty())
        return found;
    // The installed layout keeps data in share/quillmark beside bin; the
    // standard data folders cover installations under another prefix.
    const QString installed = QDir::cleanPath(ProgramFolder() + QStringLiteral("../share/quillmark/") + name);
    if (const QString found = existingFileName(installed); !found.isEmpty())
        return found;
    const QString located =
        QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("quillmark/") + name);
    return located.isEmpty() ? besideProgram : located;
}

} // namespace qm
