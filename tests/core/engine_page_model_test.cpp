#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "pages/engine_page_model.h"
#include "support/recording_builder.h"
#include "vehicle/english_texts.h"

namespace quilldar::pages {
namespace {

using testing::engineLiveFrame;
using testing::reportOf;
using vehicle::kPlaceholderGrey;
using vehicle::kWhite;
using vehicle::kYellow;

constexpr vehicle::Colour kBlue = 0xFF0000;

class EnginePageModelTest : public ::testing::Test {
protected:
    void SetUp() override { resetPage(); }

    void resetPage() {
        page_.reset(vehicle::englishEngineTexts(), vehicle::englishUnitTexts(input_.units),
                    input_.units.highlightPeriod);
        page_.takeChangedCells();
    }

    bool refresh(const std::map<int, std::uint8_t>& bytes, std::uint8_t identifier = 0x08,
                 std::uint8_t source = 0x12) {
        report_ = reportOf(engineLiveFrame(bytes, identifier, source));
        return page_.refresh(report_, input_);
    }

    QString text(int row) const { return page_.cellText(row); }
    vehicle::Colour colour(int row) const { return page_.cell(row).background; }
    bool untouched(int row) const {
        return text(row) == QStringLiteral("---") && colour(row) == kPlaceholderGrey;
    }

