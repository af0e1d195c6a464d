#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "sim/actuator_effects.h"
#include "sim/virtual_control_unit.h"

namespace quilldar::sim {

// What the engine is doing when a test is asked for: the ECM checks it before it acts.
struct EngineConditions {
    double engineSpeed = 0.0;  // rpm, 0 when stopped
    double coolant = 20.0;     // °C
};

// The engine ECM's actuator test service (0xA5: test id, then four parameters). A test it can
// carry out gets the positive answer E5 (echoing id and parameters) and changes the actuator's
// effects until it is switched off (p1 = 00) or replaced; the tester repeats the request while
// the test runs, so a repeated request leaves a running test where it is.
//
// Refusals:
// - 7F A5 12 when the model lacks the channel of the test (capability digit 0), for a test id
//   this ECM does not know, and for the pulley position sensor reset on an engine-only ECM.
// - 7F A5 91 when the engine state forbids it:
//   * learned-value resets (idle control, throttle sensor, pulley sensor) need the engine
//     stopped: the ECM relearns from a standing start;
//   * the motor-driven valves (secondary throttle, exhaust valve) are driven only with the engine
//     at idle or stopped (engine speed at most kAtRestRpm), so a test cannot upset a ride;
//   * the idle speed target (ISC rpm) needs the engine running at idle (turning, at most
//     kAtRestRpm);
//   * the idle air volume test is refused while the engine turns on a cold engine (coolant
//     below kWarmCoolant) and above idle.
//   A refused test also stops that actuator's running test.
// - Switching a test off is never refused for the engine state: returning to normal control is
//   always safe.
// One test runs at a time: the tester keeps a single test request in the module, so a request
// for another actuator (or a reset, or a request the ECM refuses as unknown) means the running
// test is no longer repeated, and the ECM returns its actuator to normal control.
// On the second identification scheme, where the tester sends 00 in place of some command
// bytes, 03 00 .. is the throttle sensor reset, 05 00 00 70 00 the idle control reset, and
// 06 00 .. starts the cooling fan (06 80 00 stops it).
class ActuatorTests {
public:
    static constexpr std::uint8_t kService = 0xA5;
    static constexpr std::uint8_t kEngineStateRefused = 0x91;
    static constexpr double kAtRestRpm = 2000.0;
    static constexpr double kWarmCoolant = 60.0;
    static constexpr double kDamperTestCurrent = 1.5;  // A

    // capabilities: the model's digits (empty: every channel present). pulleySensor: the ECM also
    // controls the transmission and knows the pulley position sensor reset.
    ActuatorTests(std::string capabilities, bool secondScheme, bool pulleySensor);

    ServiceBytes request(std::span<const std::uint8_t> request, double seconds, const EngineConditions& engine);
    const ActuatorEffects& effects() const { return effects_; }

private:
    // The actuator whose test a request starts, drives or switches off.
    enum class Actuator { None, Pair, Damper, SecondaryThrottle, ExhaustValve, IscAir, IdleSpeed, CoolingFan, Evap };

    Actuator actuatorOf(std::uint8_t id, std::span<const std::uint8_t, 4> p) const;
    // Returns every actuator but `kept` to normal control.
    void endTestsExcept(Actuator kept);
    bool supports(int position) const;
    static void drive(std::optional<ActuatorDrive>& actuator, double target, double seconds);
    // The answer to a request with test id and p1..p4; fills `refusal` when refused.
    void carryOut(std::uint8_t id, std::span<const std::uint8_t, 4> p, double seconds, const EngineConditions& engine,
                  std::uint8_t& refusal);

    std::string capabilities_;
    bool secondScheme_;
    bool pulleySensor_;
    ActuatorEffects effects_;
};

}  // namespace quilldar::sim
