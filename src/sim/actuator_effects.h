#pragma once

#include <algorithm>
#include <limits>
#include <optional>

namespace quilldar::sim {

// An actuator the tester drives towards a commanded end; it travels there from wherever normal
// control had it, taking `travel` seconds for the whole way.
struct ActuatorDrive {
    double target = 0.0;
    double since = 0.0;  // simulation seconds of the command

    double position(double normal, double seconds, double travel) const {
        const double done = travel > 0.0 ? std::clamp((seconds - since) / travel, 0.0, 1.0) : 1.0;
        return normal + (target - normal) * done;
    }
};

// What the running actuator tests and learned-value resets do to an engine's live data. Each
// optional that holds a value overrides normal control; an empty one leaves the ECM in charge.
struct ActuatorEffects {
    static constexpr double kNever = -std::numeric_limits<double>::infinity();

    std::optional<bool> coolingFan;
    std::optional<bool> evapPurge;
    std::optional<bool> pairValve;
    std::optional<double> damperCurrent;  // A
    std::optional<ActuatorDrive> secondaryThrottle;  // %
    std::optional<ActuatorDrive> exhaustValve;       // %
    std::optional<ActuatorDrive> idleSpeed;          // rpm the idle follows
    std::optional<double> iscAirSteps;               // the idle air valve held at this position
    // When the learned values were last reset, in simulation seconds.
    double iscLearnedReset = kNever;
    double throttleLearnedReset = kNever;
    double pulleyLearnedReset = kNever;

    // Whether a reset made at `when` has happened by `seconds`.
    static bool resetBy(double when, double seconds) { return when != kNever && seconds >= when; }
};

}  // namespace quilldar::sim
