#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "sim/sim_clock.h"
#include "sim/simulated_module.h"
#include "sim/unit_catalogue.h"

namespace quilldar::sim {

// Which vehicle the simulated module is plugged into, as given on the command line:
// UNIT[:MODEL], for example "engine:12F0" or "abs:27G0". An engine ECM of the second
// identification scheme is asked for with a third field, "engine:13K0:alt".
struct SimulationSpec {
    UnitKind unit = UnitKind::Engine;
    std::string model;  // empty: the unit's default model
    bool secondScheme = false;
    // The ride's fluctuations: the same seed and the same clock readings give the same session.
    std::uint32_t seed = RideScript::kDefaultSeed;
};

// The command-line names of the units: engine, transmission, combined, abs, eps.
const char* unitName(UnitKind kind);

// Parses the value of --simulate; an empty text gives the defaults. On a bad value returns
// nothing and puts a plain-language reason into error.
std::optional<SimulationSpec> parseSimulationSpec(std::string_view text, QString& error);

// The simulated module with the vehicle the simulation spec describes, its live data driven by
// the clock: a SteadySimClock follows the wall clock; a ManualSimClock that the caller keeps and
// advances (by 0.15 s per session tick, say) makes the ride run as fast as the session does.
std::unique_ptr<SimulatedModule> buildSimulatedModule(const SimulationSpec& spec,
                                                      std::shared_ptr<const SimClock> clock,
                                                      ModuleTiming timing = {});

}  // namespace quilldar::sim
