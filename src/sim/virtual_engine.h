#pragma once

#include <memory>
#include <string>

#include "sim/actuator_tests.h"
#include "sim/engine_running_model.h"
#include "sim/freeze_frames.h"
#include "sim/virtual_unit.h"

namespace quilldar::sim {

// The engine side of an engine ECM (or of the combined engine and transmission unit): its live
// data on the ride, the freeze frames of its stored faults and its actuator tests, which act on
// the live data it reports.
class VirtualEngine {
public:
    struct Setup {
        std::string modelCode;
        int cylinders = 4;
        bool secondScheme = false;
        bool combined = false;  // the unit also controls the transmission
        std::uint32_t seed = RideScript::kDefaultSeed;
    };

    explicit VirtualEngine(const Setup& setup);

    // Registers the live block under the local identifier, the twelve freeze-frame blocks and
    // the actuator test service on the unit.
    static void install(VirtualUnit& unit, std::shared_ptr<VirtualEngine> engine, std::uint8_t liveIdentifier);

    ServiceBytes liveData(double seconds) const;
    ServiceBytes actuatorTest(std::span<const std::uint8_t> request, double seconds);
    // The pulley position error the transmission reports: gone once its learned value was reset.
    double pulleyLearnedError(double seconds) const;

    const EngineRunningModel& model() const { return model_; }
    const ActuatorEffects& effects() const { return tests_.effects(); }

private:
    EngineRunningModel model_;
    ActuatorTests tests_;
    std::shared_ptr<const FreezeFrames> frames_;
};

}  // namespace quilldar::sim
