#pragma once

#include <optional>
#include <string>

namespace quilldar::tool {

struct RecordOptions {
    std::string unit;  // engine, transmission, combined, abs or eps
    std::optional<int> page;  // the page on show; the unit's data page when not given
    std::optional<double> durationSeconds;  // none: until Ctrl-C or SIGTERM
    std::string scratchDir;  // empty: a temporary folder of the run's own
    // The in-process simulated module (UNIT[:MODEL], may be empty) instead of the module on USB.
    std::optional<std::string> simulate;
    std::string output;
    // The decoded values as they arrive, one line per record: a file, or "-" for standard output
    // (the command's own lines then go to standard error). Empty: none.
    std::string csv;
};

// Records a live session of the unit on the interface module without a screen, at the poll
// timer's pace: waits for the module and vehicle power, connects, and records until Ctrl-C,
// SIGTERM, the duration or a lost module ends the session; then saves the recording to the
// output file. Returns 0 when a recording was saved, 1 when no session started or nothing could
// be saved.
int runRecord(const RecordOptions& options);

}  // namespace quilldar::tool
