#include "platform/user_data_folder.h"

#include <QDir>
#include <algorithm>
#include <QFileInfo>
#include <QStandardPaths>

namespace quilldar::platform {

QString userDataFolder() {
#ifdef Q_OS_WIN
    return {};
#else
    // The generic data location follows $XDG_DATA_HOME and falls back to ~/.local/share.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty()) return {};
    return QDir::cleanPath(base + QStringLiteral("/quilldar")) + QLatin1Char('/');
#endif
}

QString downloadFolder(const QString& installDir) {
    const QString own = userDataFolder();
    return own.isEmpty() ? installDir : own;
}

QStringList dataFolders(const QString& installDir) {
    QStringList folders;
    for (const QString& folder : {userDataFolder(), installDir}) {
        if (folder.isEmpty()) continue;
        const bool named = std::any_of(folders.cbegin(), folders.cend(), [&folder](const QString& known) {
            return QDir::cleanPath(known) == QDir::cleanPath(folder);
        });
        if (!named) folders << folder;
    }
    return folders;
}

QString findDataFile(const QString& installDir, const QString& name) {
    for (const QString& folder : dataFolders(installDir)) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo(path).isFile()) return path;
    }
    return QDir(installDir).filePath(name);
}

}  // namespace quilldar::platform
