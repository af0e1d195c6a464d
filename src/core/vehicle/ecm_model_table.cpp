#include "vehicle/ecm_model_table.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace quilldar::vehicle {

namespace {

// Engine ECMs, one row per model code, in the program's list order.
// clang-format off
constexpr EcmModelEntry kEngineModels[] = {
    {"13G0", "2102220010010100010110011001000000"},
    {"12F0", "2102220010010100010110011001000000"},
    {"16H0", "2102220010010100010110010001001100"},
    {"18H2", "1111112010010102100110010011110000"},
    {"18H0", "1111112010010102100110011101110000"},
    {"18H3", "1111112010010102100110011101110000"},
    {"21H2", "1111110111110112101111111111110000"},
    {"21H0", "1111110111110112101111111101110000"},
    {"21HR", "1111110111110112101111111101110011"},
    {"15H2", "1111110110010102100111111111110000"},
    {"15H0", "1111110110010102100111111101110000"},
    {"23H2", "1111110110110102101111111111110000"},
    {"23H0", "1111110110110102101111111101110000"},
    {"37H2", "1111110111110112101111111111110000"},
    {"37H0", "1111110111110112101111111101110000"},
    {"37HR", "1111110111000112101011101101110011"},
    {"14G0", "4202230012000000000000010000010000"},
    {"17G0", "2112220010000000100000011001010000"},
    {"27G0", "2112220010010000100100011001010000"},
    {"41F0", "2112222010010000100110011101010000"},
    {"41F1", "2112222010000000100010011101010000"},
    {"10F0", "2112222010010000100110011101010000"},
    {"10F1", "2112222010000000100010011101010000"},
    {"06G4", "2112220210010000100110011101010000"},
    {"06G5", "2112220210000000100010011101000000"},
    {"42F4", "2112220210000000100010011101000000"},
    {"27GA", "2112222010010101100110011101010000"},
    {"27GC", "2112222010000101100010011101010000"},
    {"44H2", "2112222010010100100110011111100000"},
    {"44H0", "2112222010010100100110011101100000"},
    {"31G0", "3101110010000201200020020100000000"},
    {"45G0", "4202230010000000000000000201000000"},
    {"10G0", "1101130012010000000000010101010000"},
    {"10G1", "1101130012000000000000010101010000"},
    {"16G0", "1111130010010000100110011101010000"},
    {"16G1", "1111130010000000100010011101010000"},
    {"18G0", "1111130310100000101010011101000000"},
    {"29G0", "1111130310000000100010011101010000"},
    {"16GD", "1111133010010000100110011101010000"},
    {"16GE", "1111133010000000100010011101010000"},
    {"41G0", "1111130310100000101010011101110000"},
    {"41GR", "1111130310100000101010001101110011"},
    {"44G0", "1111130310010000100110011101110000"},
    {"01H0", "1111130310110000101110011101110000"},
    {"01H1", "1111130310100000101010011101110000"},
    {"01HR", "1111130310100000101010001101110011"},
    {"48G0", "1111133010111101101110011101110000"},
    {"48G1", "1111133010100101101010011101110000"},
    {"28H0", "4202240010000000000000000001000000"},
    {"33H0", "4202240010000000000000000001000000"},
    {"26G0", "3113140010010000000110010101010000"},
    {"26G1", "3113140010010000000110011101010000"},
    {"41FC", "2112222010011102100110011111010000"},
    {"41FA", "2112222010011102100110011101010000"},
    {"41FB", "2112222010000102100010011101010000"},
    {"40H2", "2112222010010102100110011111110000"},
    {"40H0", "2112222010010102100110011101110000"},
    {"40H1", "2112222010000102100010011101110000"},
    {"44F0", "2112222010010102200110011101010000"},
    {"28H4", "4202240010000000000000000001000000"},
    {"28HA", "4202240010000000000000000001000000"},
    {"12H0", "1111130310000000100010011101110000"},
    {"22H2", "1111133010111101101110011111110000"},
    {"22H0", "1111133010111101101110011101110000"},
    {"48G5", "1111133010100101101010011101110000"},
    {"05H0", "4212240012010104000200010001000000"},
    {"05H3", "4212240012010104000200010001000000"},
    {"39H0", "4212240012010104000200010001000000"},
    {"11H0", "3101120010000000200020020000000000"},
    {"31H0", "3101120010000201200020020000000000"},
    {"03H0", "3101010010010201000000020100000000"},
    {"12HA", "1111110110010102100110001101110000"},
    {"47H2", "1111110111110112101111111111110000"},
    {"47H0", "1111110111110112101111111101110000"},
    {"47HR", "1111110111100012101011101101110011"},
    {"13G1", "2102220010010101000110011001000000"},
    {"20H0", "3101150010010201000000020100000000"},
    {"44GA", "1111130010010000100000011101110000"},
    {"15G0", "4202230012010000000200010000010000"},
    {"27H0", "3103340010000000000010010000100000"},
    {"08J0", "1111110111110102101111111101110000"},
    {"27HA", "3102140010100000000010020101110000"},
    {"31J0", "1111111010111100100010011101100000"},
    {"31J2", "1111111010111100100010011111100000"},
    {"48H0", "1101111010010102100110011111110000"},
    {"48H2", "1101111010010102100110011101110000"},
    {"12J0", "3101010012010201000000020101100000"},
    {"12J2", "3101010012010201000000020111100000"},
    {"40H7", "2112222010001100000110011111110000"},
    {"40H5", "2112222010001100000110011101110000"},
    {"42J0", "2102220010010100010000010100000000"},
    {"40J2", "3103020010010202000000000100000000"},
    {"31HA", "3101120011000201000010020101110000"},
    {"04K0", "1111112011110102100010011101110000"},
    {"04K1", "1111112011110102100010011111110000"},
    {"20K0", "2102220011010102100110010011110000"},
    {"20K2", "2102220011010102100110010011110000"},
    {"21K2", "1111110111110112101111111111110000"},
    {"13K0", "1111112011110102100010010000000000"},
    {"31JA", "1111112011110102100010010000000000"},
    {"17K9", "1111112011110102100010010000000000"},
    {"38K3", "1111112011110102100010010000000000"},
    {"28K0", "1111112011110102100010010000000000"},
    {"34K0", "2102220011010002100110010011110000"},
    {"12J8", "1101010012010100010110010000000000"},
};
// clang-format on

// Combined engine-and-transmission modules (answering from address 0x01). The first six also
// close the Active tests and the Show data when trouble lists; 26J0 belongs to the combined page
// only.
// clang-format off
constexpr EcmModelEntry kTransmissionModuleModels[] = {
    {"10GA", "1101110112010000000000010101010000"},
    {"10GB", "1101110112010000000000010101010000"},
    {"10GG", "1101110112010102000100010101010000"},
    {"10GK", "1101110112010102000100010101010000"},
    {"06H1", "1111140012010102000100010101010000"},
    {"06H4", "1111140012010102000100010101010000"},
    {"26J0", "1111140012010102000100010101010000"},
};
// clang-format on
constexpr std::size_t kSharedTransmissionModels = 6;

// Engine ECMs for which the Show data when trouble page shows no engine values.
constexpr std::string_view kWithoutTroubleData[] = {"20K0", "21K2", "31JA", "17K9",
                                                    "38K3", "28K0", "34K0", "12J8"};

// On the Show data when trouble page 13K0 reads its freeze frames with the layout of 20K0.
constexpr EcmModelEntry kTroubleDataOverride{"13K0", "2102220011010102100110010011110000"};

std::uint32_t packCode(std::string_view code) {
    std::uint32_t key = 0;
    for (const char c : code) key = (key << 8) | static_cast<unsigned char>(c);
    return key;
}

struct PackedList {
    std::vector<EcmModelEntry> entries;
    std::vector<std::uint32_t> keys;

