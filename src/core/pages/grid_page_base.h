#pragma once

#include <QString>
#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <type_traits>
#include <vector>

#include "link/report.h"
#include "pages/page_cells.h"
#include "pages/page_model.h"
#include "settings/language_table.h"
#include "vehicle/engine_channels.h"
#include "vehicle/live_value_slots.h"
#include "vehicle/unit_settings.h"
#include "vehicle/value_text.h"
#include "vehicle/vehicle_texts.h"

namespace quilldar::pages {

// How a value is written into its cell.
enum class NumberFormat : std::uint8_t {
    Integer,          // truncated toward zero
    Decimal4,         // three significant digits, padded to four characters
    Decimal5,         // four significant digits, padded to five characters
    FiveSignificant,  // five significant digits, padded to five characters, never zeroed
};

// What a page's decimal formats do with values close to zero.
enum class Zeroing : std::uint8_t {
    WithinTenth,  // values strictly between -0.1 and 0.1 become 0; negatives keep their sign
    None,         // every value is written as computed, tiny ones in exponent notation
};

// A cell as the page's tables name it: by the slot of its label in the page's text group (each
// cell has its own label), so that the tables can use the language slot names.
struct CellKey {
    template <typename Slot>
    requires std::is_enum_v<Slot>
    constexpr CellKey(Slot slot) : label(static_cast<int>(slot)) {}
    int label;
};

// One line of a grid column: a value cell with its label and unit label, or a gap.
struct ColumnEntry {
    template <typename Slot>
    requires std::is_enum_v<Slot>
    constexpr ColumnEntry(Slot slot, CellUnit unitLabel = kNoUnit)
        : label(static_cast<int>(slot)), unit(unitLabel) {}
    static constexpr ColumnEntry gap() { return ColumnEntry(); }

    int label;  // -1 for a gap
    CellUnit unit;

private:
    constexpr ColumnEntry() : label(-1) {}
};
inline constexpr ColumnEntry kGap = ColumnEntry::gap();

// The three columns of a page, top to bottom; the rows of the page are numbered column by column.
using GridColumns = std::array<std::span<const ColumnEntry>, PageModel::kColumns>;

constexpr int cellCount(const GridColumns& columns) {
    int count = 0;
    for (const auto column : columns) {
        for (const ColumnEntry& entry : column) count += entry.label >= 0 ? 1 : 0;
    }
    return count;
}

// A conversion from the raw bytes A and B (0..255) to the value in display units.
using Formula = double (*)(int a, int b, const vehicle::UnitSettings& units);

// A numeric row: the value of one or two frame bytes, shown in a cell and kept in a slot.
struct NumberRow {
    CellKey cell;
    int slot;
    std::uint8_t firstByte;   // A
    std::uint8_t secondByte;  // B; 0 when the row reads one byte
    Formula formula;
    NumberFormat format;
};

// A switch row: one bit of one frame byte; set shows bit.onText, clear bit.offText (engine text
// list), and the slot keeps the state bit (1 for "Open", "Normal", "On").
struct SwitchRow {
    CellKey cell;
    int slot;
    vehicle::SwitchBit bit;
};

constexpr vehicle::SwitchBit onOff(std::uint8_t frameByte, std::uint8_t mask) {
    return {frameByte, mask, vehicle::engine_text::kOn, vehicle::engine_text::kOff};
}
constexpr vehicle::SwitchBit openGnd(std::uint8_t frameByte, std::uint8_t mask) {
    return {frameByte, mask, vehicle::engine_text::kOpen, vehicle::engine_text::kGnd};
}
constexpr vehicle::SwitchBit normalAbnormal(std::uint8_t frameByte, std::uint8_t mask) {
    return {frameByte, mask, vehicle::engine_text::kNormal, vehicle::engine_text::kAbnormal};
}
// A fault flag: a set bit reports the fault.
constexpr vehicle::SwitchBit abnormalNormal(std::uint8_t frameByte, std::uint8_t mask) {
    return {frameByte, mask, vehicle::engine_text::kAbnormal, vehicle::engine_text::kNormal};
}

// True when the report holds a positive local-data response (service 0x61) with this local
// identifier from this source address.
inline bool isLocalDataResponse(const link::Report& report, std::uint8_t source,
                                std::uint8_t identifier) {
    constexpr std::uint8_t kPositiveLocalData = 0x61;
    return link::frameByte(report, 2) == source &&
           link::frameByte(report, 4) == kPositiveLocalData &&
           link::frameByte(report, 5) == identifier;
}

// Conversions several pages share.
namespace formula {
// A byte in km/h, in the speed unit of the settings.
double speed(int kmh, const vehicle::UnitSettings& units);
// A byte on the 0..20 V scale of the modules' voltage inputs.
inline double volts20(int a, int, const vehicle::UnitSettings&) { return 20.0 * a / 255.0; }
inline double vehicleSpeed(int a, int, const vehicle::UnitSettings& units) {
    return speed(a, units);
}
}  // namespace formula

// The grid pages without their windows: a fixed table of value cells, each a label, a value
// (text on a background colour) and a unit label, refreshed from the report by the page's tables
// of rows. Every row follows the same procedure: compute the value, run the slot's highlight
// (a changed value restarts it), write the cell, keep the value in the shared LiveValueSlots.
// A cell is marked changed only when its text or colour really changes, so that the window
// repaints only those.
class GridPageBase : public PageModel {
public:
    int rowCount() const override { return static_cast<int>(places_.size()); }
    GridPlace place(int row) const override { return places_[index(row)]; }
    QString label(int row) const override { return labels_[index(row)]; }
    QString unitLabel(int row) const override { return unitLabels_[index(row)]; }
    QString cellText(int row) const override;
    vehicle::Colour cellColour(int row) const override { return cells_[index(row)].background; }
    void requestReset() override { resetPending_ = true; }
    void applyPendingReset(const vehicle::UnitSettings& units) override {
        if (resetPending_) reset(units);
    }
    bool tick(link::Report& report, const PageInput& input) override;
    std::uint64_t takeChangedCells() override;
    bool takeLayoutChanged() override;

