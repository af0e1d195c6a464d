#include <gtest/gtest.h>

#include <string>

#include "vehicle/english_texts.h"
#include "vehicle/value_text.h"

namespace quilldar::vehicle {
namespace {

std::string dec(double value, int width) { return std::string(formatDecimal(value, width).chars()); }
std::string integer(double value) { return std::string(formatInteger(value).chars()); }

TEST(FormatDecimal, DocumentedExamples) {
    EXPECT_EQ(dec(12.0, 4), "12.0");
    EXPECT_EQ(dec(0.45, 5), "0.450");
    EXPECT_EQ(dec(0.0, 5), "0.000");
    EXPECT_EQ(dec(0.0, 4), "0.00");
    EXPECT_EQ(dec(1.2346, 5), "1.235");
    EXPECT_EQ(dec(100.0, 4), "100");
    EXPECT_EQ(dec(0.0392, 4), "3.92e-002");
}

TEST(FormatDecimal, RoundingThatCarriesIntoTheNextDigitMovesTheExponent) {
    EXPECT_EQ(dec(9.996, 4), "10.0");      // 3 digits: 10.0, not 9.996 → "10.00"
    EXPECT_EQ(dec(99.96, 4), "100");       // reaches three integer digits: no point
    EXPECT_EQ(dec(0.09996, 4), "0.10");    // 0.100 with e = -1, zeros dropped, padded to 4
    EXPECT_EQ(dec(999.6, 4), "1e+003");    // beyond fixed range: exponent, bare mantissa
    EXPECT_EQ(dec(12346.0, 5), "1.235e+004");
    EXPECT_EQ(dec(-12346.0, 5), "-1.235e+004");
    EXPECT_EQ(dec(0.001, 5), "1e-003");
}

TEST(FormatDecimal, FixedNotationDropsZerosThenPadsToWidth) {
    EXPECT_EQ(dec(12.5, 5), "12.50");
    EXPECT_EQ(dec(17.96078431372549, 4), "18.0");
    EXPECT_EQ(dec(12.549019607843137, 4), "12.5");
    EXPECT_EQ(dec(65.28, 5), "65.28");
    EXPECT_EQ(dec(125.0, 5), "125.0");
    EXPECT_EQ(dec(1000.0, 5), "1000");
    EXPECT_EQ(dec(-0.45, 5), "-0.45");
    EXPECT_EQ(dec(-1.5, 5), "-1.50");
}

TEST(FormatDecimal, EngineZeroingHappensBeforeRendering) {
    EXPECT_EQ(zeroBelowTenth(0.098), 0.0);
    EXPECT_EQ(zeroBelowTenth(-12.0), 0.0);
    EXPECT_EQ(zeroBelowTenth(0.1), 0.1);
    EXPECT_EQ(dec(zeroBelowTenth(5 * 5 / 255.0), 5), "0.000");  // O2 byte 5
}

TEST(FormatInteger, TruncatesTowardZero) {
    EXPECT_EQ(integer(1053.92), "1053");
    EXPECT_EQ(integer(-22.9), "-22");
    EXPECT_EQ(integer(-0.5), "0");
    EXPECT_EQ(integer(0.0), "0");
    EXPECT_EQ(integer(266.0), "266");
    EXPECT_EQ(integer(1e300), "9200000000000000000");  // clamped, no overflow
}

TEST(ValueText, EngineTextsFollowTheLanguage) {
    EngineTexts german = englishEngineTexts();
    german[engine_text::kOn] = QStringLiteral("Ein");
    const ValueText on = ValueText::engineText(engine_text::kOn);
    EXPECT_EQ(on.toQString(englishEngineTexts()), QStringLiteral("On"));
    EXPECT_EQ(on.toQString(german), QStringLiteral("Ein"));
    EXPECT_EQ(ValueText::placeholder().toQString(englishEngineTexts()), QStringLiteral("---"));
    EXPECT_NE(ValueText("12"), ValueText("12.0"));
    EXPECT_EQ(ValueText("12"), formatInteger(12.7));
    EXPECT_NE(ValueText(""), ValueText::placeholder());
}

}  // namespace
}  // namespace quilldar::vehicle
