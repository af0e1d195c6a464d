#include <gtest/gtest.h>

#include "settings/highlight_colour.h"
#include "settings/languages.h"
#include "settings/settings.h"

namespace quilldar::settings {
namespace {

TEST(SettingsArrayTest, EncodingIsEntryPlusOneAndDecodingTheReverse) {
    const SettingsArray entries = {1, 0, 3, 1, 0, 77, 4, 0, 1, 0};
    const QString value = encodeSettingsArray(entries);
    ASSERT_EQ(value.size(), 10);
    EXPECT_EQ(value[0].unicode(), 2);
    EXPECT_EQ(value[5].unicode(), 78);
    EXPECT_EQ(decodeSettingsArray(value), entries);
}

TEST(SettingsArrayTest, CharacterOfCodeZeroWrapsToAByteInsteadOfGoingNegative) {
    QString value = encodeSettingsArray({0, 0, 0, 0, 0, 5, 0, 0, 1, 0});
    value[1] = QChar(0);
    EXPECT_EQ(decodeSettingsArray(value)[1], 255);
}

TEST(SettingsArrayTest, OutOfRangeUnitEntriesAreSetBackToZero) {
    SettingsArray entries = {4, 2, 4, 2, 9, 50, 5, 9, 1, 9};
    correctUnitEntries(entries);
    EXPECT_EQ(entries, (SettingsArray{0, 0, 0, 0, 9, 50, 5, 9, 1, 9}));
    SettingsArray inRange = {1, 1, 3, 1, 0, 5, 0, 0, 0, 0};
    correctUnitEntries(inRange);
    EXPECT_EQ(inRange, (SettingsArray{1, 1, 3, 1, 0, 5, 0, 0, 0, 0}));
}

TEST(LanguageValueTest, OneCharacterLanguageIndexPlusOne) {
    EXPECT_EQ(encodeLanguage(kEnglish), QString(QChar(2)));
    EXPECT_EQ(decodeLanguage(QString(QChar(8))), kRussian);
    EXPECT_EQ(decodeLanguage(QString()), kEnglish);
}

TEST(HighlightColourTest, EachColourOfTheListHasItsStoredForm) {
    const char* expected[kHighlightColourCount] = {"122", "112", "121", "221", "211", "212"};
    for (int i = 0; i < kHighlightColourCount; ++i) {
        EXPECT_EQ(encodeHighlightColour(highlightColourAt(i)), QLatin1String(expected[i]))
            << kHighlightColours[i].name;
        EXPECT_EQ(decodeHighlightColour(QLatin1String(expected[i])), highlightColourAt(i));
    }
}

TEST(HighlightColourTest, ReadingTakesAnyCharacterButOneAsFull) {
    EXPECT_EQ(decodeHighlightColour(QStringLiteral("1x9")), 0x00FFFFu);
    EXPECT_EQ(decodeHighlightColour(QStringLiteral("111")), 0x000000u);
    EXPECT_EQ(decodeHighlightColour(QStringLiteral("2221")), 0xFFFFFFu) << "extra characters ignored";
    EXPECT_EQ(decodeHighlightColour(QStringLiteral("22")), 0x0000FFu) << "too short gives red";
    EXPECT_EQ(decodeHighlightColour(QString()), 0x0000FFu);
}

TEST(HighlightColourTest, WritingTakesOnlyFullComponentsAsTwo) {
    EXPECT_EQ(encodeHighlightColour(0x80FF00), "121");
    EXPECT_EQ(encodeHighlightColour(0x000000), "111");
}

TEST(LanguagesTest, NamesCodesAndIndicesFindTheLanguage) {
    EXPECT_EQ(languageIndexFromName(u"German"), kGerman);
    EXPECT_EQ(languageIndexFromName(u"german"), kGerman);
    EXPECT_EQ(languageIndexFromName(u"de"), kGerman);
    EXPECT_EQ(languageIndexFromName(u"3"), kGerman);
    EXPECT_EQ(languageIndexFromName(u"T\u00FCrk\u00E7e"), kTurkish);
    EXPECT_EQ(languageIndexFromName(u"Turkish"), kTurkish);
    EXPECT_EQ(languageIndexFromName(u"Poland"), kPolish);
    EXPECT_EQ(languageIndexFromName(u"Polish"), kPolish);
    EXPECT_FALSE(languageIndexFromName(u"10").has_value());
    EXPECT_FALSE(languageIndexFromName(u"Klingon").has_value());
    EXPECT_EQ(languageListNames().size(), kLanguageCount);
}

TEST(LanguagesTest, RussianUsesTheCyrillicFontSetAndPdfEncoding) {
    EXPECT_EQ(fontCharacterSet(kRussian), 204);
    EXPECT_STREQ(pdfEncoding(kRussian), "CP1251");
    for (int language : {kCzech, kEnglish, kGerman, kHungarian, kPolish}) {
        EXPECT_EQ(fontCharacterSet(language), 1);
        EXPECT_STREQ(pdfEncoding(language), "CP1250");
    }
    // CP1250 lacks à, è, ñ, ğ and ı: these languages keep their letters with their own page.
    EXPECT_STREQ(pdfEncoding(kFrench), "CP1252");
    EXPECT_STREQ(pdfEncoding(kSpanish), "CP1252");
    EXPECT_STREQ(pdfEncoding(kTurkish), "CP1254");
    EXPECT_STREQ(pdfEncoding(12), "CP1250");
}

}  // namespace
}  // namespace quilldar::settings
