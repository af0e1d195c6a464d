#include "pages/error_codes_page.h"

#include <gtest/gtest.h>

#include "support/recording_builder.h"

namespace quilldar::pages {
namespace {

using testing::reportOf;
using testing::troubleCodeAnswer;

class ErrorCodesPageTest : public ::testing::Test {
protected:
    ErrorCodesPageTest() { vehicle::assignEnglishDtcTexts(catalogue_); }
    bool tick(const link::Report& report) { return page_.tick(report, catalogue_, words_); }

    vehicle::DtcCatalogue catalogue_;
    const vehicle::DtcStatusWords words_{"Past", "Pending", "Current"};
    ErrorCodesPage page_;
};

TEST_F(ErrorCodesPageTest, RowsKeepTheAnswersOrderWithCodeDescriptionAndStatus) {
    ASSERT_TRUE(tick(reportOf(troubleCodeAnswer({{0x01, 0x05, 0x60}, {0x00, 0x07, 0x20}, {0x01, 0x20, 0xE3}}))));
    ASSERT_EQ(page_.rows().size(), 3u);
    EXPECT_EQ(page_.rows()[0], (ErrorCodesPage::Row{"P0105", "Manifold absolute pressure circuit malfunction 1", "Current"}));
    EXPECT_EQ(page_.rows()[1], (ErrorCodesPage::Row{"P0007", "Unknown error", "Past"}));
    EXPECT_EQ(page_.rows()[2].code, "P0120-H-L");
    EXPECT_EQ(page_.reportCellCount(), 9);
    EXPECT_EQ(page_.reportCells()[3], "P0007");
}

TEST_F(ErrorCodesPageTest, OnlyAnAnswerWithAnotherChecksumRebuildsTheList) {
    const link::Report answer = reportOf(troubleCodeAnswer({{0x01, 0x05, 0x60}}));
    EXPECT_TRUE(tick(answer));
    EXPECT_FALSE(tick(answer));  // the same answer again: no flicker
    // Live data in between changes nothing.
    EXPECT_FALSE(tick(reportOf(testing::engineLiveFrame({{17, 10}}))));
    EXPECT_EQ(page_.rows().size(), 1u);

    // A new connection shows the first answer even when it equals the last one.
    page_.resetLastChecksum();
    EXPECT_TRUE(tick(answer));

    // No records empties the list and the report table.
    EXPECT_TRUE(tick(reportOf(troubleCodeAnswer({}))));
    EXPECT_TRUE(page_.rows().empty());
    EXPECT_EQ(page_.reportCellCount(), 0);
    EXPECT_TRUE(page_.reportCells()[0].isEmpty());
}

TEST_F(ErrorCodesPageTest, HeaderSplitsIntoThreeColumnNames) {
    EXPECT_EQ(ErrorCodesPage::columnNames("DTC No.:;Detected failure condition:;Current/Past:;"),
              (QStringList{"DTC No.:", "Detected failure condition:", "Current/Past:"}));
    EXPECT_EQ(ErrorCodesPage::columnNames("A").size(), 3);
}

}  // namespace
}  // namespace quilldar::pages
