#include "sim/engine_running_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "sim/unit_live_data.h"
#include "vehicle/ecm_model_table.h"
#include "vehicle/engine_channels.h"

namespace quilldar::sim {

namespace {

std::uint8_t clampByte(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

// The throttle blip: 0 most of the time, rising to 1 and back within six seconds every 30 s.
double revFraction(double seconds) {
    const double phase = std::fmod(seconds, 30.0);
    if (phase < 18.0 || phase >= 24.0) return 0.0;
    return std::sin(std::numbers::pi * (phase - 18.0) / 6.0);
}

double warmth(double seconds) { return 1.0 - std::exp(-seconds / 240.0); }

static_assert(vehicle::position::kNumericCount == 18, "one table per numeric channel");

// Metric units: the ECM reports in them whatever the user chose to see.
const vehicle::UnitSettings kMetric{};

double convert(int position, int digit, int a, int b) {
    const vehicle::Conversion c = vehicle::convertChannel(position, digit, static_cast<std::uint8_t>(a),
                                                          static_cast<std::uint8_t>(b), kMetric);
    return c.ok() ? c.value : -1e9;
}

}  // namespace

std::string capabilitiesOf(std::string_view modelCode, bool combined) {
    const auto* entry = vehicle::findModel(
        combined ? vehicle::ModelList::EngineTransmission : vehicle::ModelList::Engine, modelCode);
    return entry != nullptr ? std::string(entry->capabilities) : std::string();
}

EngineRunningModel::EngineRunningModel(int cylinders, std::string capabilities, bool riding)
    : cylinders_(cylinders), capabilities_(std::move(capabilities)), riding_(riding) {
    // What every first byte stands for, worked out once: encoding a frame then costs a search
    // through these tables instead of thousands of conversions.
    for (int position = 0; position < vehicle::position::kNumericCount; ++position) {
        const int d = digit(position);
        for (int a = 0; a <= 255; ++a)
            firstByteValues_[static_cast<std::size_t>(position)][static_cast<std::size_t>(a)] =
                d > 0 ? convert(position, d, a, 0) : -1e9;
    }
}

std::pair<std::uint8_t, std::uint8_t> EngineRunningModel::encode(int position, double value) const {
    const auto& values = firstByteValues_[static_cast<std::size_t>(position)];
    const bool twoBytes = vehicle::numericChannel(position).secondByte != 0;
    int bestA = 0;
    double bestError = 1e18;
    for (int a = 0; a <= 255; ++a) {
        const double converted = values[static_cast<std::size_t>(a)];
        // With a second byte the first one is the coarse part: the largest that stays below.
        const double error = twoBytes ? (converted <= value ? value - converted : 1e17) : std::abs(converted - value);
        if (error < bestError) {
            bestError = error;
            bestA = a;
        }
    }
    if (!twoBytes) return {static_cast<std::uint8_t>(bestA), 0};
    const int d = digit(position);
    int bestB = 0;
    bestError = 1e18;
    for (int b = 0; b <= 255; ++b) {
        const double error = std::abs(convert(position, d, bestA, b) - value);
        if (error < bestError) {
            bestError = error;
            bestB = b;
        }
    }
    return {static_cast<std::uint8_t>(bestA), static_cast<std::uint8_t>(bestB)};
}

int EngineRunningModel::digit(int position) const {
    if (capabilities_.empty()) return 1;
    if (position < 0 || position >= static_cast<int>(capabilities_.size())) return 0;
    return capabilities_[static_cast<std::size_t>(position)] - '0';
}

EngineRunningModel::Values EngineRunningModel::values(double t) const {
    const double warm = warmth(t);
    const double rev = revFraction(t);
    Values v{};
    v.engineSpeed = 1600.0 - 300.0 * warm + 25.0 * std::sin(t * 2.1) + rev * 4200.0;
    v.throttle = 0.9 + rev * 38.0;
    v.secondaryThrottle = rev * 100.0;
    v.coolant = 20.0 + 70.0 * warm;
    v.intakeAir = 24.0 + 6.0 * warm;
    v.manifoldPressure = 33.0 + rev * 55.0 + 2.0 * std::sin(t * 3.0);
    v.atmospheric = 101.0;
    v.battery = 14.1 + 0.1 * std::sin(t / 7.0);
    v.vehicleSpeed = 0.0;
    v.exhaustValve = 20.0 + 60.0 * rev;
    v.oxygen1 = 0.45 + 0.35 * std::sin(t * 2.0 * std::numbers::pi);
    v.oxygen2 = 0.5 + 0.3 * std::cos(t * 2.0 * std::numbers::pi);
    v.targetIdle = 1600.0 - 300.0 * warm;
    v.damperCurrent = 0.4 + 0.2 * rev;
    v.iscSteps = 90.0 - 40.0 * warm;
    v.gear = 0.0;
    v.iscDuty = 30.0 - 10.0 * warm;
    if (riding_) {
        // On the move the engine follows the ride: throttle while the speed rises, engine speed
        // with the road speed through the belt drive.
        const double speed = live::rideSpeed(t);
        const double previous = live::rideSpeed(t - 0.5);
        v.vehicleSpeed = speed;
        v.throttle = speed > previous + 0.1 ? 45.0 + 10.0 * std::sin(t) : (speed > 0 ? 12.0 : 0.9);
        v.engineSpeed = speed > 0 ? 2200.0 + speed * 45.0 : v.engineSpeed - rev * 4200.0;
        v.manifoldPressure = 33.0 + v.throttle * 1.2;
    }
    v.injectionMs = (2300.0 + rev * 3800.0 + 50.0 * std::sin(t * 1.7)) / 1000.0;
    v.advance = 10.0 + rev * 22.0;
    return v;
}

bool EngineRunningModel::switchOn(int position, double t, const Values& v) const {
    const double rev = revFraction(t);
    switch (position) {
        case 18: return rev > 0.5;                      // exhaust valve select
        case 19: return true;                           // O2 control select
        case 20: return v.gear == 0.0;                  // neutral
        case 23: return true;                           // ignition switch normal
        case 24: return std::fmod(t, 13.0) < 3.0;       // clutch pulled now and then
        case 26: return rev > 0.2;                      // purge valve
        case 28: return v.coolant > 85.0 && std::fmod(t, 60.0) < 20.0;  // cooling fan
        case 29: return rev > 0.2;                      // PAIR valve
        case 30: return false;                          // side stand up
        default: return false;
    }
}

EngineRunningModel::Block EngineRunningModel::liveBlock(double t, std::uint8_t troubleCodeCount) const {
    Block block{};
    const auto at = [&block](int frameByte) -> std::uint8_t& {
        return block[static_cast<std::size_t>(frameByte - kFirstFrameByte)];
    };
    const Values v = values(t);
    at(6) = troubleCodeCount;

    const double numeric[vehicle::position::kNumericCount] = {
        v.engineSpeed, v.throttle,    v.secondaryThrottle, v.coolant,     v.intakeAir,
        v.manifoldPressure, v.manifoldPressure + 1.5, v.atmospheric, v.battery, v.vehicleSpeed,
        v.exhaustValve, v.oxygen1,    v.oxygen2,           v.targetIdle,  v.damperCurrent,
        v.iscSteps,    v.gear,        v.iscDuty};
    for (int position = 0; position < vehicle::position::kNumericCount; ++position) {
        const int d = digit(position);
        if (d <= 0) continue;
        const vehicle::EngineChannel& channel = vehicle::numericChannel(position);
        const auto [a, b] = encode(position, numeric[position]);
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
        const long micros = std::lround(v.injectionMs * 1000.0) + 7 * cylinder;
        at(first) = clampByte(static_cast<double>(micros / 255));
        at(first + 1) = clampByte(static_cast<double>(micros % 255));
    }
    at(vehicle::kAdvanceByte) = clampByte(vehicle::kAdvanceZero + 4.0 * v.advance);

    for (int position = vehicle::position::kFirstSwitch; position <= vehicle::position::kLastSwitch; ++position) {
        const vehicle::SwitchBit* bit = vehicle::switchBit(position, digit(position));
        if (bit == nullptr) continue;
        if (switchOn(position, t, v)) at(bit->frameByte) |= bit->mask;
    }
    return block;
}

}  // namespace quilldar::sim
