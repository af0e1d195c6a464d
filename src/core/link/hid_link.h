#pragma once

#include <algorithm>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string_view>
#include <thread>

#include "state/app_state.h"
#include "link/hid_transport.h"
#include "link/report.h"
#include "link/report_mailbox.h"

namespace quilldar::link {

// Why the link went down last.
enum class LinkDrop {
    None,        // it is up, or was closed on purpose
    DeviceGone,  // reading or writing the module failed: it was pulled off the port or failed
    NoReply,     // the module did not answer within a wait's deadline
};

inline constexpr std::uint16_t kModuleVendorId = 0x04D8;
inline constexpr std::uint16_t kModuleProductId = 0x05F1;

// The HID link to the interface module: the two report buffers, the reader thread that feeds
// the receive side, the wait timer that bounds every wait, and the link flag (AppState.linkOpen).
//
// Only the GUI thread opens, closes, sends and waits. Nothing spins: the reader blocks in the
// transport's read, the wait timer and the waits block on a condition variable.
class HidLink {
public:
    using Clock = std::chrono::steady_clock;

    // A reply counts only when it arrives within this time of the start of the wait.
    static constexpr std::chrono::milliseconds kReplyDeadline{1500};
    // With no report, or with no wait started for this long, the wait timer ends the threads.
    static constexpr std::chrono::milliseconds kWatchdog{2000};
    static constexpr std::chrono::milliseconds kFreshness{20};
    // More than this many failed reads in a row drop the link.
    static constexpr int kMaxFailedReads = 50;

    HidLink(app::AppState& state, HidTransport& transport);
    ~HidLink();
    HidLink(const HidLink&) = delete;
    HidLink& operator=(const HidLink&) = delete;

    // The command report: persists between commands; a command rewrites only its own bytes.
    Report& transmitReport() { return transmit_; }
    const Report& transmitReport() const { return transmit_; }
    // The input report that arrived last, as the reader thread delivered it. The poll loop takes
    // one of these per tick into the application's receive report, which the pages decode.
    ReportMailbox& latestInput() { return receive_; }
    const ReportMailbox& latestInput() const { return receive_; }

    bool OpenInterface(std::uint16_t vendorId, std::uint16_t productId);
    void CloseInterface();
    // Close, open the module again and start the reader and the wait timer; sets linkOpen.
    bool ReopenInterface();
    // Writes the command report; a failed write drops the link.
    bool SendReport();
    // Writes the command report without looking at linkOpen or at the result.
    void SendReportUnchecked();
    // Waits for the next input report; false when the link is closed or no reply came within
    // the reply deadline, in which case the threads are stopped and the link is dropped.
    // Reports are taken in the order they arrived, so that a reply that follows another one at
    // once is not missed; a report older than kFreshness at the start of the wait, or older than
    // the last command written, is passed over, so that a wait never takes stale data from a
    // module that streams.
    bool WaitReport();
    // Reports that arrived so far answer no later wait, except the newest one not yet taken: the
    // next wait takes the freshest report (a harness that runs ticks faster than the module
    // streams). The newest stays, because it may be the module's last word before it fell silent
    // ("Disconnected"), which no later report would bring again.
    void discardArrived() {
        const std::uint64_t arrived = receive_.arrivals();
        if (arrived > 0) nextUnread_ = std::max(nextUnread_, arrived - 1);
    }
    // Takes, as if a wait had ended with it, a "Disconnected" that arrived since the last report
    // taken and that no wait took: a wait passes over reports older than its command, and the
    // module's word that the unit dropped out must not be lost that way. False when there is none.
    bool takeUnreadDisconnect();
    // The report that ended the last successful wait.
    const Report& reply() const { return reply_; }
    // True when the payload of that report starts with the characters of text.
    bool ReplyIs(std::string_view text) const;
    // Marks the link as down (a session end, a rejected module); the next poll tick reopens it.
    void dropLink();
    // While set, a wait or a pause calls the pump every interval until it ends (a window keeps
    // itself painted while the module takes its time); an empty function switches it off.
    void setWaitPump(std::function<void()> pump, std::chrono::milliseconds interval = std::chrono::milliseconds(30),
                     const void* owner = nullptr);
    // Switches the pump off if the owner still holds it (a newer owner may have replaced it).
    void clearWaitPump(const void* owner);
    // Sleeps between two commands, calling the pump meanwhile.
    void pause(std::chrono::milliseconds duration);

    // While at least one hold is alive, the wait timer does not take the absence of waits for a
    // dead module: a question or a dialog the user leaves open for minutes must not end the link
    // threads. Waits keep their deadlines. When the last hold goes, the idle time counts afresh.
    class IdleHold {
    public:
        explicit IdleHold(HidLink& link);
        ~IdleHold();
        IdleHold(const IdleHold&) = delete;
        IdleHold& operator=(const IdleHold&) = delete;

    private:
        HidLink& link_;
    };
    bool idleHeld() const { return idleHolds_.load() > 0; }
    // Successful waits since construction (each took one report).
    std::uint64_t repliesTaken() const { return repliesTaken_; }

    // Why the link went down last; None again once it is reopened.
    LinkDrop lastDrop() const { return lastDrop_.load(); }
    // Why the last open attempt failed (Opened after a success).
    OpenOutcome lastOpenOutcome() const { return lastOpenOutcome_; }
    // Flags shared with the link threads, readable for diagnostics and tests.
    bool reportReady() const { return reportReady_.load() != 0; }
    bool stopIoThreads() const { return stopIoThreads_.load() != 0; }
    bool readResult() const { return readResult_.load() != 0; }
    // Milliseconds since the start of the current wait.
    std::int32_t waitTicks() const;

private:
    // Makes the report the reply of a wait: later waits look only at reports after it.
    void take(const ReportMailbox::Arrival& arrival);
    void InterfaceReader();
    void runReader();
    void WaitTimer();
    void startThreads();
    void joinThreads();
    void signal();
    void stopThreadsAndDrop();
    void releaseIdleHold();

    app::AppState& state_;
    HidTransport& transport_;
    Report transmit_{};
    ReportMailbox receive_;
    Report reply_{};
    std::function<void()> pump_;
    std::chrono::milliseconds pumpInterval_{30};
    const void* pumpOwner_ = nullptr;
    bool deviceOpen_ = false;
    // Sequence number of the first report no wait has taken yet.
    std::uint64_t nextUnread_ = 0;
    OpenOutcome lastOpenOutcome_ = OpenOutcome::NotFound;
    // When the command report was last written: no report that arrived before it answers it.
    Clock::time_point lastSendAt_{};
    // Written by the reader thread as well.
    std::atomic<LinkDrop> lastDrop_{LinkDrop::None};
    std::uint64_t repliesTaken_ = 0;

    std::atomic<std::uint8_t> reportReady_{0};
    std::atomic<std::uint8_t> readResult_{0};
    std::atomic<std::uint8_t> stopIoThreads_{1};
    std::atomic<std::uint8_t> threadsEnded_{1};
    std::atomic<bool> readerEnded_{true};
    std::atomic<Clock::rep> waitStart_{0};
    std::atomic<bool> shutdown_{false};
    std::atomic<bool> waiting_{false};
    std::atomic<int> idleHolds_{0};

    std::mutex wakeMutex_;
    std::condition_variable wake_;
    std::thread reader_;
    std::thread timer_;
};

}  // namespace quilldar::link
