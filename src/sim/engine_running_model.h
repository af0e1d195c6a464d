#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "sim/actuator_effects.h"
#include "sim/channel_encoder.h"
#include "sim/ride_script.h"

namespace quilldar::sim {

// Live data of an engine ECM on the scripted ride: started cold, warming up at a fast idle,
// pulling through the gears, cruising, engine braking, idling and switched off now and then.
// The block holds frame bytes 6 to 54 of the live-data response (frame byte 6 is the number of
// stored trouble codes). Each channel is encoded with the conversion variant its digit in the
// model's capability string selects, so that the pages show the physical values; a channel whose
// digit is 0 is left at 0. Running actuator tests override what normal control would do.
class EngineRunningModel {
public:
    static constexpr int kFirstFrameByte = 6;
    static constexpr int kLastFrameByte = 54;
    using Block = std::array<std::uint8_t, kLastFrameByte - kFirstFrameByte + 1>;

    // capabilities: the model's 34 digits; empty means variant 1 for every channel.
    explicit EngineRunningModel(int cylinders = 4, std::string capabilities = {},
                                std::uint32_t seed = RideScript::kDefaultSeed);

    Block liveBlock(double seconds, std::uint8_t troubleCodeCount, const ActuatorEffects& effects = {}) const;

    // The physical values behind a block, in metric units.
    struct Values {
        double engineSpeed;       // rpm
        double throttle;          // degrees
        double secondaryThrottle; // %
        double coolant;           // °C
        double intakeAir;         // °C
        double manifoldPressure;  // kPa
        double atmospheric;       // kPa
        double battery;           // V
        double vehicleSpeed;      // km/h
        double exhaustValve;      // %
        double oxygen1;           // V
        double oxygen2;           // V
        double targetIdle;        // rpm
        double damperCurrent;     // A
        double iscSteps;
        double gear;              // 0 neutral
        double iscDuty;           // %
        double injectionMs;       // cylinder 1
        double advance;           // degrees
        bool starter, clutch, sideStand, coolingFan, evapPurge, pairValve;
    };
    Values values(double seconds, const ActuatorEffects& effects = {}) const;

    const ChannelEncoder& encoder() const { return encoder_; }
    const RideScript& ride() const { return ride_; }

private:
    // The switch states by capability position 18..33.
    bool switchOn(int position, const RideState& ride, const Values& v) const;

    int cylinders_;
    ChannelEncoder encoder_;
    RideScript ride_;
};

// The capability digits of a model in the engine list (or the combined unit's list when
// combined is set); empty when the model is not listed.
std::string capabilitiesOf(std::string_view modelCode, bool combined);

}  // namespace quilldar::sim
