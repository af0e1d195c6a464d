#include "pages/abs_page.h"

#include "core/pages/grid_page_fixture.h"
#include "link/kwp_frame.h"

namespace quilldar::pages {
namespace {

constexpr std::uint8_t kAddress = link::address::kAbs;
constexpr std::uint8_t kWheelBlock = 0x00;
constexpr std::uint8_t kStatusBlock = 0x08;

class AbsPageTest : public OnePageTest<AbsPage, kAddress, kStatusBlock> {
protected:
    AbsPageTest() { input_.ecmCode = "27G0"; }

    QString monitoringVoltage(std::uint8_t raw) {
        EXPECT_TRUE(tick({{18, raw}}, kWheelBlock));
        return value("Monitoring voltage");
    }
};

TEST_F(AbsPageTest, FaultFlagsReadSetBitsAsAbnormal) {
    ASSERT_TRUE(tick({{13, 0x05}, {14, 0x02}}, kStatusBlock));
    expectShown({
        {"ABS solenoid IN/V open or short (F)", "Abnormal"},
        {"ABS solenoid IN/V open or short (R)", "Abnormal"},
        {"ABS solenoid OUT/V open or short (F)", "Normal"},
        {"ABS solenoid OUT/V open or short (R)", "Normal"},
        {"ABS solenoid valve relay lock", "Normal"},
        {"ABS motor", "Normal"},
        {"ABS motor relay lock (Off)", "Abnormal"},
        {"ABS motor relay lock (On)", "Normal"},
    });
    EXPECT_EQ(values_.latest(34), 0.0);  // the state bit: 1 stands for Normal
    EXPECT_EQ(values_.latest(35), 1.0);
}

TEST_F(AbsPageTest, MonitoringVoltageHasFiveSignificantDigitsAndNoZeroing) {
    EXPECT_EQ(monitoringVoltage(160), "12.549");
    EXPECT_EQ(monitoringVoltage(0), "0.000");
    EXPECT_EQ(monitoringVoltage(1), "7.8431e-002");
    EXPECT_EQ(monitoringVoltage(51), "4.000");   // 4 V: padded to five characters, not six
    EXPECT_EQ(monitoringVoltage(255), "20.00");  // trailing zeros dropped, then padded to five
    EXPECT_DOUBLE_EQ(values_.latest(33), 20.0);
}

TEST_F(AbsPageTest, WheelSpeedsInTheSpeedUnit) {
    ASSERT_TRUE(tick({{13, 100}, {14, 37}}, kWheelBlock));
    EXPECT_EQ(value("Wheel speed sensor (Front)"), "100");
    EXPECT_EQ(value("Wheel speed sensor (Rear)"), "37");
    settings_.entries[settings::entry::kSpeedUnit] = 1;
    refill(settings::kEnglish);
    ASSERT_TRUE(tick({{13, 100}, {14, 37}}, kWheelBlock));
    EXPECT_EQ(value("Wheel speed sensor (Front)"), "62");
    EXPECT_EQ(value("Wheel speed sensor (Rear)"), "22");
}

TEST_F(AbsPageTest, ServiceCheckSignalReadsTheBitOfTheConnectedModel) {
    ASSERT_TRUE(tick({{21, 0x08}}, kStatusBlock));
    EXPECT_EQ(value("Service check signal position"), "On");
    EXPECT_EQ(values_.latest(48), 1.0);

    AbsPage other{values_, texts_};
    input_.ecmCode = "10G0";
    ASSERT_TRUE(GridPageTest::tick(other, {{21, 0x08}}, kStatusBlock, kAddress));
    EXPECT_EQ(valueOf(other, "Service check signal position"), "Off");
    EXPECT_EQ(values_.latest(42), 0.0);
    ASSERT_TRUE(GridPageTest::tick(other, {{21, 0x01}}, kStatusBlock, kAddress));
    EXPECT_EQ(valueOf(other, "Service check signal position"), "On");
    EXPECT_EQ(values_.latest(42), 1.0);
    EXPECT_EQ(values_.latest(48), 1.0) << "the 27G0 slot is not touched";
}

TEST_F(AbsPageTest, ModelRowsOnlyForTheirModel) {
    // 27G0: valves and motor at work, no brake switch.
    ASSERT_TRUE(tick({{19, 0x80}, {20, 0x44}, {21, 0x40}}, kStatusBlock));
    ASSERT_TRUE(tick({{21, 0x01}}, kWheelBlock));
    expectShown({
        {"ABS solenoid valve relay operate", "On"},
        {"ABS solenoid IN/V (F) operate", "On"},
        {"ABS solenoid OUT/V (F) operate", "Off"},
        {"ABS solenoid IN/V (R) operate", "On"},
        {"ABS solenoid OUT/V (R) operate", "Off"},
        {"ABS motor operate", "On"},
    });
    EXPECT_TRUE(untouched(page_, row("Brake switch")));

    // 10G0: the brake switch from the wheel block, none of the 27G0 rows.
    AbsPage tenG{values_, texts_};
    input_.ecmCode = "10G0";
    ASSERT_TRUE(GridPageTest::tick(tenG, {{21, 0x01}}, kWheelBlock, kAddress));
    ASSERT_TRUE(
        GridPageTest::tick(tenG, {{19, 0x80}, {20, 0xFF}, {21, 0x40}}, kStatusBlock, kAddress));
    EXPECT_EQ(valueOf(tenG, "Brake switch"), "On");
    EXPECT_EQ(values_.latest(51), 1.0);
    EXPECT_EQ(valueOf(tenG, "Service check signal position"), "Off");
    EXPECT_TRUE(untouched(tenG, *rowLabelled(tenG, "ABS motor operate")));
    EXPECT_TRUE(untouched(tenG, *rowLabelled(tenG, "ABS solenoid IN/V (F) operate")));

    // Any other model: only the rows every model has.
    AbsPage unknown{values_, texts_};
    input_.ecmCode = "11G0";
    ASSERT_TRUE(GridPageTest::tick(unknown, {{13, 20}, {21, 0xFF}}, kWheelBlock, kAddress));
    ASSERT_TRUE(GridPageTest::tick(unknown, {{13, 0x01}, {21, 0xFF}}, kStatusBlock, kAddress));
    EXPECT_EQ(valueOf(unknown, "Wheel speed sensor (Front)"), "20");
    EXPECT_EQ(valueOf(unknown, "ABS solenoid IN/V open or short (F)"), "Abnormal");
    for (const char* label : {"Brake switch", "Service check signal position", "ABS motor operate",
                              "ABS solenoid valve relay operate"}) {
        EXPECT_TRUE(untouched(unknown, *rowLabelled(unknown, label))) << label;
    }
}

TEST_F(AbsPageTest, EachBlockUpdatesOnlyItsOwnRows) {
    ASSERT_TRUE(tick({{13, 0x05}, {18, 160}}, kWheelBlock));
    EXPECT_TRUE(untouched(page_, row("ABS solenoid IN/V open or short (F)")));
    ASSERT_TRUE(tick({{13, 0x05}, {18, 160}}, kStatusBlock));
    EXPECT_EQ(value("Wheel speed sensor (Front)"), "5");
    EXPECT_EQ(value("Monitoring voltage"), "12.549");
}

TEST_F(AbsPageTest, OtherAddressesAndIdentifiersChangeNothing) {
    EXPECT_FALSE(tick({{13, 0x05}, {18, 160}}, kStatusBlock, link::address::kEngine));
    EXPECT_FALSE(tick({{13, 0x05}, {18, 160}}, kWheelBlock, link::address::kEps));
    EXPECT_FALSE(tick({{13, 0x05}, {18, 160}}, 0x09));
    for (int r = 0; r < page_.rowCount(); ++r) EXPECT_TRUE(untouched(page_, r)) << r;
}

TEST_F(AbsPageTest, GridKeepsTheWorkingRowsTogetherBelowAGap) {
    ASSERT_EQ(page_.rowCount(), 19);
    idleTick(page_);
    expectColumn(page_, 0,
                 {"Wheel speed sensor (Front)", "Wheel speed sensor (Rear)", "Monitoring voltage",
                  "Service check signal position", "Brake switch", "", "ABS motor operate",
                  "ABS solenoid valve relay operate"});
    expectColumn(page_, 1,
                 {"ABS solenoid valve relay lock", "ABS motor", "ABS motor relay lock (Off)",
                  "ABS motor relay lock (On)", "", "", "ABS solenoid IN/V (F) operate",
                  "ABS solenoid OUT/V (F) operate"});
    expectColumn(page_, 2,
                 {"ABS solenoid IN/V open or short (F)", "ABS solenoid OUT/V open or short (F)",
                  "ABS solenoid IN/V open or short (R)", "ABS solenoid OUT/V open or short (R)", "",
                  "", "ABS solenoid IN/V (R) operate", "ABS solenoid OUT/V (R) operate"});
    EXPECT_EQ(page_.unitLabel(row("Wheel speed sensor (Rear)")), "Km/h");
    EXPECT_EQ(page_.unitLabel(row("Monitoring voltage")), "V");
}

}  // namespace
}  // namespace quilldar::pages
