#include "link/hid_link.h"

#include <algorithm>

#include "link/module_replies.h"

namespace quilldar::link {

namespace {

// The reader blocks in the transport for at most this long at a time, so that it notices a
// close or a stop request promptly without waking up often.
constexpr int kReadSliceMs = 50;
// After a failed read the reader pauses this long before the next attempt.
constexpr std::chrono::milliseconds kFailedReadPause{1};
// A wait ends through the wait timer at kWatchdog; this margin only guards against a wait timer
// that is no longer there.
constexpr std::chrono::milliseconds kWaitGuard{500};

}  // namespace

HidLink::HidLink(app::AppState& state, HidTransport& transport)
    : state_(state), transport_(transport) {}

HidLink::~HidLink() { CloseInterface(); }

bool HidLink::OpenInterface(std::uint16_t vendorId, std::uint16_t productId) {
    lastOpenOutcome_ = transport_.open(vendorId, productId);
    deviceOpen_ = lastOpenOutcome_ == OpenOutcome::Opened;
    return deviceOpen_;
}

void HidLink::CloseInterface() {
    joinThreads();
    if (deviceOpen_) transport_.close();
    deviceOpen_ = false;
}

bool HidLink::ReopenInterface() {
    CloseInterface();
    if (!OpenInterface(kModuleVendorId, kModuleProductId)) {
        state_.setLinkOpen(false);
        return false;
    }
    state_.setLinkOpen(true);
    lastDrop_ = LinkDrop::None;
    startThreads();
    return true;
}

bool HidLink::SendReport() {
    if (!state_.isLinkOpen()) return false;
    transmit_[0] = 0;
    lastSendAt_ = Clock::now();
    const bool written = transport_.write(transmit_);
    if (!written) {
        lastDrop_ = LinkDrop::DeviceGone;
        state_.setLinkOpen(false);
        signal();
    }
    return written;
}

void HidLink::SendReportUnchecked() {
    transmit_[0] = 0;
    lastSendAt_ = Clock::now();
    (void)transport_.write(transmit_);
}

bool HidLink::WaitReport() {
    if (!state_.isLinkOpen()) return false;
    if (stopIoThreads_.load() || threadsEnded_.load()) {
        // The wait timer ended the threads because no wait started for a while: nothing would
        // end this wait, so it fails and the next poll tick opens the module again.
        if (lastDrop() == LinkDrop::None) lastDrop_ = LinkDrop::NoReply;
        stopThreadsAndDrop();
        return false;
    }

    reportReady_ = 0;
    readResult_ = 0;
    const auto start = Clock::now();
    const auto notBefore = std::max(start - kFreshness, lastSendAt_);
    waiting_ = true;
    waitStart_ = start.time_since_epoch().count();
    signal();  // the wait timer re-arms its deadline

    std::optional<ReportMailbox::Arrival> taken;
    {
        const auto guard = start + kWatchdog + kWaitGuard;
        const auto ended = [&] {
            taken = receive_.firstArrival(nextUnread_, notBefore);
            // The wait timer ends the wait by stopping the threads.
            return taken.has_value() || !state_.isLinkOpen() || stopIoThreads_.load() != 0;
        };
        std::unique_lock lock(wakeMutex_);
        while (!wake_.wait_until(lock, pump_ ? std::min(guard, Clock::now() + pumpInterval_) : guard, ended) &&
               Clock::now() < guard) {
            // Lets the window paint itself while a long command waits; the waits themselves and
            // the order of commands stay as they are.
            lock.unlock();
            pump_();
            lock.lock();
        }
    }
    waiting_ = false;
    if (!state_.isLinkOpen()) return false;

    // A reply counts only when it arrived within the deadline of the start of the wait.
    const bool arrived = taken.has_value() && taken->at <= start + kReplyDeadline;
    readResult_ = 0;
    if (arrived) {
        take(*taken);
        return true;
    }
    // A module whose reads failed meanwhile is gone; one that stayed silent did not answer.
    if (lastDrop() == LinkDrop::None) lastDrop_ = LinkDrop::NoReply;
    stopThreadsAndDrop();
    return false;
}

bool HidLink::takeUnreadDisconnect() {
    const auto ending = receive_.firstMatching(
        nextUnread_, [](const Report& report) { return payloadStartsWith(report, replies::kDisconnected); });
    if (!ending) return false;
    take(*ending);
    return true;
}

void HidLink::take(const ReportMailbox::Arrival& arrival) {
    reply_ = arrival.report;
    nextUnread_ = arrival.sequence + 1;
    ++repliesTaken_;
    readResult_ = 1;
}

bool HidLink::ReplyIs(std::string_view text) const { return payloadStartsWith(reply_, text); }

void HidLink::setWaitPump(std::function<void()> pump, std::chrono::milliseconds interval, const void* owner) {
    pump_ = std::move(pump);
    pumpInterval_ = interval;
    pumpOwner_ = owner;
}

void HidLink::clearWaitPump(const void* owner) {
    if (owner != pumpOwner_) return;
    pump_ = {};
    pumpOwner_ = nullptr;
}

void HidLink::pause(std::chrono::milliseconds duration) {
    const auto until = Clock::now() + duration;
    while (pump_) {
        const auto now = Clock::now();
        if (now >= until) return;
        std::this_thread::sleep_until(std::min(until, now + pumpInterval_));
        pump_();
    }
    std::this_thread::sleep_until(until);
}

HidLink::IdleHold::IdleHold(HidLink& link) : link_(link) { ++link_.idleHolds_; }

HidLink::IdleHold::~IdleHold() { link_.releaseIdleHold(); }

void HidLink::releaseIdleHold() {
    if (--idleHolds_ > 0) return;
    // The idle time before the next wait counts from the moment the dialog closed.
    if (!waiting_.load()) waitStart_ = Clock::now().time_since_epoch().count();
    signal();
}

void HidLink::dropLink() {
    state_.setLinkOpen(false);
    signal();
}

std::int32_t HidLink::waitTicks() const {
    const auto start = Clock::time_point(Clock::duration(waitStart_.load()));
    return static_cast<std::int32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

void HidLink::InterfaceReader() {
    runReader();
    readerEnded_ = true;
    signal();
}

void HidLink::runReader() {
    int failedReads = 0;
    Report buffer{};
    while (!shutdown_.load() && state_.isLinkOpen()) {
        const ReadOutcome outcome = transport_.read(buffer, kReadSliceMs);
        if (outcome == ReadOutcome::Report) {
            buffer[0] = 0;
            receive_.publish(buffer);
            failedReads = 0;
            readResult_ = 1;
            reportReady_ = 1;
            signal();
        } else if (outcome == ReadOutcome::Failed) {
            readResult_ = 0;
            if (++failedReads > kMaxFailedReads) {
                lastDrop_ = LinkDrop::DeviceGone;
                state_.setLinkOpen(false);
                reportReady_ = 1;
                signal();
                break;
            }
            std::this_thread::sleep_for(kFailedReadPause);
        }
        if (stopIoThreads_.load()) break;
    }
}

void HidLink::WaitTimer() {
    std::unique_lock lock(wakeMutex_);
    while (!shutdown_.load() && state_.isLinkOpen() && !stopIoThreads_.load()) {
        const auto armedAt = waitStart_.load();
        const auto deadline = Clock::time_point(Clock::duration(armedAt)) + kWatchdog;
        const bool woke = wake_.wait_until(lock, deadline, [&] {
            return shutdown_.load() || !state_.isLinkOpen() || stopIoThreads_.load() ||
                   waitStart_.load() != armedAt;
        });
        if (!woke) {
            if (idleHolds_.load() > 0 && !waiting_.load()) {
                // The program is showing a dialog, not waiting for the module.
                waitStart_ = Clock::now().time_since_epoch().count();
                continue;
            }
            reportReady_ = 1;
            stopIoThreads_ = 1;
            wake_.notify_all();
        }
    }
}

void HidLink::startThreads() {
    shutdown_ = false;
    stopIoThreads_ = 0;
    threadsEnded_ = 0;
    readerEnded_ = false;
    reportReady_ = 0;
    // Reports of an earlier opening are history.
    nextUnread_ = receive_.arrivals();
    // The watchdog counts from the moment the link comes up.
    waitStart_ = Clock::now().time_since_epoch().count();
    reader_ = std::thread([this] { InterfaceReader(); });
    timer_ = std::thread([this] { WaitTimer(); });
}

void HidLink::joinThreads() {
    shutdown_ = true;
    signal();
    if (reader_.joinable()) {
        // The reader leaves the device within one read slice; the window keeps painting meanwhile.
        std::unique_lock lock(wakeMutex_);
        while (!wake_.wait_for(lock, pumpInterval_, [&] { return readerEnded_.load(); })) {
            if (!pump_) continue;
            lock.unlock();
            pump_();
            lock.lock();
        }
    }
    if (reader_.joinable()) reader_.join();
    if (timer_.joinable()) timer_.join();
    threadsEnded_ = 1;
    shutdown_ = false;
}

void HidLink::signal() {
    { std::lock_guard lock(wakeMutex_); }
    wake_.notify_all();
}

void HidLink::stopThreadsAndDrop() {
    stopIoThreads_ = 1;
    state_.setLinkOpen(false);
    signal();
}

}  // namespace quilldar::link
