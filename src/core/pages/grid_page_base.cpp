#include "pages/grid_page_base.h"

#include <algorithm>
#include <cassert>
#include <string_view>
#include <utility>

#include "pages/page_texts.h"

namespace quilldar::pages {

using vehicle::Colour;
using vehicle::HighlightStyle;
using vehicle::ValueText;

double formula::speed(int kmh, const vehicle::UnitSettings& units) {
    return units.milesPerHour() ? kmh * vehicle::kMilesPerKilometre : kmh;
}

GridPageBase::GridPageBase(const GridColumns& columns, settings::TextGroup labelGroup,
                           std::optional<CellKey> pageWord, Zeroing zeroing,
                           vehicle::LiveValueSlots& liveValues,
                           const settings::LanguageTable& texts)
    : labelGroup_(labelGroup),
      pageWord_(pageWord),
      zeroing_(zeroing),
      slots_(liveValues),
      texts_(texts) {
    for (int column = 0; column < kColumns; ++column) {
        int line = 0;
        for (const ColumnEntry& entry : columns[static_cast<std::size_t>(column)]) {
            if (entry.label >= 0) {
                const auto label = static_cast<std::size_t>(entry.label);
                if (rowOfLabel_.size() <= label) rowOfLabel_.resize(label + 1, -1);
                rowOfLabel_[label] = static_cast<int>(places_.size());
                places_.push_back({column, line});
                labelSlots_.push_back(entry.label);
                units_.push_back(entry.unit);
            }
            ++line;
        }
    }
    assert(places_.size() <= 64 && "one bit per cell in the changed mask");
    cells_.resize(places_.size());
    labels_.resize(places_.size());
    unitLabels_.resize(places_.size());
}

QString GridPageBase::cellText(int row) const {
    const ValueText& text = cells_[index(row)].text;
    if (!text.isEngineText()) {
        const std::string_view chars = text.chars();
        return QString::fromLatin1(chars.data(), static_cast<qsizetype>(chars.size()));
    }
    const auto word = static_cast<std::size_t>(text.engineTextIndex());
    return word < words_.size() ? words_[word] : QString();
}

bool GridPageBase::tick(link::Report& report, const PageInput& input) {
    applyPendingReset(input.units);
    const HighlightStyle style{input.units.highlightPeriod, input.units.highlightColour,
                               input.nearEnd};
    return refresh(report, input, style);
}

// Every value back to the placeholder on grey, the texts of the active language, every slot
// highlighted for one period so that values are drawn highlighted as they come back.
void GridPageBase::reset(const vehicle::UnitSettings& units) {
    slots_.resetHighlights(units.highlightPeriod);
    resetPending_ = false;
    const vehicle::EngineTexts engine = engineTexts(texts_);
    std::copy(engine.begin(), engine.end(), words_.begin());
    words_[kPageWord] = pageWord_ ? texts_.text(labelGroup_, pageWord_->label) : QString();
    const vehicle::UnitTexts unitWords = unitTexts(texts_);
    for (std::size_t row = 0; row < places_.size(); ++row) {
        cells_[row] = Cell{};
        labels_[row] = texts_.text(labelGroup_, labelSlots_[row]);
        unitLabels_[row] = pages::unitLabel(units_[row], unitWords, words_[vehicle::engine_text::kSteps]);
    }
    // The whole page is repainted; the words of the cells may read differently now.
    changes_.markAll(static_cast<int>(places_.size()));
}

void GridPageBase::showNumbers(std::span<const NumberRow> rows, const link::Report& report,
                               const vehicle::UnitSettings& units, const HighlightStyle& style) {
    for (const NumberRow& row : rows) showNumber(row, report, units, style);
}

void GridPageBase::showNumber(const NumberRow& row, const link::Report& report,
                              const vehicle::UnitSettings& units, const HighlightStyle& style) {
    if (!wants(row.slot)) return;
    const int a = link::frameByte(report, row.firstByte);
    const int b = row.secondByte != 0 ? link::frameByte(report, row.secondByte) : 0;
    showValue(rowOf(row.cell), row.slot, row.formula(a, b, units), row.format, style);
}

void GridPageBase::showSwitches(std::span<const SwitchRow> rows, const link::Report& report,
                                const HighlightStyle& style) {
    for (const SwitchRow& row : rows) showSwitch(row, report, style);
}

void GridPageBase::showSwitch(const SwitchRow& row, const link::Report& report,
                              const HighlightStyle& style) {
    if (!wants(row.slot)) return;
    const vehicle::SwitchBit& bit = row.bit;
    const int state =
        (link::frameByte(report, bit.frameByte) & bit.mask) != 0 ? bit.onText : bit.offText;
    const auto slot = static_cast<std::size_t>(row.slot);
    if (valuesOnly_) return slots_.setLatest(slot, vehicle::switchStateBit(state));
    const Colour colour = slots_.updateSwitchHighlight(slot, state, style);
    setCell(rowOf(row.cell), ValueText::engineText(state), colour);
    slots_.setLatest(slot, vehicle::switchStateBit(state));
}

void GridPageBase::showGear(CellKey cell, int slot, std::uint8_t raw, const HighlightStyle& style) {
    if (!wants(slot)) return;
    if (raw == 0) {
        if (valuesOnly_) return;
        setCell(rowOf(cell), ValueText::engineText(kPageWord), vehicle::kWhite);
        return;
    }
    showValue(rowOf(cell), slot, raw, NumberFormat::Integer, style);
}

void GridPageBase::showValue(int row, int slot, double value, NumberFormat format,
                             const HighlightStyle& style) {
    const bool decimal = format == NumberFormat::Decimal4 || format == NumberFormat::Decimal5;
    // The zeroed value is also the one kept, so that the graph shows what the cell shows.
    if (decimal && zeroing_ == Zeroing::WithinTenth && value > -0.1 && value < 0.1) value = 0.0;
    const auto index = static_cast<std::size_t>(slot);
    if (valuesOnly_) return slots_.setLatest(index, value);
    const Colour colour = slots_.updateHighlight(index, value, style);
    ValueText text;
    switch (format) {
        case NumberFormat::Integer:
            vehicle::formatInteger(value, text);
            break;
        case NumberFormat::Decimal4:
            vehicle::formatDecimal(value, 4, text);
            break;
        case NumberFormat::Decimal5:
            vehicle::formatDecimal(value, 5, text);
            break;
        case NumberFormat::FiveSignificant:
            vehicle::formatSignificant(value, 5, 5, text);
            break;
    }
    setCell(row, text, colour);
    slots_.setLatest(index, value);
}

void GridPageBase::setCell(int row, const ValueText& text, Colour background) {
    changes_.set(cells_[index(row)], row, text, background);
}

std::uint64_t GridPageBase::takeChangedCells() { return changes_.take(); }

bool GridPageBase::takeLayoutChanged() { return changes_.takeLayoutChanged(); }

}  // namespace quilldar::pages
