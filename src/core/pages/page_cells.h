#pragma once

#include <QString>
#include <cstdint>
#include <utility>

#include "vehicle/unit_settings.h"
#include "vehicle/value_text.h"
#include "vehicle/vehicle_texts.h"

namespace quilldar::pages {

// The unit label beside a value cell: a fixed text or the text of the user's unit setting.
enum class UnitKind : std::uint8_t { None, Fixed, Speed, Temperature, Pressure, Steps };
struct CellUnit {
    UnitKind kind = UnitKind::None;
    const char* fixed = "";  // UTF-8, for UnitKind::Fixed
};
inline constexpr CellUnit kNoUnit{};
inline constexpr CellUnit kSpeedUnit{UnitKind::Speed};
inline constexpr CellUnit kTemperatureUnit{UnitKind::Temperature};
inline constexpr CellUnit kPressureUnit{UnitKind::Pressure};
inline constexpr CellUnit kStepsUnit{UnitKind::Steps};  // the language's word "Steps"
constexpr CellUnit unit(const char* text) { return {UnitKind::Fixed, text}; }

// The text of a unit label: the fixed text, or the word for the user's unit setting (the
// language's word for steps).
QString unitLabel(const CellUnit& unit, const vehicle::UnitTexts& unitWords, const QString& stepsWord);

// One value cell of a data page: its text on its background colour.
struct PageCell {
    vehicle::ValueText text = vehicle::ValueText::placeholder();
    vehicle::Colour background = vehicle::kPlaceholderGrey;
    friend bool operator==(const PageCell&, const PageCell&) = default;
};

// Which cells of a page changed since the window last looked, so that it repaints only those.
class CellChanges {
public:
    // Writes the cell; the row counts as changed only when its text or colour really changed.
    void set(PageCell& cell, int row, const vehicle::ValueText& text, vehicle::Colour background) {
        if (cell.text == text && cell.background == background) return;
        cell.text = text;
        cell.background = background;
        changed_ |= std::uint64_t{1} << row;
    }
    // After a page reset: every row and the labels changed.
    void markAll(int rowCount) {
        changed_ = rowCount >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << rowCount) - 1;
        layoutChanged_ = true;
    }
    std::uint64_t take() { return std::exchange(changed_, 0); }
    bool takeLayoutChanged() { return std::exchange(layoutChanged_, false); }

private:
    std::uint64_t changed_ = 0;
    bool layoutChanged_ = false;
};

}  // namespace quilldar::pages
