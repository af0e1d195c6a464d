#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>

#include "vehicle/unit_settings.h"

namespace quilldar::vehicle {

// How the pages colour a value cell on this refresh.
struct HighlightStyle {
    int periodSeconds = 5;  // a changed value stays highlighted for period × 10 refresh ticks
    Colour colour = kYellow;
    bool nearEnd = false;  // playback within its last records: never highlight, counters still run
};

// The latest value of every live-data channel and how long it stays highlighted, shared by all
// data pages. Slots 0..22 are the channel value table that the graph view and the CSV export
// read by channel number.
class LiveValueSlots {
public:
    static constexpr std::size_t kSlotCount = 100;
    static constexpr std::size_t kChannelSlots = 23;

    struct Slot {
        double latest = 0.0;  // last value shown; 1.0 / 0.0 for switch channels
        std::int32_t highlightTicks = 0;
        std::uint32_t readings = 0;  // how often a page stored a reading here (wraps)
    };

    double latest(std::size_t slot) const { return slots_[slot].latest; }
    // A page stores the reading it shows.
    void setLatest(std::size_t slot, double value) {
        slots_[slot].latest = value;
        ++slots_[slot].readings;
    }
    // The stored value rewritten in another form (the graph's truncation); not a new reading.
    void rewriteLatest(std::size_t slot, double value) { slots_[slot].latest = value; }
    // Counts the readings stored in a slot: a reader that notes it can tell whether a report it
    // decoded carried this slot's value, or whether the slot ever held a reading at all.
    std::uint32_t readings(std::size_t slot) const { return slots_[slot].readings; }
    std::int32_t highlightTicks(std::size_t slot) const { return slots_[slot].highlightTicks; }
    const Slot& operator[](std::size_t slot) const { return slots_[slot]; }

    // Restarts the highlight of a slot whose value differs from latest (exact comparison), else
    // counts it down; returns the cell's background. Does not store the value.
    Colour updateHighlight(std::size_t slot, double value, const HighlightStyle& style);
    // The same for a switch channel: the state bit (1 for "Open", "Normal", "On") is compared.
    Colour updateSwitchHighlight(std::size_t slot, int stateIndex, const HighlightStyle& style);
    // Every slot highlighted for one full period, so that a page shows all its values highlighted
    // after it was reset.
    void resetHighlights(int periodSeconds);

private:
    std::array<Slot, kSlotCount> slots_{};
};

// A set of slots: the ones a reader of the values wants filled.
using SlotMask = std::bitset<LiveValueSlots::kSlotCount>;

// 1.0 for the state words "Open", "Normal" and "On", 0.0 for "GND", "Abnormal" and "Off".
double switchStateBit(int stateIndex);

}  // namespace quilldar::vehicle
