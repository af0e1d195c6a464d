#include "sim/ride_script.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace quilldar::sim {

namespace {

// Road speed per 1000 rpm in gears 1 to 5.
constexpr std::array<double, 5> kKmhPer1000 = {3.5, 6.0, 8.5, 10.5, 12.5};
// Upshifts while pulling away and downshifts while braking happen at these speeds.
constexpr std::array<double, 4> kShiftSpeeds = {19.0, 38.0, 57.0, 76.0};
constexpr double kCruiseSpeed = 90.0;
// Around a shift the clutch is pulled and the throttle closed for this many km/h of speed.
constexpr double kShiftWindow = 1.2;

// Noise channels, one per fluctuating quantity.
enum Channel { kIdle, kCrank, kThrottle, kCruiseNoise, kCoolantNoise, kIntake, kBattery, kSteer };

std::uint64_t mix(std::uint64_t x) {
    // splitmix64: a well-spread hash of the lattice point.
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

int gearFor(double speed) {
    int gear = 1;
    for (double limit : kShiftSpeeds)
        if (speed >= limit) ++gear;
    return gear;
}

bool nearShift(double speed) {
    return std::any_of(kShiftSpeeds.begin(), kShiftSpeeds.end(),
                       [speed](double limit) { return std::abs(speed - limit) < kShiftWindow; });
}

double rpmInGear(double speed, int gear) {
    return speed / kKmhPer1000[static_cast<std::size_t>(gear - 1)] * 1000.0;
}

}  // namespace

double RideScript::noise(int channel, double seconds, double ratePerSecond) const {
    const double x = seconds * ratePerSecond;
    const double cell = std::floor(x);
    const auto lattice = [&](double i) {
        const std::uint64_t key = (static_cast<std::uint64_t>(seed_) << 40) ^
                                  (static_cast<std::uint64_t>(channel) << 32) ^
                                  static_cast<std::uint64_t>(static_cast<std::int64_t>(i));
        return static_cast<double>(mix(key) >> 11) / static_cast<double>(1ULL << 53) * 2.0 - 1.0;
    };
    const double f = x - cell;
    const double smooth = f * f * (3.0 - 2.0 * f);
    return lattice(cell) + (lattice(cell + 1.0) - lattice(cell)) * smooth;
}

RideState RideScript::at(double t) const {
    RideState s;
    // Warming up counts from the first start; the short stops do not cool the engine noticeably.
    const double warm = 1.0 - std::exp(-std::max(0.0, t - kEngineStarts) / 120.0);
    s.idleTarget = 1300.0 + 350.0 * std::clamp((60.0 - (20.0 + 68.0 * warm)) / 40.0, 0.0, 1.0);
    const double idleSpeed = s.idleTarget + 35.0 * noise(kIdle, t, 3.0);

    enum class Phase { Off, Cranking, Idle, PullAway, Cruise, Brake } phase = Phase::Idle;
    double p = 0.0;  // seconds into the current ride
    if (t < kStarterOn) {
        phase = Phase::Off;
    } else if (t < kEngineStarts) {
        phase = Phase::Cranking;
    } else if (t >= kFirstRide) {
        p = std::fmod(t - kFirstRide, kRideLength);
        if (p >= kPullAway && p < kCruise) phase = Phase::PullAway;
        else if (p >= kCruise && p < kBrake) phase = Phase::Cruise;
        else if (p >= kBrake && p < kStand) phase = Phase::Brake;
        else if (p >= kEngineOff && p < kRestart) phase = Phase::Off;
        else if (p >= kRestart && p < kRunningAgain) phase = Phase::Cranking;
    }

    switch (phase) {
        case Phase::Off:
            s.sideStandDown = true;
            break;
        case Phase::Cranking:
            s.cranking = true;
            s.engineSpeed = 260.0 + 40.0 * noise(kCrank, t, 8.0);
            break;
        case Phase::Idle:
            s.idling = true;
            s.engineSpeed = idleSpeed;
            s.load = 0.15;
            // Before pulling away the rider pulls the clutch and selects first gear.
            if (t >= kFirstRide && p >= kPullAway - 1.5 && p < kPullAway) {
                s.clutchPulled = true;
                s.gear = 1;
            }
            break;
        case Phase::PullAway: {
            const double span = kCruise - kPullAway;
            const double rise = 1.0 - std::exp(-(p - kPullAway) / 6.0);
            s.vehicleSpeed = kCruiseSpeed * rise / (1.0 - std::exp(-span / 6.0));
            s.gear = gearFor(s.vehicleSpeed);
            // The clutch slips while setting off, so the engine does not drop below 2800 rpm.
            s.engineSpeed = std::max(2800.0, rpmInGear(s.vehicleSpeed, s.gear));
            s.clutchPulled = nearShift(s.vehicleSpeed);
            s.throttle = s.clutchPulled ? 3.0 : 38.0 + 12.0 * noise(kThrottle, t, 1.5);
            s.load = s.clutchPulled ? 0.2 : 0.85;
            break;
        }
        case Phase::Cruise:
            s.vehicleSpeed = kCruiseSpeed + 4.0 * noise(kCruiseNoise, t, 0.4);
            s.gear = 5;
            s.engineSpeed = rpmInGear(s.vehicleSpeed, s.gear);
            s.throttle = 16.0 + 4.0 * noise(kThrottle, t, 0.8);
            s.load = 0.45 + 0.1 * noise(kThrottle, t, 0.8);
            break;
        case Phase::Brake: {
            s.braking = true;
            s.hardBraking = p >= kBrake + 2.0 && p < kBrake + 6.0;
            s.vehicleSpeed = std::max(0.0, kCruiseSpeed * (kStand - 1.0 - p) / (kStand - 1.0 - kBrake));
            s.gear = s.vehicleSpeed > 0.0 ? gearFor(s.vehicleSpeed) : 0;
            s.clutchPulled = s.vehicleSpeed < 15.0;
            s.engineSpeed = s.clutchPulled ? idleSpeed : std::max(idleSpeed, rpmInGear(s.vehicleSpeed, s.gear));
            s.idling = s.vehicleSpeed == 0.0;
            s.load = 0.0;
            if (s.hardBraking) s.frontSlip = 0.08 * (1.0 + std::sin(12.0 * t));
            break;
        }
    }

    s.coolant = 20.0 + 68.0 * warm + 3.0 * s.load * warm + 0.4 * noise(kCoolantNoise, t, 0.2);
    s.intakeAir = 22.0 + 10.0 * warm * (1.0 - 0.6 * std::min(1.0, s.vehicleSpeed / 60.0)) +
                  0.6 * noise(kIntake, t, 0.3);
    // A road over a hill: the air pressure falls by 2.4 kPa at the top.
    s.atmospheric = 101.3 - 1.2 * (1.0 - std::cos(2.0 * std::numbers::pi * t / 240.0));
    if (s.cranking) s.battery = 10.6 + 0.3 * noise(kBattery, t, 6.0);
    else if (s.engineTurning())
        s.battery = 13.3 + 1.0 * std::clamp((s.engineSpeed - 1000.0) / 3000.0, 0.0, 1.0) +
                    0.06 * noise(kBattery, t, 2.0);
    else s.battery = 12.55 + 0.03 * noise(kBattery, t, 0.5);
    // Steering effort: large while manoeuvring slowly, small at speed.
    s.steeringTorque = (s.vehicleSpeed < 10.0 ? 8.0 : 2.0) * std::sin(0.8 * t) + 0.8 * noise(kSteer, t, 2.0);
    return s;
}

}  // namespace quilldar::sim
