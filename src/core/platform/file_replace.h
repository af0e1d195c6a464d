#pragma once

#include <QString>

namespace quilldar::platform {

// Renames source to target, replacing an existing target in one step. False when that is not
// possible in one step (for example across file systems); nothing is changed then.
bool replaceFile(const QString& source, const QString& target);

}  // namespace quilldar::platform
