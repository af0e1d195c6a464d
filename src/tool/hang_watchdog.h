#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace quilldar::tool {

// Times calls that must return, and ends the process with a message when one has not returned
// within the limit: a hang detector, generous enough for a loaded machine, never a speed check.
class HangWatchdog {
public:
    using Clock = std::chrono::steady_clock;

    HangWatchdog(std::chrono::seconds limit, unsigned seed) : limit_(limit), seed_(seed), thread_([this] { watch(); }) {}
    ~HangWatchdog() {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    HangWatchdog(const HangWatchdog&) = delete;
    HangWatchdog& operator=(const HangWatchdog&) = delete;

    // Runs the call under watch and returns how long it took.
    template <typename Call>
    std::chrono::microseconds timed(const char* what, Call&& call) {
        const auto start = Clock::now();
        what_.store(what);
        started_.store(start.time_since_epoch().count());
        call();
        started_.store(0);
        return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
    }

private:
    void watch() {
        std::unique_lock lock(mutex_);
        while (!wake_.wait_for(lock, std::chrono::milliseconds(200), [this] { return stop_; })) {
            const auto started = started_.load();
            if (started == 0) continue;
            const auto running = Clock::now() - Clock::time_point(Clock::duration(started));
            if (running < limit_) continue;
            std::fprintf(stderr, "Hang: %s has not returned after %lld s (seed %u).\n", what_.load(),
                         static_cast<long long>(limit_.count()), seed_);
            std::fflush(stderr);
            std::abort();
        }
    }

    const std::chrono::seconds limit_;
    const unsigned seed_;
    std::atomic<Clock::rep> started_{0};
    std::atomic<const char*> what_{""};
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    std::thread thread_;
};

}  // namespace quilldar::tool
