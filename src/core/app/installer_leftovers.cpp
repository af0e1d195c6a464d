#include "app/installer_leftovers.h"

#include <QDir>
#include <QFile>

#include "platform/user_data_folder.h"
#include "update/update_files.h"

namespace quilldar::app {

namespace {
constexpr const char* kInstaller = update::kInstallerName;
constexpr const char* kInstallerNotes = update::kVersionFileName;
constexpr const char* kStartScript = update::kHandOverScriptName;
}  // namespace

QStringList leftoversAtStartUp() { return {QString::fromLatin1(kInstaller), QString::fromLatin1(kInstallerNotes)}; }

QStringList leftoversAtShutdown() { return {QString::fromLatin1(kInstaller), QString::fromLatin1(kStartScript)}; }

QStringList removeLeftovers(const QString& installFolder, const QStringList& names) {
    QStringList removed;
    if (installFolder.isEmpty()) return removed;
    // Downloads land in the user's own data folder where there is one; an older version may
    // have left its files in the install folder.
    for (const QString& where : platform::dataFolders(installFolder)) {
        const QDir folder(where);
        for (const QString& name : names) {
            QFile file(folder.filePath(name));
            // Only a file that can be opened for reading is taken for a real leftover.
            if (!file.open(QIODevice::ReadOnly)) continue;
            file.close();
            if (file.remove() && !removed.contains(name)) removed.append(name);
        }
    }
    return removed;
}

}  // namespace quilldar::app
