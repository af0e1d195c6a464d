#include "sim/unit_live_data.h"

#include <algorithm>
#include <cmath>

namespace quilldar::sim::live {

namespace {

std::uint8_t clampByte(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

// A block whose bytes are addressed by frame byte number.
class Block {
public:
    explicit Block(int lastFrameByte) : bytes_(static_cast<std::size_t>(lastFrameByte - 5), 0) {}
    std::uint8_t& operator[](int frameByte) { return bytes_[static_cast<std::size_t>(frameByte - 6)]; }
    ServiceBytes take() { return std::move(bytes_); }

private:
    ServiceBytes bytes_;
};

// Noise channels of these units (the ride and the engine use lower numbers).
enum Channel { kRatio = 40, kShiftPressure, kWheel, kMotor };

}  // namespace

ServiceBytes transmissionBlock(const RideScript& ride, double t, double pulleyError) {
    Block b(52);
    const RideState s = ride.at(t);
    const double speed = s.vehicleSpeed;
    // The belt drive: a low ratio when setting off, rising with road speed.
    const double ratio = speed > 0 ? std::clamp(2.6 - speed / 40.0, 0.45, 2.6) : 2.6;
    // Two minutes of automatic shifting, then two of manual shifting.
    const bool automatic = std::fmod(t, 240.0) < 120.0;
    const int gear = automatic ? 0 : std::clamp(1 + static_cast<int>(speed / 20.0), 1, 5);
    const bool shifting = s.clutchPulled && speed > 0;

    b[13] = clampByte(speed);
    b[14] = clampByte(s.throttle / 80.0 * 255.0);
    b[15] = clampByte((s.coolant + 30.0) * 255.0 / 160.0);
    const int high = static_cast<int>(s.engineSpeed / 64.0);
    b[16] = clampByte(high);
    b[17] = clampByte((s.engineSpeed - 64.0 * high) * 255.0 / 64.0);
    const int secondary = speed > 0 ? static_cast<int>(s.engineSpeed / ratio) : 0;
    b[18] = clampByte(secondary / 256);
    b[19] = clampByte(secondary % 256);
    b[20] = clampByte((ratio - 0.2) * 100.0);
    b[21] = clampByte((ratio - 0.2 + pulleyError + 0.01 * ride.noise(kRatio, t, 3.0)) * 100.0);
    b[22] = clampByte(s.battery * 255.0 / 20.0);
    b[23] = clampByte((s.battery - 0.2) * 255.0 / 20.0);
    b[24] = clampByte((shifting ? s.battery - 1.3 : 0.4) * 255.0 / 20.0);  // the shift solenoid's supply
    b[25] = clampByte((shifting ? 0.3 : 0.4) * 255.0 / 20.0);
    b[27] = clampByte(((shifting ? 8.5 : 0.0) + 50.2 + 0.8 * ride.noise(kShiftPressure, t, 2.0)) * 2.55);
    b[31] = static_cast<std::uint8_t>(gear);
    b[51] = static_cast<std::uint8_t>((s.idling && speed == 0 ? 0x01 : 0) | (s.braking ? 0x02 : 0) |
                                      (automatic ? 0x08 : 0) | (shifting && !automatic ? 0x10 : 0));
    b[52] = static_cast<std::uint8_t>((std::fmod(t, 90.0) < 45.0 ? 0x01 : 0x02) | (automatic ? 0x08 : 0x80));
    return b.take();
}

ServiceBytes absWheelBlock(const RideScript& ride, double t, const std::string& model) {
    Block b(21);
    const RideState s = ride.at(t);
    // The wheels differ by their tyres' rolling circumference; the front one slips while the ABS
    // works in the hardest braking.
    const double wobble = 0.4 * ride.noise(kWheel, t, 2.0);
    b[13] = clampByte(s.vehicleSpeed * (1.0 - s.frontSlip) + (s.vehicleSpeed > 0 ? wobble : 0.0));
    b[14] = clampByte(s.vehicleSpeed * 1.01);
    b[18] = clampByte((s.battery - 0.3) * 255.0 / 20.0);
    if (model == "10G0") b[21] = s.braking ? 0x01 : 0x00;
    return b.take();
}

ServiceBytes absStatusBlock(const RideScript& ride, double t, const std::string& model) {
    Block b(21);
    const bool abs = ride.at(t).hardBraking;
    const bool pulse = abs && std::fmod(t, 0.5) < 0.25;
    if (model == "27G0") {
        b[19] = 0x80;  // valve relay closed while the system is ready
        b[20] = static_cast<std::uint8_t>(pulse ? 0x04 | 0x80 : (abs ? 0x08 | 0x40 : 0));
        b[21] = static_cast<std::uint8_t>(abs ? 0x40 : 0);
    }
    if (model == "10G0") b[21] = 0x00;  // the service check terminal stays open
    return b.take();
}

ServiceBytes epsBlock(const RideScript& ride, double t) {
    Block b(24);
    const RideState s = ride.at(t);
    const double torque = s.steeringTorque;
    // Assistance is strong when parking and weak at speed; none without the engine running.
    const double assist = s.engineTurning() ? std::abs(torque) * (s.vehicleSpeed < 10.0 ? 2.2 : 0.7) : 0.0;
    b[13] = clampByte(s.battery * 255.0 / 30.0);
    b[14] = clampByte((5.0 + 0.02 * ride.noise(kMotor, t)) * 255.0 / 6.2);
    b[15] = clampByte((torque + 138.0) * 255.0 / 275.0);
    b[16] = clampByte((-torque + 138.0) * 255.0 / 275.0);
    b[17] = clampByte((torque * 1.1 + 46.0) * 255.0 / 91.6);
    b[18] = clampByte(assist * 255.0 / 38.25);
    b[19] = clampByte(assist * 0.97 * 255.0 / 38.25);
    b[20] = clampByte(s.vehicleSpeed);
    // The steering unit reports engine speed in steps of 2 rpm up to 510 rpm: it only needs to
    // know whether the engine runs, so the byte stands at its top while it does.
    b[22] = clampByte(s.engineSpeed / 2.0);
    b[23] = clampByte((assist * 0.5 + 5.0) * 255.0 / 30.0);
    b[24] = static_cast<std::uint8_t>(0x01 | (s.engineTurning() ? 0x02 : 0) | (assist > 1.0 ? 0x10 : 0));
    return b.take();
}

ServiceBytes transmissionBlock(double t) { return transmissionBlock(RideScript{}, t); }
ServiceBytes absWheelBlock(double t, const std::string& model) { return absWheelBlock(RideScript{}, t, model); }
ServiceBytes absStatusBlock(double t, const std::string& model) { return absStatusBlock(RideScript{}, t, model); }
ServiceBytes epsBlock(double t) { return epsBlock(RideScript{}, t); }

}  // namespace quilldar::sim::live
