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
    // The folder of the scratch file (it stays there if the run is killed); empty: a temporary
    // folder of the run's own.
    std::string scratchDir;
    // When set, every report the module hands to the link is appended to this file first.
    std::string moduleLog;
    sim::FaultSchedule faults;
};

// Runs a whole live session without a screen against the simulated module: the real link, the
// connect sequence, the poll tick with the page rules, then Disconnect, and saves the recording to
// the output file. The scheduled faults strike before their ticks; the session may then end before
// its last tick. Says on standard output how the session ended. Returns the exit status: 0 when a
// recording was saved, 1 when no session started, nothing could be saved, or the recording failed
// part-way (what was recorded before the failure is saved).
int runSimulate(const SimulateOptions& options);

}  // namespace quilldar::tool
