#include "platform/device_access.h"

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <vector>

namespace quilldar::platform {

QStringList udevRuleFolders() {
    return {QStringLiteral("/usr/lib/udev/rules.d"), QStringLiteral("/lib/udev/rules.d"),
            QStringLiteral("/etc/udev/rules.d")};
}

std::optional<QString> findUdevRule(const QStringList& folders, const QString& fileName) {
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(fileName);
        if (QFileInfo(path).isFile()) return path;
    }
    return std::nullopt;
}

bool processInGroup(const char* group) {
    const struct group* entry = getgrnam(group);
    if (entry == nullptr) return false;
    if (getegid() == entry->gr_gid) return true;
    const int count = getgroups(0, nullptr);
    if (count <= 0) return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int filled = getgroups(count, groups.data());
    for (int i = 0; i < filled; ++i)
        if (groups[static_cast<std::size_t>(i)] == entry->gr_gid) return true;
    return false;
}

QString userName() {
    if (const struct passwd* entry = getpwuid(geteuid()); entry != nullptr && entry->pw_name != nullptr)
        return QString::fromLocal8Bit(entry->pw_name);
    return QStringLiteral("$USER");
}

}  // namespace quilldar::platform
