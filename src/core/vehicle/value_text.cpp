#include "vehicle/value_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace quilldar::vehicle {

ValueText::ValueText(std::string_view ascii) {
    size_ = static_cast<std::uint8_t>(std::min(ascii.size(), kCapacity));
    std::copy_n(ascii.begin(), size_, chars_.begin());
}

ValueText ValueText::engineText(int index) {
    ValueText text;
    text.textIndex_ = static_cast<std::int8_t>(index);
    return text;
}

QString ValueText::toQString(const EngineTexts& texts) const {
    if (isEngineText()) {
        return static_cast<std::size_t>(textIndex_) < texts.size()
                   ? texts[static_cast<std::size_t>(textIndex_)]
                   : QString();
    }
    return QString::fromLatin1(chars_.data(), size_);
}

void formatInteger(double value, ValueText& text) {
    // The conversion truncates toward zero. Values beyond the 64-bit range (never produced by a
    // channel) are clamped instead of overflowing, and NaN gives 0.
    constexpr double kLimit = 9.2e18;
    long long integer = 0;
    if (value > -kLimit && value < kLimit) {
        integer = static_cast<long long>(value);
    } else if (value >= kLimit) {
        integer = static_cast<long long>(kLimit);
    } else if (value <= -kLimit) {
        integer = -static_cast<long long>(kLimit);
    }
    ValueTextWriter out(text);
    out.setEnd(std::to_chars(out.end(), out.limit(), integer).ptr);
}

namespace {

// A value rounded to a number of significant digits: its sign, the digits and the decimal
// exponent of the first digit.
struct Rounded {
    bool negative = false;
    int count = 0;
    std::array<char, 20> digits{};
    int exponent = 0;
};

// Rounds through the exact decimal expansion of the double (scientific notation).
Rounded roundExact(double value, int digits) {
    Rounded rounded;
    char scientific[48];
    const auto sci = std::to_chars(scientific, scientific + sizeof scientific, value,
                                   std::chars_format::scientific, digits - 1);
    const char* end = sci.ptr;
    const char* e = std::find(static_cast<const char*>(scientific), end, 'e');
    rounded.negative = scientific[0] == '-';
    for (const char* c = scientific + (rounded.negative ? 1 : 0); c < e; ++c) {
        if (*c != '.') rounded.digits[static_cast<std::size_t>(rounded.count++)] = *c;
    }
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, rounded.exponent);
    return rounded;
}

constexpr std::array<double, 23> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The doubles nearest to 10^-k.
constexpr std::array<double, 7> kNegativePowersOfTen = {1e0, 1e-1, 1e-2, 1e-3, 1e-4, 1e-5, 1e-6};

// value × 10^k with a single rounding (the powers up to 10^22 are exact doubles).
double scaleByPowerOfTen(double value, int k) {
    return k >= 0 ? value * kPowersOfTen[static_cast<std::size_t>(k)]
                  : value / kPowersOfTen[static_cast<std::size_t>(-k)];
}

// The same rounding in a few multiplications. Gives up (false) outside the usual range and when
// the scaled value lies so close to half a unit that the double's exact expansion must decide.
bool roundFast(double value, int digits, Rounded& rounded) {
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-6 && magnitude < 1e15) || digits > 15) return false;
    int exponent = 0;
    while (exponent < 15 && magnitude >= kPowersOfTen[static_cast<std::size_t>(exponent + 1)])
        ++exponent;
    // Only a value below 1 (exponent still 0) looks for its place among the negative powers.
    while (exponent <= 0 && exponent > -6 &&
           magnitude < kNegativePowersOfTen[static_cast<std::size_t>(-exponent)])
        --exponent;
    const double scaled = scaleByPowerOfTen(magnitude, digits - 1 - exponent);
    const auto whole = static_cast<long long>(scaled);  // scaled stays below 10^digits
    const double fraction = scaled - static_cast<double>(whole);
    if (std::fabs(fraction - 0.5) < 1e-6) return false;
    long long integer = fraction > 0.5 ? whole + 1 : whole;
    const auto low = static_cast<long long>(kPowersOfTen[static_cast<std::size_t>(digits - 1)]);
    // A misjudged first digit is left to the exact path.
    if (integer < low || integer > low * 10) return false;
    if (integer == low * 10) {  // rounding carried into a new digit: 9.996 → 10.0
        integer /= 10;
        ++exponent;
    }
    rounded.negative = value < 0;
    rounded.exponent = exponent;
    rounded.count = digits;
    for (int i = digits - 1; i >= 0; --i) {
        rounded.digits[static_cast<std::size_t>(i)] = static_cast<char>('0' + integer % 10);
        integer /= 10;
    }
    return true;
}

