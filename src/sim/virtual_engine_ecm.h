#pragma once

#include <memory>
#include <string>

#include "sim/engine_running_model.h"
#include "sim/sim_clock.h"
#include "sim/virtual_control_unit.h"

namespace quilldar::sim {

struct EngineEcmProfile {
    std::string modelCode = "12F0";         // four characters, the key of the model table
    std::string partNumber = "71820-12F00"; // eleven characters
    // ECMs of the second scheme answer identification with 1A 8E / 1A 8A and live data with
    // local identifier 0x00; their 1A 91 reply starts with 12 31.
    bool secondScheme = false;
    int cylinders = 4;
};

// A virtual engine ECM at address 0x12.
class VirtualEngineEcm : public VirtualControlUnit {
public:
    VirtualEngineEcm(EngineEcmProfile profile, std::shared_ptr<const SimClock> clock);

    ServiceBytes answer(std::span<const std::uint8_t> request) override;

    const EngineEcmProfile& profile() const { return profile_; }

private:
    ServiceBytes identification(std::uint8_t identifier) const;
    ServiceBytes liveData(std::uint8_t identifier) const;

    EngineEcmProfile profile_;
    std::shared_ptr<const SimClock> clock_;
    EngineRunningModel engine_;
};

}  // namespace quilldar::sim
