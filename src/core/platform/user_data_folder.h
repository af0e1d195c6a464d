#pragma once

#include <QString>
#include <QStringList>

namespace quilldar::platform {

// Where the program keeps the files it fetches after installation (the FAQ documents, a new
// installer) and where it looks for data files before its install folder.
//
// On Linux the install folder (/usr/share/quilldar) belongs to the system and an ordinary user
// cannot write it, so each user has a folder of their own: $XDG_DATA_HOME/quilldar/, by default
// ~/.local/share/quilldar/. On Windows the installer leaves the install folder writable and
// there is no such folder: downloads keep going to the install folder.

// The user's own data folder, ending with a separator; empty on Windows.
QString userDataFolder();

// The folder downloads go to: the user's own data folder, else the install folder. Not created
// here; the caller makes it when it writes.
QString downloadFolder(const QString& installDir);

// The folders a data file is looked for in, in this order: the user's own data folder, then the
// install folder. Empty names are left out, and a folder is named once.
QStringList dataFolders(const QString& installDir);

// The path of the named data file in the first of dataFolders() that holds it; when none does,
// its path in the install folder.
QString findDataFile(const QString& installDir, const QString& name);

}  // namespace quilldar::platform
