#include "sim/engine_running_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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

}  // namespace

EngineRunningModel::Values EngineRunningModel::values(double t) const {
    const double warm = warmth(t);
    const double rev = revFraction(t);
    Values v{};
    v.engineSpeed = 1600.0 - 300.0 * warm + 25.0 * std::sin(t * 2.1) + rev * 4200.0;
    v.throttle = 0.9 + rev * 38.0;
    v.coolant = 20.0 + 70.0 * warm;
    v.intakeAir = 24.0 + 6.0 * warm;
    v.manifoldPressure = 33.0 + rev * 55.0 + 2.0 * std::sin(t * 3.0);
    v.battery = 14.1 + 0.1 * std::sin(t / 7.0);
    v.injectionMs = (2300.0 + rev * 3800.0 + 50.0 * std::sin(t * 1.7)) / 1000.0;
    v.advance = 10.0 + rev * 22.0;
    return v;
}

EngineRunningModel::Block EngineRunningModel::liveBlock(double t, std::uint8_t troubleCodeCount) const {
    Block block{};
    const auto at = [&block](int frameByte) -> std::uint8_t& {
        return block[static_cast<std::size_t>(frameByte - kFirstFrameByte)];
    };
    const Values v = values(t);
    const double warm = warmth(t);
    const double rev = revFraction(t);

    at(6) = troubleCodeCount;
    at(16) = 0;  // standing still
    // Engine speed: 256·A / 2.55 + (100·B ÷ 255).
    const int high = static_cast<int>(v.engineSpeed * 2.55 / 256.0);
    const double rest = v.engineSpeed - 256.0 * high / 2.55;
    at(17) = clampByte(high);
    at(18) = clampByte(std::ceil(rest * 255.0 / 100.0));
    at(19) = clampByte(v.throttle * 255.0 / 125.0);
    at(20) = clampByte((v.manifoldPressure + 20.0) * 255.0 / 166.7);
    at(21) = clampByte((v.coolant + 30.0) * 255.0 / 160.0);
    at(22) = clampByte((v.intakeAir + 30.0) * 255.0 / 160.0);
    at(23) = clampByte((101.0 + 20.0) * 255.0 / 166.7);
    at(24) = clampByte(v.battery * 255.0 / 20.0);
    at(25) = clampByte((0.45 + 0.35 * std::sin(t * 2.0 * std::numbers::pi)) * 255.0 / 5.0);
    at(26) = 0;  // neutral
    at(27) = clampByte((v.manifoldPressure + 1.5 + 20.0) * 255.0 / 166.7);
    at(28) = clampByte((1600.0 - 300.0 * warm) * 2.55 / 32.0);
    at(29) = clampByte(90.0 - 40.0 * warm);
    at(30) = 0;
    for (int cylinder = 0; cylinder < 4; ++cylinder) {
        const int first = 31 + 2 * cylinder;
        if (cylinder >= cylinders_) {
            at(first) = 0xFF;  // no such cylinder
            at(first + 1) = 0xFF;
            continue;
        }
        const long micros = std::lround(v.injectionMs * 1000.0) + 7 * cylinder;
        at(first) = clampByte(static_cast<double>(micros / 255));
        at(first + 1) = clampByte(static_cast<double>(micros % 255));
    }
    at(39) = clampByte((0.5 + 0.3 * std::cos(t * 2.0 * std::numbers::pi)) * 255.0 / 5.0);
    at(41) = clampByte(36.0 + 4.0 * v.advance);
    at(46) = clampByte(100.0 * rev * 255.0 / 100.0 + 0.5);
    at(47) = clampByte(0.4 * 255.0 / 2.0);
    at(48) = clampByte((20.0 + 60.0 * rev) * 255.0 / 100.0 + 0.5);

    // Switches: side stand up, fan relay on while hot, clutch pulled now and then, ignition normal.
    const bool fanOn = v.coolant > 85.0 && std::fmod(t, 60.0) < 20.0;
    const bool clutchPulled = std::fmod(t, 13.0) < 3.0;
    at(50) = static_cast<std::uint8_t>((fanOn ? 0x04 : 0) | (rev > 0.5 ? 0x08 : 0));
    at(51) = static_cast<std::uint8_t>(rev > 0.2 ? 0x01 : 0);
    at(52) = static_cast<std::uint8_t>(0x04 | (clutchPulled ? 0x10 : 0));
    at(53) = static_cast<std::uint8_t>(0x08 | 0x20 | 0x10);
    at(54) = 0x10;
    return block;
}

}  // namespace quilldar::sim
