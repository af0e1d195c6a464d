#include "sim/simulated_module.h"

#include "link/hid_link.h"

namespace quilldar::sim {

using link::OpenOutcome;
using link::ReadOutcome;
using link::Report;

namespace {
// The command log keeps the most recent commands only, so that a long session stays small.
constexpr std::size_t kCommandLogLimit = 4096;
}  // namespace

SimulatedModule::SimulatedModule(std::unique_ptr<VirtualVehicle> vehicle, ModuleTiming timing,
                                 ModuleHardware hardware)
    : vehicle_(std::move(vehicle)),
      hardware_(std::move(hardware)),
      firmware_(std::make_unique<ModuleFirmware>(*vehicle_, hardware_)),
      timing_(timing) {}

OpenOutcome SimulatedModule::open(std::uint16_t vendorId, std::uint16_t productId) {
    std::lock_guard lock(mutex_);
    if (!plugged_ || vendorId != link::kModuleVendorId || productId != link::kModuleProductId)
        return OpenOutcome::NotFound;
    open_ = true;
    return OpenOutcome::Opened;
}

void SimulatedModule::close() {
    {
        std::lock_guard lock(mutex_);
        open_ = false;
        // Replies not yet read are lost with the handle, as with the real device.
        outgoing_.clear();
        mutedUntilReopened_ = false;
    }
    changed_.notify_all();
}

bool SimulatedModule::write(const Report& report) {
    {
        std::lock_guard lock(mutex_);
        if (!open_ || !plugged_) return false;
        if (received_.size() >= kCommandLogLimit) received_.erase(received_.begin());
        received_.push_back(report);
        const bool wasPolling = firmware_->polling();
        const auto now = Clock::now();
        for (const Report& reply : firmware_->handleCommand(report)) queue(reply, now);
        if (!wasPolling && firmware_->polling())
            nextPollAt_ = now + timing_.replyDelay + timing_.lineInterval;
    }
    changed_.notify_all();
    return true;
}

ReadOutcome SimulatedModule::read(Report& into, int timeoutMs) {
    std::unique_lock lock(mutex_);
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (!open_ || !plugged_) return ReadOutcome::Failed;
        const auto now = Clock::now();
        if (!outgoing_.empty() && outgoing_.front().due <= now) {
            into = outgoing_.front().report;
            into[0] = 0;
            outgoing_.pop_front();
            return ReadOutcome::Report;
        }
        // The module relays the next listed request once the line is free.
        if (outgoing_.empty() && firmware_->polling() && now >= nextPollAt_) {
            // The next request goes out one interval after this one was due, so that the time
            // this thread takes to wake up does not add up over a session; after a hold-up (a
            // reply delivered late, a muted module) the rhythm starts afresh from now.
            nextPollAt_ += timing_.lineInterval;
            if (nextPollAt_ <= now) nextPollAt_ = now + timing_.lineInterval;
            if (auto response = firmware_->nextPolledResponse()) queue(*response, now);
            continue;
        }
        if (now >= deadline) return ReadOutcome::TimedOut;
        auto wakeAt = deadline;
        if (!outgoing_.empty()) wakeAt = std::min(wakeAt, outgoing_.front().due);
        else if (firmware_->polling()) wakeAt = std::min(wakeAt, nextPollAt_);
        changed_.wait_until(lock, wakeAt);
    }
}

void SimulatedModule::queue(const Report& report, Clock::time_point now) {
    if (mute_ || mutedUntilReopened_) return;
    outgoing_.push_back({report, now + timing_.replyDelay});
}

void SimulatedModule::setVehiclePower(bool on) { vehicle_->setPowered(on); }

void SimulatedModule::unplug() {
    {
        std::lock_guard lock(mutex_);
        plugged_ = false;
        open_ = false;
        outgoing_.clear();
    }
    changed_.notify_all();
}

void SimulatedModule::replug() {
    {
        std::lock_guard lock(mutex_);
        plugged_ = true;
        firmware_ = std::make_unique<ModuleFirmware>(*vehicle_, hardware_);
    }
    changed_.notify_all();
}

void SimulatedModule::setReplyDelay(std::chrono::milliseconds delay) {
    std::lock_guard lock(mutex_);
    timing_.replyDelay = delay;
}

void SimulatedModule::setLineInterval(std::chrono::microseconds interval) {
    std::lock_guard lock(mutex_);
    timing_.lineInterval = interval;
}

void SimulatedModule::failNextStart(std::string_view reply) {
    std::lock_guard lock(mutex_);
    firmware_->failNextStart(reply);
}

void SimulatedModule::loseControlUnit() {
    {
        std::lock_guard lock(mutex_);
        // Without a session there is no unit to lose.
        if (!firmware_->polling()) return;
        outgoing_.clear();
        queue(firmware_->loseControlUnit(), Clock::now());
    }
    changed_.notify_all();
}

void SimulatedModule::corruptNextResponse() {
    std::lock_guard lock(mutex_);
    firmware_->corruptNextResponse();
}

void SimulatedModule::setModuleType(char type) {
    std::lock_guard lock(mutex_);
    hardware_.type = type;
    firmware_->setModuleType(type);
}

void SimulatedModule::loseCommandAfter(int passing) {
    std::lock_guard lock(mutex_);
    firmware_->loseCommandAfter(passing);
}

void SimulatedModule::setTroubleCodes(std::uint8_t address, std::vector<StoredTroubleCode> codes) {
    std::lock_guard lock(mutex_);
    if (auto* unit = dynamic_cast<VirtualUnit*>(vehicle_->unitAt(address))) unit->setTroubleCodes(std::move(codes));
}

void SimulatedModule::setMute(bool mute) {
    std::lock_guard lock(mutex_);
    mute_ = mute;
    if (mute) outgoing_.clear();
}

void SimulatedModule::muteUntilReopened() {
    std::lock_guard lock(mutex_);
    mutedUntilReopened_ = true;
    outgoing_.clear();
}

void SimulatedModule::overlongNextResponse() {
    std::lock_guard lock(mutex_);
    firmware_->overlongNextResponse();
}

void SimulatedModule::sendStaleReplies() {
    std::lock_guard lock(mutex_);
    firmware_->sendStaleReplies();
}

bool SimulatedModule::isOpen() const {
    std::lock_guard lock(mutex_);
    return open_;
}

std::vector<Report> SimulatedModule::commandsReceived() const {
    std::lock_guard lock(mutex_);
    return received_;
}

std::vector<std::uint8_t> SimulatedModule::pollingList() const {
    std::lock_guard lock(mutex_);
    return firmware_->pollingList();
}

link::Frame SimulatedModule::slot(int number) const {
    std::lock_guard lock(mutex_);
    return firmware_->slot(number);
}

std::uint8_t SimulatedModule::lineSetupUsed() const {
    std::lock_guard lock(mutex_);
    return firmware_->lineSetup();
}

int SimulatedModule::configurationCommands() const {
    std::lock_guard lock(mutex_);
    return firmware_->configurationCommands();
}

}  // namespace quilldar::sim
