#include "sim/actuator_tests.h"

namespace quilldar::sim {

namespace {

// Capability positions of the channels the tests drive.
constexpr int kEngineSpeed = 0;
constexpr int kSecondaryThrottle = 2;
constexpr int kExhaustValve = 10;
constexpr int kTargetIdle = 13;
constexpr int kSteeringDamper = 14;
constexpr int kEvapPurge = 26;
constexpr int kCoolingFan = 28;
constexpr int kPairValve = 29;

// Test ids.
constexpr std::uint8_t kPairOrDamper = 0x01;
constexpr std::uint8_t kSecondaryOrThrottleReset = 0x03;
constexpr std::uint8_t kExhaust = 0x04;
constexpr std::uint8_t kIdleControl = 0x05;
constexpr std::uint8_t kFan = 0x06;
constexpr std::uint8_t kEvap = 0x07;
constexpr std::uint8_t kPulleyReset = 0x09;

constexpr std::uint8_t kOn = 0x80;
constexpr std::uint8_t kOff = 0x00;
// The idle rpm test carries the target in steps of 12.5 rpm.
constexpr double kRpmPerStep = 12.5;
// ISC air volume without a position (the 27GA/27GC form) holds the valve here.
constexpr double kDefaultAirSteps = 60.0;

}  // namespace

ActuatorTests::ActuatorTests(std::string capabilities, bool secondScheme, bool pulleySensor)
    : capabilities_(std::move(capabilities)), secondScheme_(secondScheme), pulleySensor_(pulleySensor) {}

bool ActuatorTests::supports(int position) const {
    if (capabilities_.empty()) return true;
    return position < static_cast<int>(capabilities_.size()) && capabilities_[static_cast<std::size_t>(position)] != '0';
}

void ActuatorTests::drive(std::optional<ActuatorDrive>& actuator, double target, double seconds) {
    // A repeated command keeps the actuator travelling from when it was first given.
    if (actuator && actuator->target == target) return;
    actuator = ActuatorDrive{target, seconds};
}

ServiceBytes ActuatorTests::request(std::span<const std::uint8_t> request, double seconds,
                                    const EngineConditions& engine) {
    if (request.size() < 6) return {0x7F, kService, nrc::kSubFunctionNotSupported};
    std::uint8_t refusal = 0;
    endTestsExcept(actuatorOf(request[1], request.subspan<2, 4>()));
    carryOut(request[1], request.subspan<2, 4>(), seconds, engine, refusal);
    if (refusal != 0) return {0x7F, kService, refusal};
    ServiceBytes reply{static_cast<std::uint8_t>(kService + 0x40)};
    reply.insert(reply.end(), request.begin() + 1, request.begin() + 6);
    return reply;
}

ActuatorTests::Actuator ActuatorTests::actuatorOf(std::uint8_t id, std::span<const std::uint8_t, 4> p) const {
    switch (id) {
        case kPairOrDamper:
            // 01 00 switches off whichever of the two runs.
            return p[0] == kOn ? Actuator::Pair : p[0] == 0x40 ? Actuator::Damper : Actuator::None;
        case kSecondaryOrThrottleReset:
            if (p[0] == 0x08 || (p[0] == kOff && secondScheme_)) return Actuator::None;  // a reset
            return Actuator::SecondaryThrottle;
        case kExhaust: return Actuator::ExhaustValve;
        case kIdleControl:
            if (p[0] == 0x08) return Actuator::IscAir;
            if (p[0] == kOn) return Actuator::IdleSpeed;
            return Actuator::None;  // a reset, or 05 00 that ends both idle tests
        case kFan: return Actuator::CoolingFan;
        case kEvap: return Actuator::Evap;
        default: return Actuator::None;
    }
}

void ActuatorTests::endTestsExcept(Actuator kept) {
    if (kept != Actuator::Pair) effects_.pairValve.reset();
    if (kept != Actuator::Damper) effects_.damperCurrent.reset();
    if (kept != Actuator::SecondaryThrottle) effects_.secondaryThrottle.reset();
    if (kept != Actuator::ExhaustValve) effects_.exhaustValve.reset();
    if (kept != Actuator::IscAir) effects_.iscAirSteps.reset();
    if (kept != Actuator::IdleSpeed) effects_.idleSpeed.reset();
    if (kept != Actuator::CoolingFan) effects_.coolingFan.reset();
    if (kept != Actuator::Evap) effects_.evapPurge.reset();
}

void ActuatorTests::carryOut(std::uint8_t id, std::span<const std::uint8_t, 4> p, double t,
                             const EngineConditions& engine, std::uint8_t& refusal) {
    const bool turning = engine.engineSpeed > 0.0;
    const bool stopped = !turning;
    const bool atRest = engine.engineSpeed <= kAtRestRpm;
    const auto unsupported = [&] { refusal = nrc::kSubFunctionNotSupported; };
    // A refusal also ends the refused actuator's running test.
    const auto refuse = [&](auto& running) {
        running.reset();
        refusal = kEngineStateRefused;
    };
    const auto refuseReset = [&] { refusal = kEngineStateRefused; };

    switch (id) {
        case kPairOrDamper:
            if (p[0] == kOn) {
                if (!supports(kPairValve)) return unsupported();
                effects_.pairValve = true;
            } else if (p[0] == 0x40) {
                if (!supports(kSteeringDamper)) return unsupported();
                effects_.damperCurrent = kDamperTestCurrent;
            } else if (p[0] == kOff && (supports(kPairValve) || supports(kSteeringDamper))) {
                effects_.pairValve.reset();
                effects_.damperCurrent.reset();
            } else {
                return unsupported();
            }
            return;
        case kSecondaryOrThrottleReset:
            if (p[0] == 0x08 || (p[0] == kOff && secondScheme_)) {
                if (stopped) effects_.throttleLearnedReset = t;
                else refuseReset();
                return;
            }
            if (!supports(kSecondaryThrottle) || (p[0] != kOn && p[0] != kOff)) return unsupported();
            if (p[0] == kOff) effects_.secondaryThrottle.reset();
            else if (!atRest) refuse(effects_.secondaryThrottle);
            else drive(effects_.secondaryThrottle, p[1] == kOn ? 100.0 : 0.0, t);
            return;
        case kExhaust:
            if (!supports(kExhaustValve) || (p[0] != kOn && p[0] != kOff)) return unsupported();
            if (p[0] == kOff) effects_.exhaustValve.reset();
            else if (!atRest) refuse(effects_.exhaustValve);
            else drive(effects_.exhaustValve, p[1] == kOn ? 100.0 : 0.0, t);
            return;
        case kIdleControl:
            if (!supports(kTargetIdle)) return unsupported();
            if (p[0] == 0x20 || (p[0] == kOff && p[2] == 0x70 && secondScheme_)) {
                if (stopped) effects_.iscLearnedReset = t;
                else refuseReset();
            } else if (p[0] == 0x08) {
                if (turning && (engine.coolant < kWarmCoolant || !atRest)) refuse(effects_.iscAirSteps);
                else effects_.iscAirSteps = p[2] != 0 ? static_cast<double>(p[2]) : kDefaultAirSteps;
            } else if (p[0] == kOn) {
                if (!supports(kEngineSpeed)) return unsupported();
                if (!turning || !atRest) refuse(effects_.idleSpeed);
                else drive(effects_.idleSpeed, p[2] * kRpmPerStep, t);
            } else if (p[0] == kOff) {
                effects_.iscAirSteps.reset();
                effects_.idleSpeed.reset();
            } else {
                unsupported();
            }
            return;
        case kFan:
            if (!supports(kCoolingFan)) return unsupported();
            if (p[0] == kOn) effects_.coolingFan = p[1] == kOn;
            else if (p[0] == kOff) {
                if (secondScheme_) effects_.coolingFan = true;
                else effects_.coolingFan.reset();
            } else unsupported();
            return;
        case kEvap:
            if (!supports(kEvapPurge)) return unsupported();
            if (p[0] == kOn) effects_.evapPurge = true;
            else if (p[0] == kOff) effects_.evapPurge.reset();
            else unsupported();
            return;
        case kPulleyReset:
            if (!pulleySensor_) return unsupported();
            if (stopped) effects_.pulleyLearnedReset = t;
            else refuseReset();
            return;
        default:
            unsupported();
    }
}

}  // namespace quilldar::sim