// Fixed notation while the exponent is within -1..digits-1 (trailing zeros dropped, the point
// kept), exponent notation with three exponent digits otherwise; then zeros appended up to the
// width when there is a point.
void layout(const Rounded& rounded, int width, ValueText& text) {
    ValueTextWriter out(text);
    if (rounded.negative) out.put('-');
    const int count = rounded.count;
    const int e = rounded.exponent;
    const auto digit = [&rounded](int i) { return rounded.digits[static_cast<std::size_t>(i)]; };
    bool point = false;
    if (e >= -1 && e <= count - 1) {
        if (e == -1) {
            out.put('0');
            out.put('.');
            point = true;
            for (int i = 0; i < count; ++i) out.put(digit(i));
        } else {
            for (int i = 0; i < count; ++i) {
                out.put(digit(i));
                if (i == e && i < count - 1) {
                    out.put('.');
                    point = true;
                }
            }
        }
        if (point) {
            while (out.last() == '0') out.drop();  // the point stays: twelve gives "12."
        }
    } else {
        int mantissa = count;
        while (mantissa > 1 && digit(mantissa - 1) == '0') --mantissa;
        out.put(digit(0));
        if (mantissa > 1) {
            out.put('.');
            point = true;
            for (int i = 1; i < mantissa; ++i) out.put(digit(i));
        }
        const int magnitude = std::abs(e);
        out.put('e');
        out.put(e < 0 ? '-' : '+');
        if (magnitude < 100) out.put('0');
        if (magnitude < 10) out.put('0');
        out.setEnd(std::to_chars(out.end(), out.limit(), magnitude).ptr);
    }
    if (point) {
        while (out.size() < static_cast<std::size_t>(width) && out.size() < ValueText::kCapacity)
            out.put('0');
    }
}

void formatSpecial(double value, int width, ValueText& text) {
    ValueTextWriter out(text);
    const std::string_view special = std::isnan(value)   ? "nan"
                                     : std::isinf(value) ? (value < 0 ? "-inf" : "inf")
                                                         : "";
    if (!special.empty()) {
        for (const char c : special) out.put(c);
        return;
    }
    // The value 0 is written "0." and padded like any text with a point.
    out.put('0');
    out.put('.');
    while (out.size() < static_cast<std::size_t>(std::clamp(width, 2, 12))) out.put('0');
}

// Widths outside this range are not used by any page; they are clamped to keep the buffers safe.
int clampWidth(int width) { return std::clamp(width, 2, 16); }

}  // namespace

void formatSignificant(double value, int digits, int padWidth, ValueText& text) {
    digits = std::clamp(digits, 1, 15);
    padWidth = clampWidth(padWidth);
    if (value == 0.0 || !std::isfinite(value)) return formatSpecial(value, padWidth, text);
    Rounded rounded;
    if (!roundFast(value, digits, rounded)) rounded = roundExact(value, digits);
    layout(rounded, padWidth, text);
}

void formatDecimal(double value, int width, ValueText& text) {
    width = clampWidth(width);
    formatSignificant(value, width - 1, width, text);
}

ValueText formatDecimalExact(double value, int width) {
    width = clampWidth(width);
    ValueText text;
    if (value == 0.0 || !std::isfinite(value)) {
        formatSpecial(value, width, text);
    } else {
        layout(roundExact(value, width - 1), width, text);
    }
    return text;
}

}  // namespace quilldar::vehicle
