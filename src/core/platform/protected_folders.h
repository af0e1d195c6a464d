#pragma once

#include <QString>

namespace quilldar::platform {

// Folders the file browser refuses to save into ("You do not have permission to save to this
// folder."): the top of the system drive and the system's own folders. A recording saved there
// would either fail half-way or litter the system.

// The Windows rule: the folder, upper-cased and cut to its first 10 characters, is "C:" or
// "C:\WINDOWS". Takes the folder with either separator and without a trailing one.
bool isProtectedWindowsFolder(const QString& folder);

// The rule on other systems: the root folder and the system folders below it (/usr, /etc, /bin,
// /proc, ...), which a user cannot write; /run/media and /var/tmp stay allowed since users write
// there. Takes a clean absolute path.
bool isProtectedSystemFolder(const QString& folder);

// The rule of the running system; elsewhere than on Windows a folder the user cannot write into
// is refused as well, with the same message.
bool isProtectedFolder(const QString& folder);

}  // namespace quilldar::platform
