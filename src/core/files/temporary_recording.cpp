#include "files/temporary_recording.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cstdint>

#include "platform/file_replace.h"

namespace quilldar::files {

TemporaryRecording::TemporaryRecording(const QString& folder)
    : path_(QDir(folder).filePath(QString::fromLatin1(kFileName))) {}

bool TemporaryRecording::RecordReport(link::Report& report, app::AppState& state) {
    if (state.recordingOpen == 0 || !file_.isOpen()) {
        // A held recording that is not open (taken over from an earlier run) grows; otherwise a
        // new recording starts.
        const QIODevice::OpenMode mode = state.recordingOpen ? QIODevice::Append : QIODevice::Truncate;
        file_.close();
        file_.setFileName(path_);
        if (!file_.open(QIODevice::WriteOnly | mode | QIODevice::Unbuffered)) {
            lastError_ = file_.errorString();
            return false;
        }
        state.recordingOpen = 1;
    }
    report[0] = static_cast<std::uint8_t>(state.currentPage & 0xFF);
    const auto written = file_.write(reinterpret_cast<const char*>(report.data()),
                                     static_cast<qint64>(report.size()));
    if (written != static_cast<qint64>(report.size())) {
        lastError_ = file_.errorString();
        // A partly written record would shift every later one: cut the file back to whole
        // records so that what was recorded before stays readable.
        file_.resize(static_cast<qint64>(state.recordCount) * static_cast<qint64>(link::kReportSize));
        file_.seek(file_.size());
        return false;
    }
    ++state.recordCount;
    return true;
}

bool TemporaryRecording::saveRecording(const QString& target, app::AppState& state) {
    file_.close();
    const QString source = path_;
    // A rename replaces the target in one step when both are on the same file system.
    if (platform::replaceFile(source, target)) {
        state.recordCount = 0;
        state.recordingOpen = 0;
        return true;
    }
    // Another file system: write a complete copy next to the target, then swap it in; the scratch
    // file goes only once the copy is in place.
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        lastError_ = in.errorString();
        return false;
    }
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) {
        lastError_ = out.errorString();
        return false;
    }
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 20);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size()) {
            lastError_ = out.errorString();
            out.cancelWriting();
            return false;
        }
    }
    if (!out.commit()) {
        lastError_ = out.errorString();
        return false;
    }
    in.close();
    QFile::remove(source);
    state.recordCount = 0;
    state.recordingOpen = 0;
    return true;
}

void TemporaryRecording::close(app::AppState& state) {
    file_.close();
    state.recordingOpen = 0;
}

}  // namespace quilldar::files

namespace quilldar::files {

std::uint32_t TemporaryRecording::adoptLeftover(app::AppState& state) {
    QFile leftover(path_);
    if (!leftover.exists() || state.recordingOpen) return 0;
    const qint64 size = leftover.size();
    const qint64 records = std::min<qint64>(size / static_cast<qint64>(link::kReportSize), UINT32_MAX);
    // A record the earlier run was writing when it ended is incomplete.
    if (records * static_cast<qint64>(link::kReportSize) != size &&
        !leftover.resize(records * static_cast<qint64>(link::kReportSize))) {
        lastError_ = leftover.errorString();
    }
    if (records == 0) return 0;
    state.recordCount = static_cast<std::uint32_t>(records);
    state.recordingOpen = 1;
    return state.recordCount;
}

}  // namespace quilldar::files
