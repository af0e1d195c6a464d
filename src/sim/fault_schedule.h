#pragma once

#include <QString>
#include <optional>
#include <string_view>
#include <vector>

namespace quilldar::sim {

class SimulatedModule;

// A fault the simulated module can be made to show.
enum class Fault {
    Power,         // the vehicle side loses power
    Unplug,        // the module is pulled off the USB port
    Replug,        // and plugged back in
    Mute,          // the module stops answering until the link reopens it
    Slow,          // every reply comes 1,600 ms after its command: too late for any wait
    Stale,         // an old or negative reply comes before the answer to each new list
    Tmr,           // "TMR Error" answers the next "Start"
    ConnectError,  // "Connect Error" answers the next "Start"
    Disconnected,  // the control unit drops out: "Disconnected"
    BadChecksum,   // the next response has a wrong checksum
    LongFrame,     // the next response has a length byte beyond the report (L > 59)
    ModuleType,    // the module reports a type the program does not work with
};

// A fault and the poll tick before which it strikes. Tick 0 is before the module is first
// opened; ticks from 1 count the poll ticks of the live session, from the first one after the
// connection was made, and go on counting after the session has ended.
struct ScheduledFault {
    Fault fault = Fault::Power;
    int tick = 0;
};

// The names on the command line: power, unplug, replug, mute, slow, stale, tmr, connect-error,
// disconnected, bad-checksum, long-frame, module-type.
const char* faultName(Fault fault);
QString faultNames();

// Parses NAME[@TICK]; on a bad value returns nothing and puts a plain-language reason into error.
std::optional<ScheduledFault> parseScheduledFault(std::string_view text, QString& error);

// Makes the module show the fault now.
void injectFault(SimulatedModule& module, Fault fault);

// The faults of a run, struck as their ticks come.
class FaultSchedule {
public:
    void add(ScheduledFault fault) { faults_.push_back(fault); }
    bool empty() const { return faults_.empty(); }
    // Strikes every fault scheduled for the tick, in the order they were given.
    void strike(int tick, SimulatedModule& module) const;
    // Called before every poll tick of the run: counts the ticks of the live session from the
    // first one that starts connected (and on after the session ends), and strikes the faults of
    // that tick. Returns the session tick, 0 while no session has started.
    int beforePollTick(bool connected, SimulatedModule& module);
    // The last tick any fault is scheduled for.
    int lastTick() const;

private:
    std::vector<ScheduledFault> faults_;
    int sessionTick_ = 0;
};

}  // namespace quilldar::sim
