#pragma once

#include <optional>
#include <string>

namespace quilldar::tool {

struct ProbeOptions {
    // Set: probe the simulated module with this UNIT[:MODEL] (empty for the defaults).
    std::optional<std::string> simulate;
};

// Opens the interface module, greets it, and polls vehicle power until it is stable or 50 polls
// have passed. Prints what it found; returns the process exit status (0 ready, 1 not).
int runProbe(const ProbeOptions& options);

}  // namespace quilldar::tool
