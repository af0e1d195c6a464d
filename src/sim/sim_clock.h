#pragma once

#include <atomic>
#include <chrono>

namespace quilldar::sim {

// The time that drives the virtual control units' live data (warming up, revving). Injected so
// that tests get the same values every run.
class SimClock {
public:
    virtual ~SimClock() = default;
    // Seconds since the vehicle was switched on.
    virtual double seconds() const = 0;
};

class SteadySimClock : public SimClock {
public:
    double seconds() const override {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// A clock that moves only when told; safe to advance from a test while the link reads.
class ManualSimClock : public SimClock {
public:
    double seconds() const override { return seconds_.load(); }
    void set(double seconds) { seconds_.store(seconds); }
    void advance(double seconds) { seconds_.store(seconds_.load() + seconds); }

private:
    std::atomic<double> seconds_{0.0};
};

}  // namespace quilldar::sim
