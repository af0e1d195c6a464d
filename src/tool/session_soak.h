#pragma once

#include <QString>
#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/session_controller.h"
#include "sim/unit_catalogue.h"

namespace quilldar::tool {

// What a soak makes go wrong: every fault the simulated module can show, and a command lost on
// its way to the module.
enum class SoakFault {
    Power,
    Unplug,
    Replug,
    Mute,
    Slow,
    Stale,
    Tmr,
    ConnectError,
    Disconnected,
    BadChecksum,
    LongFrame,
    ModuleType,
    LostCommand,
};
inline constexpr int kSoakFaultCount = static_cast<int>(SoakFault::LostCommand) + 1;
const char* soakFaultName(SoakFault fault);

struct SoakOptions {
    std::uint32_t seed = 1;
    // Poll ticks per unit, each 0.15 s of the ride, connected or not.
    int ticksPerUnit = 12000;
    // Faults come at random ticks, on average this many ticks apart...
    int meanTicksBetweenFaults = 100;
    // ...of a kind drawn with these weights (0: the kind comes only as one of the forced ones).
    std::array<int, kSoakFaultCount> weights{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    // Every kind strikes at least once in the run, the kinds spread over the units.
    bool everyKindOnce = true;
    // The chance, per connected tick, that the user presses Disconnect.
    double userDisconnectChance = 1.0 / 600;
    // A tick or a Connect that takes longer than this is a hang: the process aborts.
    std::chrono::seconds watchdog{20};
    std::vector<sim::UnitKind> units{sim::UnitKind::Engine, sim::UnitKind::Transmission,
                                     sim::UnitKind::EngineTransmission, sim::UnitKind::Abs, sim::UnitKind::Eps};
};

// The counts of a soak, for one unit or summed over all.
struct SoakCounts {
    long ticks = 0;
    int sessions = 0;
    int connectPresses = 0;
    int connectFailedWithMessage = 0;  // "Communication failed"
    int connectLinkLost = 0;           // the module stopped answering during the connection
    int programRestarts = 0;           // after a module of another type was rejected
    std::array<int, kSoakFaultCount> faults{};
    // Session ends by app::SessionEnd.
    std::array<int, 4> ends{};
    int savedFiles = 0;
    long recordsChecked = 0;
    long recordsLost = 0;     // taken by the session but not in its saved file at their place
    long recordsExtra = 0;    // in a saved file but never taken, or out of place
    long recordsNotSent = 0;  // taken, but never read from the module
    long recordsGivenUp = 0;  // let go at the program's question, not offered for saving
    std::chrono::microseconds longestTick{0};
    std::chrono::microseconds longestConnect{0};
    // Each check that failed, in words; only the first few are kept.
    std::vector<std::string> violations;
    int violationCount = 0;

    void add(const SoakCounts& other);
    bool clean() const { return violationCount == 0 && recordsLost == 0 && recordsExtra == 0 && recordsNotSent == 0; }
};

// Runs the headless live session of each unit of the options on the simulated module for the
// given ticks, striking faults at random ticks drawn from the seed, connecting again whenever the
// window offers Connect, saving each session's recording to its own file in `folder` and checking
// every end, message and record. `progress` (if set) gets each unit's counts as it finishes.
SoakCounts runSessionSoak(const SoakOptions& options, const QString& folder,
                          const std::function<void(sim::UnitKind, const SoakCounts&)>& progress = {});

// The counts as the lines of a summary.
std::string soakSummary(const SoakCounts& counts);

}  // namespace quilldar::tool
