#pragma once

#include <chrono>
#include <functional>

#include "context/app_context.h"
#include "app/main_view.h"
#include "app/playback_controller.h"
#include "doctor/hardware_hint.h"
#include "files/temporary_recording.h"
#include "link/connect_unit.h"

namespace quilldar::app {

// How the last live session ended.
enum class SessionEnd {
    None,              // no session has ended yet in this run
    UserDisconnect,    // the user pressed Disconnect
    LinkLost,          // the interface module stopped answering or was pulled off the port
    UnitDisconnected,  // the module reported that the control unit dropped out ("Disconnected")
};

// The behaviour of the main window over time: the poll tick that opens and greets the module,
// watches vehicle power, selects the polling list for the page on show and takes one reply per
// tick into the receive report and the recording; and the commands that start and end a session.
// The window calls tick() from its 100 ms timer and forwards its buttons; tests call them directly.
class SessionController : private link::ConnectObserver, private PlaybackHost {
public:
    static constexpr int kPollPeriodMs = 100;

    SessionController(AppContext& context, MainView& view, files::TemporaryRecording& recording);
    ~SessionController() override;
    SessionController(const SessionController&) = delete;
    SessionController& operator=(const SessionController&) = delete;

    // One tick of the poll timer.
    void tick();

    // The Connect button: connects to the unit of the selected tab, or ends the session.
    void connectCommand();
    // The Clear errors button.
    void clearErrorsCommand();
    // A click on tab `tab` of the strip.
    void tabClicked(int tab);
    // Returns the main window to the idle state; the next tick reopens the link.
    void sessionReset() override;
    // Save As: moves the recording of the last session to the file; the folder becomes the file
    // browser's start folder. False (after telling the user) when it could not be saved; the
    // recording is kept.
    bool saveRecordingAs(const QString& target);
    // The window is being closed: true when it may close (the user did not keep an unsaved
    // recording), after the module was told to stop.
    bool shutdown();

    SessionEnd lastSessionEnd() const { return lastSessionEnd_; }
    // The poll timer's period now: a playback goes at one record per 150 ms, whatever restarted
    // the timer; otherwise the link is polled every 100 ms.
    int pollPeriodMs() const;
    // Called with every reply the session takes for the recording, before it is written (a soak
    // compares what was taken with what was saved). Empty: none.
    void setReplyObserver(std::function<void(const link::Report&)> observer) { replyObserver_ = std::move(observer); }

    // Open, Close and the playback controls.
    PlaybackController& playback() { return playback_; }
    // A recording left behind by a run that ended without saving it ("Quilldar_Temp.QLT" with
    // whole records) is taken as the records of an unsaved session, so that the user can still
    // keep it. Returns the number of records found.
    std::uint32_t adoptLeftoverRecording();
    // As adoptLeftoverRecording, but once no recording plays: a recording named on the command
    // line is opened first and the leftover offered when it is closed.
    void adoptLeftoverRecordingWhenIdle();

private:
    // ConnectObserver
    void showPartNumber(const QString& partNumber) override;
    void communicationFailed() override;
    void recordReport() override;

    // PlaybackHost. Questions and messages keep the link alive for as long as the user takes to
    // answer.
    bool ask(Question question) override;
    void tell(Message message, const QString& detail = {}) override;
    void endSession(SessionEnd how);
    // Tells the user, in the window, that a session ended by itself: when, why, and that its
    // records are kept for Save As.
    void announceSessionEnd(SessionEnd how);
    // The part of a tick that talks to the module over an open link: the greeting, the power poll
    // and, in a session, the page's list and one reply. False when a wait failed.
    bool talkToModule();
    // The steps of a tick; tick() adds the hint of the hardware fields.
    void runTick();
    void updateHardwareHint();

    void record(link::Report& report);
    void applyConnectRule();
    void rebuildTabStrip();
    void takeReply();

    AppContext& context_;
    AppState& state_;
    link::HidLink& link_;
    MainView& view_;
    files::TemporaryRecording& recording_;
    int selectedTab_ = 0;
    bool recordingFailureShown_ = false;
    // The unsaved records are what an earlier run left behind, not this run's session.
    bool unsavedAreLeftover_ = false;
    // A leftover waits for the playback of a recording named on the command line to close.
    bool leftoverPending_ = false;
    SessionEnd lastSessionEnd_ = SessionEnd::None;
    std::function<void(const link::Report&)> replyObserver_;
    PlaybackController playback_;
    doctor::HardwareHintWatch hint_;
};

}  // namespace quilldar::app
