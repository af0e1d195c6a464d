#include "pages/graph_channels.h"

#include <algorithm>
#include <span>

#include "link/kwp_frame.h"
#include "pages/engine_page_model.h"
#include "pages/page_texts.h"

namespace quilldar::pages {

namespace {

using settings::TextGroup;
using enum ValueStyle;

constexpr int kEngineChannels = 23;

// The engine's channels with decimals; the others are whole numbers.
constexpr int kDecimalEngineChannels[] = {1, 8, 11, 12, 14, 15, 16, 17, 18};

constexpr std::array<GraphChannel, kEngineChannels> kEngine = [] {
    std::array<GraphChannel, kEngineChannels> channels{};
    for (int n = 0; n < kEngineChannels; ++n) {
        const bool decimal = std::ranges::find(kDecimalEngineChannels, n) != std::end(kDecimalEngineChannels);
        channels[static_cast<std::size_t>(n)] = {n, static_cast<std::size_t>(n), TextGroup::EnginePage, n,
                                                 kNoUnit, decimal ? Decimal : Whole, {}};
    }
    return channels;
}();

template <typename Slot>
constexpr GraphChannel abs(int offset, std::size_t slot, Slot label, CellUnit unit, ValueStyle style,
                           std::string_view model = {}) {
    return {kAbsFirstChannel + offset, slot, TextGroup::AbsPage, static_cast<int>(label), unit, style, model};
}
template <typename Slot>
constexpr GraphChannel eps(int offset, std::size_t slot, Slot label, CellUnit unit, ValueStyle style) {
    return {kEpsFirstChannel + offset, slot, TextGroup::EpsPage, static_cast<int>(label), unit, style, {}};
}

// The ABS module's rows in the order of its two answers: the wheel speed block, then the status
// block; the 10G0's and the 27G0's own rows last.
// clang-format off
constexpr GraphChannel kAbs[] = {
    abs(0, 31, settings::AbsText::WheelSpeedFront, kSpeedUnit, Whole),
    abs(1, 32, settings::AbsText::WheelSpeedRear, kSpeedUnit, Whole),
    abs(2, 33, settings::AbsText::MonitoringVoltage, unit("V"), Decimal),
    abs(3, 34, settings::AbsText::InletValveFrontFault, kNoUnit, Switch),
    abs(4, 35, settings::AbsText::OutletValveFrontFault, kNoUnit, Switch),
    abs(5, 36, settings::AbsText::InletValveRearFault, kNoUnit, Switch),
    abs(6, 37, settings::AbsText::OutletValveRearFault, kNoUnit, Switch),
    abs(7, 38, settings::AbsText::ValveRelayLock, kNoUnit, Switch),
    abs(8, 39, settings::AbsText::Motor, kNoUnit, Switch),
    abs(9, 40, settings::AbsText::MotorRelayLockOff, kNoUnit, Switch),
    abs(10, 41, settings::AbsText::MotorRelayLockOn, kNoUnit, Switch),
    abs(11, 51, settings::AbsText::BrakeSwitch, kNoUnit, Switch, "10G0"),
    abs(12, 42, settings::AbsText::ServiceCheckSignal, kNoUnit, Switch, "10G0"),
    abs(13, 43, settings::AbsText::ValveRelayOperate, kNoUnit, Switch, "27G0"),
    abs(14, 44, settings::AbsText::InletValveFrontOperate, kNoUnit, Switch, "27G0"),
    abs(15, 45, settings::AbsText::OutletValveFrontOperate, kNoUnit, Switch, "27G0"),
    abs(16, 46, settings::AbsText::InletValveRearOperate, kNoUnit, Switch, "27G0"),
    abs(17, 47, settings::AbsText::OutletValveRearOperate, kNoUnit, Switch, "27G0"),
    abs(18, 48, settings::AbsText::ServiceCheckSignal, kNoUnit, Switch, "27G0"),
    abs(19, 49, settings::AbsText::MotorOperate, kNoUnit, Switch, "27G0"),
};
constexpr GraphChannel kEps[] = {
    eps(0, 30, settings::EpsText::BatteryVoltage, unit("V"), Decimal),
    eps(1, 31, settings::EpsText::MotorCurrentTarget, unit("A"), Decimal),
    eps(2, 32, settings::EpsText::MotorCurrentDetection, unit("A"), Decimal),
    eps(3, 33, settings::EpsText::TorqueSensorSupply, unit("V"), Decimal),
    eps(4, 34, settings::EpsText::TorqueMain, unit("Nm"), Decimal),
    eps(5, 35, settings::EpsText::TorqueSub, unit("Nm"), Decimal),
    eps(6, 36, settings::EpsText::ControlTorque, unit("Nm"), Decimal),
    eps(7, 37, settings::EpsText::MotorTerminalVoltage, unit("V"), Decimal),
    eps(8, 38, settings::EpsText::VehicleSpeed, kSpeedUnit, Whole),
    eps(9, 39, settings::EpsText::EngineSpeed, unit("rpm"), Whole),
    eps(10, 40, settings::EpsText::IgnitionSwitch, kNoUnit, Switch),
    eps(11, 41, settings::EpsText::SystemPower, kNoUnit, Switch),
    eps(12, 42, settings::EpsText::RelayOutput, kNoUnit, Switch),
};
// clang-format on
static_assert(kAbsFirstChannel + std::size(kAbs) == kEpsFirstChannel);
static_assert(kEpsFirstChannel + std::size(kEps) == kGraphChannelCount);

std::span<const GraphChannel> familyChannels(ChannelFamily family) {
    switch (family) {
        case ChannelFamily::Abs: return kAbs;
        case ChannelFamily::Eps: return kEps;
        case ChannelFamily::Engine: break;
    }
    return kEngine;
}

}  // namespace

ChannelFamily familyOfUnit(std::uint16_t systemKind) {
    if (systemKind == 4) return ChannelFamily::Abs;
    if (systemKind == 5) return ChannelFamily::Eps;
    return ChannelFamily::Engine;
}

ChannelFamily familyOfAddress(std::uint8_t unitAddress) {
    if (unitAddress == link::address::kAbs) return ChannelFamily::Abs;
    if (unitAddress == link::address::kEps) return ChannelFamily::Eps;
    return ChannelFamily::Engine;
}

const GraphChannel* findGraphChannel(int number) {
    if (number < 0 || number >= kGraphChannelCount) return nullptr;
    if (number < kAbsFirstChannel) return &kEngine[static_cast<std::size_t>(number)];
    if (number < kEpsFirstChannel) return &kAbs[number - kAbsFirstChannel];
    return &kEps[number - kEpsFirstChannel];
}

std::vector<const GraphChannel*> offeredChannels(ChannelFamily family, std::string_view ecmCode) {
    std::vector<const GraphChannel*> offered;
    for (const GraphChannel& channel : familyChannels(family)) {
        if (channel.model.empty() || channel.model == ecmCode) offered.push_back(&channel);
    }
    return offered;
}

ChannelSelection defaultChannels(ChannelFamily family, std::string_view ecmCode) {
    const std::vector<const GraphChannel*> offered = offeredChannels(family, ecmCode);
    ChannelSelection channels{};
    for (std::size_t chart = 0; chart < channels.size(); ++chart)
        channels[chart] = offered[std::min(chart, offered.size() - 1)]->number;
    return channels;
}

ChannelSelection channelsFor(const ChannelSelection& stored, ChannelFamily family, std::string_view ecmCode) {
    const std::vector<const GraphChannel*> offered = offeredChannels(family, ecmCode);
    ChannelSelection channels = defaultChannels(family, ecmCode);
    for (std::size_t chart = 0; chart < channels.size(); ++chart) {
        const bool isOffered = std::ranges::any_of(
            offered, [&](const GraphChannel* channel) { return channel->number == stored[chart]; });
        if (isOffered) channels[chart] = stored[chart];
    }
    return channels;
}

bool isValidChannelSelection(const ChannelSelection& channels) {
    return std::ranges::all_of(channels, [](int channel) { return findGraphChannel(channel) != nullptr; });
}

vehicle::SlotMask slotsOf(const ChannelSelection& channels) {
    vehicle::SlotMask wanted;
    for (const int number : channels)
        if (const GraphChannel* channel = findGraphChannel(number)) wanted.set(channel->slot);
    return wanted;
}

QString channelName(const settings::LanguageTable& texts, int number) {
    const GraphChannel* channel = findGraphChannel(number);
    return channel != nullptr ? texts.text(channel->labelGroup, channel->label) : QString();
}

QString channelUnit(const settings::LanguageTable& texts, int number) {
    const GraphChannel* channel = findGraphChannel(number);
    if (channel == nullptr) return {};
    const CellUnit unit = channel->labelGroup == settings::TextGroup::EnginePage ? engineRowUnit(number) : channel->unit;
    return unitLabel(unit, unitTexts(texts), engineTexts(texts)[vehicle::engine_text::kSteps]);
}

}  // namespace quilldar::pages
