#include "sim/unit_live_data.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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

double phase(double seconds) { return std::fmod(seconds, 60.0); }

}  // namespace

double rideSpeed(double t) {
    const double p = phase(t);
    if (p < 8.0) return 0.0;                                   // standing
    if (p < 28.0) return 90.0 * std::sin((p - 8.0) / 20.0 * std::numbers::pi / 2.0);  // setting off
    if (p < 44.0) return 90.0 + 4.0 * std::sin(p);             // cruising
    if (p < 52.0) return 90.0 * (52.0 - p) / 8.0;              // braking
    return 0.0;
}

bool hardBraking(double t) {
    const double p = phase(t);
    return p >= 46.0 && p < 50.0;
}

ServiceBytes transmissionBlock(double t) {
    Block b(52);
    const double speed = rideSpeed(t);
    const double p = phase(t);
    const bool accelerating = p >= 8.0 && p < 28.0;
    const bool braking = p >= 44.0 && p < 52.0;
    const double throttle = accelerating ? 55.0 + 20.0 * std::sin(t) : (speed > 0 ? 18.0 : 0.0);
    const double engineSpeed = speed > 0 ? 2200.0 + speed * 45.0 : 1350.0 + 20.0 * std::sin(2.0 * t);
    // Two minutes of automatic shifting, then two of manual shifting.
    const bool automatic = std::fmod(t, 240.0) < 120.0;
    const int gear = automatic ? 0 : std::clamp(1 + static_cast<int>(speed / 20.0), 1, 5);
    const double ratio = speed > 0 ? std::clamp(2.6 - speed / 40.0, 0.45, 2.6) : 2.6;

    b[13] = clampByte(speed);
    b[14] = clampByte(throttle * 255.0 / 100.0);
    b[15] = clampByte((20.0 + 65.0 * (1.0 - std::exp(-t / 200.0)) + 30.0) * 2.55 / 1.6);
    const int high = static_cast<int>(engineSpeed / 64.0);
    b[16] = clampByte(high);
    b[17] = clampByte((engineSpeed - 64.0 * high) * 255.0 / 64.0);
    const int secondary = static_cast<int>(engineSpeed / ratio);
    b[18] = clampByte(secondary / 256);
    b[19] = clampByte(secondary % 256);
    b[20] = clampByte((ratio - 0.2) * 100.0);
    b[21] = clampByte((ratio - 0.2 + 0.03 * std::sin(3.0 * t)) * 100.0);
    b[22] = clampByte((13.9 + 0.2 * std::sin(t / 5.0)) * 255.0 / 20.0);
    b[23] = clampByte((13.7 + 0.2 * std::sin(t / 5.0)) * 255.0 / 20.0);
    const bool shifting = std::fmod(t, 7.0) < 1.0 && speed > 0;
    b[24] = clampByte((shifting ? 12.5 : 0.4) * 255.0 / 20.0);
    b[25] = clampByte((shifting ? 0.3 : 0.4) * 255.0 / 20.0);
    b[27] = clampByte(((shifting ? 8.5 : 0.0) + 50.2) * 2.55);
    b[31] = static_cast<std::uint8_t>(gear);
    b[51] = static_cast<std::uint8_t>((speed == 0 && p > 54.0 ? 0x01 : 0) | (braking ? 0x02 : 0) |
                                      (automatic ? 0x08 : 0) | (shifting && !automatic ? 0x10 : 0));
    b[52] = static_cast<std::uint8_t>((std::fmod(t, 90.0) < 45.0 ? 0x01 : 0x02) |
                                      (automatic ? 0x08 : 0x80));
    return b.take();
}

ServiceBytes absWheelBlock(double t, const std::string& model) {
    Block b(21);
    const double speed = rideSpeed(t);
    // The front wheel locks up briefly in the hardest braking, the ABS lets it turn again.
    const double slip = hardBraking(t) ? 0.15 * (1.0 + std::sin(12.0 * t)) : 0.0;
    b[13] = clampByte(speed * (1.0 - slip));
    b[14] = clampByte(speed * 1.01);
    b[18] = clampByte((13.8 + 0.25 * std::sin(t / 3.0)) * 255.0 / 20.0);
    const bool braking = phase(t) >= 44.0 && phase(t) < 52.0;
    if (model == "10G0") b[21] = braking ? 0x01 : 0x00;
    return b.take();
}

ServiceBytes absStatusBlock(double t, const std::string& model) {
    Block b(21);
    const bool abs = hardBraking(t);
    const bool pulse = abs && std::fmod(t, 0.5) < 0.25;
    if (model == "27G0") {
        b[19] = 0x80;  // valve relay closed while the system is ready
        b[20] = static_cast<std::uint8_t>(pulse ? 0x04 | 0x80 : (abs ? 0x08 | 0x40 : 0));
        b[21] = static_cast<std::uint8_t>(abs ? 0x40 : 0);
    }
    if (model == "10G0") b[21] = 0x00;  // the service check terminal stays open
    return b.take();
}

ServiceBytes epsBlock(double t) {
    Block b(24);
    const double speed = rideSpeed(t);
    // Steering effort: large when parking, small at speed.
    const double torque = (speed < 10.0 ? 9.0 : 2.0) * std::sin(0.8 * t);
    const double assist = std::abs(torque) * (speed < 10.0 ? 2.2 : 0.7);
    b[13] = clampByte((13.8 + 0.2 * std::sin(t / 4.0)) * 255.0 / 30.0);
    b[14] = clampByte(5.0 * 255.0 / 6.2);
    b[15] = clampByte((torque + 138.0) * 255.0 / 275.0);
    b[16] = clampByte((-torque + 138.0) * 255.0 / 275.0);
    b[17] = clampByte((torque * 1.1 + 46.0) * 255.0 / 91.6);
    b[18] = clampByte(assist * 255.0 / 38.25);
    b[19] = clampByte(assist * 0.97 * 255.0 / 38.25);
    b[20] = clampByte(speed);
    // The steering unit reports engine speed in steps of 2 rpm up to 510 rpm: it only needs to
    // know whether the engine runs, so the byte stands at its top while it does.
    b[22] = clampByte((speed > 0 ? 2400.0 + speed * 40.0 : 1300.0) / 2.0);
    b[23] = clampByte((assist * 0.5 + 5.0) * 255.0 / 30.0);
    b[24] = static_cast<std::uint8_t>(0x01 | 0x02 | (assist > 1.0 ? 0x10 : 0));
    return b.take();
}

}  // namespace quilldar::sim::live
