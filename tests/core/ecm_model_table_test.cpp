#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "vehicle/ecm_model_table.h"

namespace quilldar::vehicle {
namespace {

// The engine list as the model documentation groups it: one capability string and the codes
// that share it, groups in order of first appearance.
struct Group {
    const char* capabilities;
    const char* codes;
};
constexpr Group kDocumentedGroups[] = {
    {"2102220010010100010110011001000000", "13G0 12F0"},
    {"2102220010010100010110010001001100", "16H0"},
    {"1111112010010102100110010011110000", "18H2"},
    {"1111112010010102100110011101110000", "18H0 18H3"},
    {"1111110111110112101111111111110000", "21H2 37H2 47H2 21K2"},
    {"1111110111110112101111111101110000", "21H0 37H0 47H0"},
    {"1111110111110112101111111101110011", "21HR"},
    {"1111110110010102100111111111110000", "15H2"},
    {"1111110110010102100111111101110000", "15H0"},
    {"1111110110110102101111111111110000", "23H2"},
    {"1111110110110102101111111101110000", "23H0"},
    {"1111110111000112101011101101110011", "37HR"},
    {"4202230012000000000000010000010000", "14G0"},
    {"2112220010000000100000011001010000", "17G0"},
    {"2112220010010000100100011001010000", "27G0"},
    {"2112222010010000100110011101010000", "41F0 10F0"},
    {"2112222010000000100010011101010000", "41F1 10F1"},
    {"2112220210010000100110011101010000", "06G4"},
    {"2112220210000000100010011101000000", "06G5 42F4"},
    {"2112222010010101100110011101010000", "27GA"},
    {"2112222010000101100010011101010000", "27GC"},
    {"2112222010010100100110011111100000", "44H2"},
    {"2112222010010100100110011101100000", "44H0"},
    {"3101110010000201200020020100000000", "31G0"},
    {"4202230010000000000000000201000000", "45G0"},
    {"1101130012010000000000010101010000", "10G0"},
    {"1101130012000000000000010101010000", "10G1"},
    {"1111130010010000100110011101010000", "16G0"},
    {"1111130010000000100010011101010000", "16G1"},
    {"1111130310100000101010011101000000", "18G0"},
    {"1111130310000000100010011101010000", "29G0"},
    {"1111133010010000100110011101010000", "16GD"},
    {"1111133010000000100010011101010000", "16GE"},
    {"1111130310100000101010011101110000", "41G0 01H1"},
    {"1111130310100000101010001101110011", "41GR 01HR"},
    {"1111130310010000100110011101110000", "44G0"},
    {"1111130310110000101110011101110000", "01H0"},
    {"1111133010111101101110011101110000", "48G0 22H0"},
    {"1111133010100101101010011101110000", "48G1 48G5"},
    {"4202240010000000000000000001000000", "28H0 33H0 28H4 28HA"},
    {"3113140010010000000110010101010000", "26G0"},
    {"3113140010010000000110011101010000", "26G1"},
    {"2112222010011102100110011111010000", "41FC"},
    {"2112222010011102100110011101010000", "41FA"},
    {"2112222010000102100010011101010000", "41FB"},
    {"2112222010010102100110011111110000", "40H2"},
    {"2112222010010102100110011101110000", "40H0"},
    {"2112222010000102100010011101110000", "40H1"},
    {"2112222010010102200110011101010000", "44F0"},
    {"1111130310000000100010011101110000", "12H0"},
    {"1111133010111101101110011111110000", "22H2"},
    {"4212240012010104000200010001000000", "05H0 05H3 39H0"},
    {"3101120010000000200020020000000000", "11H0"},
    {"3101120010000201200020020000000000", "31H0"},
    {"3101010010010201000000020100000000", "03H0"},
    {"1111110110010102100110001101110000", "12HA"},
    {"1111110111100012101011101101110011", "47HR"},
    {"2102220010010101000110011001000000", "13G1"},
    {"3101150010010201000000020100000000", "20H0"},
    {"1111130010010000100000011101110000", "44GA"},
    {"4202230012010000000200010000010000", "15G0"},
    {"3103340010000000000010010000100000", "27H0"},
    {"1111110111110102101111111101110000", "08J0"},
    {"3102140010100000000010020101110000", "27HA"},
    {"1111111010111100100010011101100000", "31J0"},
    {"1111111010111100100010011111100000", "31J2"},
    {"1101111010010102100110011111110000", "48H0"},
    {"1101111010010102100110011101110000", "48H2"},
    {"3101010012010201000000020101100000", "12J0"},
    {"3101010012010201000000020111100000", "12J2"},
    {"2112222010001100000110011111110000", "40H7"},
    {"2112222010001100000110011101110000", "40H5"},
    {"2102220010010100010000010100000000", "42J0"},
    {"3103020010010202000000000100000000", "40J2"},
    {"3101120011000201000010020101110000", "31HA"},
    {"1111112011110102100010011101110000", "04K0"},
    {"1111112011110102100010011111110000", "04K1"},
    {"2102220011010102100110010011110000", "20K0 20K2"},
    {"1111112011110102100010010000000000", "13K0 31JA 17K9 38K3 28K0"},
    {"2102220011010002100110010011110000", "34K0"},
    {"1101010012010100010110010000000000", "12J8"},
};

constexpr const char* kDocumentedOrder =
    "13G0 12F0 16H0 18H2 18H0 18H3 21H2 21H0 21HR 15H2 15H0 23H2 23H0 37H2 37H0 37HR 14G0 17G0 "
    "27G0 41F0 41F1 10F0 10F1 06G4 06G5 42F4 27GA 27GC 44H2 44H0 31G0 45G0 10G0 10G1 16G0 16G1 "
    "18G0 29G0 16GD 16GE 41G0 41GR 44G0 01H0 01H1 01HR 48G0 48G1 28H0 33H0 26G0 26G1 41FC 41FA "
    "41FB 40H2 40H0 40H1 44F0 28H4 28HA 12H0 22H2 22H0 48G5 05H0 05H3 39H0 11H0 31H0 03H0 12HA "
    "47H2 47H0 47HR 13G1 20H0 44GA 15G0 27H0 08J0 27HA 31J0 31J2 48H0 48H2 12J0 12J2 40H7 40H5 "
    "42J0 40J2 31HA 04K0 04K1 20K0 20K2 21K2 13K0 31JA 17K9 38K3 28K0 34K0 12J8";

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> result;
    for (std::string word; in >> word;) result.push_back(word);
    return result;
}

std::vector<std::string> codesOf(ModelList list) {
    std::vector<std::string> codes;
    for (const EcmModelEntry& entry : modelList(list)) codes.emplace_back(entry.code);
    return codes;
}

std::string capabilitiesOf(ModelList list, const std::string& code) {
    const EcmModelEntry* entry = findModel(list, code);
    return entry != nullptr ? std::string(entry->capabilities) : std::string("none");
}

TEST(EcmModelTable, EngineListMatchesTheDocumentedGroupsAndOrder) {
    std::map<std::string, std::string> documented;
    std::set<std::string> distinct;
    for (const Group& group : kDocumentedGroups) {
        distinct.insert(group.capabilities);
        for (const std::string& code : words(group.codes)) documented[code] = group.capabilities;
    }
    EXPECT_EQ(documented.size(), 105u);
    EXPECT_EQ(distinct.size(), 81u);

    EXPECT_EQ(codesOf(ModelList::Engine), words(kDocumentedOrder));
    for (const auto& [code, capabilities] : documented) {
        EXPECT_EQ(capabilitiesOf(ModelList::Engine, code), capabilities) << code;
    }
}

TEST(EcmModelTable, EveryEntryIsWellFormedAndCodesAreUnique) {
    for (const ModelList list : {ModelList::Engine, ModelList::ActiveTests,
                                 ModelList::ShowDataWhenTrouble, ModelList::EngineTransmission}) {
        std::set<std::string> seen;
        for (const EcmModelEntry& entry : modelList(list)) {
            EXPECT_EQ(entry.code.size(), kEcmCodeLength);
            ASSERT_EQ(entry.capabilities.size(), kCapabilityCount) << entry.code;
            EXPECT_TRUE(seen.insert(std::string(entry.code)).second) << "duplicate " << entry.code;
            for (const char c : entry.capabilities) EXPECT_TRUE(c >= '0' && c <= '5') << entry.code;
            // Engine speed, throttle, coolant and battery are delivered by every ECM.
            for (const std::size_t always : {0u, 1u, 3u, 8u})
                EXPECT_NE(digit(entry, always), 0) << entry.code;
        }
    }
}

TEST(EcmModelTable, DigitsStayWithinTheVariantsEachPositionDefines) {
    // Non-zero digits that occur per position, as the channel documentation lists them.
    const std::vector<std::string> variants = {
        "1234", "12", "1", "123",  "123", "12345", "123", "123", "1",  "12", "1", "1",
        "1",    "12", "1", "1234", "12",  "1",     "1",   "12",  "12", "1",  "1", "12",
        "1",    "12", "1", "1",    "1",   "1",     "1",   "1",   "1",  "1"};
    ASSERT_EQ(variants.size(), kCapabilityCount);
    for (const ModelList list :
         {ModelList::ActiveTests, ModelList::ShowDataWhenTrouble, ModelList::EngineTransmission}) {
        for (const EcmModelEntry& entry : modelList(list)) {
            for (std::size_t p = 0; p < kCapabilityCount; ++p) {
                const char d = entry.capabilities[p];
                EXPECT_TRUE(d == '0' || variants[p].find(d) != std::string::npos)
                    << entry.code << " position " << p << " digit " << d;
            }
        }
    }
}

TEST(EcmModelTable, ListsShareEntriesWithTheirExceptions) {
    const std::vector<std::string> engine = codesOf(ModelList::Engine);
    const std::vector<std::string> transmission = {"10GA", "10GB", "10GG", "10GK", "06H1", "06H4"};

    std::vector<std::string> activeTests = engine;
    activeTests.insert(activeTests.end(), transmission.begin(), transmission.end());
    EXPECT_EQ(codesOf(ModelList::ActiveTests), activeTests);
    for (const std::string& code : engine) {
        EXPECT_EQ(capabilitiesOf(ModelList::ActiveTests, code),
                  capabilitiesOf(ModelList::Engine, code));
    }

    const std::set<std::string> withoutTroubleData = {"20K0", "21K2", "31JA", "17K9",
                                                      "38K3", "28K0", "34K0", "12J8"};
    std::vector<std::string> trouble;
    for (const std::string& code : engine) {
        if (!withoutTroubleData.contains(code)) trouble.push_back(code);
    }
    trouble.insert(trouble.end(), transmission.begin(), transmission.end());
    EXPECT_EQ(codesOf(ModelList::ShowDataWhenTrouble), trouble);
    EXPECT_EQ(trouble.size(), 103u);

    std::vector<std::string> combined = transmission;
    combined.push_back("26J0");
    EXPECT_EQ(codesOf(ModelList::EngineTransmission), combined);
    for (const std::string& code : transmission) {
        EXPECT_EQ(capabilitiesOf(ModelList::ActiveTests, code),
                  capabilitiesOf(ModelList::EngineTransmission, code));
        EXPECT_EQ(capabilitiesOf(ModelList::ShowDataWhenTrouble, code),
                  capabilitiesOf(ModelList::EngineTransmission, code));
    }
    EXPECT_EQ(capabilitiesOf(ModelList::EngineTransmission, "10GA"),
              "1101110112010000000000010101010000");
    EXPECT_EQ(capabilitiesOf(ModelList::EngineTransmission, "10GK"),
              "1101110112010102000100010101010000");
    EXPECT_EQ(capabilitiesOf(ModelList::EngineTransmission, "26J0"),
              "1111140012010102000100010101010000");
}

TEST(EcmModelTable, ThirteenK0ReadsItsTroubleDataWithTheLayoutOf20K0) {
    EXPECT_EQ(capabilitiesOf(ModelList::Engine, "13K0"), "1111112011110102100010010000000000");
    EXPECT_EQ(capabilitiesOf(ModelList::ShowDataWhenTrouble, "13K0"),
              "2102220011010102100110010011110000");
    EXPECT_EQ(capabilitiesOf(ModelList::ActiveTests, "13K0"), "1111112011110102100010010000000000");
}

TEST(EcmModelTable, MatchingIsExactAndCaseSensitive) {
    EXPECT_NE(findModel(ModelList::Engine, "13G0"), nullptr);
    for (const char* code : {"13g0", "13G", "13G00", "", " 13G", "13G\0"}) {
        EXPECT_EQ(findModel(ModelList::Engine, code), nullptr) << code;
    }
    EXPECT_EQ(findModel(ModelList::Engine, std::string_view("13G0\0", 5)), nullptr);

    EXPECT_EQ(findModel(ModelList::Engine, "10GA"), nullptr);
    EXPECT_NE(findModel(ModelList::EngineTransmission, "10GA"), nullptr);
    EXPECT_NE(findModel(ModelList::ActiveTests, "10GA"), nullptr);
    EXPECT_NE(findModel(ModelList::ShowDataWhenTrouble, "10GA"), nullptr);
    for (const ModelList list :
         {ModelList::Engine, ModelList::ActiveTests, ModelList::ShowDataWhenTrouble}) {
        EXPECT_EQ(findModel(list, "26J0"), nullptr);
    }
}

TEST(EcmModelTable, RareSwitchRowsBelongToFewModels) {
    std::set<std::string> sideStand, shiftSignals;
    for (const EcmModelEntry& entry : modelList(ModelList::Engine)) {
        if (digit(entry, 30) != 0 || digit(entry, 31) != 0)
            sideStand.insert(std::string(entry.code));
        if (digit(entry, 32) != 0 || digit(entry, 33) != 0)
            shiftSignals.insert(std::string(entry.code));
    }
    EXPECT_EQ(sideStand, (std::set<std::string>{"16H0"}));
    EXPECT_EQ(shiftSignals, (std::set<std::string>{"21HR", "37HR", "41GR", "01HR", "47HR"}));
    const EcmModelEntry* r = findModel(ModelList::Engine, "21HR");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(digit(*r, 32), 1);
    EXPECT_EQ(digit(*r, 33), 1);
    EXPECT_EQ(digit(*r, 34), 0);  // past the string
}

}  // namespace
}  // namespace quilldar::vehicle
