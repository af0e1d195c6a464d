#include "pages/transmission_page.h"

#include <array>

#include "link/kwp_frame.h"

namespace quilldar::pages {

namespace {

using enum settings::TransmissionText;
using U = vehicle::UnitSettings;
using F = NumberFormat;

// clang-format off
constexpr ColumnEntry kColumn1[] = {
    {VehicleSpeed, kSpeedUnit},
    {ThrottlePosition, unit("%")},
    {CoolantTemperature, kTemperatureUnit},
    {EngineSpeed, unit("rpm")},
    {SecondaryPulleySpeed, unit("rpm")},
    {PulleyPositionRatio},
    {PulleySpeedRatio},
    {BatteryVoltage, unit("V")},
    {RelayContactVoltage, unit("V")},
    {MotorTerminalVoltageA, unit("V")},
    {MotorTerminalVoltageB, unit("V")},
    {MotorCurrent, unit("A")},
    {GearPosition},
};
constexpr ColumnEntry kColumn2[] = {
    MotorLock, MotorShort, MotorDisconnection, RelayContactWelding, RelayContactFailure,
    PowerModeSwitchMalfunction, AutoShiftSwitchMalfunction, UpShiftSwitchMalfunction,
    DownShiftSwitchMalfunction, MotorLockHistory, MotorShortHistory, MotorDisconnectionHistory,
    CenterStandSwitch,
};
constexpr ColumnEntry kColumn3[] = {
    BrakeSwitch, PowerModeSwitch, AutoShiftModeSwitch, UpShiftSwitch, DownShiftSwitch,
    ShiftControlSwitch, NormalMode, PowerMode, AutoShiftMode, ManualShiftMode,
};
// clang-format on
constexpr GridColumns kGrid = {kColumn1, kColumn2, kColumn3};
static_assert(cellCount(kGrid) == TransmissionPage::kRowCount);

double throttle(int a, int, const U&) { return 100.0 * a / 255.0; }

// The °F value follows the unrounded °C value.
double coolant(int a, int, const U& units) {
    const double celsius = 1.6 * a / 2.55 - 30.0;
    return units.fahrenheit() ? vehicle::toFahrenheit(celsius) : celsius;
}

// 16.32·A / 0.255 + (64·B ÷ 255), that is 64·A + (64·B ÷ 255). Computed in integers: the decimal
// factors come out a hair below 64·A for A = 127, 251 and 254, which the truncating display would
// show one step too low. The same holds for the secondary pulley's 65.28·A / 0.255 + B.
double engineSpeed(int a, int b, const U&) { return 64 * a + 64 * b / 255; }
double secondaryPulleySpeed(int a, int b, const U&) { return 256 * a + b; }

double pulleyRatio(int a, int, const U&) { return 2.55 * a / 255.0 + 0.2; }
double motorCurrent(int a, int, const U&) { return 100.0 * a / 255.0 - 50.2; }

constexpr std::uint8_t kGearByte = 31;
constexpr int kGearSlot = 21;

// clang-format off
constexpr NumberRow kNumberRows[] = {
    {VehicleSpeed, 9, 13, 0, formula::vehicleSpeed, F::Integer},
    {ThrottlePosition, 1, 14, 0, throttle, F::Decimal4},
    {CoolantTemperature, 3, 15, 0, coolant, F::Integer},
    {EngineSpeed, 0, 16, 17, engineSpeed, F::Integer},
    {SecondaryPulleySpeed, 30, 18, 19, secondaryPulleySpeed, F::Integer},
    {PulleyPositionRatio, 31, 20, 0, pulleyRatio, F::Decimal4},
    {PulleySpeedRatio, 32, 21, 0, pulleyRatio, F::Decimal4},
    {BatteryVoltage, 8, 22, 0, formula::volts20, F::Decimal4},
    {RelayContactVoltage, 33, 23, 0, formula::volts20, F::Decimal4},
    {MotorTerminalVoltageA, 34, 24, 0, formula::volts20, F::Decimal4},
    {MotorTerminalVoltageB, 35, 25, 0, formula::volts20, F::Decimal4},
    {MotorCurrent, 36, 27, 0, motorCurrent, F::Decimal4},
};

// All On / Off: a set bit gives "On".
constexpr SwitchRow kSwitchRows[] = {
    {MotorLock, 37, onOff(46, 0x01)},
    {MotorShort, 38, onOff(46, 0x02)},
    {MotorDisconnection, 39, onOff(46, 0x04)},
    {RelayContactWelding, 40, onOff(46, 0x08)},
    {RelayContactFailure, 41, onOff(46, 0x10)},
    {PowerModeSwitchMalfunction, 42, onOff(47, 0x04)},
    {AutoShiftSwitchMalfunction, 43, onOff(47, 0x08)},
    {UpShiftSwitchMalfunction, 44, onOff(47, 0x10)},
    {DownShiftSwitchMalfunction, 45, onOff(47, 0x20)},
    {MotorLockHistory, 46, onOff(48, 0x01)},
    {MotorShortHistory, 47, onOff(48, 0x02)},
    {MotorDisconnectionHistory, 48, onOff(48, 0x04)},
    {CenterStandSwitch, 49, onOff(51, 0x01)},
    {BrakeSwitch, 50, onOff(51, 0x02)},
    {PowerModeSwitch, 51, onOff(51, 0x04)},
    {AutoShiftModeSwitch, 52, onOff(51, 0x08)},
    {UpShiftSwitch, 53, onOff(51, 0x10)},
    {DownShiftSwitch, 54, onOff(51, 0x20)},
    {ShiftControlSwitch, 55, onOff(51, 0x40)},
    {NormalMode, 56, onOff(52, 0x01)},
    {PowerMode, 57, onOff(52, 0x02)},
    {AutoShiftMode, 58, onOff(52, 0x08)},
    {ManualShiftMode, 59, onOff(52, 0x80)},
};
// clang-format on

constexpr std::uint8_t kLiveData = 0x08;

}  // namespace

TransmissionPage::TransmissionPage(vehicle::LiveValueSlots& liveValues,
                                   const settings::LanguageTable& texts)
    : GridPageBase(kGrid, settings::TextGroup::TransmissionPage, AutoMode, Zeroing::WithinTenth,
                   liveValues, texts) {}

bool TransmissionPage::acceptsReport(const link::Report& report) {
    return isLocalDataResponse(report, link::address::kTransmission, kLiveData);
}

bool TransmissionPage::refresh(const link::Report& report, const PageInput& input,
                               const vehicle::HighlightStyle& style) {
    if (!acceptsReport(report)) return false;
    showNumbers(kNumberRows, report, input.units, style);
    showGear(GearPosition, kGearSlot, link::frameByte(report, kGearByte), style);
    showSwitches(kSwitchRows, report, style);
    return true;
}

}  // namespace quilldar::pages
