#include "pages/combined_page.h"

#include <array>

#include "link/kwp_frame.h"
#include "vehicle/ecm_model_table.h"

namespace quilldar::pages {

namespace {

using enum settings::CombinedText;
using U = vehicle::UnitSettings;
using F = NumberFormat;

// clang-format off
constexpr ColumnEntry kColumn1[] = {
    {VehicleSpeed, kSpeedUnit},
    {EngineSpeed, unit("rpm")},
    {ThrottlePosition, unit("\u00B0")},
    {ManifoldPressure1, kPressureUnit},
    {AtmosphericPressure, kPressureUnit},
    {CoolantTemperature, kTemperatureUnit},
    {IntakeAirTemperature, kTemperatureUnit},
    {BatteryVoltage, unit("V")},
    {O2SensorBank1, unit("V")},
    {TargetIdleSpeed, unit("rpm")},
    {IscValvePosition, kStepsUnit},
    {SecondaryThrottleActuator, unit("%")},
    {SecondaryPulleySpeed, unit("rpm")},
};
constexpr ColumnEntry kColumn2[] = {
    {RelayContactVoltage, unit("V")},
    {MotorTerminalVoltageA, unit("V")},
    {MotorTerminalVoltageB, unit("V")},
    {MotorCurrent, unit("A")},
    PulleyPositionRatio, PulleySpeedRatio, GearPosition, O2SensorSelectTerminal, IgnitionSwitch,
    PairSolenoidValve, StarterSignal, TipOverSensor, RelayContactWelding,
};
constexpr ColumnEntry kColumn3[] = {
    MotorLock, MotorShort, MotorDisconnection, CenterStandSwitch, BrakeSwitch,
    PowerModeSwitch, ModeSelectSwitch, UpShiftSwitch, DownShiftSwitch, DriveMode,
    PowerMode, CvtShiftMode, SevenSpeedShiftMode,
};
// clang-format on
constexpr GridColumns kGrid = {kColumn1, kColumn2, kColumn3};
static_assert(cellCount(kGrid) == CombinedPage::kRowCount);

// Engine formulas: only the variants that occur in the Engine & Transmission model list.
double engineSpeed(int a, int b, const U&) { return 256.0 * a / 2.55 + (100 * b / 255); }
double throttle(int a, int, const U&) { return 125.0 * a / 255.0; }
double percent(int a, int, const U&) { return 100 * a / 255; }
// The °F value is taken from the truncated °C value.
double temperature(int a, int, const U& units) {
    const int celsius = 160 * a / 255 - 30;
    return units.fahrenheit() ? vehicle::toFahrenheit(celsius) : celsius;
}
double pressure1(int a, int, const U& units) {
    return (166.7 * a / 255.0 - 20.0) * vehicle::pressureFactor(units);
}
double pressure4(int a, int, const U& units) {
    return (183.3 * a / 255.0 - 5.0) * vehicle::pressureFactor(units);
}
double o2Sensor(int a, int, const U&) { return 5.0 * a / 255.0; }
double targetIdle(int a, int, const U&) { return 32.0 * a / 2.55; }
double iscValve(int a, int, const U&) { return 512 * a / 255; }

// Transmission formulas; they differ from the Transmission page's.
double secondaryPulleySpeed(int a, int b, const U&) { return 256 * a + b; }
double pulleyRatio(int a, int, const U&) { return a / 100.0 + 0.2; }
double wholeVolts(int a, int, const U&) { return 20 * a / 255; }
double motorCurrent(int a, int, const U&) { return a / 2.55 - 50.2; }

// A row enabled by the capability digit at its position: a digit of 0 leaves it as it is.
constexpr int kAnyDigit = 0;
struct EngineRow {
    int position;
    int digit;  // the variant this formula belongs to; kAnyDigit for every non-zero digit
    NumberRow row;
};
struct EngineSwitch {
    int position;
    SwitchRow row;
};

// clang-format off
constexpr EngineRow kEngineRows[] = {
    {0, kAnyDigit, {EngineSpeed, 0, 17, 18, engineSpeed, F::Integer}},
    {1, kAnyDigit, {ThrottlePosition, 1, 19, 0, throttle, F::Integer}},
    {2, kAnyDigit, {SecondaryThrottleActuator, 2, 46, 0, percent, F::Integer}},
    {3, 1, {CoolantTemperature, 3, 21, 0, temperature, F::Integer}},
    {4, 1, {IntakeAirTemperature, 4, 22, 0, temperature, F::Integer}},
    {5, 1, {ManifoldPressure1, 5, 20, 0, pressure1, F::Integer}},
    {5, 4, {ManifoldPressure1, 5, 20, 0, pressure4, F::Integer}},
    {7, 1, {AtmosphericPressure, 7, 23, 0, pressure1, F::Integer}},
    {8, 1, {BatteryVoltage, 8, 24, 0, formula::volts20, F::Decimal4}},  // no 18 V limit here
    {9, 2, {VehicleSpeed, 9, 16, 0, formula::vehicleSpeed, F::Integer}},
    {11, kAnyDigit, {O2SensorBank1, 11, 25, 0, o2Sensor, F::Decimal5}},
    {13, kAnyDigit, {TargetIdleSpeed, 13, 28, 0, targetIdle, F::Integer}},
    {15, kAnyDigit, {IscValvePosition, 20, 29, 0, iscValve, F::Integer}},
};

constexpr EngineSwitch kEngineSwitches[] = {
    {19, {O2SensorSelectTerminal, 52, openGnd(53, 0x20)}},
    {23, {IgnitionSwitch, 53, normalAbnormal(52, 0x04)}},
    {25, {StarterSignal, 54, onOff(52, 0x20)}},
    {27, {TipOverSensor, 55, onOff(52, 0x08)}},
    {29, {PairSolenoidValve, 56, onOff(51, 0x01)}},
};

constexpr NumberRow kTransmissionRows[] = {
    {SecondaryPulleySpeed, 30, 18, 19, secondaryPulleySpeed, F::Integer},
    {PulleyPositionRatio, 31, 20, 0, pulleyRatio, F::Decimal4},
    {PulleySpeedRatio, 32, 21, 0, pulleyRatio, F::Decimal4},
    {RelayContactVoltage, 33, 23, 0, wholeVolts, F::Integer},
    {MotorTerminalVoltageA, 34, 24, 0, wholeVolts, F::Integer},
    {MotorTerminalVoltageB, 35, 25, 0, wholeVolts, F::Integer},
    {MotorCurrent, 36, 27, 0, motorCurrent, F::Decimal5},
};

// All On / Off.
constexpr SwitchRow kTransmissionSwitches[] = {
    {MotorLock, 51, onOff(46, 0x01)},
    {MotorShort, 38, onOff(46, 0x02)},
    {MotorDisconnection, 39, onOff(46, 0x04)},
    {RelayContactWelding, 40, onOff(46, 0x08)},
    {CenterStandSwitch, 41, onOff(51, 0x01)},
    {BrakeSwitch, 42, onOff(51, 0x02)},
    {PowerModeSwitch, 43, onOff(51, 0x04)},
    {ModeSelectSwitch, 44, onOff(51, 0x08)},
    {UpShiftSwitch, 45, onOff(51, 0x10)},
    {DownShiftSwitch, 46, onOff(51, 0x20)},
    {DriveMode, 47, onOff(52, 0x01)},
    {PowerMode, 48, onOff(52, 0x02)},
    {CvtShiftMode, 49, onOff(52, 0x08)},
    {SevenSpeedShiftMode, 50, onOff(52, 0x80)},
};
// clang-format on

constexpr std::uint8_t kGearByte = 31;
constexpr int kGearSlot = 37;

constexpr std::uint8_t kEngineData = 0x08;
constexpr std::uint8_t kTransmissionData = 0x09;

}  // namespace

CombinedPage::CombinedPage(vehicle::LiveValueSlots& liveValues,
                           const settings::LanguageTable& texts)
    : GridPageBase(kGrid, settings::TextGroup::CombinedPage, AutoMode, Zeroing::WithinTenth,
                   liveValues, texts) {}

bool CombinedPage::acceptsEngineReport(const link::Report& report) {
    return isLocalDataResponse(report, link::address::kEngineTransmission, kEngineData);
}

bool CombinedPage::acceptsTransmissionReport(const link::Report& report) {
    // Whatever the source address: the module answers this identifier from its own.
    return isLocalDataResponse(report, link::frameByte(report, 2), kTransmissionData);
}

bool CombinedPage::refresh(const link::Report& report, const PageInput& input,
                           const vehicle::HighlightStyle& style) {
    bool decoded = false;
    if (acceptsEngineReport(report)) decoded = refreshEngineRows(report, input, style);
    if (acceptsTransmissionReport(report)) {
        showNumbers(kTransmissionRows, report, input.units, style);
        showGear(GearPosition, kGearSlot, link::frameByte(report, kGearByte), style);
        showSwitches(kTransmissionSwitches, report, style);
        decoded = true;
    }
    return decoded;
}

bool CombinedPage::refreshEngineRows(const link::Report& report, const PageInput& input,
                                     const vehicle::HighlightStyle& style) {
    const vehicle::EcmModelEntry* model =
        vehicle::findModel(vehicle::ModelList::EngineTransmission, input.ecmCode);
    if (model == nullptr) return false;
    const auto digitAt = [model](int position) {
        return vehicle::digit(*model, static_cast<std::size_t>(position));
    };
    for (const EngineRow& row : kEngineRows) {
        const int digit = digitAt(row.position);
        if (digit == 0 || (row.digit != kAnyDigit && row.digit != digit)) continue;
        showNumber(row.row, report, input.units, style);
    }
    for (const EngineSwitch& row : kEngineSwitches) {
        if (digitAt(row.position) != 0) showSwitch(row.row, report, style);
    }
    return true;
}

}  // namespace quilldar::pages
