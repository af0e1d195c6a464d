#pragma once

#include <QString>
#include <cstddef>
#include <vector>

#include "link/report.h"

namespace quilldar::tool {

// How a saved recording compares with the replies its session took, record by record: bytes
// 1..64 of each (byte 0 is the page tag the recording adds).
struct SavedRecordingCheck {
    bool readable = false;
    std::size_t expected = 0;  // replies the session took
    std::size_t saved = 0;     // whole records in the file
    std::size_t matched = 0;   // records equal to the reply at the same place
    std::size_t lost() const { return expected - matched; }
    std::size_t extra() const { return saved - matched; }
    bool exact() const { return readable && matched == expected && saved == expected; }
};

SavedRecordingCheck checkSavedRecording(const QString& path, const std::vector<link::Report>& expected);

}  // namespace quilldar::tool
