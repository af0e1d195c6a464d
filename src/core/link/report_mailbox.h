#pragma once

#include <chrono>
#include <cstdint>
#include <mutex>

#include "link/report.h"

namespace quilldar::link {

// The receive side of the link: always holds the latest input report. The reader thread
// publishes whole reports, the GUI thread may overwrite it (page tag, wiping a bad reply,
// playback); every reader gets a complete copy, never a half-written report.
class ReportMailbox {
public:
    using Clock = std::chrono::steady_clock;

    // Stores a report that arrived from the module and counts it.
    void publish(const Report& report);
    // Replaces the content without counting an arrival (GUI-side edits and playback).
    void store(const Report& report);
    void clear();

    Report snapshot() const;
    // Number of reports published since construction; a wait compares it before and after.
    std::uint64_t arrivals() const;
    // Arrival time of the latest published report.
    Clock::time_point lastArrival() const;

private:
    mutable std::mutex mutex_;
    Report report_{};
    std::uint64_t arrivals_ = 0;
    Clock::time_point lastArrival_{};
};

}  // namespace quilldar::link
