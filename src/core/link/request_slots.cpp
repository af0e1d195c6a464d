#include "link/request_slots.h"

#include <array>

namespace quilldar::link {

namespace {

std::vector<std::uint8_t> range(std::uint8_t first, std::uint8_t last) {
    std::vector<std::uint8_t> slotNumbers;
    for (int s = first; s <= last; ++s) slotNumbers.push_back(static_cast<std::uint8_t>(s));
    return slotNumbers;
}

const std::array<UnitSetup, 5>& setups() {
    static const std::array<UnitSetup, 5> kSetups = [] {
        std::vector<std::uint8_t> engineSlots = range(1, 17);
        engineSlots.insert(engineSlots.end(), {21, 22, 23});
        return std::array<UnitSetup, 5>{{
            {ControlUnit::Engine, address::kEngine, 0, engineSlots, 0, 0x91, 0x9A, {slot::kLiveData}},
            {ControlUnit::Transmission, address::kTransmission, 5, range(1, 5), 8, 0x91, 0x9A,
             {slot::kLiveData}},
            {ControlUnit::EngineTransmission, address::kEngineTransmission, 0, range(1, 18), 21, 0x91,
             0x9A, {slot::kLiveData, slot::kSecondLiveData}},
            {ControlUnit::Abs, address::kAbs, 0, range(1, 6), 9, 0x91, 0x9A, {slot::kLiveData, 6}},
            {ControlUnit::Eps, address::kEps, 0, range(1, 5), 8, 0x8A, 0x8E, {slot::kLiveData}},
        }};
    }();
    return kSetups;
}

// The fault-time blocks of engine and combined units: local identifiers 0x40-0x45 for the first
// stored fault (slots 6-11) and 0x50-0x55 for the second (slots 12-17).
std::uint8_t faultTimeIdentifier(int slotNumber) {
    return slotNumber <= 11 ? static_cast<std::uint8_t>(0x40 + slotNumber - 6)
                            : static_cast<std::uint8_t>(0x50 + slotNumber - 12);
}

}  // namespace

const UnitSetup& unitSetup(ControlUnit unit) {
    const auto index = static_cast<std::size_t>(unit) - 1;
    return setups()[index < setups().size() ? index : 0];
}

Frame requestSlot(ControlUnit unit, int slotNumber) {
    if (unit == ControlUnit::None) return {};
    const UnitSetup& setup = unitSetup(unit);
    const std::uint8_t t = setup.target;
    const bool engineLike = unit == ControlUnit::Engine || unit == ControlUnit::EngineTransmission;
    switch (slotNumber) {
        case 1: return buildRequest(t, {0x1A, setup.partNumberOption});
        case 2: return buildRequest(t, {0x1A, setup.codeOption});
        case 3: return buildRequest(t, {0x21, 0x08});
        case 4: {
            // Clear: all groups, or the unit's own group for ABS and EPS.
            const std::uint8_t group = unit == ControlUnit::Abs ? 0x40 : unit == ControlUnit::Eps ? 0xFF : 0x00;
            return buildRequest(t, {0x14, group, 0x00});
        }
        case 5: {
            const std::uint8_t group = unit == ControlUnit::Abs ? 0x40 : unit == ControlUnit::Eps ? 0xFF : 0x00;
            return buildRequest(t, {0x18, 0x00, group, 0x00});
        }
        case 6:
            if (unit == ControlUnit::Abs) return buildRequest(t, {0x21, 0x00});
            [[fallthrough]];
        case 7: case 8: case 9: case 10: case 11: case 12: case 13: case 14: case 15: case 16:
        case 17:
            if (!engineLike) return {};
            return buildRequest(t, {0x21, faultTimeIdentifier(slotNumber)});
        case 18:
            if (unit != ControlUnit::EngineTransmission) return {};
            return buildRequest(t, {0x21, 0x09});
        case 21:
            return unit == ControlUnit::Engine ? buildRequest(t, {0x1A, 0x8E}) : Frame{};
        case 22:
            return unit == ControlUnit::Engine ? buildRequest(t, {0x1A, 0x8A}) : Frame{};
        case 23:
            return unit == ControlUnit::Engine ? buildRequest(t, {0x21, 0x00}) : Frame{};
        default:
            return {};
    }
}

}  // namespace quilldar::link
