#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>

#include "link/report.h"

namespace quilldar::link {

// The receive side of the link. The reader thread publishes every input report as it arrives;
// the latest one and a short history are kept, so that a wait can take exactly the report that
// ended it even when the module sends faster than the GUI thread looks. Every reader gets a
// complete copy, never a half-written report.
class ReportMailbox {
public:
    using Clock = std::chrono::steady_clock;

    struct Arrival {
        Report report{};
        Clock::time_point at{};
        std::uint64_t sequence = 0;  // 0 for the first report ever published
    };

    // Stores a report that arrived from the module and counts it.
    void publish(const Report& report);
    // Replaces the latest report without counting an arrival.
    void store(const Report& report);

    Report snapshot() const;
    // Number of reports published since construction.
    std::uint64_t arrivals() const;
    // The first report still held whose sequence number is at least `from` and that arrived no
    // earlier than `notBefore`; nothing when no such report has arrived yet.
    std::optional<Arrival> firstArrival(std::uint64_t from, Clock::time_point notBefore) const;
    // The first report still held whose sequence number is at least `from` and that the test
    // accepts, however long ago it arrived.
    std::optional<Arrival> firstMatching(std::uint64_t from, bool (*accept)(const Report& report)) const;

private:
    static constexpr std::size_t kHistory = 256;

    // The first report still held, from sequence `from` on, that `accept` takes.
    template <typename Accept>
    std::optional<Arrival> firstHeld(std::uint64_t from, Accept accept) const;

    mutable std::mutex mutex_;
    Report latest_{};
    std::array<Arrival, kHistory> history_{};
    std::uint64_t arrivals_ = 0;
};

}  // namespace quilldar::link
