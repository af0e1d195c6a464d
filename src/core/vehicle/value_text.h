#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <string_view>

#include "vehicle/vehicle_texts.h"

namespace quilldar::vehicle {

// The text of one value cell: either a number rendered in ASCII or a word of the engine text
// list (the placeholder, a state word), kept by index so that it follows the active language.
// A fixed-size value without heap memory: the pages rewrite dozens of cells per frame.
class ValueText {
public:
    static constexpr std::size_t kCapacity = 24;

    ValueText() = default;
    // Keeps at most kCapacity characters.
    explicit ValueText(std::string_view ascii);
    static ValueText engineText(int index);
    static ValueText placeholder() { return engineText(engine_text::kPlaceholder); }

    bool isEngineText() const { return textIndex_ >= 0; }
    int engineTextIndex() const { return textIndex_; }
    // The rendered number; empty for an engine-text value.
    std::string_view chars() const { return {chars_.data(), size_}; }

    QString toQString(const EngineTexts& texts) const;

    friend bool operator==(const ValueText&, const ValueText&) = default;

private:
    std::array<char, kCapacity> chars_{};  // zero past size_, so that == compares only content
    std::uint8_t size_ = 0;
    std::int8_t textIndex_ = -1;
};

// The value truncated toward zero, in decimal.
ValueText formatInteger(double value);

// The value with width - 1 significant digits: fixed notation while the exponent e of its first
// digit is within -1..width-2 (trailing zeros dropped, the point kept, then zeros appended up to
// width characters), exponent notation with a three-digit exponent otherwise (3.92e-002).
// width is 4 or 5.
ValueText formatDecimal(double value, int width);

// The Engine page writes values below 0.1 (negatives included) as 0 and keeps that 0.
inline double zeroBelowTenth(double value) { return value < 0.1 ? 0.0 : value; }

}  // namespace quilldar::vehicle
