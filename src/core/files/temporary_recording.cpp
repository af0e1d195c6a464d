#include "files/temporary_recording.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cstdint>

#include "platform/file_replace.h"

namespace quilldar::files {

TemporaryRecording::TemporaryRecording(const QString& folder, const QString& fileName)
    : path_(QDir(folder).filePath(fileName)) {}

bool TemporaryRecording::RecordReport(link::Report& report, app::AppState& state) {
    if (state.recordingOpen == 0 || !file_.isOpen()) {
        // A held recording that is not open (taken over from an earlier run) grows; otherwise a
        // new recording starts.
        const QIODevice::OpenMode mode = state.recordingOpen ? QIODevice::Append : QIODevice::Truncate;
        file_.close();
        stopped_ = false;
        file_.setFileName(path_);
        // Readable too: if the file is taken from its folder, what it holds is read back from here.
        if (!file_.open(QIODevice::ReadWrite | mode | QIODevice::Unbuffered)) {
            lastError_ = file_.errorString();
            return false;
        }
        state.recordingOpen = 1;
    }
    if (stopped_) return false;
    if (!QFileInfo::exists(path_)) {
        // The folder was removed, renamed or replaced: writes would still succeed, into a file
        // that no longer has a name. Recording stops; what the file holds stays readable through
        // it for Save As.
        stopped_ = true;
        lastError_ = QStringLiteral("%1 is gone: its folder was removed or replaced.").arg(QDir::toNativeSeparators(path_));
        return false;
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
        // Recording stops here: records written after a gap, once the disk has room again,
        // would join moments that lie apart.
        stopped_ = true;
        return false;
    }
    ++state.recordCount;
    return true;
}

bool TemporaryRecording::copyTo(QIODevice& in, const QString& target) {
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) {
        lastError_ = out.errorString();
        return false;
    }
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 20);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size()) {
            lastError_ = chunk.isEmpty() ? in.errorString() : out.errorString();
            out.cancelWriting();
            return false;
        }
    }
    if (!out.commit()) {
        lastError_ = out.errorString();
        return false;
    }
    return true;
}

bool TemporaryRecording::saveRecording(const QString& target, app::AppState& state) {
    if (file_.isOpen() && !QFileInfo::exists(path_)) {
        // The scratch file lost its name: the open file is all that is left of the recording. It
        // stays open until the copy is in place.
        if (!file_.seek(0)) {
            lastError_ = file_.errorString();
            return false;
        }
        if (!copyTo(file_, target)) return false;
        file_.close();
        stopped_ = false;
        state.recordCount = 0;
        state.recordingOpen = 0;
        return true;
    }
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
    if (!copyTo(in, target)) return false;
    in.close();
    QFile::remove(source);
    state.recordCount = 0;
    state.recordingOpen = 0;
    return true;
}

void TemporaryRecording::close(app::AppState& state) {
    file_.close();
    stopped_ = false;
    state.recordingOpen = 0;
    state.recordCount = 0;
}

void TemporaryRecording::discard(app::AppState& state) {
    close(state);
    QFile::remove(path_);
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
