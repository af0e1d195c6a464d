#include <gtest/gtest.h>

#include "support/recording_builder.h"
#include "vehicle/dtc_catalogue.h"
#include "vehicle/english_texts.h"

namespace quilldar::vehicle {
namespace {

TEST(DtcNumber, NibblesAreDecimalDigitsThatCarry) {
    EXPECT_EQ(dtcNumber(0x01, 0x05), 105);
    EXPECT_EQ(dtcNumber(0x16, 0x55), 1655);
    EXPECT_EQ(dtcNumber(0x25, 0x05), 2505);
    EXPECT_EQ(dtcNumber(0xC1, 0x05), 105);  // letter bits ignored
    EXPECT_EQ(dtcNumber(0xD6, 0x55), 1655);
    EXPECT_EQ(dtcNumber(0x0A, 0x00), 1000);  // hundreds nibble 10 carries
    EXPECT_EQ(dtcNumber(0x01, 0x0F), 115);
    EXPECT_EQ(dtcNumber(0x3F, 0xFF), 4665);  // the largest number
    EXPECT_EQ(dtcNumber(0x00, 0x00), 0);
}

TEST(DtcDisplayCode, PrefixAndSymptomSuffixes) {
    EXPECT_EQ(dtcDisplayCode(105, 0x60), "P0105");
    EXPECT_EQ(dtcDisplayCode(7, 0x00), "P0007");
    EXPECT_EQ(dtcDisplayCode(1000, 0x00), "P1000");
    EXPECT_EQ(dtcDisplayCode(120, 0x01), "P0120-H");
    EXPECT_EQ(dtcDisplayCode(120, 0x02), "P0120-L");
    EXPECT_EQ(dtcDisplayCode(120, 0xE3), "P0120-H-L");
    EXPECT_EQ(dtcDisplayCode(4665, 0x1C), "P4665");  // bits 2 to 4 ignored
}

TEST(DtcStatusText, StorageStateFromBitsFiveAndSix) {
    const DtcStatusWords& words = englishDtcStatusWords();
    EXPECT_EQ(dtcStatusText(0x20, words), "Past");
    EXPECT_EQ(dtcStatusText(0x40, words), "Pending");
    EXPECT_EQ(dtcStatusText(0x60, words), "Current");
    EXPECT_EQ(dtcStatusText(0x00, words), "Past");
    EXPECT_EQ(dtcStatusText(0xE3, words), "Current");
    EXPECT_EQ(dtcStatusText(0x9F, words), "Past");
}

TEST(DtcCatalogue, EnglishTextsFillTheirSlots) {
    DtcCatalogue catalogue;
    assignEnglishDtcTexts(catalogue);
    EXPECT_EQ(englishDtcTexts().size(), 88u);
    EXPECT_EQ(englishDtcTexts().front().number, 0);
    EXPECT_EQ(catalogue.text(105), "Manifold absolute pressure circuit malfunction 1");
    EXPECT_EQ(catalogue.text(dtcNumber(0xD6, 0x55)),
              "Secondary throttle motor circuit malfunction");
    EXPECT_EQ(catalogue.text(418), "PAIR System Control ''A'' Circuit malfunction");
    EXPECT_EQ(catalogue.text(1653), "ECM TCM communication line A malfunction ");
    EXPECT_EQ(catalogue.text(500), catalogue.text(1121));
    EXPECT_EQ(catalogue.text(2505), "ECM/PCM power input signal malfunction");
}

TEST(DtcCatalogue, FallbackIsCopiedIntoTheSlotAndSurvivesALanguageChange) {
    DtcCatalogue catalogue;
    assignEnglishDtcTexts(catalogue);
    EXPECT_TRUE(catalogue.slot(7).isEmpty());
    EXPECT_EQ(catalogue.text(7), "Unknown error");
    EXPECT_EQ(catalogue.slot(7), "Unknown error");

    // Another language assigns its known slots again; slot 7 keeps the English fallback.
    catalogue.assign(0, QStringLiteral("Unbekannter Fehler"));
    catalogue.assign(105, QStringLiteral("Saugrohrdruck Stromkreis 1"));
    EXPECT_EQ(catalogue.text(7), "Unknown error");
    EXPECT_EQ(catalogue.text(8), "Unbekannter Fehler");
    EXPECT_EQ(catalogue.text(105), "Saugrohrdruck Stromkreis 1");
}

TEST(DtcCatalogue, NumbersBeyondTheCatalogueGetTheFallbackWithoutAStore) {
    DtcCatalogue catalogue;
    assignEnglishDtcTexts(catalogue);
    EXPECT_EQ(catalogue.text(2600), "Unknown error");
    EXPECT_EQ(catalogue.text(dtcNumber(0x3F, 0xFF)), "Unknown error");
    EXPECT_TRUE(catalogue.slot(4665).isEmpty());
    catalogue.assign(3000, QStringLiteral("ignored"));
    catalogue.assign(0, QStringLiteral("Erreur inconnue"));
    EXPECT_EQ(catalogue.text(3000), "Erreur inconnue");
}

TEST(DtcRecords, WalkFollowsTheLengthByteAndStopsAtTheReportEnd) {
    using testing::reportOf;
    using testing::troubleCodeAnswer;
    const auto records = dtcRecords(
        reportOf(troubleCodeAnswer({{0x01, 0x05, 0x60}, {0xD6, 0x55, 0x20}, {0, 7, 0x43}})));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].high, 0xD6);
    EXPECT_EQ(records[1].low, 0x55);
    EXPECT_EQ(records[2].status, 0x43);

    EXPECT_TRUE(dtcRecords(reportOf(troubleCodeAnswer({}))).empty());  // L = 2
    EXPECT_TRUE(dtcRecords(reportOf(testing::engineLiveFrame({}))).empty());

    // A length byte that claims more than the report holds (no checksum check for the second
    // identification scheme) walks only what is there: 19 records fit in 64 bytes.
    link::Report huge = reportOf(troubleCodeAnswer({{1, 2, 3}}));
    huge[4] = 0xFF;
    EXPECT_EQ(dtcRecords(huge).size(), 19u);
}

}  // namespace
}  // namespace quilldar::vehicle
