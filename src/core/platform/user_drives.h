#pragma once

#include <QString>
#include <vector>

namespace quilldar::platform {

// A place the file browser offers in its drive list: where it starts (its root folder, in Qt's
// form with "/" separators) and how the list shows it ("C:" on Windows, the mount path elsewhere).
struct UserDrive {
    QString root;
    QString label;
};

// The mounted file systems that hold user data, in a stable order: on Windows every drive that
// is not a CD-ROM; elsewhere the root file system, the user's home folder and mounted removable
// media. Optical discs and the kernel's pseudo file systems are left out.
std::vector<UserDrive> userDrives();

// Whether a folder can be listed: it exists, is a folder and may be read.
bool canListFolder(const QString& folder);

}  // namespace quilldar::platform
