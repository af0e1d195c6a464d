#include "tool/soak_recording_check.h"

#include <QFile>
#include <algorithm>

#include "files/recording_file.h"

namespace quilldar::tool {

SavedRecordingCheck checkSavedRecording(const QString& path, const std::vector<link::Report>& expected) {
    SavedRecordingCheck check;
    check.expected = expected.size();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return check;
    const QByteArray bytes = file.readAll();
    check.readable = bytes.size() % static_cast<qsizetype>(files::kRecordSize) == 0;
    check.saved = static_cast<std::size_t>(bytes.size()) / files::kRecordSize;
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    for (std::size_t i = 0; i < std::min(check.saved, check.expected); ++i) {
        const std::uint8_t* record = data + i * files::kRecordSize;
        if (std::equal(expected[i].begin() + 1, expected[i].end(), record + 1)) ++check.matched;
    }
    return check;
}

}  // namespace quilldar::tool
