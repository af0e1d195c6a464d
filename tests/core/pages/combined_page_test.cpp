#include "pages/combined_page.h"

#include "core/pages/grid_page_fixture.h"
#include "link/kwp_frame.h"
#include "pages/current_values_table.h"
#include "pages/engine_page.h"

namespace quilldar::pages {
namespace {

constexpr std::uint8_t kAddress = link::address::kEngineTransmission;
constexpr std::uint8_t kEngineData = 0x08;
constexpr std::uint8_t kTransmissionData = 0x09;

// Engine rows of a 26J0 (capability string 1111140012010102000100010101010000).
const std::map<int, std::uint8_t> kEngineFrame{
    {16, 50},  {17, 10}, {18, 128}, {19, 51},  {20, 100}, {21, 255},  {22, 100},  {23, 200},
    {24, 230}, {25, 5},  {28, 40},  {29, 100}, {46, 128}, {51, 0x01}, {52, 0x0C}, {53, 0x20},
};

class CombinedPageTest : public OnePageTest<CombinedPage, kAddress, kEngineData> {
protected:
    CombinedPageTest() { input_.ecmCode = "26J0"; }
};

TEST_F(CombinedPageTest, EngineRowsOf26J0FollowTheirCapabilityDigits) {
    ASSERT_TRUE(tick(kEngineFrame, kEngineData));
    expectShown({
        {"Vehicle speed", "50"},                 // digit 2: the byte in km/h
        {"Engine speed", "1053"},                // 2560 / 2.55 + 50
        {"Throttle position", "25"},             // an integer on this page
        {"Manifold absolute pressure 1", "66"},  // digit 4: 183.3·100 / 255 − 5
        {"Engine coolant / oil temperature", "130"},
        {"Intake air temperature", "32"},
        {"Battery voltage", "18.0"},  // 18.04 V: no 18 V limit on this page
        {"O2 sensor Bank 1 - Sensor 1", "0.000"},
        {"Target idle speed", "501"},
        {"ISC valve position", "200"},
        {"Secondary throttle actuator", "50"},
        {"O2 sensor control select terminal", "Open"},
        {"Ignition switch signal", "Normal"},
        {"Starter signal", "Off"},
        {"Tip over sensor", "On"},
        {"PAIR control solenoid valve", "On"},
    });
    EXPECT_TRUE(untouched(page_, row("Atmospheric pressure")));  // digit 0
    EXPECT_EQ(values_.latest(20), 200.0);                        // ISC valve position's slot
    EXPECT_EQ(values_.latest(53), 1.0);                          // ignition: Normal
    // The transmission rows wait for their own response.
    EXPECT_TRUE(untouched(page_, row("Gear position")));
    EXPECT_TRUE(untouched(page_, row("Motor lock")));
}

TEST_F(CombinedPageTest, TheEnginePageIgnoresTheCombinedModule) {
    CurrentValuesTable table;
    vehicle::LiveValueSlots engineValues;
    EnginePage engine(engineValues, table, texts_);
    ASSERT_TRUE(tick(kEngineFrame, kEngineData));
    EXPECT_FALSE(engine.tick(report_, input_));
    // Not even when the same data came from the engine's address: 26J0 is not an engine model.
    report_ = testing::reportOf(
        testing::engineLiveFrame(kEngineFrame, kEngineData, link::address::kEngine));
    EXPECT_FALSE(engine.tick(report_, input_));
    for (int r = 0; r < engine.rowCount(); ++r) EXPECT_TRUE(untouched(engine, r)) << r;
}

TEST_F(CombinedPageTest, FahrenheitFollowsTheTruncatedCelsiusValue) {
    settings_.entries[settings::entry::kTemperatureUnit] = 1;
    settings_.entries[settings::entry::kPressureUnit] = 3;
    refill(settings::kEnglish);
    ASSERT_TRUE(tick(kEngineFrame, kEngineData));
    // 160·100 ÷ 255 − 30 = 32 °C → 89.6 °F; the unrounded 32.7 °C would give 90.
    EXPECT_EQ(value("Intake air temperature"), "89");
    EXPECT_EQ(value("Engine coolant / oil temperature"), "266");
    EXPECT_EQ(value("Manifold absolute pressure 1"), "9");  // 66.9 kPa × 0.145
    EXPECT_EQ(page_.unitLabel(row("Manifold absolute pressure 1")), "psig");
    EXPECT_EQ(page_.unitLabel(row("Intake air temperature")), "\u00B0F");
}

TEST_F(CombinedPageTest, TransmissionRowsUseThisPagesFormulasFromAnySourceAddress) {
    const std::map<int, std::uint8_t> frame{{18, 3},   {19, 7},  {20, 0}, {21, 125}, {23, 200},
                                            {24, 255}, {25, 12}, {27, 0}, {31, 0}};
    ASSERT_TRUE(tick(frame, kTransmissionData, link::address::kTransmission));
    expectShown({
        {"Secondary pulley speed sensor", "775"},
        {"Pulley position sensor ratio", "0.20"},
        {"Pulley speed ratio", "1.45"},
        {"Relay contact voltage", "15"},  // 20·200 ÷ 255
        {"Motor terminal voltage A", "20"},
        {"Motor terminal voltage B", "0"},
        {"Motor current", "-50.2"},
        {"Gear position", "Auto mode"},
    });
    EXPECT_EQ(page_.cellColour(row("Gear position")), vehicle::kWhite);
    EXPECT_TRUE(untouched(page_, row("Engine speed")));

    ASSERT_TRUE(tick({{27, 128}, {31, 3}}, kTransmissionData));
    EXPECT_EQ(value("Motor current"), "0.000");  // −0.004 A
    EXPECT_EQ(value("Gear position"), "3");
    EXPECT_EQ(values_.latest(37), 3.0);
}

TEST_F(CombinedPageTest, TransmissionSwitchesUseTheirOwnSlots) {
    ASSERT_TRUE(tick({{46, 0x01}, {51, 0x08}, {52, 0x80}}, kTransmissionData));
    expectShown({{"Motor lock", "On"},
                 {"Motor short", "Off"},
                 {"Mode select switch", "On"},
                 {"7MT shift mode", "On"},
                 {"CVT shift mode", "Off"}});
    EXPECT_EQ(values_.latest(51), 1.0);
    EXPECT_EQ(values_.latest(44), 1.0);
    EXPECT_EQ(values_.latest(50), 1.0);
    EXPECT_EQ(values_.latest(38), 0.0);
}

TEST_F(CombinedPageTest, AnUnknownModelLeavesTheEngineRowsButNotTheTransmissionRows) {
    input_.ecmCode = "12F0";  // an engine model, not in this page's list
    EXPECT_FALSE(tick(kEngineFrame, kEngineData));
    for (int r = 0; r < 12; ++r) EXPECT_TRUE(untouched(page_, r)) << r;
    EXPECT_TRUE(untouched(page_, row("Ignition switch signal")));
    ASSERT_TRUE(tick({{23, 200}}, kTransmissionData));
    EXPECT_EQ(value("Relay contact voltage"), "15");
}

TEST_F(CombinedPageTest, ADigitWithoutThisPagesVariantLeavesTheRow) {
    input_.ecmCode = "10GA";  // 1101110112010000000000010101010000: no secondary throttle,
                              // no target idle, atmospheric pressure digit 1
    ASSERT_TRUE(tick(kEngineFrame, kEngineData));
    EXPECT_TRUE(untouched(page_, row("Secondary throttle actuator")));
    EXPECT_TRUE(untouched(page_, row("Target idle speed")));
    EXPECT_TRUE(untouched(page_, row("ISC valve position")));
    EXPECT_EQ(value("Atmospheric pressure"), "110");         // 166.7·200 / 255 − 20
    EXPECT_EQ(value("Manifold absolute pressure 1"), "45");  // digit 1: 166.7·100 / 255 − 20
}

TEST_F(CombinedPageTest, OtherAddressesAndIdentifiersChangeNothing) {
    EXPECT_FALSE(tick(kEngineFrame, kEngineData, link::address::kEngine));
    EXPECT_FALSE(tick(kEngineFrame, 0x00));
    EXPECT_FALSE(tick(kEngineFrame, 0x0A));
    for (int r = 0; r < page_.rowCount(); ++r) EXPECT_TRUE(untouched(page_, r)) << r;
}

TEST_F(CombinedPageTest, GridPlacesAndUnits) {
    ASSERT_EQ(page_.rowCount(), 39);
    idleTick(page_);
    EXPECT_EQ(columnSizes(page_), (std::array<int, 3>{13, 13, 13}));
    EXPECT_EQ(labelAt(page_, 0, 0), "Vehicle speed");
    EXPECT_EQ(labelAt(page_, 0, 12), "Secondary pulley speed sensor");
    EXPECT_EQ(labelAt(page_, 1, 6), "Gear position");
    EXPECT_EQ(labelAt(page_, 1, 12), "Relay contact welding");
    EXPECT_EQ(labelAt(page_, 2, 0), "Motor lock");
    EXPECT_EQ(labelAt(page_, 2, 12), "7MT shift mode");
    EXPECT_EQ(page_.unitLabel(row("ISC valve position")), "Steps");
    EXPECT_EQ(page_.unitLabel(row("Vehicle speed")), "Km/h");
    EXPECT_EQ(page_.unitLabel(row("Atmospheric pressure")), "kPa");
}

}  // namespace
}  // namespace quilldar::pages
