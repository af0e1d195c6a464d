#pragma once

#include <QString>

#include <array>
#include <cstddef>

#include "vehicle/value_text.h"
#include "vehicle/vehicle_texts.h"

namespace quilldar::pages {

// The live readings of the Engine page as the PDF report prints them: per row the label, the
// value text and the unit text. The Engine page fills the first 39 rows.
class CurrentValuesTable {
public:
    static constexpr std::size_t kRowCount = 40;

    struct Row {
        QString label;
        vehicle::ValueText value;
        QString unit;
    };

    const Row& row(std::size_t index) const { return rows_[index]; }
    void setRow(std::size_t index, const QString& label, const vehicle::ValueText& value,
                const QString& unit) {
        rows_[index] = {label, value, unit};
    }
    void setValue(std::size_t index, const vehicle::ValueText& value) {
        rows_[index].value = value;
    }
    // The value of a row, for writing it in place.
    vehicle::ValueText& value(std::size_t index) { return rows_[index].value; }
    // The texts that state-word values are written in (those of the last page reset).
    void setEngineTexts(const vehicle::EngineTexts& texts) { texts_ = texts; }

    QString valueText(std::size_t index) const { return rows_[index].value.toQString(texts_); }

private:
    std::array<Row, kRowCount> rows_{};
    vehicle::EngineTexts texts_{};
};

}  // namespace quilldar::pages
