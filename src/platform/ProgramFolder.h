#pragma once

#include <QString>

// Where the program keeps and looks for its files.
//
// A portable copy (or the build tree) keeps everything in the executable's
// folder. An installed program's folder, such as /usr/bin, cannot be written
// and must not collect documents: then the preferences live in the user's
// configuration folder and the file dialogs start in the documents folder.

namespace qm {

/// The executable's folder, ending in a slash.
QString ProgramFolder();

/// True when the program keeps its preferences and documents in its own
/// folder: "QM.ini" already exists there, or the folder can be written.
bool ProgramFolderIsHome();

/// The preferences file "QM.ini": in ProgramFolder() when ProgramFolderIsHome(),
/// else in the user's configuration folder for this program.
QString IniFileName();

/// Where the open and save dialogs start: ProgramFolder() when
/// ProgramFolderIsHome(), else the user's documents folder (ending in a slash).
QString DialogFolder();

/// The path of a data file that ships with the program (`name` relative to
/// the data folder, for example "MISC1.ICL", found regardless of letter
/// case): next to the executable when it is there, else in the installed data folder (share/quillmark) when it is
/// there, else the path next to the executable.
QString DataFileName(const QString &name);

} // namespace qm
