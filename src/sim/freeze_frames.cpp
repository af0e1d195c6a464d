#include "sim/freeze_frames.h"

#include <algorithm>

#include "vehicle/engine_channels.h"

namespace quilldar::sim {

namespace {

// The first fault came up while pulling through the gears of the second ride, the second while
// cruising on the third one.
constexpr double kDetections[FreezeFrames::kFaults] = {RideScript::kFirstRide + RideScript::kRideLength + 11.0,
                                                       RideScript::kFirstRide + 2 * RideScript::kRideLength + 35.0};
constexpr double kAround = 1.5;       // seconds before and after detection
constexpr double kFixedAfter = 20.0;  // the condition went away
constexpr double kCycle = 40.0;       // half the drive cycle around detection, for its extremes
constexpr double kCycleStep = 0.5;

}  // namespace

FreezeFrames::FreezeFrames(std::string capabilities, std::uint32_t seed) : engine_(4, std::move(capabilities), seed) {
    for (int fault = 0; fault < kFaults; ++fault) {
        const double t = detectionTime(fault);
        auto& samples = samples_[static_cast<std::size_t>(fault)];
        samples[kPreDetect] = sampleAt(t - kAround);
        samples[kDetect] = sampleAt(t);
        samples[kPostDetect] = sampleAt(t + kAround);
        samples[kFixPoint] = sampleAt(t + kFixedAfter);
        Sample low = samples[kDetect];
        Sample high = low;
        for (double at = t - kCycle; at <= t + kCycle; at += kCycleStep) {
            const Sample s = sampleAt(at);
            const auto widen = [](double& lo, double& hi, double v) { lo = std::min(lo, v); hi = std::max(hi, v); };
            widen(low.engineSpeed, high.engineSpeed, s.engineSpeed);
            widen(low.throttle, high.throttle, s.throttle);
            widen(low.manifoldPressure, high.manifoldPressure, s.manifoldPressure);
            widen(low.coolant, high.coolant, s.coolant);
            widen(low.gear, high.gear, s.gear);
            widen(low.secondaryThrottle, high.secondaryThrottle, s.secondaryThrottle);
        }
        samples[kCycleMax] = high;
        samples[kCycleMin] = low;
    }
}

double FreezeFrames::detectionTime(int fault) { return kDetections[std::clamp(fault, 0, kFaults - 1)]; }

FreezeFrames::Sample FreezeFrames::sampleAt(double seconds) const {
    const EngineRunningModel::Values v = engine_.values(seconds);
    return {v.engineSpeed, v.throttle, v.manifoldPressure, v.coolant, v.gear, v.secondaryThrottle};
}

FreezeFrames::Record FreezeFrames::record(int fault, int moment, const std::optional<StoredTroubleCode>& code) const {
    Record r{};
    if (!code || fault < 0 || fault >= kFaults || moment < 0 || moment >= kMoments) return r;
    const Sample& s = samples_[static_cast<std::size_t>(fault)][static_cast<std::size_t>(moment)];
    const ChannelEncoder& enc = engine_.encoder();
    const auto one = [&](int position, double value) { return enc.encode(position, value).first; };
    // Positions in the record: frame byte minus 6.
    r[0] = code->high;
    r[1] = code->low;
    const auto [speedHigh, speedLow] = enc.encode(vehicle::position::kEngineSpeed, s.engineSpeed);
    r[4] = speedHigh;
    r[5] = speedLow;
    r[6] = one(vehicle::position::kThrottle, s.throttle);
    r[7] = one(vehicle::position::kManifoldPressure1, s.manifoldPressure);
    r[8] = one(vehicle::position::kCoolant, s.coolant);
    // Gear type 2 reports ranges: neutral, low (first and second), high.
    r[9] = enc.digit(vehicle::position::kGear) == 2
               ? static_cast<std::uint8_t>(s.gear <= 0.0 ? 0 : (s.gear <= 2.0 ? 1 : 2))
               : static_cast<std::uint8_t>(s.gear);
    r[10] = one(vehicle::position::kSecondaryThrottle, s.secondaryThrottle);
    return r;
}

void FreezeFrames::install(VirtualUnit& unit, std::shared_ptr<const FreezeFrames> frames) {
    for (int fault = 0; fault < kFaults; ++fault) {
        const std::uint8_t base = fault == 0 ? kFirstFault : kSecondFault;
        for (int moment = 0; moment < kMoments; ++moment) {
            // The unit outlives its block sources, which it owns.
            unit.setLocalData(static_cast<std::uint8_t>(base + moment),
                              [&unit, frames, fault, moment](double) {
                                  const auto& codes = unit.troubleCodes();
                                  std::optional<StoredTroubleCode> code;
                                  if (static_cast<std::size_t>(fault) < codes.size())
                                      code = codes[static_cast<std::size_t>(fault)];
                                  const Record r = frames->record(fault, moment, code);
                                  return ServiceBytes(r.begin(), r.end());
                              },
                              false);
        }
    }
}

}  // namespace quilldar::sim
