#pragma once

#include <optional>
#include <string>

namespace quilldar::tool {

struct SimulateOptions {
    std::string unit = "engine";
    std::string model;  // empty: the unit's default
    bool secondScheme = false;
    int ticks = 100;
    std::optional<int> page;  // the page on show; the unit's data page when not given
    bool realtime = false;
    std::string output;
};

// Runs a whole live session without a screen against the simulated module: the real link, the
// connect sequence, the poll tick with the page rules, then Disconnect, and saves the recording to
// the output file. Returns the exit status.
int runSimulate(const SimulateOptions& options);

}  // namespace quilldar::tool
