#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string_view>
#include <vector>

#include "link/hid_transport.h"
#include "sim/module_firmware.h"
#include "sim/virtual_unit.h"
#include "sim/virtual_vehicle.h"

namespace quilldar::sim {

// How fast the module answers. The defaults are those of a real module on a K-line control
// unit: while polling, one request and its response take about 150 ms on the vehicle line, so a
// session takes one reply per 150 ms, the time a record stands for in a recording.
struct ModuleTiming {
    // From a command to the module's answer on the USB side.
    std::chrono::milliseconds replyDelay{5};
    // One request and its response on the vehicle line while the module polls: the module
    // relays a response every lineInterval, on a steady rhythm.
    std::chrono::microseconds lineInterval{150000};
};

// The interface module in-process: a HID device with the module's vendor and product id whose
// firmware answers every command word, backed by a virtual vehicle. Faults can be injected from
// any thread while the link runs.
class SimulatedModule : public link::HidTransport {
public:
    using Clock = std::chrono::steady_clock;

    SimulatedModule(std::unique_ptr<VirtualVehicle> vehicle, ModuleTiming timing = {},
                    ModuleHardware hardware = {});

    link::OpenOutcome open(std::uint16_t vendorId, std::uint16_t productId) override;
    void close() override;
    bool write(const link::Report& report) override;
    link::ReadOutcome read(link::Report& into, int timeoutMs) override;

    // Faults.
    void setVehiclePower(bool on);
    // Pulls the module off the USB port: writes and reads fail, opening finds nothing.
    void unplug();
    // Plugs it back in; the module starts afresh, idle.
    void replug();
    void setReplyDelay(std::chrono::milliseconds delay);
    void setLineInterval(std::chrono::microseconds interval);
    // "TMR Error" or "Connect Error" as the answer to the next "Start".
    void failNextStart(std::string_view reply);
    // The control unit drops out of the session: "Disconnected". Nothing happens outside one.
    void loseControlUnit();
    void corruptNextResponse();
    void setModuleType(char type);
    // The command after the next `passing` ones is lost before the firmware sees it.
    void loseCommandAfter(int passing);
    // Replaces the stored trouble codes of the unit at the address.
    void setTroubleCodes(std::uint8_t address, std::vector<StoredTroubleCode> codes);
    // The module takes commands but never sends anything.
    void setMute(bool mute);
    // The module stops answering until the device is closed and opened again (a stalled USB
    // pipe that a reopen clears).
    void muteUntilReopened();
    // The next relayed response carries a length byte beyond what a report holds.
    void overlongNextResponse();
    // An old or negative reply comes before the answer to each new list (see ModuleFirmware).
    void sendStaleReplies();

    // Observation.
    bool isOpen() const;
    std::vector<link::Report> commandsReceived() const;
    std::vector<std::uint8_t> pollingList() const;
    link::Frame slot(int number) const;
    int configurationCommands() const;
    std::uint8_t lineSetupUsed() const;
    VirtualVehicle& vehicle() { return *vehicle_; }

private:
    struct Pending {
        link::Report report;
        Clock::time_point due;
    };

    void queue(const link::Report& report, Clock::time_point now);

    std::unique_ptr<VirtualVehicle> vehicle_;
    ModuleHardware hardware_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::unique_ptr<ModuleFirmware> firmware_;
    std::deque<Pending> outgoing_;
    Clock::time_point nextPollAt_{};
    ModuleTiming timing_;
    bool plugged_ = true;
    bool open_ = false;
    bool mute_ = false;
    bool mutedUntilReopened_ = false;
    std::vector<link::Report> received_;
};

}  // namespace quilldar::sim
