#include "platform/user_drives.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QStringList>

namespace quilldar::platform {

namespace {

bool isOpticalDisc(const QStorageInfo& volume) {
    const QByteArray type = volume.fileSystemType().toLower();
    return type == "iso9660" || type == "udf" || type == "cdfs";
}

#ifndef Q_OS_WIN
// Where desktop systems and users mount removable media.
bool isRemovableMediaMount(const QString& root) {
    static const QStringList kMediaFolders = {QStringLiteral("/media/"),
                                              QStringLiteral("/run/media/"),
                                              QStringLiteral("/mnt/")};
    for (const QString& prefix : kMediaFolders) {
        if (root.startsWith(prefix)) return true;
    }
    return false;
}
#endif

}  // namespace

std::vector<UserDrive> userDrives() {
    std::vector<UserDrive> drives;
#ifdef Q_OS_WIN
    for (const QFileInfo& drive : QDir::drives()) {
        const QStorageInfo volume(drive.absoluteFilePath());
        if (volume.isValid() && isOpticalDisc(volume)) continue;
        const QString root = QDir::fromNativeSeparators(drive.absoluteFilePath());
        drives.push_back({root, root.left(2).toUpper()});
    }
#else
    const auto add = [&drives](const QString& root) {
        for (const UserDrive& known : drives) {
            if (known.root == root) return;
        }
        drives.push_back({root, root});
    };
    add(QStringLiteral("/"));
    const QString home = QDir::cleanPath(QDir::homePath());
    if (canListFolder(home)) add(home);
    QStringList media;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = QDir::cleanPath(volume.rootPath());
        if (!volume.isValid() || !volume.isReady() || isOpticalDisc(volume)) continue;
        if (isRemovableMediaMount(root)) media << root;
    }
    media.sort(Qt::CaseInsensitive);
    for (const QString& root : media) add(root);
#endif
    return drives;
}

bool canListFolder(const QString& folder) {
    if (folder.isEmpty()) return false;
    const QFileInfo info(folder);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

}  // namespace quilldar::platform