    void add(const EcmModelEntry& entry) {
        entries.push_back(entry);
        keys.push_back(packCode(entry.code));
    }
};

PackedList buildList(ModelList list) {
    PackedList packed;
    const auto addTransmissionModels = [&packed](std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) packed.add(kTransmissionModuleModels[i]);
    };
    switch (list) {
        case ModelList::Engine:
            for (const auto& entry : kEngineModels) packed.add(entry);
            break;
        case ModelList::ActiveTests:
            for (const auto& entry : kEngineModels) packed.add(entry);
            addTransmissionModels(kSharedTransmissionModels);
            break;
        case ModelList::ShowDataWhenTrouble:
            for (const auto& entry : kEngineModels) {
                if (std::ranges::find(kWithoutTroubleData, entry.code) !=
                    std::end(kWithoutTroubleData))
                    continue;
                packed.add(entry.code == kTroubleDataOverride.code ? kTroubleDataOverride : entry);
            }
            addTransmissionModels(kSharedTransmissionModels);
            break;
        case ModelList::EngineTransmission:
            addTransmissionModels(std::size(kTransmissionModuleModels));
            break;
    }
    return packed;
}

const PackedList& packedList(ModelList list) {
    static const std::array<PackedList, 4> lists = {
        buildList(ModelList::Engine), buildList(ModelList::ActiveTests),
        buildList(ModelList::ShowDataWhenTrouble), buildList(ModelList::EngineTransmission)};
    return lists[static_cast<std::size_t>(list)];
}

}  // namespace

std::span<const EcmModelEntry> modelList(ModelList list) { return packedList(list).entries; }

const EcmModelEntry* findModel(ModelList list, std::string_view ecmCode) {
    if (ecmCode.size() != kEcmCodeLength) return nullptr;
    const PackedList& packed = packedList(list);
    const std::uint32_t key = packCode(ecmCode);
    for (std::size_t i = 0; i < packed.keys.size(); ++i) {
        if (packed.keys[i] == key) return &packed.entries[i];
    }
    return nullptr;
}

}  // namespace quilldar::vehicle
