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
    // Turns this value into a word of the engine text list in place.
    void setEngineText(int index) {
        size_ = 0;
        textIndex_ = static_cast<std::int8_t>(index);
    }

    bool isEngineText() const { return textIndex_ >= 0; }
    int engineTextIndex() const { return textIndex_; }
    // The rendered number; empty for an engine-text value.
    std::string_view chars() const { return {chars_.data(), size_}; }

    QString toQString(const EngineTexts& texts) const;

    // Compares only the characters in use, byte by byte: a text is usually compared right after
    // it was written character by character, when wide loads of it would stall.
    friend bool operator==(const ValueText& a, const ValueText& b) {
        if (a.size_ != b.size_ || a.textIndex_ != b.textIndex_) return false;
        for (std::size_t i = 0; i < a.size_; ++i) {
            if (a.chars_[i] != b.chars_[i]) return false;
        }
        return true;
    }

private:
    friend class ValueTextWriter;
    std::array<char, kCapacity> chars_{};
    std::uint8_t size_ = 0;
    std::int8_t textIndex_ = -1;
};

// Writes a number text character by character into a ValueText in place: the pages format
// dozens of cells per frame straight into the tables that keep them. Characters beyond the
// capacity are dropped.
class ValueTextWriter {
public:
    explicit ValueTextWriter(ValueText& text) : text_(text) {
        text_.size_ = 0;
        text_.textIndex_ = -1;
    }
    void put(char c) {
        if (text_.size_ < ValueText::kCapacity) text_.chars_[text_.size_++] = c;
    }
    void drop() { --text_.size_; }
    char last() const { return text_.chars_[text_.size_ - 1]; }
    std::size_t size() const { return text_.size_; }
    char* end() { return text_.chars_.data() + text_.size_; }
    char* limit() { return text_.chars_.data() + ValueText::kCapacity; }
    void setEnd(const char* end) {
        text_.size_ = static_cast<std::uint8_t>(end - text_.chars_.data());
    }

private:
    ValueText& text_;
};

// The value truncated toward zero, in decimal.
void formatInteger(double value, ValueText& out);
inline ValueText formatInteger(double value) {
    ValueText text;
    formatInteger(value, text);
    return text;
}

// The value with width - 1 significant digits: fixed notation while the exponent e of its first
// digit is within -1..width-2 (trailing zeros dropped, the point kept, then zeros appended up to
// width characters), exponent notation with a three-digit exponent otherwise (3.92e-002).
// width is 4 or 5.
void formatDecimal(double value, int width, ValueText& out);
inline ValueText formatDecimal(double value, int width) {
    ValueText text;
    formatDecimal(value, width, text);
    return text;
}
// The general form: the value with a number of significant digits (1..15) in the same notation,
// zeros appended up to padWidth characters when there is a point. formatDecimal(v, n) is
// formatSignificant(v, n - 1, n); five significant digits padded to five characters write a
// voltage to the millivolt (12.549, 0.000, 7.8431e-002).
void formatSignificant(double value, int digits, int padWidth, ValueText& out);
inline ValueText formatSignificant(double value, int digits, int padWidth) {
    ValueText text;
    formatSignificant(value, digits, padWidth, text);
    return text;
}
// The same text, rounded through the exact decimal expansion of the double every time. The
// reference that formatDecimal's faster rounding is checked against.
ValueText formatDecimalExact(double value, int width);

// The Engine page writes values below 0.1 (negatives included) as 0 and keeps that 0.
inline double zeroBelowTenth(double value) { return value < 0.1 ? 0.0 : value; }

}  // namespace quilldar::vehicle
