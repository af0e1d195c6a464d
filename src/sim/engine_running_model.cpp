#include "sim/engine_running_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "vehicle/ecm_model_table.h"
#include "vehicle/engine_channels.h"

namespace quilldar::sim {

namespace {

std::uint8_t clampByte(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

// Noise channels of the engine's own quantities (the ride uses the low numbers).
enum Channel { kMap = 20, kO2Phase, kO2Rear, kIsc, kInjection, kAdvance, kDamper };

// How long the motor-driven valves take from one end to the other, and the idle to follow a
// new target.
constexpr double kValveTravel = 0.8;
constexpr double kIdleTravel = 1.5;
// Idle air steps the ECM has learned on top of its base map; after a reset it learns them again
// over a minute.
constexpr double kIscLearnedSteps = 14.0;
constexpr double kIscRelearnSeconds = 60.0;
// The closed-throttle reading before the throttle sensor's learned value is reset, and after.
constexpr double kClosedThrottleLearned = 2.0;
constexpr double kClosedThrottleReset = 0.5;

// Gear digit 2 reports ranges: 0 neutral, 1 low, 2 high.
std::uint8_t gearRange(double gear) { return gear <= 0.0 ? 0 : (gear <= 2.0 ? 1 : 2); }

}  // namespace

std::string capabilitiesOf(std::string_view modelCode, bool combined) {
    const auto* entry = vehicle::findModel(
        combined ? vehicle::ModelList::EngineTransmission : vehicle::ModelList::Engine, modelCode);
    return entry != nullptr ? std::string(entry->capabilities) : std::string();
}

EngineRunningModel::EngineRunningModel(int cylinders, std::string capabilities, std::uint32_t seed)
    : cylinders_(cylinders), encoder_(std::move(capabilities)), ride_(seed) {}

EngineRunningModel::Values EngineRunningModel::values(double t, const ActuatorEffects& fx) const {
    const RideState s = ride_.at(t);
    const bool running = s.engineTurning() && !s.cranking;
    const double coldness = std::clamp((60.0 - s.coolant) / 40.0, 0.0, 1.0);
    const bool warm = s.coolant > 40.0;
    const bool fuelCut = running && s.load == 0.0 && !s.idling && s.engineSpeed > 2000.0;
    Values v{};

    v.engineSpeed = s.engineSpeed;
    if (s.idling && fx.idleSpeed) v.engineSpeed = fx.idleSpeed->position(s.engineSpeed, t, kIdleTravel);
    if (s.idling && fx.iscAirSteps) v.engineSpeed += 100.0;  // the idle control no longer trims the air
    v.targetIdle = fx.idleSpeed ? fx.idleSpeed->target : s.idleTarget;

    const bool tpReset = ActuatorEffects::resetBy(fx.throttleLearnedReset, t);
    v.throttle = s.throttle + (tpReset ? kClosedThrottleReset : kClosedThrottleLearned);
    const double normalSecondary =
        running ? std::clamp(4.0 + s.throttle * 1.9 * std::min(1.0, v.engineSpeed / 5000.0), 0.0, 100.0) : 0.0;
    v.secondaryThrottle = fx.secondaryThrottle ? fx.secondaryThrottle->position(normalSecondary, t, kValveTravel)
                                               : normalSecondary;
    v.coolant = s.coolant;
    v.intakeAir = s.intakeAir;
    v.atmospheric = s.atmospheric;
    v.battery = s.battery;
    v.vehicleSpeed = s.vehicleSpeed;
    if (!s.engineTurning()) v.manifoldPressure = s.atmospheric;
    else if (s.cranking) v.manifoldPressure = s.atmospheric - 15.0;
    else v.manifoldPressure = std::min(s.atmospheric - 2.0, 28.0 + 70.0 * s.load + 1.5 * ride_.noise(kMap, t, 4.0));

    const double normalExhaust = running ? 10.0 + 90.0 * std::clamp((v.engineSpeed - 4000.0) / 4000.0, 0.0, 1.0) : 0.0;
    v.exhaustValve = fx.exhaustValve ? fx.exhaustValve->position(normalExhaust, t, kValveTravel) : normalExhaust;

    // The front sensor switches rich/lean about once a second in closed loop; it reads lean in
    // a fuel cut and sits at its bias voltage while cold or stopped.
    if (running && warm && !fuelCut) {
        const double swing = std::tanh(4.0 * std::sin(2.0 * std::numbers::pi * 1.1 * t + 2.0 * ride_.noise(kO2Phase, t)));
        v.oxygen1 = 0.45 + 0.38 * swing;
        v.oxygen2 = 0.62 + 0.08 * ride_.noise(kO2Rear, t, 0.5);
    } else {
        v.oxygen1 = fuelCut ? 0.05 : 0.45;
        v.oxygen2 = fuelCut ? 0.1 : 0.45;
    }

    v.damperCurrent = fx.damperCurrent ? *fx.damperCurrent
                                       : (running ? 0.15 + 0.012 * s.vehicleSpeed + 0.02 * ride_.noise(kDamper, t) : 0.0);

    const double learned = ActuatorEffects::resetBy(fx.iscLearnedReset, t)
                               ? kIscLearnedSteps * std::clamp((t - fx.iscLearnedReset) / kIscRelearnSeconds, 0.0, 1.0)
                               : kIscLearnedSteps;
    if (fx.iscAirSteps) v.iscSteps = *fx.iscAirSteps;
    else if (running) v.iscSteps = 35.0 + 55.0 * coldness + learned + 3.0 * ride_.noise(kIsc, t, 2.0);
    else v.iscSteps = 80.0;  // parked at the starting position
    v.iscDuty = running ? 18.0 + 14.0 * coldness + learned / 2.0 + 1.5 * ride_.noise(kIsc, t, 2.0) : 0.0;
    v.gear = s.gear;

    if (!s.engineTurning() || fuelCut) v.injectionMs = 0.0;
    else if (s.cranking) v.injectionMs = 6.5;
    else v.injectionMs = 0.9 + 0.055 * v.manifoldPressure * (1.0 + 0.15 * coldness) + 0.05 * ride_.noise(kInjection, t, 3.0);
    if (s.cranking) v.advance = 5.0;
    else if (running)
        v.advance = 8.0 + 24.0 * std::clamp((v.engineSpeed - 1200.0) / 6000.0, 0.0, 1.0) - 8.0 * s.load +
                    ride_.noise(kAdvance, t, 2.0);
    else v.advance = 0.0;

    v.starter = s.cranking;
    v.clutch = s.clutchPulled;
    v.sideStand = s.sideStandDown;
    v.coolingFan = fx.coolingFan.value_or(running && s.coolant >= 78.0 && s.vehicleSpeed < 15.0);
    v.evapPurge = fx.evapPurge.value_or(running && warm && s.load > 0.3);
    // The PAIR valve lets air into the exhaust except while the engine brakes.
    v.pairValve = fx.pairValve.value_or(running && s.coolant > 30.0 && !fuelCut);
    return v;
}

bool EngineRunningModel::switchOn(int position, const RideState& s, const Values& v) const {
    switch (position) {
        case 18: return v.engineSpeed > 4000.0;         // exhaust valve select
        case 19: return v.coolant > 40.0;               // O2 feedback in use
        // The neutral switch closes to ground in neutral ("GND"); in gear its circuit is open.
        case 20: return v.gear != 0.0;
        case 22: return true;                           // driving mode 2 selected
        case 23: return true;                           // ignition switch normal / on
        case 24: return v.clutch;
        case 25: return v.starter;
        case 26: return v.evapPurge;
        case 28: return v.coolingFan;
        case 29: return v.pairValve;
        case 30: return v.sideStand;
        case 31: return s.engineTurning();              // load cut-off relay closes with the engine
        case 32: return v.clutch && s.vehicleSpeed > 0.0;  // shifting
        case 33: return v.engineSpeed > 7800.0;         // limiter
        default: return false;
    }
}

EngineRunningModel::Block EngineRunningModel::liveBlock(double t, std::uint8_t troubleCodeCount,
                                                        const ActuatorEffects& fx) const {
    Block block{};
    const auto at = [&block](int frameByte) -> std::uint8_t& {
        return block[static_cast<std::size_t>(frameByte - kFirstFrameByte)];
    };
    const RideState s = ride_.at(t);
    const Values v = values(t, fx);
    at(6) = troubleCodeCount;

    const double numeric[vehicle::position::kNumericCount] = {
        v.engineSpeed, v.throttle,    v.secondaryThrottle, v.coolant,     v.intakeAir,
        v.manifoldPressure, v.manifoldPressure + 1.5, v.atmospheric, v.battery, v.vehicleSpeed,
        v.exhaustValve, v.oxygen1,    v.oxygen2,           v.targetIdle,  v.damperCurrent,
        v.iscSteps,    v.gear,        v.iscDuty};
    for (int position = 0; position < vehicle::position::kNumericCount; ++position) {
        const int d = encoder_.digit(position);
        if (d <= 0) continue;
        const vehicle::EngineChannel& channel = vehicle::numericChannel(position);
        if (position == vehicle::position::kGear && d == 2) {
            at(channel.firstByte) = gearRange(v.gear);
            continue;
        }
        const auto [a, b] = encoder_.encode(position, numeric[position]);
        at(channel.firstByte) = a;
        if (channel.secondByte != 0) at(channel.secondByte) = b;
    }

    for (int cylinder = 0; cylinder < vehicle::kCylinderCount; ++cylinder) {
        const int first = vehicle::kInjectionFirstByte + 2 * cylinder;
        if (cylinder >= cylinders_) {
            at(first) = vehicle::kNoCylinder;  // no such cylinder
            at(first + 1) = vehicle::kNoCylinder;
            continue;
        }
        // The cylinders differ by a few microseconds of trim.
        const long micros = v.injectionMs > 0.0 ? std::lround(v.injectionMs * 1000.0) + 7 * cylinder : 0;
        at(first) = clampByte(static_cast<double>(micros / 255));
        at(first + 1) = clampByte(static_cast<double>(micros % 255));
    }
    at(vehicle::kAdvanceByte) = s.engineTurning() ? clampByte(vehicle::kAdvanceZero + 4.0 * v.advance) : 0;

    for (int position = vehicle::position::kFirstSwitch; position <= vehicle::position::kLastSwitch; ++position) {
        const vehicle::SwitchBit* bit = vehicle::switchBit(position, encoder_.digit(position));
        if (bit == nullptr) continue;
        if (switchOn(position, s, v)) at(bit->frameByte) |= bit->mask;
    }
    return block;
}

}  // namespace quilldar::sim
