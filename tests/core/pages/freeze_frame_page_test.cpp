#include "pages/freeze_frame_page.h"

#include <gtest/gtest.h>

#include "link/kwp_frame.h"
#include "settings/language_table.h"
#include "settings/languages.h"
#include "vehicle/ecm_model_table.h"

namespace quilldar::pages {
namespace {

// A fault-time answer of the engine: code bytes, then bytes 10..16 (speed high and low, throttle,
// pressure, coolant, gear, secondary throttle).
link::Report answer(std::uint8_t identifier, std::uint8_t high, std::uint8_t low, std::array<std::uint8_t, 7> values) {
    std::vector<std::uint8_t> service{0x61, identifier, high, low, 0, 0};
    service.insert(service.end(), values.begin(), values.end());
    const link::Frame frame = link::buildResponse(0x12, service);
    link::Report report{};
    std::copy(frame.begin(), frame.end(), report.begin() + 1);
    return report;
}

// The first model of the page's list whose digits at the positions are the ones given.
std::string modelWith(std::initializer_list<std::pair<int, int>> digits) {
    for (const vehicle::EcmModelEntry& entry : vehicle::modelList(vehicle::ModelList::ShowDataWhenTrouble)) {
        bool all = true;
        for (const auto& [position, value] : digits) all = all && vehicle::digit(entry, static_cast<std::size_t>(position)) == value;
        if (all) return std::string(entry.code);
    }
    ADD_FAILURE() << "no model with these digits";
    return {};
}

class FreezeFrameTest : public ::testing::Test {
protected:
    FreezeFrameTest() {
        texts_.fill(settings::kEnglish, settings_);
        vehicle::assignEnglishDtcTexts(catalogue_);
    }
    bool tick(const link::Report& report) { return page_.tick(report, code_, texts_, catalogue_); }

