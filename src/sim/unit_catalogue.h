#pragma once

#include <memory>
#include <string>

#include "sim/ride_script.h"
#include "sim/sim_clock.h"
#include "sim/virtual_unit.h"

namespace quilldar::sim {

enum class UnitKind { Engine, Transmission, EngineTransmission, Abs, Eps };

// What a virtual unit is: its kind, model code, part number and, for an engine, its
// identification scheme and number of cylinders.
struct UnitProfile {
    UnitKind kind = UnitKind::Engine;
    std::string modelCode;   // four characters
    std::string partNumber;  // eleven characters
    bool secondScheme = false;
    int cylinders = 4;
    std::vector<StoredTroubleCode> troubleCodes;
    // The ride's fluctuations; the same seed gives the same live data at the same time.
    std::uint32_t seed = RideScript::kDefaultSeed;
};

// The profile a unit has when only its kind (and maybe its model) is given.
UnitProfile defaultProfile(UnitKind kind, const std::string& modelCode = {});

std::unique_ptr<VirtualUnit> makeUnit(const UnitProfile& profile, std::shared_ptr<const SimClock> clock);

}  // namespace quilldar::sim
