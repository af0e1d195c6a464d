// The headless live session of every unit on the simulated module, for a long run under faults
// struck at random ticks (see tool/session_soak.h). Prints the seed first, so that any run can be
// repeated, then each unit's counts and the summary; exits 1 when any check failed.
// Usage: quilldar_session_soak_bench [--seed N] [--ticks N] [--mean-gap N]
//   --ticks     poll ticks per unit (default 12000: 30 minutes of ride at 0.15 s a tick)
//   --mean-gap  mean ticks between faults (default 100)

#include <QCoreApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "sim/simulation_spec.h"
#include "tool/session_soak.h"

int main(int argc, char** argv) {
    using namespace quilldar;
    QTemporaryDir scratch;
    qputenv("QUILLDAR_SETTINGS_DIR", scratch.path().toUtf8());
    QCoreApplication application(argc, argv);

    tool::SoakOptions options;
    options.seed = std::random_device{}();
    for (int i = 1; i + 1 < argc; i += 2) {
        const long value = std::strtol(argv[i + 1], nullptr, 10);
        if (std::strcmp(argv[i], "--seed") == 0) {
            options.seed = static_cast<std::uint32_t>(std::strtoul(argv[i + 1], nullptr, 10));
        } else if (std::strcmp(argv[i], "--ticks") == 0 && value > 0) {
            options.ticksPerUnit = static_cast<int>(value);
        } else if (std::strcmp(argv[i], "--mean-gap") == 0 && value > 0) {
            options.meanTicksBetweenFaults = static_cast<int>(value);
        } else {
            std::fprintf(stderr, "Usage: %s [--seed N] [--ticks N] [--mean-gap N]\n", argv[0]);
            return 2;
        }
    }
    std::printf("seed %u, %d ticks per unit (%.0f s of ride), a fault every %d ticks on average\n", options.seed,
                options.ticksPerUnit, options.ticksPerUnit * 0.15, options.meanTicksBetweenFaults);
    std::fflush(stdout);

    const auto start = std::chrono::steady_clock::now();
    const tool::SoakCounts total = tool::runSessionSoak(
        options, scratch.path(), [](sim::UnitKind unit, const tool::SoakCounts& counts) {
            std::printf("== %s\n%s", sim::unitName(unit), tool::soakSummary(counts).c_str());
            std::fflush(stdout);
        });
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("== all units (seed %u, %.0f s real time)\n%s", options.seed, seconds,
                tool::soakSummary(total).c_str());
    return total.clean() ? 0 : 1;
}
