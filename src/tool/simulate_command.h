#pragma once

#include <optional>
#include <string>

#include "sim/fault_schedule.h"

namespace quilldar::tool {

struct SimulateOptions {
    std::string unit = "engine";
    std::string model;  // empty: the unit's default
    bool secondScheme = false;
    int ticks = 100;
    std::optional<int> page;  // the page on show; the unit's data page when not given
    bool realtime = false;
    std::string output;
    sim::FaultSchedule faults;
};

// Runs a whole live session without a screen against the simulated module: the real link, the
// connect sequence, the poll tick with the page rules, then Disconnect, and saves the recording to
// the output file. The scheduled faults strike before their ticks; the session may then end before
// its last tick. Says on standard output how the session ended. Returns the exit status: 0 when a
// recording was saved, 1 when no session started or nothing could be saved.
int runSimulate(const SimulateOptions& options);

}  // namespace quilldar::tool
