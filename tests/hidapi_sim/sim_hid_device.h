#pragma once

#include <QString>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "hidapi_sim/transport_faults.h"
#include "link/report.h"
#include "sim/simulation_spec.h"

namespace quilldar::hidsim {

// One HID interface as the enumeration lists it.
struct Listing {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::wstring product;
};

// What a hid_device handle holds: the plug-in it was opened on (a handle from before an unplug
// stays dead), the blocking mode and the last error.
struct OpenHandle {
    std::uint64_t plugging = 0;
    bool nonblocking = false;
    std::wstring error;
};

// The interface module on a simulated USB port, as hidraw shows it: the simulated module runs
// behind it with its real timing, and a thread of the device's own takes every report the module
// sends into an input buffer the way the kernel does, whether or not anyone reads. Reads take
// the 64 payload bytes (the reports carry no report id); writes take the report id 0 and the 64
// bytes. The transport faults strike at their times, counted from the device's creation.
class SimHidDevice {
public:
    static constexpr const char* kModulePath = "quilldar-sim:module";
    static constexpr const char* kExtraPath = "quilldar-sim:extra";
    static constexpr const char* kOtherPath = "quilldar-sim:other";

    SimHidDevice(const sim::SimulationSpec& spec, std::vector<TimedFault> faults);
    ~SimHidDevice();
    SimHidDevice(const SimHidDevice&) = delete;
    SimHidDevice& operator=(const SimHidDevice&) = delete;

    // From QUILLDAR_HIDAPI_SIM (UNIT[:MODEL], default engine) and QUILLDAR_HIDAPI_SIM_FAULT;
    // nothing and the reason when either is malformed.
    static std::unique_ptr<SimHidDevice> fromEnvironment(QString& error);

    std::vector<Listing> listing();
    // Opens the interface at the path; on failure returns false with the reason in error.
    bool open(const std::string& path, OpenHandle& handle, std::wstring& error);
    void close(OpenHandle& handle);
    // hidapi's conventions: bytes written or read, 0 when a read timed out, -1 on failure.
    int write(OpenHandle& handle, const unsigned char* data, std::size_t length);
    int read(OpenHandle& handle, unsigned char* data, std::size_t length, int timeoutMs);

private:
    using Clock = std::chrono::steady_clock;

    void pump();
    // Called with the mutex held: by the pump, and by an enumeration or open, so that a fault
    // due by then is there whatever the pump is doing.
    void strikeDueFaults();
    void strike(TransportFault fault);
    bool alive(const OpenHandle& handle) const;

    std::unique_ptr<sim::SimulatedModule> module_;
    const Clock::time_point pluggedAt_ = Clock::now();
    std::vector<TimedFault> faults_;
    std::size_t nextFault_ = 0;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<link::Report> input_;
    std::uint64_t plugging_ = 1;
    int openHandles_ = 0;
    bool plugged_ = true;
    bool muted_ = false;
    bool busy_ = false;
    bool extraDevice_ = false;
    bool noReportId_ = false;
    bool shortWriteDue_ = false;
    bool zeroReadDue_ = false;
    bool stopping_ = false;
    std::thread pump_;
};

}  // namespace quilldar::hidsim
