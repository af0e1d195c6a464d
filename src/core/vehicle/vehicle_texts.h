#pragma once

#include <QString>

#include <array>
#include <cstddef>

namespace quilldar::vehicle {

// The texts of the vehicle knowledge and the engine data pages, as the active language supplies
// them. Plain data: the language table fills them, English is the default.

// The engine text list: the row labels of the Engine page, the placeholder, the ISC valve
// position unit and the six switch state words.
inline constexpr std::size_t kEngineTextCount = 47;
using EngineTexts = std::array<QString, kEngineTextCount>;

namespace engine_text {
inline constexpr int kPlaceholder = 35;  // "---"
inline constexpr int kSteps = 40;
inline constexpr int kOpen = 41;
inline constexpr int kGnd = 42;
inline constexpr int kNormal = 43;
inline constexpr int kAbnormal = 44;
inline constexpr int kOn = 45;
inline constexpr int kOff = 46;
}  // namespace engine_text

// The Engine page has 39 rows; the placeholder sits between the labels of rows 34 and 35.
inline constexpr int kEngineRowCount = 39;
constexpr int rowLabelIndex(int row) { return row < engine_text::kPlaceholder ? row : row + 1; }

// The unit texts for the current unit settings.
struct UnitTexts {
    QString speed;
    QString temperature;
    QString pressure;
};

// The words for the storage state of a trouble code.
struct DtcStatusWords {
    QString past;
    QString pending;
    QString current;
};

}  // namespace quilldar::vehicle
