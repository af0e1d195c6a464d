#include "platform/file_replace.h"

#include <QFile>
#include <cstdio>

namespace quilldar::platform {

bool replaceFile(const QString& source, const QString& target) {
    return std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) == 0;
}

}  // namespace quilldar::platform
