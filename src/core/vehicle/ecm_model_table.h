#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace quilldar::vehicle {

// One digit per engine data channel: 0 the ECM does not deliver the channel, n > 0 the channel is
// shown and converted with formula variant n.
inline constexpr std::size_t kCapabilityCount = 34;
inline constexpr std::size_t kEcmCodeLength = 4;

struct EcmModelEntry {
    std::string_view code;          // four characters, e.g. "13G0"
    std::string_view capabilities;  // kCapabilityCount digits '0'..'5'
};

// The four model lists. Each page looks its ECM up in its own list; the lists share most
// entries but not all (see the .cpp).
enum class ModelList {
    Engine,               // the Engine page
    ActiveTests,          // the Active tests page
    ShowDataWhenTrouble,  // the Show data when trouble page
    EngineTransmission,   // the combined engine and transmission module
};

// The entries of a list in the program's order.
std::span<const EcmModelEntry> modelList(ModelList list);

// The entry whose code equals ecmCode exactly (case-sensitive, all four characters), or nullptr.
// Fast enough to be called on every page refresh; nothing is cached, so a new code takes effect
// at once.
const EcmModelEntry* findModel(ModelList list, std::string_view ecmCode);

// The capability digit at a position (0..9); 0 for a position outside the string.
inline int digit(const EcmModelEntry& entry, std::size_t position) {
    if (position >= entry.capabilities.size()) return 0;
    const int value = entry.capabilities[position] - '0';
    return value >= 0 && value <= 9 ? value : 0;
}

}  // namespace quilldar::vehicle
