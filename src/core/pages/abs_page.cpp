#include "pages/abs_page.h"

#include <array>
#include <span>
#include <string_view>

#include "link/kwp_frame.h"

namespace quilldar::pages {

namespace {

using enum settings::AbsText;
using F = NumberFormat;

// The rows of valves and motor at work stand together in all three columns, below a gap.
// clang-format off
constexpr ColumnEntry kColumn1[] = {
    {WheelSpeedFront, kSpeedUnit},
    {WheelSpeedRear, kSpeedUnit},
    {MonitoringVoltage, unit("V")},
    ServiceCheckSignal,
    BrakeSwitch,
    kGap,
    MotorOperate,
    ValveRelayOperate,
};
constexpr ColumnEntry kColumn2[] = {
    ValveRelayLock, Motor, MotorRelayLockOff, MotorRelayLockOn, kGap, kGap,
    InletValveFrontOperate, OutletValveFrontOperate,
};
constexpr ColumnEntry kColumn3[] = {
    InletValveFrontFault, OutletValveFrontFault, InletValveRearFault, OutletValveRearFault, kGap,
    kGap, InletValveRearOperate, OutletValveRearOperate,
};
// clang-format on
constexpr GridColumns kGrid = {kColumn1, kColumn2, kColumn3};
static_assert(cellCount(kGrid) == AbsPage::kRowCount);

constexpr std::uint8_t kWheelBlock = 0x00;
constexpr std::uint8_t kStatusBlock = 0x08;

// The wheel speed block of every model. The monitoring voltage is written to the millivolt and
// never zeroed: a near-dead supply reads 7.8431e-002, not 0.
// clang-format off
constexpr NumberRow kWheelRows[] = {
    {WheelSpeedFront, 31, 13, 0, formula::vehicleSpeed, F::Integer},
    {WheelSpeedRear, 32, 14, 0, formula::vehicleSpeed, F::Integer},
    {MonitoringVoltage, 33, 18, 0, formula::volts20, F::FiveSignificant},
};

// Fault flags of every model: a set bit reports the fault, the reverse of the engine's
// Normal / Abnormal switch.
constexpr SwitchRow kFaultRows[] = {
    {InletValveFrontFault, 34, abnormalNormal(13, 0x01)},
    {OutletValveFrontFault, 35, abnormalNormal(13, 0x02)},
    {InletValveRearFault, 36, abnormalNormal(13, 0x04)},
    {OutletValveRearFault, 37, abnormalNormal(13, 0x08)},
    {ValveRelayLock, 38, abnormalNormal(13, 0x10)},
    {Motor, 39, abnormalNormal(14, 0x01)},
    {MotorRelayLockOff, 40, abnormalNormal(14, 0x02)},
    {MotorRelayLockOn, 41, abnormalNormal(14, 0x04)},
};

constexpr SwitchRow k10G0WheelBlock[] = {
    {BrakeSwitch, 51, onOff(21, 0x01)},
};
constexpr SwitchRow k10G0StatusBlock[] = {
    {ServiceCheckSignal, 42, onOff(21, 0x01)},
};
constexpr SwitchRow k27G0StatusBlock[] = {
    {ValveRelayOperate, 43, onOff(19, 0x80)},
    {InletValveFrontOperate, 44, onOff(20, 0x04)},
    {OutletValveFrontOperate, 45, onOff(20, 0x08)},
    {InletValveRearOperate, 46, onOff(20, 0x40)},
    {OutletValveRearOperate, 47, onOff(20, 0x80)},
    {ServiceCheckSignal, 48, onOff(21, 0x08)},
    {MotorOperate, 49, onOff(21, 0x40)},
};
// clang-format on

// The rows only some models deliver; other models leave their cells at the placeholder.
struct ModelRows {
    std::string_view model;
    std::uint8_t block;
    std::span<const SwitchRow> rows;
};
constexpr ModelRows kModelRows[] = {
    {"10G0", kWheelBlock, k10G0WheelBlock},
    {"10G0", kStatusBlock, k10G0StatusBlock},
    {"27G0", kStatusBlock, k27G0StatusBlock},
};

}  // namespace

AbsPage::AbsPage(vehicle::LiveValueSlots& liveValues, const settings::LanguageTable& texts)
    : GridPageBase(kGrid, settings::TextGroup::AbsPage, std::nullopt, Zeroing::None, liveValues,
                   texts) {}

int AbsPage::acceptedBlock(const link::Report& report) {
    for (const std::uint8_t block : {kWheelBlock, kStatusBlock}) {
        if (isLocalDataResponse(report, link::address::kAbs, block)) return block;
    }
    return -1;
}

bool AbsPage::refresh(const link::Report& report, const PageInput& input,
                      const vehicle::HighlightStyle& style) {
    const int block = acceptedBlock(report);
    if (block < 0) return false;
    if (block == kWheelBlock) {
        showNumbers(kWheelRows, report, input.units, style);
    } else {
        showSwitches(kFaultRows, report, style);
    }
    for (const ModelRows& model : kModelRows) {
        if (model.block == block && model.model == input.ecmCode)
            showSwitches(model.rows, report, style);
    }
    return true;
}

}  // namespace quilldar::pages
