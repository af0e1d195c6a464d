#include "vehicle/live_value_slots.h"

#include "vehicle/vehicle_texts.h"

namespace quilldar::vehicle {

Colour LiveValueSlots::updateHighlight(std::size_t slot, double value,
                                       const HighlightStyle& style) {
    Slot& s = slots_[slot];
    if (s.latest != value) {
        s.highlightTicks = style.periodSeconds * 10;
    } else if (s.highlightTicks > 0) {
        --s.highlightTicks;
    }
    if (style.nearEnd) return kWhite;
    return s.highlightTicks > 0 ? style.colour : kWhite;
}

Colour LiveValueSlots::updateSwitchHighlight(std::size_t slot, int stateIndex,
                                             const HighlightStyle& style) {
    return updateHighlight(slot, switchStateBit(stateIndex), style);
}

void LiveValueSlots::resetHighlights(int periodSeconds) {
    for (Slot& s : slots_) s.highlightTicks = periodSeconds * 10;
}

double switchStateBit(int stateIndex) {
    switch (stateIndex) {
        case engine_text::kOpen:
        case engine_text::kNormal:
        case engine_text::kOn:
            return 1.0;
        default:
            return 0.0;
    }
}

}  // namespace quilldar::vehicle
