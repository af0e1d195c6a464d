#include "pages/eps_page.h"

#include <array>

#include "link/kwp_frame.h"

namespace quilldar::pages {

namespace {

using enum settings::EpsText;
using U = vehicle::UnitSettings;
using F = NumberFormat;

// clang-format off
constexpr ColumnEntry kColumn1[] = {
    {BatteryVoltage, unit("V")},
    {TorqueSensorSupply, unit("V")},
    {TorqueMain, unit("Nm")},
    {TorqueSub, unit("Nm")},
    {ControlTorque, unit("Nm")},
};
constexpr ColumnEntry kColumn2[] = {
    {MotorCurrentTarget, unit("A")},
    {MotorCurrentDetection, unit("A")},
    {VehicleSpeed, kSpeedUnit},
    {EngineSpeed, unit("rpm")},
    {MotorTerminalVoltage, unit("V")},
};
constexpr ColumnEntry kColumn3[] = {IgnitionSwitch, SystemPower, RelayOutput};
// clang-format on
constexpr GridColumns kGrid = {kColumn1, kColumn2, kColumn3};
static_assert(cellCount(kGrid) == EpsPage::kRowCount);

double battery(int a, int, const U&) { return 30.0 * a / 255.0; }
double motorCurrent(int a, int, const U&) { return 38.25 * a / 255.0; }
double sensorSupply(int a, int, const U&) { return 6.2 * a / 255.0; }
double steeringTorque(int a, int, const U&) { return 275.0 * a / 255.0 - 138.0; }
double controlTorque(int a, int, const U&) { return 91.6 * a / 255.0 - 46.0; }
double motorVoltage(int a, int, const U&) { return 30.0 * a / 255.0 - 5.0; }
// 5.1·A / 2.55, that is 2·A: computed in integers, because the decimal factors come out a hair
// below 2·A for 21 of the 256 bytes, which the truncating display would show one step too low.
double engineSpeed(int a, int, const U&) { return 2 * a; }

// clang-format off
constexpr NumberRow kNumberRows[] = {
    {BatteryVoltage, 30, 13, 0, battery, F::Decimal4},
    {MotorCurrentTarget, 31, 18, 0, motorCurrent, F::Decimal4},
    {MotorCurrentDetection, 32, 19, 0, motorCurrent, F::Decimal4},
    {TorqueSensorSupply, 33, 14, 0, sensorSupply, F::Decimal4},
    {TorqueMain, 34, 15, 0, steeringTorque, F::Decimal4},
    {TorqueSub, 35, 16, 0, steeringTorque, F::Decimal4},
    {ControlTorque, 36, 17, 0, controlTorque, F::Decimal4},
    {MotorTerminalVoltage, 37, 23, 0, motorVoltage, F::Decimal4},
    {VehicleSpeed, 38, 20, 0, formula::vehicleSpeed, F::Integer},
    {EngineSpeed, 39, 22, 0, engineSpeed, F::Integer},
};

constexpr SwitchRow kSwitchRows[] = {
    {IgnitionSwitch, 40, onOff(24, 0x01)},
    {SystemPower, 41, onOff(24, 0x02)},
    {RelayOutput, 42, onOff(24, 0x10)},
};
// clang-format on

constexpr std::uint8_t kLiveData = 0x08;

}  // namespace

EpsPage::EpsPage(vehicle::LiveValueSlots& liveValues, const settings::LanguageTable& texts)
    : GridPageBase(kGrid, settings::TextGroup::EpsPage, std::nullopt, Zeroing::None, liveValues,
                   texts) {}

bool EpsPage::acceptsReport(const link::Report& report, std::string_view ecmCode) {
    return isLocalDataResponse(report, link::address::kEps, kLiveData) && ecmCode == kModel;
}

bool EpsPage::refresh(const link::Report& report, const PageInput& input,
                      const vehicle::HighlightStyle& style) {
    if (!acceptsReport(report, input.ecmCode)) return false;
    showNumbers(kNumberRows, report, input.units, style);
    showSwitches(kSwitchRows, report, style);
    return true;
}

}  // namespace quilldar::pages
