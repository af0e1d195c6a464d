#include "hidapi_sim/sim_hid_device.h"

#include <algorithm>
#include <cstdlib>

#include "link/hid_link.h"

namespace quilldar::hidsim {

namespace {

// The pump blocks in the module for at most this long, so that faults strike on time and the
// device stops promptly; the longer the slice, the less the rig itself weighs in a CPU
// measurement of the program.
constexpr int kSliceMs = 50;
// hidraw keeps at most 64 reports for a reader and drops what comes on top.
constexpr std::size_t kInputLimit = 64;
// A product id of the module's maker that is not the module.
constexpr std::uint16_t kOtherProductId = 0x000B;

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

}  // namespace

SimHidDevice::SimHidDevice(const sim::SimulationSpec& spec, std::vector<TimedFault> faults)
    : module_(sim::buildSimulatedModule(spec, std::make_shared<sim::SteadySimClock>())),
      faults_(std::move(faults)) {
    // Faults due at once are there before the first call.
    strikeDueFaults();
    pump_ = std::thread([this] { pump(); });
}

SimHidDevice::~SimHidDevice() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    pump_.join();
}

std::unique_ptr<SimHidDevice> SimHidDevice::fromEnvironment(QString& error) {
    const auto spec = sim::parseSimulationSpec(environment("QUILLDAR_HIDAPI_SIM"), error);
    if (!spec) {
        error = QStringLiteral("QUILLDAR_HIDAPI_SIM: %1").arg(error);
        return nullptr;
    }
    const auto faults = parseTransportFaults(environment("QUILLDAR_HIDAPI_SIM_FAULT"), error);
    if (!faults) {
        error = QStringLiteral("QUILLDAR_HIDAPI_SIM_FAULT: %1").arg(error);
        return nullptr;
    }
    return std::make_unique<SimHidDevice>(*spec, *faults);
}

std::vector<Listing> SimHidDevice::listing() {
    std::lock_guard lock(mutex_);
    strikeDueFaults();
    std::vector<Listing> found;
    found.push_back({kOtherPath, link::kModuleVendorId, kOtherProductId, L"Another device"});
    if (extraDevice_) found.push_back({kExtraPath, link::kModuleVendorId, link::kModuleProductId, L"Interface module"});
    if (plugged_) found.push_back({kModulePath, link::kModuleVendorId, link::kModuleProductId, L"Interface module"});
    return found;
}

bool SimHidDevice::open(const std::string& path, OpenHandle& handle, std::wstring& error) {
    std::lock_guard lock(mutex_);
    strikeDueFaults();
    if (path == kOtherPath || (path == kExtraPath && extraDevice_)) {
        error = L"Permission denied";
        return false;
    }
    if (path != kModulePath || !plugged_) {
        error = L"No such device";
        return false;
    }
    if (busy_) {
        error = L"Device or resource busy";
        return false;
    }
    if (module_->open(link::kModuleVendorId, link::kModuleProductId) != link::OpenOutcome::Opened) {
        error = L"No such device";
        return false;
    }
    // A fresh handle starts with an empty input buffer.
    if (openHandles_ == 0) input_.clear();
    ++openHandles_;
    handle.plugging = plugging_;
    return true;
}

void SimHidDevice::close(OpenHandle& handle) {
    std::unique_lock lock(mutex_);
    if (!alive(handle)) return;
    handle.plugging = 0;
    if (--openHandles_ > 0) return;
    input_.clear();
    // A stalled pipe clears once the device is closed.
    muted_ = false;
    lock.unlock();
    module_->close();
    changed_.notify_all();
}

int SimHidDevice::write(OpenHandle& handle, const unsigned char* data, std::size_t length) {
    std::lock_guard lock(mutex_);
    if (!alive(handle)) {
        handle.error = L"No such device";
        return -1;
    }
    link::Report report{};
    // The report id leads; the module has only report 0 and 64 bytes in it.
    if (data == nullptr || length == 0 || length > report.size() || data[0] != 0) {
        handle.error = L"Invalid argument";
        return -1;
    }
    std::copy_n(data, length, report.begin());
    if (shortWriteDue_) {
        // Only part of the report left: the module never sees the command.
        shortWriteDue_ = false;
        return static_cast<int>(length / 2);
    }
    if (!module_->write(report)) {
        handle.error = L"No such device";
        return -1;
    }
    handle.error.clear();
    return static_cast<int>(noReportId_ ? length - 1 : length);
}

int SimHidDevice::read(OpenHandle& handle, unsigned char* data, std::size_t length, int timeoutMs) {
    std::unique_lock lock(mutex_);
    const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    for (;;) {
        if (!alive(handle)) {
            handle.error = L"No such device";
            return -1;
        }
        if (!input_.empty()) {
            if (zeroReadDue_) {
                zeroReadDue_ = false;
                return 0;
            }
            const link::Report report = input_.front();
            input_.pop_front();
            const std::size_t count = std::min(length, link::kPayloadSize);
            std::copy_n(report.begin() + 1, count, data);
            return static_cast<int>(count);
        }
        if (timeoutMs < 0) {
            changed_.wait(lock);
        } else if (changed_.wait_until(lock, deadline) == std::cv_status::timeout && input_.empty()) {
            return alive(handle) ? 0 : -1;
        }
    }
}

bool SimHidDevice::alive(const OpenHandle& handle) const {
    return plugged_ && handle.plugging == plugging_;
}

void SimHidDevice::pump() {
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (stopping_) return;
            strikeDueFaults();
        }
        link::Report report{};
        const link::ReadOutcome outcome = module_->read(report, kSliceMs);
        std::unique_lock lock(mutex_);
        if (outcome == link::ReadOutcome::Report) {
            if (!muted_ && openHandles_ > 0 && input_.size() < kInputLimit) input_.push_back(report);
            lock.unlock();
            changed_.notify_all();
        } else if (outcome == link::ReadOutcome::Failed) {
            // Closed or unplugged: nothing to take until the device is opened again.
            changed_.wait_for(lock, std::chrono::milliseconds(kSliceMs));
        }
    }
}

void SimHidDevice::strikeDueFaults() {
    const auto now = Clock::now();
    while (nextFault_ < faults_.size() && pluggedAt_ + faults_[nextFault_].at <= now)
        strike(faults_[nextFault_++].fault);
}

void SimHidDevice::strike(TransportFault fault) {
    switch (fault) {
        case TransportFault::Unplug:
            if (!plugged_) break;
            plugged_ = false;
            ++plugging_;  // every handle of this plug-in is dead for good
            openHandles_ = 0;
            input_.clear();
            module_->unplug();
            break;
        case TransportFault::Replug:
            if (plugged_) break;
            plugged_ = true;
            muted_ = false;
            module_->replug();
            break;
        case TransportFault::Mute:
            muted_ = true;
            input_.clear();
            break;
        case TransportFault::Busy: busy_ = true; break;
        case TransportFault::ShortWrite: shortWriteDue_ = true; break;
        case TransportFault::ZeroRead: zeroReadDue_ = true; break;
        case TransportFault::ExtraDevice: extraDevice_ = true; break;
        case TransportFault::NoReportId: noReportId_ = true; break;
    }
    changed_.notify_all();
}

}  // namespace quilldar::hidsim
