#include "platform/protected_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace quilldar::platform {

bool isProtectedWindowsFolder(const QString& folder) {
    QString head = folder.toUpper().left(10);
    head.replace(u'/', u'\\');
    return head == QStringLiteral("C:") || head == QStringLiteral("C:\\") ||
           head == QStringLiteral("C:\\WINDOWS");
}

bool isProtectedSystemFolder(const QString& folder) {
    static const QStringList kSystemFolders = {
        QStringLiteral("/bin"),  QStringLiteral("/boot"),  QStringLiteral("/dev"),
        QStringLiteral("/etc"),  QStringLiteral("/lib"),   QStringLiteral("/lib32"),
        QStringLiteral("/lib64"), QStringLiteral("/libx32"), QStringLiteral("/opt"),
        QStringLiteral("/proc"), QStringLiteral("/run"),   QStringLiteral("/sbin"),
        QStringLiteral("/srv"),  QStringLiteral("/sys"),   QStringLiteral("/usr"),
        QStringLiteral("/var"),
    };
    static const QStringList kUserFoldersWithin = {QStringLiteral("/run/media"),
                                                   QStringLiteral("/var/tmp")};
    const QString clean = QDir::cleanPath(folder);
    if (clean == QStringLiteral("/")) return true;
    const auto within = [&clean](const QString& top) {
        return clean == top || clean.startsWith(top + u'/');
    };
    for (const QString& allowed : kUserFoldersWithin) {
        if (within(allowed)) return false;
    }
    for (const QString& system : kSystemFolders) {
        if (within(system)) return true;
    }
    return false;
}

bool isProtectedFolder(const QString& folder) {
#ifdef Q_OS_WIN
    return isProtectedWindowsFolder(folder);
#else
    if (isProtectedSystemFolder(folder)) return true;
    const QFileInfo info(folder);
    return info.isDir() && !info.isWritable();
#endif
}

}  // namespace quilldar::platform
