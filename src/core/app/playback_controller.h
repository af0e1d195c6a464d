#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "context/app_context.h"
#include "app/main_view.h"
#include "files/recording_file.h"
#include "files/temporary_recording.h"

namespace quilldar::app {

// What playback needs of the window's session: questions that keep the link alive, messages,
// and the session reset that returns the window to idle.
class PlaybackHost {
public:
    virtual ~PlaybackHost() = default;
    virtual bool ask(Question question) = 0;
    virtual void tell(Message message, const QString& detail = {}) = 0;
    virtual void sessionReset() = 0;
};

// Where the recording to open comes from.
enum class OpenedFrom { Browser, CommandLine };

// Plays a saved recording back through the same receive report the pages decode during a live
// session: one record per 150 ms tick, the page shown following each record's page tag. Open,
// Close, Play/Pause, the position slider and the jumps between page segments.
class PlaybackController {
public:
    static constexpr int kPlaybackPeriodMs = 150;

    PlaybackController(AppContext& context, MainView& view, files::TemporaryRecording& scratch, PlaybackHost& host);

    // The Open command: asks before an unsaved recording is given up, lets the user choose a file
    // (an empty path cancels) starting in the browser's last folder, and opens it.
    void openCommand(const std::function<QString(const QString& folder)>& choose);
    // A recording named on the command line, opened at start-up; asks first when the records of
    // an earlier run are still held.
    void openFromCommandLine(const QString& path);
    // Loads the file and enters playback; false (after telling the user) when it cannot be played.
    bool openRecording(const QString& path, OpenedFrom from);
    // The Close command.
    void close();
    // The Save As button during playback.
    void playPause();
    // The user let go of the slider at its current position.
    void sliderReleased();
    // "<<" and ">>": to the previous or the next page segment.
    void back();
    void forward();
    // The playback step of the poll tick.
    void step();

    const files::RecordingFile& recording() const { return recording_; }
    files::RecordingFile& recording() { return recording_; }

    // The Graph view command around its modal dialog: the playback paused, the slider at the end
    // and the recording's length in the time field while runGraph runs (given the recording in
    // playback, or null); afterwards the time field at 0 and, in playback, the position back at
    // the start.
    void graphCommand(const std::function<void(files::RecordingFile* recording)>& runGraph);
    // The record count of the open recording, kept for the graph view.
    std::uint32_t keptRecordCount() const { return keptCount_; }

private:
    // Reads the next record at the file position into the receive report, checked.
    bool readNext();
    // Offers a record read while jumping to the identification the pages use.
    void offer(const link::Report& record);
    void showPosition();
    QString secondsField(double seconds, int digits) const;

    AppContext& context_;
    AppState& state_;
    MainView& view_;
    files::TemporaryRecording& scratch_;
    PlaybackHost& host_;
    files::RecordingFile recording_;
    std::uint32_t keptCount_ = 0;
    bool playCaption_ = true;  // Save As reads "Play"
    QString shownTime_;
};

}  // namespace quilldar::app
