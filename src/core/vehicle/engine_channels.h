#pragma once

#include <cstddef>
#include <cstdint>

#include "vehicle/unit_settings.h"

namespace quilldar::vehicle {

// Capability positions of the engine channels.
namespace position {
inline constexpr int kEngineSpeed = 0;
inline constexpr int kThrottle = 1;
inline constexpr int kSecondaryThrottle = 2;
inline constexpr int kCoolant = 3;
inline constexpr int kIntakeAir = 4;
inline constexpr int kManifoldPressure1 = 5;
inline constexpr int kManifoldPressure2 = 6;
inline constexpr int kAtmosphericPressure = 7;
inline constexpr int kBattery = 8;
inline constexpr int kVehicleSpeed = 9;
inline constexpr int kExhaustValve = 10;
inline constexpr int kO2Bank1 = 11;
inline constexpr int kO2Bank2 = 12;
inline constexpr int kTargetIdle = 13;
inline constexpr int kSteeringDamper = 14;
inline constexpr int kIscValve = 15;
inline constexpr int kGear = 16;
inline constexpr int kIscDuty = 17;
inline constexpr int kFirstSwitch = 18;
inline constexpr int kLastSwitch = 33;
inline constexpr int kNumericCount = kFirstSwitch;
}  // namespace position

// How a value is written into its cell.
enum class Display : std::uint8_t {
    Integer,     // formatInteger
    Decimal4,    // formatDecimal, width 4
    Decimal5,    // formatDecimal, width 5
    GearLetter,  // the number, or with digit 2 the letter N, L or H
    Switch,      // a state word
};

// Where an engine channel sits: the Engine page row, the value slot and the frame bytes of the
// engine live-data response (local identifier 0x08) that carry it.
struct EngineChannel {
    int row;
    int slot;
    std::uint8_t firstByte;
    std::uint8_t secondByte;  // 0 when the channel has one byte
    Display display;
};

// The numeric channels by capability position 0..17.
const EngineChannel& numericChannel(int position);

// The result of a conversion formula.
struct Conversion {
    enum class Status : std::uint8_t {
        NoFormula,   // the digit selects no formula for this channel: the row is left as it is
        Value,       // value holds the reading in display units
        Unreadable,  // the raw value means nothing (a gear byte without a letter)
    };
    Status status = Status::NoFormula;
    double value = 0.0;

    bool ok() const { return status == Status::Value; }
};

// Converts the raw bytes a (first) and b (second) of a numeric channel by the formula its digit
// selects, in the units of the settings. Gear position digit 2 gives the character code of its
// letter ('N', 'L', 'H') and Unreadable for a raw value above 2.
Conversion convertChannel(int position, int digit, std::uint8_t a, std::uint8_t b,
                          const UnitSettings& units);

// Battery readings above this are not shown on the Engine page.
inline constexpr double kBatteryLimit = 18.0;

// A switch channel: one bit of one frame byte; set gives onText, clear offText (engine text list
// indices).
struct SwitchBit {
    std::uint8_t frameByte;
    std::uint8_t mask;
    int onText;
    int offText;
};
// The bit that a switch position (18..33) reads for its digit; nullptr for digit 0 or a position
// that is not a switch.
const SwitchBit* switchBit(int position, int digit);
int switchRow(int position);
int switchSlot(int position);

// Injection times of cylinders 1..4: two bytes each from frame byte 31; a first byte of 0xFF
// means the ECM has no further cylinders.
inline constexpr int kCylinderCount = 4;
inline constexpr std::uint8_t kInjectionFirstByte = 31;
inline constexpr std::uint8_t kNoCylinder = 0xFF;
inline constexpr int kInjectionFirstRow = 15;  // rows and slots 15..18
inline double injectionTime(std::uint8_t a, std::uint8_t b) { return (255.0 * a + b) / 1000.0; }

// Ignition advance: frame byte 41, in steps of a quarter degree from 36. Raw values below 32
// are raised to 32; values below 36 are not shown.
inline constexpr std::uint8_t kAdvanceByte = 41;
inline constexpr int kAdvanceRow = 19;  // also its slot
inline constexpr std::uint8_t kAdvanceFloor = 32;
inline constexpr std::uint8_t kAdvanceZero = 36;
inline int advanceDegrees(std::uint8_t a) { return (a - kAdvanceZero) / 4; }

// Unit conversions applied after a metric formula.
inline constexpr double kMilesPerKilometre = 0.621371192;
inline double toFahrenheit(double celsius) { return celsius * 1.8 + 32.0; }
double pressureFactor(const UnitSettings& units);

}  // namespace quilldar::vehicle
