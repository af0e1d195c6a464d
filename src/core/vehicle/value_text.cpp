#include "vehicle/value_text.h"

#include <algorithm>
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
        return static_cast<std::size_t>(textIndex_) < texts.size() ? texts[static_cast<std::size_t>(textIndex_)]
                                                                   : QString();
    }
    return QString::fromLatin1(chars_.data(), size_);
}

ValueText formatInteger(double value) {
    // Truncation toward zero; values beyond the 64-bit range (never produced by a channel) are
    // clamped instead of overflowing, and NaN gives 0.
    constexpr double kLimit = 9.2e18;
    const double clamped = std::isnan(value) ? 0.0 : std::clamp(std::trunc(value), -kLimit, kLimit);
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(clamped));
    return ValueText(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

ValueText formatDecimal(double value, int width) {
    if (!std::isfinite(value)) return ValueText(std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf"));
    const int digits = width - 1;  // significant digits
    char buffer[40];
    std::size_t size = 0;
    if (value == 0.0) {
        buffer[size++] = '0';
        buffer[size++] = '.';
    } else {
        // The exponent of the value rounded to the significant digits, as scientific notation
        // gives it (9.996 with three digits rounds to 1.00e+01).
        char scientific[40];
        const auto sci = std::to_chars(scientific, scientific + sizeof scientific, value,
                                       std::chars_format::scientific, digits - 1);
        const char* e = std::find(static_cast<const char*>(scientific), static_cast<const char*>(sci.ptr), 'e');
        int exponent = 0;
        std::from_chars(e + (e[1] == '+' ? 2 : 1), sci.ptr, exponent);
        if (exponent >= -1 && exponent <= digits - 1) {
            const auto fixed = std::to_chars(buffer, buffer + sizeof buffer, value,
                                             std::chars_format::fixed, digits - 1 - exponent);
            size = static_cast<std::size_t>(fixed.ptr - buffer);
            if (std::find(buffer, buffer + size, '.') != buffer + size) {
                while (buffer[size - 1] == '0') --size;  // the point stays: twelve gives "12."
            }
        } else {
            // Mantissa without trailing zeros (and without a bare point), then e, sign and three
            // exponent digits.
            std::size_t mantissa = static_cast<std::size_t>(e - scientific);
            if (std::find(static_cast<const char*>(scientific), e, '.') != e) {
                while (scientific[mantissa - 1] == '0') --mantissa;
                if (scientific[mantissa - 1] == '.') --mantissa;
            }
            std::copy_n(scientific, mantissa, buffer);
            size = mantissa;
            const int magnitude = std::abs(exponent);
            buffer[size++] = 'e';
            buffer[size++] = exponent < 0 ? '-' : '+';
            if (magnitude < 100) buffer[size++] = '0';
            if (magnitude < 10) buffer[size++] = '0';
            const auto exp = std::to_chars(buffer + size, buffer + sizeof buffer, magnitude);
            size = static_cast<std::size_t>(exp.ptr - buffer);
        }
    }
    if (std::find(buffer, buffer + size, '.') != buffer + size) {
        while (size < static_cast<std::size_t>(width)) buffer[size++] = '0';
    }
    return ValueText(std::string_view(buffer, size));
}

}  // namespace quilldar::vehicle
