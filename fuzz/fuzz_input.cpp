#include "fuzz_input.h"

#include <QFile>

namespace quilldar::fuzz {

void ScratchFile::write(const void* data, std::size_t size) const {
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    if (file.write(static_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
        std::abort();
}

}  // namespace quilldar::fuzz
