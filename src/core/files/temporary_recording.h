#pragma once

#include <QFile>
#include <QString>

#include "state/app_state.h"
#include "link/report.h"

namespace quilldar::files {

// The scratch file a live session is recorded into, record by record: each record is the page
// on show followed by the 64 payload bytes of one report, exactly as received. Every record goes
// to the operating system as soon as it is written, so a crash or a kill of the program loses at
// most the record being written.
class TemporaryRecording {
public:
    static constexpr const char* kFileName = "Quilldar_Temp.QLT";

    // folder: the start-up folder; the scratch file lives there under fileName.
    explicit TemporaryRecording(const QString& folder, const QString& fileName = QString::fromLatin1(kFileName));

    const QString& path() const { return path_; }
    bool isOpen() const { return file_.isOpen(); }

    // Appends the report as one record: byte 0 becomes the low byte of currentPage. Creates
    // (truncates) the scratch file for the first record of a recording and sets recordingOpen.
    // False when the record could not be written (disk full, folder not writable, the scratch
    // file removed with its folder); the records written before stay in the file, whole. After
    // such a failure nothing more goes into this recording, so that it has no gaps.
    bool RecordReport(link::Report& report, app::AppState& state);

    // Moves the scratch file to target, replacing a file of that name. Done so that neither the
    // recording nor the file it replaces is lost when the move fails half-way. A scratch file that
    // was removed from its folder while open is copied from the open file. On success
    // recordCount is 0 and recordingOpen clear; the next record starts a new scratch file.
    bool saveRecording(const QString& target, app::AppState& state);

    // Gives the held recording up (it stays on disk until the next session truncates it);
    // recordCount and recordingOpen are cleared.
    void close(app::AppState& state);
    // Gives the held recording up and removes the scratch file: the user chose to lose it, so the
    // next start must not offer it again.
    void discard(app::AppState& state);

    // Takes a scratch file left behind by an earlier run as the held recording: a partial last
    // record is cut off, recordCount is set and recordingOpen too when whole records remain.
    // Returns the number of records.
    std::uint32_t adoptLeftover(app::AppState& state);

    // What went wrong in the last failed call, for the user.
    const QString& lastError() const { return lastError_; }

private:
    // Writes everything from in's position on to target through a temporary file beside it.
    bool copyTo(QIODevice& in, const QString& target);

    QString path_;
    QFile file_;
    // A write failed or the scratch file lost its name: nothing more goes into this recording.
    bool stopped_ = false;
    QString lastError_;
};

}  // namespace quilldar::files
