#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace quilldar::app {

// The main window's controls whose state the core decides.
enum class MainControl { Open, Connect, ClearErrors, SaveAs, Settings, GraphView, Print, Back, Forward, Slider };

// What the hardware ID and SN fields show.
enum class HardwareFields {
    Unknown,  // "---": no module
    Offline,  // "Offline mode": another copy owns the module
    Known,    // what the module told
};

enum class Question {
    UnsavedContinue,  // "Last session was not saved! ... continue?"
    UnsavedExit,      // "Last session was not saved! ... exit anyway?"
    ClearErrors,      // "Error codes will be cleared. Continue?"
    DiscardLeftover,  // the unsaved records are those an earlier run left: "Discard its records?"
};

enum class Message {
    CommunicationFailed,  // the unit could not be reached (detail: the unit of the selected tab)
    CommunicationError,   // the unit dropped out of the session
    RecordingFailed,      // the session could not be written to disk (detail: why)
    SaveFailed,           // the recording could not be saved under the chosen name (detail: why)
    FileLocked,           // "File is locked by another application."
    FileCorrupted,        // "File is corrupted, load skipped."
    RecordingNotFound,    // a recording named on the command line cannot be opened (detail: path and why)
};

// The main window as the core sees it: the core decides, the window shows, in the texts of the
// active language. Tests pass a fake that records the calls and answers questions from a script.
class MainView {
public:
    virtual ~MainView() = default;

    virtual void setControlEnabled(MainControl control, bool enabled) = 0;
    virtual void showHardwareFields(HardwareFields fields, const QString& id, const QString& serial) = 0;
    virtual HardwareFields hardwareFieldsShown() const = 0;
    // While the fields would show "---": a short word that says why no module can be used, with
    // the whole explanation as a tooltip.
    virtual void showHardwareHint(const QString& word, const QString& explanation) {
        (void)word;
        (void)explanation;
    }
    virtual void showTroubleCodeCount(int count) = 0;
    virtual void showPartNumber(const QString& partNumber) = 0;
    // "Connect" or "Disconnect" on the Connect button.
    virtual void showConnectCaption(bool connected) = 0;
    // Deletes all tabs and inserts the tabs of the pages, in order.
    virtual void rebuildTabStrip(const std::vector<std::uint16_t>& pages) = 0;
    // Shows the page and selects the tab.
    virtual void showPage(std::uint16_t page, int tab) = 0;
    virtual int selectedTab() const = 0;
    virtual bool askYesNo(Question question) = 0;
    virtual void showMessage(Message message, const QString& detail = {}) = 0;
    // Fills the language table again and re-applies every text of the window, all eight tabs,
    // page 0.
    virtual void resetView() = 0;
    virtual void stopPollTimer() = 0;
    virtual void startPollTimer(int periodMs) = 0;
    // A long command starts or ends (busy cursor).
    virtual void setBusy(bool busy) = 0;
    // Called every few tens of milliseconds while a long command waits for the module: the
    // window may paint itself, but must not start anything.
    virtual void keepPainted() {}
    // A line that says when and why the last session ended by itself (line) and what became of
    // its records (kept, which follows it and is never cut off when the two do not fit); empty:
    // no such line (a new session, a playback, the records saved).
    virtual void showSessionEnd(const QString& line, const QString& kept = {}) {
        (void)line;
        (void)kept;
    }
    // Gives the keyboard focus to the Open button ("<<" landing on a new segment).
    virtual void focusOpenButton() {}
    // A new session starts: pages that keep what they showed last start afresh.
    virtual void sessionStarting() = 0;
    // The trouble codes were cleared: the fault-time page starts afresh.
    virtual void troubleCodesCleared() = 0;

    // --- playback ---
    // Open becomes "Close" and Save As "Play" (playback), or back to "Open..." and "Save As...".
    virtual void showPlaybackCaptions(bool playback) = 0;
    // Save As reads "Pause" while playing and "Play" while paused.
    virtual void showPlayCaption(bool playing) = 0;
    // The window title with the recording's file name after the product title; empty: none.
    virtual void showRecordingTitle(const QString& fileName) = 0;
    virtual void setSliderRange(int maximum) = 0;
    virtual void setSliderPosition(int position) = 0;
    virtual int sliderPosition() const = 0;
    // The whole text of the time field ("Time:" ... " sec"), white.
    virtual void showTime(const QString& text) = 0;
    virtual void showLength(const QString& text) = 0;
    // Deletes all tabs and shows the page under a single tab of its name.
    virtual void showSinglePageTab(std::uint16_t page) = 0;
    // Playback shows another page: the fault-time page starts afresh.
    virtual void playbackPageChanged() {}
};

}  // namespace quilldar::app