    bool resetPending() const { return resetPending_; }
    // Values only: the wanted slots get every reading; the cells, their highlights and the
    // other slots are left alone (a page nobody sees, decoding for the graph or the export).
    void keepValuesOnly(const vehicle::SlotMask& wanted) {
        valuesOnly_ = true;
        wanted_ = wanted;
    }

protected:
    // columns: the cells, their labels from the slots of labelGroup; pageWord: the one word of
    // the page's own group that a cell may show instead of a value ("Auto mode"), if any.
    GridPageBase(const GridColumns& columns, settings::TextGroup labelGroup,
                 std::optional<CellKey> pageWord, Zeroing zeroing,
                 vehicle::LiveValueSlots& liveValues, const settings::LanguageTable& texts);

    // Decodes the report when the page accepts it; true when it did.
    virtual bool refresh(const link::Report& report, const PageInput& input,
                         const vehicle::HighlightStyle& style) = 0;

    void showNumbers(std::span<const NumberRow> rows, const link::Report& report,
                     const vehicle::UnitSettings& units, const vehicle::HighlightStyle& style);
    void showNumber(const NumberRow& row, const link::Report& report,
                    const vehicle::UnitSettings& units, const vehicle::HighlightStyle& style);
    void showSwitches(std::span<const SwitchRow> rows, const link::Report& report,
                      const vehicle::HighlightStyle& style);
    void showSwitch(const SwitchRow& row, const link::Report& report,
                    const vehicle::HighlightStyle& style);
    // The gear position of the transmission: the gear number, or for 0 the page's word
    // ("Auto mode"). That word is not a value: the slot keeps the last gear and its highlight
    // does not run, so the cell is drawn on white rather than in a highlight that could never
    // count down.
    void showGear(CellKey cell, int slot, std::uint8_t raw, const vehicle::HighlightStyle& style);

private:
    static constexpr int kPageWord = static_cast<int>(vehicle::kEngineTextCount);

    using Cell = PageCell;

    static std::size_t index(int row) { return static_cast<std::size_t>(row); }
    int rowOf(CellKey cell) const {
        const int row = rowOfLabel_[static_cast<std::size_t>(cell.label)];
        assert(row >= 0 && "a row of the page's tables names a cell of its grid");
        return row;
    }
    void reset(const vehicle::UnitSettings& units);
    void showValue(int row, int slot, double value, NumberFormat format,
                   const vehicle::HighlightStyle& style);
    void setCell(int row, const vehicle::ValueText& text, vehicle::Colour background);

    settings::TextGroup labelGroup_;
    std::optional<CellKey> pageWord_;
    Zeroing zeroing_;
    vehicle::LiveValueSlots& slots_;
    const settings::LanguageTable& texts_;

    // By row: where it sits, its label slot and unit; by label slot: the row.
    std::vector<GridPlace> places_;
    std::vector<int> labelSlots_;
    std::vector<CellUnit> units_;
    std::vector<int> rowOfLabel_;

    std::vector<Cell> cells_;
    std::vector<QString> labels_;
    std::vector<QString> unitLabels_;
    // The engine text list (placeholder and state words) followed by the page's own word.
    std::array<QString, vehicle::kEngineTextCount + 1> words_{};
    CellChanges changes_;
    bool resetPending_ = true;
    bool valuesOnly_ = false;
    vehicle::SlotMask wanted_;
    bool wants(int slot) const { return !valuesOnly_ || wanted_.test(static_cast<std::size_t>(slot)); }
};

}  // namespace quilldar::pages
