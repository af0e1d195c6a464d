#include "pages/eps_page.h"

#include "core/pages/grid_page_fixture.h"
#include "link/kwp_frame.h"

namespace quilldar::pages {
namespace {

constexpr std::uint8_t kAddress = link::address::kEps;

class EpsPageTest : public OnePageTest<EpsPage, kAddress, 0x08> {
protected:
    EpsPageTest() { input_.ecmCode = "31H0"; }

    QString torqueMain(std::uint8_t raw) {
        EXPECT_TRUE(tick({{15, raw}}));
        return value("Steering torque main");
    }
};

TEST_F(EpsPageTest, ValuesAreNotZeroedSoTinyOnesComeOutInExponentNotation) {
    EXPECT_EQ(torqueMain(128), "3.92e-002");  // 275·128 / 255 − 138 = 0.0392
    EXPECT_DOUBLE_EQ(values_.latest(34), 275.0 * 128 / 255 - 138);
    EXPECT_EQ(torqueMain(0), "-138");
    EXPECT_EQ(torqueMain(240), "121");  // 120.8
    EXPECT_EQ(torqueMain(127), "-1.04");
}

TEST_F(EpsPageTest, RowsWithTheirFormulas) {
    ASSERT_TRUE(tick({{13, 120},
                      {14, 206},
                      {16, 255},
                      {17, 128},
                      {18, 100},
                      {19, 0},
                      {20, 45},
                      {22, 100},
                      {23, 43},
                      {24, 0x12}}));
    expectShown({
        {"Battery voltage", "14.1"},                      // 14.118
        {"Steering torque sensor power supply", "5.01"},  // 5.009
        {"Steering torque sub", "137"},
        {"Steering control torque", "-2.04e-002"},  // 45.98 − 46
        {"Motor current target", "15.0"},
        {"Motor current detection", "0.00"},
        {"Vehicle speed", "45"},
        {"Engine speed", "200"},
        {"Motor terminal voltage", "5.88e-002"},  // 5.059 − 5
        {"Ignition switch", "Off"},
        {"System power", "On"},
        {"Relay output", "On"},
    });
    EXPECT_EQ(values_.latest(39), 200.0);
    EXPECT_EQ(values_.latest(42), 1.0);
}

TEST_F(EpsPageTest, EngineSpeedIsTwiceTheByteWhereDecimalFactorsWouldTruncateLow) {
    ASSERT_TRUE(tick({{22, 29}}));
    EXPECT_EQ(value("Engine speed"), "58");
    ASSERT_TRUE(tick({{22, 255}}));
    EXPECT_EQ(value("Engine speed"), "510");
}

TEST_F(EpsPageTest, OnlyModel31H0IsShown) {
    input_.ecmCode = "31H1";
    EXPECT_FALSE(tick({{13, 120}, {15, 128}, {24, 0x13}}));
    input_.ecmCode = "";
    EXPECT_FALSE(tick({{13, 120}, {15, 128}, {24, 0x13}}));
    for (int r = 0; r < page_.rowCount(); ++r) EXPECT_TRUE(untouched(page_, r)) << r;
}

TEST_F(EpsPageTest, OtherAddressesAndIdentifiersChangeNothing) {
    EXPECT_FALSE(tick({{13, 120}}, 0x08, link::address::kAbs));
    EXPECT_FALSE(tick({{13, 120}}, 0x00));
    for (int r = 0; r < page_.rowCount(); ++r) EXPECT_TRUE(untouched(page_, r)) << r;
}

TEST_F(EpsPageTest, GridPlacesAndUnits) {
    ASSERT_EQ(page_.rowCount(), 13);
    idleTick(page_);
    EXPECT_EQ(columnSizes(page_), (std::array<int, 3>{5, 5, 3}));
    EXPECT_EQ(labelAt(page_, 0, 4), "Steering control torque");
    EXPECT_EQ(labelAt(page_, 1, 0), "Motor current target");
    EXPECT_EQ(labelAt(page_, 1, 4), "Motor terminal voltage");
    EXPECT_EQ(labelAt(page_, 2, 2), "Relay output");
    EXPECT_EQ(page_.unitLabel(row("Steering torque main")), "Nm");
    EXPECT_EQ(page_.unitLabel(row("Engine speed")), "rpm");
}

}  // namespace
}  // namespace quilldar::pages
