#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace quilldar::platform {

// The folders udev reads rules from, packaged ones first.
QStringList udevRuleFolders();

// The file of the module's udev rule in the first folder that holds one, or nothing.
std::optional<QString> findUdevRule(const QStringList& folders, const QString& fileName);

// True when the user running this process is a member of the group (as a supplementary group of
// this process: a group joined since the last login does not count yet).
bool processInGroup(const char* group);

// The login name of the user running this process, or "$USER" when it cannot be found.
QString userName();

}  // namespace quilldar::platform
