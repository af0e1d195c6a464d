#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "vehicle/english_texts.h"
#include "vehicle/value_text.h"

namespace quilldar::vehicle {
namespace {

std::string dec(double value, int width) {
    return std::string(formatDecimal(value, width).chars());
}
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
    EXPECT_EQ(dec(9.996, 4), "10.0");    // 3 digits: 10.0, not 9.996 → "10.00"
    EXPECT_EQ(dec(99.96, 4), "100");     // reaches three integer digits: no point
    EXPECT_EQ(dec(0.09996, 4), "0.10");  // 0.100 with e = -1, zeros dropped, padded to 4
    EXPECT_EQ(dec(999.6, 4), "1e+003");  // beyond fixed range: exponent, bare mantissa
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

TEST(FormatDecimal, FastRoundingAgreesWithTheExactExpansion) {
    // Every value the engine channels with decimals produce, and a spread of others, including
    // ties like 0.125 and values just below a power of ten.
    std::vector<double> values;
    for (int a = 0; a < 256; ++a) {
        for (const double factor : {125.0, 85.0, 20.0, 5.0, 2.0})
            values.push_back(factor * a / 255.0);
        for (int b = 0; b < 256; b += 3) values.push_back((255.0 * a + b) / 1000.0);
    }
    for (double v = 1e-7; v < 1e16; v *= 1.37) values.push_back(v);
    for (const double v : {0.125, 0.375, 2.5, 1.0005, 9.9995, 99.995, 0.099999999999999992, 999.95,
                           1e15, 123456.5}) {
        values.push_back(v);
    }
    for (const double v : values) {
        for (const int width : {4, 5}) {
            ASSERT_EQ(formatDecimal(v, width), formatDecimalExact(v, width))
                << v << " width " << width;
            ASSERT_EQ(formatDecimal(-v, width), formatDecimalExact(-v, width))
                << -v << " width " << width;
        }
    }
}

TEST(FormatDecimal, EngineZeroingHappensBeforeRendering) {
    EXPECT_EQ(zeroBelowTenth(0.098), 0.0);
    EXPECT_EQ(zeroBelowTenth(-12.0), 0.0);
    EXPECT_EQ(zeroBelowTenth(0.1), 0.1);
    EXPECT_EQ(dec(zeroBelowTenth(5 * 5 / 255.0), 5), "0.000");  // O2 byte 5
}

TEST(FormatDecimal, OutOfRangeWidthsAndSpecialValuesStayInsideTheText) {
    EXPECT_EQ(dec(12.5, 0), "1e+001");  // clamped to two characters: one significant digit
    EXPECT_EQ(dec(1.0 / 3.0, 40), formatDecimalExact(1.0 / 3.0, 40).chars());
    EXPECT_EQ(dec(std::nan(""), 5), "nan");
    EXPECT_EQ(dec(-1.0 / 0.0, 5), "-inf");
    EXPECT_EQ(dec(1e300, 5), "1e+300");
    EXPECT_EQ(dec(-2.5e-300, 5), "-2.5e-300");
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