    vehicle::LiveValueSlots values_;
    CurrentValuesTable table_;
    EnginePageModel page_{values_, table_};
    EngineRefreshInput input_{"12F0", false, false, {}};
    link::Report report_{};
};

// 12F0 and 13G0 share 2102220010010100010110011001000000.
TEST_F(EnginePageModelTest, RowsWithoutCapabilityStayPlaceholders) {
    input_.ecmCode = "13G0";
    std::map<int, std::uint8_t> everything;
    for (int b = 16; b <= 54; ++b) everything[b] = 0x55;
    everything[41] = 80;
    ASSERT_TRUE(refresh(everything));

    const std::set<int> absentPositions = {2,  6,  7,  9,  10, 12, 14, 15, 16, 18,
                                           21, 22, 25, 26, 28, 29, 30, 31, 32, 33};
    const auto rowOf = [](int position) {
        if (position < 15) return position;
        if (position < 18) return position + 5;
        return vehicle::switchRow(position);
    };
    std::set<int> absentRows;
    for (const int position : absentPositions) absentRows.insert(rowOf(position));
    for (int row = 0; row < EnginePageModel::kRowCount; ++row) {
        EXPECT_EQ(untouched(row), absentRows.contains(row))
            << "row " << row << " shows " << text(row).toStdString();
    }
}

TEST_F(EnginePageModelTest, DecodesRowsWithTheirFormatsAndUnits) {
    ASSERT_TRUE(refresh({{17, 20},
                         {19, 51},
                         {21, 130},
                         {22, 60},
                         {20, 100},
                         {24, 160},
                         {25, 5},
                         {31, 9},
                         {32, 5},
                         {41, 80},
                         {29, 0},
                         {53, 0x02},
                         {52, 0x30}}));
    EXPECT_EQ(text(0), "1254");       // 160·20 / 2.55
    EXPECT_EQ(text(1), "25.00");      // 125·51 / 255
    EXPECT_EQ(text(3), "90");         // 130 − 40
    EXPECT_EQ(text(4), "20");         // 60 − 40
    EXPECT_EQ(text(5), "49");         // 126.7·100 / 255
    EXPECT_EQ(text(8), "12.5");       // battery 12.549
    EXPECT_EQ(text(11), "0.000");     // O2 0.098 V zeroed
    EXPECT_EQ(text(15), "2.300");     // (255·9 + 5) / 1000
    EXPECT_EQ(text(19), "11");        // (80 − 36) ÷ 4
    EXPECT_EQ(text(25), "Open");      // neutral, digit 1: bit 0x02
    EXPECT_EQ(text(24), "GND");       // O2 sensor control select: bit 0x20 clear
    EXPECT_EQ(text(28), "Abnormal");  // ignition, digit 1: bit 0x04 clear
    EXPECT_EQ(text(29), "On");        // clutch 0x10
    EXPECT_TRUE(untouched(30));       // starter: not delivered by 12F0
    EXPECT_EQ(text(32), "Off");       // tip over sensor 0x08
    EXPECT_DOUBLE_EQ(values_.latest(0), 160 * 20 / 2.55);
    EXPECT_EQ(values_.latest(11), 0.0);  // the zeroed value is kept
    EXPECT_EQ(values_.latest(32), 1.0);
    EXPECT_EQ(values_.latest(39), 0.0);

    for (int row = 0; row < EnginePageModel::kRowCount; ++row) {
        EXPECT_EQ(table_.valueText(static_cast<std::size_t>(row)), text(row)) << row;
    }
}

TEST_F(EnginePageModelTest, UnitSettingsReachValuesLabelsAndTheReportTable) {
    input_.units.temperature = 1;
    input_.units.pressure = 3;
    input_.units.speed = 1;
    resetPage();
    ASSERT_TRUE(refresh({{17, 20}, {21, 130}, {20, 255}}));
    EXPECT_EQ(text(3), "194");  // 90 °C
    EXPECT_EQ(text(5), "18");   // MAP1 digit 2 in psig: 18.37
    EXPECT_EQ(page_.unitLabel(3), QStringLiteral("\u00B0F"));
    EXPECT_EQ(page_.unitLabel(5), "psig");
    EXPECT_EQ(page_.unitLabel(9), "MPH");
    EXPECT_EQ(page_.unitLabel(20), "Steps");
    EXPECT_EQ(page_.label(35), "Side stand switch");
    EXPECT_EQ(page_.label(34), "PAIR control solenoid valve");
    EXPECT_EQ(table_.row(3).unit, QStringLiteral("\u00B0F"));
    EXPECT_EQ(table_.row(7).unit, "psig");
    EXPECT_EQ(table_.row(20).unit, "steps");
    EXPECT_EQ(table_.row(19).unit, QStringLiteral("\u00B0"));
    EXPECT_EQ(table_.row(18).unit, "ms");
    EXPECT_TRUE(table_.row(21).unit.isEmpty());
    EXPECT_EQ(table_.row(38).label, "Engine speed limiter signal");
}

TEST_F(EnginePageModelTest, OnlyTheEngineLiveDataResponseIsDecoded) {
    EXPECT_FALSE(refresh({{17, 20}}, 0x08, 0x19));  // transmission module
    EXPECT_FALSE(refresh({{17, 20}}, 0x09));
    EXPECT_FALSE(refresh({{17, 20}}, 0x00));  // second-scheme identifier without the flag
    EXPECT_TRUE(untouched(0));
    input_.altListVariant = true;
    EXPECT_TRUE(refresh({{17, 20}}, 0x00));
    EXPECT_TRUE(refresh({{17, 30}}, 0x08));
    EXPECT_EQ(text(0), "1882");

    link::Report blank{};
    EXPECT_FALSE(page_.refresh(blank, input_));
    input_.ecmCode = "10GA";  // not an engine-list model
    EXPECT_FALSE(refresh({{17, 40}}));
    input_.ecmCode = "";
    EXPECT_FALSE(refresh({{17, 40}}));
    EXPECT_EQ(text(0), "1882");
}

TEST_F(EnginePageModelTest, MissingCylindersStopTheInjectionRowsButNotTheAdvance) {
    ASSERT_TRUE(refresh({{31, 0}, {32, 0}, {33, 0xFF}, {35, 1}, {41, 36}}));
    EXPECT_EQ(text(15), "0.000");
    EXPECT_TRUE(untouched(16));
    EXPECT_TRUE(untouched(17));  // follows a missing cylinder even with data
    EXPECT_TRUE(untouched(18));
    EXPECT_EQ(text(19), "0");

    ASSERT_TRUE(refresh({{33, 1}, {35, 0xFF}, {41, 44}}));
    EXPECT_EQ(text(16), "0.255");
    EXPECT_TRUE(untouched(17));
    EXPECT_EQ(text(19), "2");
}

TEST_F(EnginePageModelTest, AdvanceBelowItsZeroLeavesTheRowAndLowBytesAreRaisedInTheReport) {
    ASSERT_TRUE(refresh({{41, 35}}));
    EXPECT_TRUE(untouched(19));
    ASSERT_TRUE(refresh({{41, 10}}));
    EXPECT_TRUE(untouched(19));
    EXPECT_EQ(link::frameByte(report_, 41), 32);
    ASSERT_TRUE(refresh({{41, 40}}));
    EXPECT_EQ(text(19), "1");
    ASSERT_TRUE(refresh({{41, 35}}));
    EXPECT_EQ(text(19), "1");  // kept, not blanked
}

TEST_F(EnginePageModelTest, BatteryAboveEighteenVoltsShowsThePlaceholder) {
    ASSERT_TRUE(refresh({{24, 229}}));
    EXPECT_EQ(text(8), "18.0");
    ASSERT_TRUE(refresh({{24, 230}}));
    EXPECT_TRUE(untouched(8));
    EXPECT_EQ(values_.latest(8), 0.0);
    EXPECT_EQ(table_.valueText(8), "---");
    ASSERT_TRUE(refresh({{24, 160}}));
    EXPECT_EQ(text(8), "12.5");
    EXPECT_EQ(colour(8), kYellow);
}

TEST_F(EnginePageModelTest, GearLettersAndTheirValuesForTheGraph) {
    input_.ecmCode = "31G0";  // gear position digit 2
    ASSERT_TRUE(refresh({{26, 1}}));
    EXPECT_EQ(text(21), "L");
    EXPECT_EQ(values_.latest(21), 76.0);
    EXPECT_EQ(table_.valueText(21), "L");
    ASSERT_TRUE(refresh({{26, 3}}));
    EXPECT_TRUE(untouched(21));
    EXPECT_EQ(values_.latest(21), 0.0);
}

TEST_F(EnginePageModelTest, IscValveDigitFourIsNotShown) {
    input_.ecmCode = "05H0";
    ASSERT_TRUE(refresh({{17, 10}, {29, 100}, {30, 7}}));
    EXPECT_NE(text(0), "---");
    EXPECT_TRUE(untouched(20));
}

TEST_F(EnginePageModelTest, ChangedValuesStayHighlightedForThePeriod) {
    input_.units.highlightPeriod = 1;  // 10 ticks
    resetPage();
    // After a reset every value shows highlighted for one period.
    ASSERT_TRUE(refresh({{52, 0x10}}));
    for (int tick = 1; tick < 10; ++tick) {
        ASSERT_TRUE(refresh({{52, 0x10}}));
        EXPECT_EQ(colour(29), kYellow) << tick;
    }
    ASSERT_TRUE(refresh({{52, 0x10}}));
    EXPECT_EQ(colour(29), kWhite);  // highlighted for ten refreshes, then counted down to 0

    ASSERT_TRUE(refresh({{52, 0x00}}));  // clutch On → Off
    EXPECT_EQ(text(29), "Off");
    EXPECT_EQ(values_.latest(36), 0.0);
    EXPECT_EQ(values_.highlightTicks(36), 10);
    for (int tick = 1; tick < 10; ++tick) {
        ASSERT_TRUE(refresh({{52, 0x00}}));
        EXPECT_EQ(colour(29), kYellow) << tick;
    }
    ASSERT_TRUE(refresh({{52, 0x00}}));
    EXPECT_EQ(colour(29), kWhite);

    input_.units.highlightColour = kBlue;
    ASSERT_TRUE(refresh({{17, 1}}));
    EXPECT_EQ(colour(0), kBlue);
}

TEST_F(EnginePageModelTest, NoHighlightNearTheEndOfAPlaybackButCountersRun) {
    input_.nearEnd = true;
    ASSERT_TRUE(refresh({{17, 5}}));
    EXPECT_EQ(colour(0), kWhite);
    EXPECT_EQ(values_.highlightTicks(0), 50);
    input_.nearEnd = false;
    ASSERT_TRUE(refresh({{17, 5}}));
    EXPECT_EQ(colour(0), kYellow);
    EXPECT_EQ(values_.highlightTicks(0), 49);
}

TEST_F(EnginePageModelTest, PeriodZeroNeverHighlights) {
    input_.units.highlightPeriod = 0;
    resetPage();
    ASSERT_TRUE(refresh({{17, 5}}));
    EXPECT_EQ(colour(0), kWhite);
    ASSERT_TRUE(refresh({{17, 6}}));
    EXPECT_EQ(colour(0), kWhite);
}

TEST_F(EnginePageModelTest, ResetReturnsEveryCellToThePlaceholderInTheNewLanguage) {
    ASSERT_TRUE(refresh({{17, 20}, {52, 0x10}}));
    for (int tick = 0; tick < 60; ++tick) refresh({{17, 20}, {52, 0x10}});
    EXPECT_EQ(colour(0), kWhite);

    vehicle::EngineTexts german = vehicle::englishEngineTexts();
    german[0] = QStringLiteral("Motordrehzahl");
    german[vehicle::engine_text::kOn] = QStringLiteral("Ein");
    page_.requestReset();
    EXPECT_TRUE(page_.resetPending());
    page_.tick(report_, input_, german, vehicle::englishUnitTexts(input_.units));
    EXPECT_FALSE(page_.resetPending());
    EXPECT_TRUE(page_.takeLayoutChanged());
    EXPECT_EQ(page_.label(0), "Motordrehzahl");
    EXPECT_EQ(table_.row(0).label, "Motordrehzahl");
    // The same frame comes back highlighted, in the new words.
    EXPECT_EQ(text(0), "1254");
    EXPECT_EQ(colour(0), kYellow);
    EXPECT_EQ(text(29), "Ein");
    EXPECT_EQ(table_.valueText(29), "Ein");
    EXPECT_TRUE(untouched(2));
    EXPECT_EQ(table_.valueText(2), "---");
}

TEST_F(EnginePageModelTest, OnlyChangedCellsAreReported) {
    input_.units.highlightPeriod = 0;
    resetPage();
    ASSERT_TRUE(refresh({{17, 20}}));
    EXPECT_NE(page_.takeChangedCells(), 0u);
    ASSERT_TRUE(refresh({{17, 20}}));
    EXPECT_EQ(page_.takeChangedCells(), 0u);
    ASSERT_TRUE(refresh({{17, 21}, {52, 0x10}}));
    EXPECT_EQ(page_.takeChangedCells(), (std::uint64_t{1} << 0) | (std::uint64_t{1} << 29));
}

// Rows whose inputs repeat reuse their last text; what a page shows after a long stream must
// still be what a fresh page shows for the last frame alone.
TEST(EnginePageRepeats, TextsEqualThoseOfAFreshDecode) {
    std::mt19937 random(7);
    vehicle::LiveValueSlots values;
    CurrentValuesTable table;
    EnginePageModel page(values, table);
    for (const char* code : {"21H2", "31G0", "05H0", "12F0"}) {
        page.reset(vehicle::englishEngineTexts(), vehicle::englishUnitTexts({}),
                   5);  // a new session
        for (int frame = 0; frame < 400; ++frame) {
            std::map<int, std::uint8_t> bytes;
            for (int b = 16; b <= 54; ++b) {
                // Few distinct values, so that rows repeat now and then.
                bytes[b] = static_cast<std::uint8_t>(
                    std::uniform_int_distribution<int>(0, 3)(random) * 77);
            }
            for (const int first : {31, 33, 35, 37})
                bytes[first] = std::min<std::uint8_t>(bytes[first], 200);
            bytes[41] = std::max<std::uint8_t>(bytes[41], 36);
            EngineRefreshInput input{code, false, false, {}};
            input.units.temperature = frame / 100 % 2;
            input.units.pressure = frame / 50 % 4;
            input.units.speed = frame / 200 % 2;
            link::Report report = reportOf(engineLiveFrame(bytes));
            link::Report copy = report;
            ASSERT_TRUE(page.refresh(report, input));

            vehicle::LiveValueSlots freshValues;
            CurrentValuesTable freshTable;
            EnginePageModel fresh(freshValues, freshTable);
            fresh.reset(vehicle::englishEngineTexts(), vehicle::englishUnitTexts(input.units), 5);
            ASSERT_TRUE(fresh.refresh(copy, input));
            for (int row = 0; row < EnginePageModel::kRowCount; ++row) {
                ASSERT_EQ(page.cellText(row), fresh.cellText(row))
                    << code << " frame " << frame << " row " << row;
                ASSERT_EQ(table.valueText(static_cast<std::size_t>(row)), page.cellText(row));
                // Slots are never cleared: compare the channel table where this frame wrote.
                if (row < 23 && fresh.cellText(row) != QStringLiteral("---")) {
                    ASSERT_EQ(values.latest(static_cast<std::size_t>(row)),
                              freshValues.latest(static_cast<std::size_t>(row)))
                        << code << " frame " << frame << " row " << row;
                }
            }
        }
    }
}

TEST(EnginePageClipboard, WritesSpeedAndThrottleAsIntegers) {
    vehicle::LiveValueSlots values;
    EXPECT_EQ(clipboardText(values), "RPM:0: TPS:0:");
    values.setLatest(0, 1500.0);
    values.setLatest(1, 12.5);
    EXPECT_EQ(clipboardText(values), "RPM:1500: TPS:12:");
}

}  // namespace
}  // namespace quilldar::pages