    settings::Settings settings_;
    settings::LanguageTable texts_;
    vehicle::DtcCatalogue catalogue_;
    FreezeFramePage page_;
    std::string code_;
};

TEST_F(FreezeFrameTest, PreDetectAnswerOfATypeOneEcmFillsItsColumnAndTheLabel) {
    code_ = modelWith({{0, 1}, {1, 1}, {3, 1}, {5, 1}});
    ASSERT_TRUE(tick(answer(0x40, 0x01, 0x05, {0x0C, 0x80, 0xFF, 0x33, 0x82, 0x02, 0xFF})));
    const auto& table = page_.table(0);
    EXPECT_EQ(table[0][1], "1254");   // (12 × 256 / 2.55) + (128 × 100 / 255, whole)
    EXPECT_EQ(table[1][1], "125.0");  // 255 × 125 / 255, a five-character decimal
    EXPECT_EQ(table[2][1], "13");     // 51 × 166.7 / 255 − 20 = 13.34
    EXPECT_EQ(table[3][1], "51");     // 130 × 160 / 255 = 81 (whole), − 30
    EXPECT_EQ(page_.label(0), "Manifold absolute pressure circuit malfunction 1");
    EXPECT_EQ(page_.reportText(0), page_.label(0));
    EXPECT_EQ(page_.reportGrid(0)[0][1], "1254");
    EXPECT_EQ(table[0][0], "Engine speed");
    EXPECT_EQ(table[0][7], "rpm");
    EXPECT_EQ(page_.headers(0).at(6), "Cycle max");
    // Fault 2 is untouched.
    EXPECT_EQ(page_.label(1), " ");
    EXPECT_TRUE(page_.table(1)[0][1].isEmpty());
}

TEST_F(FreezeFrameTest, CycleMaxComesFrom0x44AndCycleMinFrom0x45) {
    code_ = modelWith({{0, 1}});
    tick(answer(0x44, 0x01, 0x05, {0x10, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(page_.table(0)[0][6], QString::number(static_cast<int>(16 * 256 / 2.55)));
    EXPECT_TRUE(page_.table(0)[0][5].isEmpty());
    tick(answer(0x55, 0x01, 0x05, {0x08, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(page_.table(1)[0][5], QString::number(static_cast<int>(8 * 256 / 2.55)));
}

TEST_F(FreezeFrameTest, ForeignCodesChangeNothingAndEmptyFaultsEmptyTheirColumns) {
    code_ = modelWith({{0, 1}});
    tick(answer(0x41, 0x01, 0x05, {0x0C, 0x80, 0, 0, 0, 0, 0}));
    const FreezeFramePage before = page_;
    EXPECT_FALSE(tick(answer(0x41, 0x16, 0x50, {0x20, 0, 0, 0, 0, 0, 0})));
    EXPECT_EQ(page_.table(0), before.table(0));
    EXPECT_EQ(page_.label(0), before.label(0));

    // Code 0 0: the moment's column empties, in the report as on the page; the label stays.
    EXPECT_TRUE(tick(answer(0x41, 0, 0, {0, 0, 0, 0, 0, 0, 0})));
    for (int row = 0; row < FreezeFramePage::kRows; ++row) EXPECT_TRUE(page_.table(0)[row][2].isEmpty());
    EXPECT_TRUE(page_.reportGrid(0)[0][2].isEmpty());
    EXPECT_FALSE(page_.label(0).trimmed().isEmpty());
    EXPECT_FALSE(tick(answer(0x41, 0, 0, {0, 0, 0, 0, 0, 0, 0})));  // nothing left to empty
}

// The edges of what the page takes: high code byte 0x0A is the page's own, 0x0B the first that
// is not; identifier 0x45 (cycle minimum) is the last moment of a fault, 0x46 none.
TEST_F(FreezeFrameTest, CodeByte0x0BAndIdentifier0x46AreTheFirstOutsideThePage) {
    code_ = modelWith({{0, 1}});
    EXPECT_TRUE(tick(answer(0x41, 0x0A, 0x05, {0x0C, 0x80, 0, 0, 0, 0, 0})));
    const QString ownLabel = page_.label(0);
    EXPECT_FALSE(page_.table(0)[0][2].isEmpty());

    const FreezeFramePage before = page_;
    EXPECT_FALSE(tick(answer(0x42, 0x0B, 0x05, {0x20, 0, 0, 0, 0, 0, 0})));
    EXPECT_EQ(page_.table(0), before.table(0));
    EXPECT_EQ(page_.label(0), ownLabel);

    EXPECT_TRUE(tick(answer(0x45, 0x01, 0x05, {0x08, 0, 0, 0, 0, 0, 0})));
    EXPECT_FALSE(page_.table(0)[0][5].isEmpty());
    const FreezeFramePage withMinimum = page_;
    EXPECT_FALSE(tick(answer(0x46, 0x01, 0x05, {0x10, 0, 0, 0, 0, 0, 0})));
    EXPECT_EQ(page_.table(0), withMinimum.table(0));
}

TEST_F(FreezeFrameTest, GearLettersKeepTheirTextForOtherValues) {
    code_ = modelWith({{16, 2}});
    tick(answer(0x40, 0x01, 0x05, {0, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(page_.table(0)[4][1], "Low");
    tick(answer(0x42, 0x01, 0x05, {0, 0, 0, 0, 0, 3, 0}));
    EXPECT_EQ(page_.table(0)[4][3], "Low");
    tick(answer(0x42, 0x01, 0x05, {0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(page_.table(0)[4][3], "N");
}

TEST_F(FreezeFrameTest, UnknownModelFillsWithTheLastValuesAndALayoutStartsAfresh) {
    code_ = "ZZZZ";
    tick(answer(0x40, 0x01, 0x05, {0x0C, 0x80, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(page_.table(0)[0][1].isEmpty());  // no values computed yet in this run
    EXPECT_FALSE(page_.label(0).trimmed().isEmpty());
    EXPECT_TRUE(page_.takeLayoutChanged());

    page_.requestLayout();
    tick(link::Report{});
    EXPECT_TRUE(page_.takeLayoutChanged());
    EXPECT_EQ(page_.label(0), " ");
    EXPECT_FALSE(page_.takeLayoutChanged());
}

TEST_F(FreezeFrameTest, AfterClearingTheAnswerFromBeforeIsNotShownAgain) {
    code_ = modelWith({{0, 1}});
    const link::Report before = answer(0x41, 0x01, 0x05, {0x0C, 0x80, 0, 0, 0, 0, 0});
    tick(before);
    ASSERT_FALSE(page_.label(0).trimmed().isEmpty());
    page_.startAfresh();
    tick(before);
    EXPECT_EQ(page_.label(0), " ");
    EXPECT_TRUE(page_.table(0)[0][2].isEmpty());
    // A new answer is shown again.
    tick(answer(0x41, 0x01, 0x05, {0x0D, 0, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(page_.label(0).trimmed().isEmpty());

    // A language change lays out afresh and shows the standing answer at once.
    page_.requestLayout();
    tick(before);
    EXPECT_FALSE(page_.label(0).trimmed().isEmpty());
}

}  // namespace
}  // namespace quilldar::pages
