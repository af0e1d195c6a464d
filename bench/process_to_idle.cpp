// Starts a windowed program on the X display of $DISPLAY and measures it from the outside, the
// same way for any program: the time from starting the process to the first MapNotify of a
// top-level window, the time until the process goes idle after it (the last moment its threads
// used CPU before a quiet spell), and its resident memory then. The program is killed afterwards.
//
//   quilldar_process_to_idle [--quiet-ms N] [--timeout-ms N] -- PROGRAM [ARGUMENTS...]
//
// Prints one line: "map_ms M idle_ms I rss_kb R hwm_kb H" (idle_ms -1 when it never went quiet
// within the time-out). CPU time is read from /proc/PID/task/*/schedstat (nanoseconds, every
// thread of the process). The process is busy at a moment when it used more than a fifth of a
// core over the 50 ms before it; once --quiet-ms (default 400) of no busy moment follow, its work
// ended at the moment it had used all but 1 ms of the CPU it had used by the last busy moment. A program that polls a device now and then (a millisecond every
// 100 ms) is idle in this sense; one that still draws or reads is not.
#include <xcb/xcb.h>

#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kBusyWindowMs = 50;
constexpr double kBusyShare = 0.2;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Nanoseconds of CPU used by every thread of the process so far. A thread that has ended is no
// longer listed: what it was last seen to have used stays counted.
long long processCpuNs(pid_t pid, std::map<std::string, long long>& threads) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (dir == nullptr) return -1;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') continue;
        std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
        long long ns = 0;
        if (stat >> ns) threads[entry->d_name] = ns;
    }
    closedir(dir);
    long long total = 0;
    for (const auto& [thread, ns] : threads) total += ns;
    return total;
}

// A "Vm...:" line of /proc/PID/status, in kB.
long statusKb(pid_t pid, const char* key) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    const std::size_t keyLength = std::strlen(key);
    while (std::getline(status, line))
        if (line.compare(0, keyLength, key) == 0) return std::atol(line.c_str() + keyLength + 1);
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    int quietMs = 400;
    int timeoutMs = 30000;
    int first = 1;
    for (; first < argc; ++first) {
        if (std::strcmp(argv[first], "--quiet-ms") == 0 && first + 1 < argc) {
            quietMs = std::atoi(argv[++first]);
        } else if (std::strcmp(argv[first], "--timeout-ms") == 0 && first + 1 < argc) {
            timeoutMs = std::atoi(argv[++first]);
        } else if (std::strcmp(argv[first], "--") == 0) {
            ++first;
            break;
        } else {
            first = argc;
        }
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: quilldar_process_to_idle [--quiet-ms N] [--timeout-ms N] -- PROGRAM [ARGUMENTS...]\n");
        return 2;
    }

    // Every window mapped as a child of the root (a top-level window, with no window manager).
    int screenNumber = 0;
    xcb_connection_t* x = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "cannot open the display\n");
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(x));
    for (int i = 0; i < screenNumber; ++i) xcb_screen_next(&screens);
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screens.data->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);
    free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[first], argv + first);
        std::perror(argv[first]);
        _exit(127);
    }

    double mapMs = -1, idleMs = -1;
    struct Sample {
        double ms;
        long long cpuNs;
    };
    std::vector<Sample> samples;
    std::map<std::string, long long> threads;
    double lastBusyMs = 0;
    long rssKb = -1, hwmKb = -1;
    bool ended = false;
    pollfd xfd{xcb_get_file_descriptor(x), POLLIN, 0};
    while (msSince(start) < timeoutMs) {
        poll(&xfd, 1, 2);
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && mapMs < 0) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (!map->override_redirect) mapMs = msSince(start);
            }
            free(event);
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            // A program that ends by itself (one that quits after its first paint) still has
            // its time to the first map.
            std::fprintf(stderr, "the program ended before going idle (status %d)\n", status);
            ended = true;
            break;
        }
        const double now = msSince(start);
        const long long cpu = processCpuNs(child, threads);
        samples.push_back({now, cpu});
        // The sample 50 ms back (or the oldest one).
        std::size_t back = samples.size() - 1;
        while (back > 0 && now - samples[back].ms < kBusyWindowMs) --back;
        if (cpu - samples[back].cpuNs > static_cast<long long>(kBusyWindowMs * 1e6 * kBusyShare)) lastBusyMs = now;
        if (mapMs >= 0 && msSince(start) - std::max(lastBusyMs, mapMs) >= quietMs) {
            // The last busy moment trails the end of the work by up to the busy window: the
            // work ended when all but 1 ms of the CPU used by then had been used.
            long long cpuThen = 0;
            for (const Sample& sample : samples)
                if (sample.ms <= lastBusyMs) cpuThen = sample.cpuNs;
            double workEndMs = lastBusyMs;
            for (const Sample& sample : samples) {
                if (sample.cpuNs >= cpuThen - 1'000'000) {
                    workEndMs = sample.ms;
                    break;
                }
            }
            idleMs = std::max(workEndMs, mapMs);
            rssKb = statusKb(child, "VmRSS:");
            hwmKb = statusKb(child, "VmHWM:");
            break;
        }
    }
    if (!ended) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    xcb_disconnect(x);
    std::printf("map_ms %.1f idle_ms %.1f rss_kb %ld hwm_kb %ld\n", mapMs, idleMs, rssKb, hwmKb);
    return idleMs >= 0 ? 0 : 1;
}
