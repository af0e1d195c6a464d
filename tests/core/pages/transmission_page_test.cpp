#include "pages/transmission_page.h"

#include "core/pages/grid_page_fixture.h"
#include "link/kwp_frame.h"

namespace quilldar::pages {
namespace {

constexpr std::uint8_t kAddress = link::address::kTransmission;

using TransmissionPageTest = OnePageTest<TransmissionPage, kAddress, 0x08>;

TEST_F(TransmissionPageTest, MotorCurrentKeepsItsSignAndOnlyValuesWithinATenthBecomeZero) {
    ASSERT_TRUE(tick({{27, 0}}));
    EXPECT_EQ(value("Motor current"), "-50.2");  // five characters, no padding
    EXPECT_DOUBLE_EQ(values_.latest(36), 100.0 * 0 / 255 - 50.2);

    ASSERT_TRUE(tick({{27, 128}}));  // -0.0039 A
    EXPECT_EQ(value("Motor current"), "0.00");
    EXPECT_EQ(values_.latest(36), 0.0);

    ASSERT_TRUE(tick({{27, 125}}));  // -1.18 A: beyond the tenth, keeps its sign
    EXPECT_EQ(value("Motor current"), "-1.18");
    ASSERT_TRUE(tick({{27, 255}}));
    EXPECT_EQ(value("Motor current"), "49.8");
}

TEST_F(TransmissionPageTest, NumericRowsUseThePagesOwnFormulas) {
    ASSERT_TRUE(tick({{13, 60},
                      {14, 255},
                      {15, 100},
                      {16, 20},
                      {17, 255},
                      {18, 3},
                      {19, 7},
                      {20, 0},
                      {21, 125},
                      {22, 160},
                      {23, 200},
                      {24, 5},
                      {31, 3}}));
    expectShown({
        {"Vehicle speed", "60"},
        {"Throttle position", "100"},                // 100.0: no point, so no padding
        {"Engine coolant / oil temperature", "32"},  // 1.6·100 / 2.55 − 30 = 32.7
        {"Engine speed", "1344"},                    // 64·20 + 64·255 ÷ 255
        {"Secondary pulley speed sensor", "775"},    // 256·3 + 7
        {"Pulley position sensor ratio", "0.20"},
        {"Pulley speed ratio", "1.45"},
        {"Battery voltage", "12.5"},
        {"Relay contact voltage", "15.7"},  // 15.686 to three digits
        {"Motor terminal voltage A", "0.392"},
        {"Motor terminal voltage B", "0.00"},  // zero volts
        {"Gear position", "3"},
    });
    EXPECT_EQ(values_.latest(0), 1344.0);
    EXPECT_EQ(values_.latest(9), 60.0);
    EXPECT_EQ(values_.latest(21), 3.0);
}

TEST_F(TransmissionPageTest, SpeedsThatDecimalFactorsWouldTruncateOneStepLow) {
    // 16.32·127 / 0.255 is a hair below 8128 in floating point.
    ASSERT_TRUE(tick({{16, 127}, {18, 127}}));
    EXPECT_EQ(value("Engine speed"), "8128");
    EXPECT_EQ(value("Secondary pulley speed sensor"), "32512");
}

TEST_F(TransmissionPageTest, ImperialUnitsReachValuesAndUnitLabels) {
    settings_.entries[settings::entry::kSpeedUnit] = 1;
    settings_.entries[settings::entry::kTemperatureUnit] = 1;
    refill(settings::kEnglish);
    page_.requestReset();
    ASSERT_TRUE(tick({{13, 100}, {15, 100}}));
    EXPECT_EQ(value("Vehicle speed"), "62");                     // 62.137 mph
    EXPECT_EQ(value("Engine coolant / oil temperature"), "90");  // 32.745 °C = 90.9 °F
    EXPECT_EQ(page_.unitLabel(row("Vehicle speed")), "MPH");
    EXPECT_EQ(page_.unitLabel(row("Engine coolant / oil temperature")), "\u00B0F");
}

TEST_F(TransmissionPageTest, GearZeroShowsAutoModeOnWhiteWithoutTouchingTheSlot) {
    ASSERT_TRUE(tick({{31, 3}}));
    const int gear = row("Gear position");
    EXPECT_EQ(page_.cellText(gear), "3");
    EXPECT_EQ(page_.cellColour(gear), kHighlight);
    const std::int32_t ticks = values_.highlightTicks(21);

    ASSERT_TRUE(tick({{31, 0}}));
    EXPECT_EQ(page_.cellText(gear), "Auto mode");
    EXPECT_EQ(page_.cellColour(gear), vehicle::kWhite);
    EXPECT_EQ(values_.latest(21), 3.0) << "the graph keeps the last gear";
    EXPECT_EQ(values_.highlightTicks(21), ticks) << "the highlight does not run";

    ASSERT_TRUE(tick({{31, 0}}));
    EXPECT_EQ(page_.cellColour(gear), vehicle::kWhite);

    ASSERT_TRUE(tick({{31, 3}}));  // the same gear as before: still counting down
    EXPECT_EQ(page_.cellText(gear), "3");
    EXPECT_EQ(values_.highlightTicks(21), ticks - 1);
}

TEST_F(TransmissionPageTest, EachSwitchBitReachesItsOwnCell) {
    struct Bit {
        int byte;
        std::uint8_t mask;
        const char* label;
        std::size_t slot;
    };
    const Bit bits[] = {
        {46, 0x01, "Motor lock", 37},
        {46, 0x10, "Relay contact failure", 41},
        {47, 0x20, "Down shift switch circuit malfunction", 45},
        {48, 0x04, "Motor disconnection (History)", 48},
        {51, 0x01, "Center stand switch", 49},
        {51, 0x40, "Shift control switch", 55},
        {52, 0x02, "Power mode", 57},
        {52, 0x80, "Manual shift mode", 59},
    };
    for (const Bit& bit : bits) {
        ASSERT_TRUE(tick({{bit.byte, bit.mask}}));
        int on = 0;
        for (int r = TransmissionPage::kRowCount - 23; r < TransmissionPage::kRowCount; ++r) {
            if (page_.cellText(r) == "On") ++on;
        }
        EXPECT_EQ(on, 1) << bit.label;
        EXPECT_EQ(value(bit.label), "On") << bit.label;
        EXPECT_EQ(values_.latest(bit.slot), 1.0) << bit.label;
    }
    ASSERT_TRUE(tick({}));
    EXPECT_EQ(value("Manual shift mode"), "Off");
    EXPECT_EQ(values_.latest(59), 0.0);
}

TEST_F(TransmissionPageTest, GridHasTheNumericRowsFirstThenTheSwitches) {
    ASSERT_EQ(page_.rowCount(), 36);
    idleTick(page_);
    EXPECT_EQ(columnSizes(page_), (std::array<int, 3>{13, 13, 10}));
    EXPECT_EQ(labelAt(page_, 0, 12), "Gear position");
    EXPECT_EQ(labelAt(page_, 1, 0), "Motor lock");
    EXPECT_EQ(labelAt(page_, 1, 12), "Center stand switch");
    EXPECT_EQ(labelAt(page_, 2, 0), "Brake switch");
    EXPECT_EQ(labelAt(page_, 2, 9), "Manual shift mode");
    QStringList units;
    for (int r = 0; r < 13; ++r) units << page_.unitLabel(r);
    EXPECT_EQ(units.join(','), QString::fromUtf8("Km/h,%,\u00B0C,rpm,rpm,,,V,V,V,V,A,"));
}

TEST_F(TransmissionPageTest, ReportsOfOtherUnitsOrIdentifiersChangeNothing) {
    ASSERT_TRUE(tick({{13, 40}, {31, 2}, {46, 0x01}}));
    page_.takeChangedCells();
    const auto slotsBefore = values_;
    const QString speed = value("Vehicle speed");

    EXPECT_FALSE(tick({{13, 90}, {31, 4}}, 0x08, link::address::kEngine));
    EXPECT_FALSE(tick({{13, 90}, {31, 4}}, 0x09));
    EXPECT_FALSE(tick({{13, 90}, {31, 4}}, 0x00));
    report_ = testing::reportOf(
        link::buildResponse(kAddress, std::vector<std::uint8_t>{0x7F, 0x21, 0x12}));
    EXPECT_FALSE(page_.tick(report_, input_));

    EXPECT_EQ(value("Vehicle speed"), speed);
    EXPECT_EQ(page_.takeChangedCells(), 0u);
    for (std::size_t slot = 0; slot < vehicle::LiveValueSlots::kSlotCount; ++slot) {
        EXPECT_EQ(values_.latest(slot), slotsBefore.latest(slot)) << slot;
        EXPECT_EQ(values_.highlightTicks(slot), slotsBefore.highlightTicks(slot)) << slot;
    }
}

TEST_F(TransmissionPageTest, CellsAreReportedChangedOnlyWhenTextOrColourChanges) {
    settings_.entries[settings::entry::kHighlightPeriod] = 1;  // ten ticks
    refill(settings::kEnglish);
    page_.requestReset();
    const std::map<int, std::uint8_t> frame{{13, 40}, {22, 160}};
    ASSERT_TRUE(tick(frame));
    EXPECT_TRUE(page_.takeLayoutChanged());
    page_.takeChangedCells();
    const std::uint64_t speedBit = std::uint64_t{1} << row("Vehicle speed");
    const std::uint64_t batteryBit = std::uint64_t{1} << row("Battery voltage");

    for (int i = 0; i < 8; ++i) {
        ASSERT_TRUE(tick(frame));
        EXPECT_EQ(page_.takeChangedCells(), 0u) << "tick " << i;
    }
    // Tick 10: the values that were already there at the reset have had their period.
    ASSERT_TRUE(tick(frame));
    const std::uint64_t unchangedAtReset = page_.takeChangedCells();
    EXPECT_NE(unchangedAtReset, 0u);
    EXPECT_EQ(unchangedAtReset & (speedBit | batteryBit), 0u);
    // Tick 11: those that changed at the first tick follow.
    ASSERT_TRUE(tick(frame));
    EXPECT_EQ(page_.takeChangedCells() & (speedBit | batteryBit), speedBit | batteryBit);
    EXPECT_EQ(page_.cellColour(row("Vehicle speed")), vehicle::kWhite);
    ASSERT_TRUE(tick(frame));
    EXPECT_EQ(page_.takeChangedCells(), 0u);

    ASSERT_TRUE(tick({{13, 41}, {22, 160}}));
    EXPECT_EQ(page_.takeChangedCells(), speedBit);
    EXPECT_EQ(page_.cellColour(row("Vehicle speed")), kHighlight);
    EXPECT_FALSE(page_.takeLayoutChanged());
}

TEST_F(TransmissionPageTest, HighlightingIsOffNearTheEndOfAPlaybackButStillCounts) {
    input_.nearEnd = true;
    ASSERT_TRUE(tick({{13, 40}}));
    EXPECT_EQ(page_.cellColour(row("Vehicle speed")), vehicle::kWhite);
    EXPECT_EQ(values_.highlightTicks(9), 50);
}

}  // namespace
}  // namespace quilldar::pages
