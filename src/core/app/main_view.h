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
};

enum class Message {
    CommunicationFailed,  // the unit could not be reached
    CommunicationError,   // the unit dropped out of the session
    RecordingFailed,      // the session could not be written to disk (detail: why)
    SaveFailed,           // the recording could not be saved under the chosen name (detail: why)
};

// The main window as the core sees it: the core decides, the window shows, in the texts of the
// active language. Tests pass a fake that records the calls and answers questions from a script.
class MainView {
public:
    virtual ~MainView() = default;

    virtual void setControlEnabled(MainControl control, bool enabled) = 0;
    virtual void showHardwareFields(HardwareFields fields, const QString& id, const QString& serial) = 0;
    virtual HardwareFields hardwareFieldsShown() const = 0;
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
    // A new session starts: pages that keep what they showed last start afresh.
    virtual void sessionStarting() = 0;
    // The trouble codes were cleared: the fault-time page starts afresh.
    virtual void troubleCodesCleared() = 0;
};

}  // namespace quilldar::app
