#pragma once

#include <cstdint>

namespace quilldar::sim {

// What the vehicle is doing at one moment of the scripted ride, in metric units. Every virtual
// unit derives its live data from the same state, so that the engine, the transmission, the ABS
// and the steering agree with each other.
struct RideState {
    double engineSpeed = 0.0;   // rpm; 0 while the engine is stopped
    bool cranking = false;      // the starter turns the engine
    bool idling = false;        // running, standing, throttle closed: the idle control rules
    double idleTarget = 1300.0; // rpm the idle control aims at, higher while cold
    double throttle = 0.0;      // grip opening in degrees of the throttle valve
    double load = 0.0;          // 0 (engine braking) .. 1 (full load)
    double vehicleSpeed = 0.0;  // km/h
    int gear = 0;               // 0 neutral, 1..5
    bool clutchPulled = false;
    bool braking = false;
    bool hardBraking = false;   // hard enough for the ABS to act
    bool sideStandDown = false;
    double coolant = 20.0;      // °C
    double intakeAir = 20.0;    // °C
    double atmospheric = 101.3; // kPa
    double battery = 12.6;      // V, charging while the engine runs
    double steeringTorque = 0.0;  // Nm from the rider at the bar
    double frontSlip = 0.0;     // 0..1 of the front wheel while braking hard

    bool engineTurning() const { return engineSpeed > 0.0; }
};

// A ride on the simulation clock: the key is switched on with the engine stopped, the engine is
// started and warms up at a fast idle, then the rider pulls away through the gears, cruises,
// brakes, stops, idles, switches the engine off for a few seconds and starts it again, over and
// over. Small fluctuations come from a noise that depends only on the seed and the time, so the
// same seed gives the same ride.
class RideScript {
public:
    static constexpr std::uint32_t kDefaultSeed = 1;

    // Times of the script in seconds of the simulation clock.
    static constexpr double kStarterOn = 3.0;      // key on, engine stopped before this
    static constexpr double kEngineStarts = 5.0;   // cranking until here
    static constexpr double kFirstRide = 45.0;     // warm-up idle until here
    static constexpr double kRideLength = 80.0;    // one ride, repeated
    // Within a ride: idle, pulling away, cruising, braking, standing, engine off, cranking, idle.
    static constexpr double kPullAway = 6.0;
    static constexpr double kCruise = 28.0;
    static constexpr double kBrake = 46.0;
    static constexpr double kStand = 56.0;
    static constexpr double kEngineOff = 64.0;
    static constexpr double kRestart = 72.0;
    static constexpr double kRunningAgain = 74.0;

    explicit RideScript(std::uint32_t seed = kDefaultSeed) : seed_(seed) {}

    RideState at(double seconds) const;

    // A smooth fluctuation in -1..1 for a channel, the same for the same seed and time.
    double noise(int channel, double seconds, double ratePerSecond = 1.0) const;

    std::uint32_t seed() const { return seed_; }

private:
    std::uint32_t seed_;
};

}  // namespace quilldar::sim
