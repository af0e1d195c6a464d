#pragma once

#include <atomic>
#include <cstdint>

namespace quilldar::app {

// The one application-wide record of flags and counters through which the link, the polling
// loop, the main window, the pages and the report tell each other what state the program is in.
// Every field belongs to the GUI thread except linkOpen, which the link's reader thread may also
// clear when the module stops answering; that field is therefore atomic.
struct AppState {
    std::atomic<std::uint16_t> linkOpen{0};  // the module's HID link is open and answering
    std::uint16_t connected = 0;             // a live ECM session is established
    std::uint16_t systemKind = 0;  // 0 none, 1 engine, 2 transmission, 3 combined, 4 ABS, 5 EPS
    std::uint16_t builtKind = 0;   // the systemKind the tab strip was last rebuilt for
    std::uint16_t listState = 100;  // 0 live data, 1 error codes, 2 freeze frame, 100 none
    std::uint16_t playback = 0;
    std::uint16_t paused = 0;
    std::uint16_t autoPaused = 0;
    std::uint32_t recordCount = 0;   // 65-byte records in the open or temporary recording
    std::uint32_t playPosition = 0;  // index of the next record to play
    std::uint16_t recordingOpen = 0;  // the temporary recording holds records not yet saved
    std::uint16_t dtcCount = 0;
    std::uint16_t currentPage = 0;       // page 0..7 shown in the tab area
    std::uint16_t lastShownPage = 100;   // page last shown by playback; 100 means none
    std::uint16_t handshakePending = 0;  // greet the module at the next tick with an open link
    std::uint8_t autoErrorPage = 1;
    std::uint8_t powerStable = 0;      // at least 30 consecutive "Power OK" replies
    std::uint16_t powerOkCount = 0;    // consecutive "Power OK" replies
    std::uint16_t adapterRejected = 0;  // the module reported a type other than "1"
    std::uint8_t offlineInstance = 0;   // another instance owns the module
    std::uint8_t updateCheckPending = 1;
    std::uint8_t exiting = 0;
    std::uint8_t installPending = 0;
    std::uint16_t fileDialogOpen = 0;
    std::uint8_t nearEnd = 0;         // playback is within the last 10 records
    std::uint8_t altListVariant = 0;  // the ECM uses the second identification scheme's lists
    std::uint8_t clipboardOutput = 0;
    double uiScale = 1.0;

    bool isLinkOpen() const { return linkOpen.load() != 0; }
    void setLinkOpen(bool open) { linkOpen.store(open ? 1 : 0); }
};

}  // namespace quilldar::app
