#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QDir>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace quilldar::fuzz {

// A folder of the process's own for targets that write many small files (settings files that
// are synced at every value): in memory where the system offers it, else in the temporary folder.
inline QString scratchFolderTemplate(const char* name) {
    const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    return base + QStringLiteral("/quilldar-fuzz-") + QLatin1String(name) + QStringLiteral("-XXXXXX");
}

// A file of the process's own in the temporary folder that a target writes its input into for
// the code that reads files by name. Made once per process, removed at exit.
class ScratchFile {
public:
    explicit ScratchFile(const char* suffix) {
        std::string pattern = QDir::tempPath().toStdString() + "/quilldar-fuzz-XXXXXX" + suffix;
        const int fd = mkstemps(pattern.data(), static_cast<int>(std::char_traits<char>::length(suffix)));
        if (fd < 0) std::abort();
        ::close(fd);
        path_ = QString::fromStdString(pattern);
    }
    ~ScratchFile() { ::unlink(path_.toLocal8Bit().constData()); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const QString& path() const { return path_; }
    // Replaces the file's contents with the bytes.
    void write(const void* data, std::size_t size) const;

private:
    QString path_;
};

}  // namespace quilldar::fuzz
