#include "vehicle/engine_channels.h"

#include <array>
#include <optional>

#include "vehicle/vehicle_texts.h"

namespace quilldar::vehicle {

namespace {

using D = Display;

// By capability position: row, slot, frame bytes, display.
// clang-format off
constexpr std::array<EngineChannel, position::kNumericCount> kNumericChannels = {{
    {0, 0, 17, 18, D::Integer},   // engine speed
    {1, 1, 19, 0, D::Decimal5},   // throttle position
    {2, 2, 46, 0, D::Integer},    // secondary throttle position
    {3, 3, 21, 0, D::Integer},    // coolant / oil temperature
    {4, 4, 22, 0, D::Integer},    // intake air temperature
    {5, 5, 20, 0, D::Integer},    // manifold absolute pressure 1
    {6, 6, 27, 0, D::Integer},    // manifold absolute pressure 2
    {7, 7, 23, 0, D::Integer},    // atmospheric pressure
    {8, 8, 24, 0, D::Decimal4},   // battery voltage
    {9, 9, 16, 0, D::Integer},    // vehicle speed
    {10, 10, 48, 0, D::Integer},  // exhaust control valve actuator
    {11, 11, 25, 0, D::Decimal5}, // O2 sensor bank 1
    {12, 12, 39, 0, D::Decimal5}, // O2 sensor bank 2
    {13, 13, 28, 0, D::Integer},  // target idle speed
    {14, 14, 47, 0, D::Decimal4}, // steering damper solenoid current
    {20, 20, 29, 30, D::Integer}, // ISC valve position
    {21, 21, 26, 0, D::GearLetter},
    {22, 22, 29, 0, D::Integer},  // ISC duty
}};
// clang-format on

// Switch positions 18..33: the bit for digit 1 and the bit for the other digits (the same bit
// where the digit does not choose).
struct SwitchEntry {
    SwitchBit first;
    SwitchBit other;
};

constexpr SwitchBit openGnd(std::uint8_t byte, std::uint8_t mask) {
    return {byte, mask, engine_text::kOpen, engine_text::kGnd};
}
constexpr SwitchBit onOff(std::uint8_t byte, std::uint8_t mask) {
    return {byte, mask, engine_text::kOn, engine_text::kOff};
}
constexpr SwitchBit normalAbnormal(std::uint8_t byte, std::uint8_t mask) {
    return {byte, mask, engine_text::kNormal, engine_text::kAbnormal};
}
constexpr SwitchEntry single(SwitchBit bit) { return {bit, bit}; }

// clang-format off
constexpr std::array<SwitchEntry, position::kLastSwitch - position::kFirstSwitch + 1> kSwitches = {{
    single(openGnd(53, 0x08)),                    // exhaust valve control select terminal
    {openGnd(53, 0x20), onOff(53, 0x10)},         // O2 sensor control select terminal
    {openGnd(53, 0x02), openGnd(53, 0x04)},       // neutral switch signal
    single(openGnd(50, 0x10)),                    // driving mode selection 1
    single(openGnd(50, 0x20)),                    // driving mode selection 2
    {normalAbnormal(52, 0x04), onOff(54, 0x10)},  // ignition switch signal
    single(onOff(52, 0x10)),                      // clutch switch signal
    single(onOff(52, 0x20)),                      // starter signal
    single(onOff(50, 0x08)),                      // EVAP purge valve
    single(onOff(52, 0x08)),                      // tip over sensor
    single(onOff(50, 0x04)),                      // cooling fan relay
    single(onOff(51, 0x01)),                      // PAIR control solenoid valve
    single(onOff(50, 0x02)),                      // side stand switch
    single(onOff(50, 0x08)),                      // load cut off relay
    single(onOff(50, 0x40)),                      // shift switch signal
    single(onOff(50, 0x80)),                      // engine speed limiter signal
}};
// clang-format on

Conversion value(double v) { return {Conversion::Status::Value, v}; }
constexpr Conversion kNoFormula{};

double speedUnit(double kmh, const UnitSettings& units) {
    return units.milesPerHour() ? kmh * kMilesPerKilometre : kmh;
}

// Temperatures whose °F value is taken from the °C integer.
double temperatureUnit(int celsius, const UnitSettings& units) {
    return units.fahrenheit() ? toFahrenheit(celsius) : celsius;
}

// Variant 1 of the temperatures: the °C value truncates, the °F value does not.
double temperatureVariant1(int a, const UnitSettings& units) {
    if (units.fahrenheit()) return toFahrenheit(1.6 * a / 2.55 - 30.0);
    return 160 * a / 255 - 30;
}

std::optional<double> manifoldPressure(int digit, int a) {
    switch (digit) {
        case 1:
            return 166.7 * a / 255.0 - 20.0;
        case 2:
            return 126.7 * a / 255.0;
        case 3:
            return 166.3 * a / 255.0 - 20.0;
        case 4:
            return 183.3 * a / 255.0 - 5.0;
        case 5:
            return 127.6 * a / 255.0 + 8.6;
        default:
            return std::nullopt;
    }
}

}  // namespace

const EngineChannel& numericChannel(int position) {
    return kNumericChannels[static_cast<std::size_t>(position)];
}

double pressureFactor(const UnitSettings& units) {
    switch (units.pressure) {
        case 1:
            return 7.5;  // mmHg
        case 2:
            return 0.295;  // inHg
        case 3:
            return 0.145;  // psig, a plain factor without the atmospheric offset
        default:
            return 1.0;  // kPa
    }
}

Conversion convertChannel(int position, int digit, std::uint8_t byteA, std::uint8_t byteB,
                          const UnitSettings& units) {
    const int a = byteA;
    const int b = byteB;
    if (digit <= 0) return kNoFormula;
    switch (position) {
        case position::kEngineSpeed:
            switch (digit) {
                case 1:
                    return value(256.0 * a / 2.55 + (100 * b / 255));
                case 2:
                    return value(160.0 * a / 2.55);
                case 3:
                    return value(127.5 * a / 2.55 + (50 * b / 255));
                case 4:
                    return value(179.3 * a / 2.55 + (70 * b / 255));
                default:
                    return kNoFormula;
            }
        case position::kThrottle:
            if (digit == 1) return value(125.0 * a / 255.0);
            if (digit == 2) return value(85.0 * a / 255.0);
            return kNoFormula;
        case position::kSecondaryThrottle:
        case position::kExhaustValve:
            return digit == 1 ? value(100 * a / 255) : kNoFormula;
        case position::kCoolant:
        case position::kIntakeAir:
            switch (digit) {
                case 1:
                    return value(temperatureVariant1(a, units));
                case 2:
                    return value(temperatureUnit(a - 40, units));
                case 3:
                    // The intake air variant 3 has no sensor: a constant.
                    return value(temperatureUnit(
                        position == position::kCoolant ? 240 * a / 255 - 30 : -30, units));
                default:
                    return kNoFormula;
            }
        case position::kManifoldPressure1:
        case position::kManifoldPressure2:
        case position::kAtmosphericPressure: {
            // The second pressure and the atmospheric pressure know only the first three variants.
            if (position != position::kManifoldPressure1 && digit > 3) return kNoFormula;
            const auto kpa = manifoldPressure(digit, a);
            return kpa ? value(*kpa * pressureFactor(units)) : kNoFormula;
        }
        case position::kBattery:
            return value(20.0 * a / 255.0);
        case position::kVehicleSpeed:
            if (digit == 1) return value(speedUnit(512 * a / 255, units));
            if (digit == 2) return value(speedUnit(a, units));
            return kNoFormula;
        case position::kO2Bank1:
        case position::kO2Bank2:
            return value(5.0 * a / 255.0);
        case position::kTargetIdle:
            if (digit == 1) return value(32.0 * a / 2.55);
            if (digit == 2) return value(127.5 * a / 2.55);
            return kNoFormula;
        case position::kSteeringDamper:
            return value(2.0 * a / 255.0);
        case position::kIscValve:
            switch (digit) {
                case 1:
                    return value(a);
                case 2:
                    return value(512 * a / 255);
                // Two bytes, high and low. Computed in integers: the same value written as
                // 652.8·A / 2.55 + B comes out a hair below 256·A for some A in doubles, which a
                // truncating display would show one step too low.
                case 3:
                    return value(256 * a + b);
                default:
                    return kNoFormula;  // digit 4 (05H0, 05H3, 39H0): layout unknown, not shown
            }
        case position::kGear:
            if (digit == 1) return value(a);
            if (digit == 2) {
                static constexpr char kLetters[] = {'N', 'L', 'H'};
                if (a < 3) return value(kLetters[a]);
                return {Conversion::Status::Unreadable, 0.0};
            }
            return kNoFormula;
        case position::kIscDuty:
            return digit == 1 ? value(a / 2.55) : kNoFormula;
        default:
            return kNoFormula;
    }
}

const SwitchBit* switchBit(int position, int digit) {
    if (digit <= 0 || position < position::kFirstSwitch || position > position::kLastSwitch)
        return nullptr;
    const SwitchEntry& entry =
        kSwitches[static_cast<std::size_t>(position - position::kFirstSwitch)];
    return digit == 1 ? &entry.first : &entry.other;
}

int switchRow(int position) { return 23 + (position - position::kFirstSwitch); }
int switchSlot(int position) { return 30 + (position - position::kFirstSwitch); }

}  // namespace quilldar::vehicle
