#pragma once

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "pages/page_cells.h"
#include "settings/language_table.h"
#include "vehicle/live_value_slots.h"

namespace quilldar::pages {

// The four channels of the graph's charts, in chart order.
using ChannelSelection = std::array<int, 4>;

// Whose live data a graph or an export shows: the engine's channel table (engine, transmission
// and Engine & Transmission units), the ABS module's or the EPS module's.
enum class ChannelFamily { Engine, Abs, Eps };

// Channel numbers: 0 to 22 are the engine and transmission slots, the ABS module's channels
// follow them, then the EPS module's.
inline constexpr int kAbsFirstChannel = 23;
inline constexpr int kEpsFirstChannel = 43;
inline constexpr int kGraphChannelCount = 56;

// How a channel's numbers read: whole (engine speed), with decimals (voltages), or a switch (0/1).
enum class ValueStyle { Whole, Decimal, Switch };

struct GraphChannel {
    int number;
    std::size_t slot;  // where the page that decodes it keeps its latest value
    settings::TextGroup labelGroup;
    int label;  // the row label in that group
    CellUnit unit;
    ValueStyle style;
    std::string_view model;  // the only model that delivers it; empty: every model of the unit
};

ChannelFamily familyOfUnit(std::uint16_t systemKind);
// The family of a recording by the address of the unit that answered its identification.
ChannelFamily familyOfAddress(std::uint8_t unitAddress);

// Null for a number that names no channel.
const GraphChannel* findGraphChannel(int number);
// The channels a unit's graph and export offer, in list order (a model's own rows only for it).
std::vector<const GraphChannel*> offeredChannels(ChannelFamily family, std::string_view ecmCode);
// The unit's first four channels.
ChannelSelection defaultChannels(ChannelFamily family, std::string_view ecmCode);
// The stored choice where the unit offers it, else the default's channel for that chart.
ChannelSelection channelsFor(const ChannelSelection& stored, ChannelFamily family, std::string_view ecmCode);
// Every number names a channel.
bool isValidChannelSelection(const ChannelSelection& channels);
// The value slots of the channels (the ones a decoder for them needs to fill).
vehicle::SlotMask slotsOf(const ChannelSelection& channels);

QString channelName(const settings::LanguageTable& texts, int number);
// The channel's unit in the user's units ("rpm", "km/h", "°C"); empty for none.
QString channelUnit(const settings::LanguageTable& texts, int number);

}  // namespace quilldar::pages
