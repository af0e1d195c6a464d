#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/kwp_frame.h"
#include "link/report.h"
#include "sim/virtual_vehicle.h"

namespace quilldar::sim {

// What the module says about itself.
struct ModuleHardware {
    std::string hardwareId = "Q21";       // three characters
    std::string serialNumber = "004217";  // six characters
    char type = '1';
};

// The interface module's firmware as the program relies on it: it takes command reports, keeps
// request slots and the polling list, wakes the control unit at "Start" and then relays the
// listed requests one after the other, over and over, passing each response up as one input
// report. Pure logic without timing: the transport decides when replies are delivered.
class ModuleFirmware {
public:
    static constexpr int kSlotCount = 23;

    ModuleFirmware(VirtualVehicle& vehicle, ModuleHardware hardware);

    // Interprets one command report; returns the input reports the module sends in reply.
    std::vector<link::Report> handleCommand(const link::Report& command);
    // While polling: the response to the next request of the polling list. Nothing when the
    // module is not polling or no listed request got an answer.
    std::optional<link::Report> nextPolledResponse();
    bool polling() const { return state_ == State::Polling; }

    // Faults the module can be made to show.
    // The control unit drops out: the module reports "Disconnected" and goes idle.
    link::Report loseControlUnit();
    // The next "Start" is answered with this text instead of waking the control unit.
    void failNextStart(std::string_view reply) { startFault_ = std::string(reply); }
    // The next relayed response carries a wrong checksum.
    void corruptNextResponse() { corruptNext_ = true; }
    // The next relayed response claims more service bytes (L > 59) than a report can carry.
    void overlongNextResponse() { overlongNext_ = true; }
    // From now on the first response after "Start" and after each new list is preceded by an
    // old one: the response relayed before it, or a negative response (7F, service, 78) when
    // there was none.
    void sendStaleReplies() { staleReplies_ = true; }
    void setModuleType(char type) { hardware_.type = type; }
    // The command after the next `passing` ones never reaches the firmware (a report lost on
    // the way).
    void loseCommandAfter(int passing) { loseIn_ = passing + 1; }

    // What the module holds, for tests.
    const std::vector<std::uint8_t>& pollingList() const { return list_; }
    const link::Frame& slot(int number) const;
    int configurationCommands() const { return configurationCount_; }
    std::uint8_t lineSetup() const { return lineSetup_; }

private:
    enum class State { Idle, Configured, Polling };

    std::vector<link::Report> start();
    std::vector<link::Report> setList(const link::Report& command);
    std::optional<link::Report> relay(const link::Frame& request);
    // The old reply that a module with stale replies sends before the answer to `request`.
    link::Report staleReplyBefore(const link::Frame& request) const;

    VirtualVehicle& vehicle_;
    ModuleHardware hardware_;
    State state_ = State::Idle;
    std::array<link::Frame, kSlotCount + 1> slots_{};
    std::vector<std::uint8_t> list_;
    std::size_t listPosition_ = 0;
    int configurationCount_ = 0;
    std::uint8_t lineSetup_ = 0;
    link::Frame wakeUpFrame_;
    link::Frame stopFrame_;
    std::optional<std::string> startFault_;
    bool corruptNext_ = false;
    bool overlongNext_ = false;
    bool staleReplies_ = false;
    // A stale reply is due before the next relayed response.
    bool staleDue_ = false;
    std::optional<link::Report> lastRelayed_;
    int loseIn_ = 0;
};

// An input report carrying the text at frame byte 0.
link::Report textReport(std::string_view text);

}  // namespace quilldar::sim
