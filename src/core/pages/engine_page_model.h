#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "link/report.h"
#include "pages/current_values_table.h"
#include "pages/page_cells.h"
#include "vehicle/ecm_model_table.h"
#include "vehicle/engine_channels.h"
#include "vehicle/live_value_slots.h"
#include "vehicle/unit_settings.h"
#include "vehicle/value_text.h"
#include "vehicle/vehicle_texts.h"

namespace quilldar::pages {

// What a refresh of the Engine page depends on besides the report.
struct EngineRefreshInput {
    std::string_view ecmCode;  // the key of the engine model list
    bool altListVariant = false;
    bool nearEnd = false;  // playback within its last records: no highlight colour
    vehicle::UnitSettings units;
};

// The unit label beside Engine row `row` (0..kRowCount-1).
const CellUnit& engineRowUnit(int row);

// The Engine page without its window: turns the engine live-data response in a report into a
// grid of 39 value cells (text and background colour), keeps the latest value of every channel
// in the shared LiveValueSlots and fills CurrentValuesTable. Values are formatted straight into
// CurrentValuesTable and copied into a cell only when the cell changes. The page on screen draws
// this model; playback, the graph view and the CSV export run their own instances on recorded
// reports.
class EnginePageModel {
public:
    static constexpr int kRowCount = vehicle::kEngineRowCount;

    using Cell = PageCell;

    EnginePageModel(vehicle::LiveValueSlots& liveValues, CurrentValuesTable& table);

    // The re-initialise flag: set by a language switch or a session reset, consumed by the next
    // tick. A new page starts with it set.
    void requestReset() { resetPending_ = true; }
    bool resetPending() const { return resetPending_; }

    // The page reset: every value back to the placeholder on grey, labels and unit labels from
    // the texts, CurrentValuesTable rows rewritten, all highlights restarted.
    void reset(const vehicle::EngineTexts& texts, const vehicle::UnitTexts& unitTexts,
               int highlightPeriod);

    // Decodes an engine live-data response of a model in the engine list; returns false and
    // changes nothing for any other report. A raw advance byte below 32 is raised to 32 in the
    // report itself.
    bool refresh(link::Report& report, const EngineRefreshInput& input);

    // One timer tick: the reset when it is pending, then the refresh.
    bool tick(link::Report& report, const EngineRefreshInput& input,
              const vehicle::EngineTexts& texts, const vehicle::UnitTexts& unitTexts);

    // Values only: the wanted slots get every reading; the cells, their highlights and the
    // other slots are left alone. For a page nobody sees (the graph's and the export's
    // decoders), where formatting each cell of every record would be most of the work.
    void keepValuesOnly(const vehicle::SlotMask& wanted) {
        valuesOnly_ = true;
        wanted_ = wanted;
        plannedModel_ = nullptr;
    }

    // True when the report is the engine's live-data response.
    static bool acceptsReport(const link::Report& report, bool altListVariant);

    const Cell& cell(int row) const { return cells_[static_cast<std::size_t>(row)]; }
    QString cellText(int row) const { return cell(row).text.toQString(texts_); }
    const QString& label(int row) const { return labels_[static_cast<std::size_t>(row)]; }
    const QString& unitLabel(int row) const { return unitLabels_[static_cast<std::size_t>(row)]; }

    // The rows whose text or colour changed since the last call (bit r for row r): the window
    // repaints only those.
    std::uint64_t takeChangedCells();
    // True once after a reset: labels and units changed, the whole page is repainted.
    bool takeLayoutChanged();

private:
    void refreshInjectionAndAdvance(link::Report& report, const vehicle::HighlightStyle& style);
    void refreshNumeric(const link::Report& report, int position, int digit,
                        const EngineRefreshInput& input, const vehicle::HighlightStyle& style);
    void refreshSwitch(const link::Report& report, int position, int digit,
                       const vehicle::HighlightStyle& style);
    void showNumber(int row, std::size_t slot, double value, vehicle::Display display,
                    const vehicle::HighlightStyle& style);
    void showUnreadable(int row, std::size_t slot);
    // A row whose raw bytes, digit and units equal those of its last refresh shows the same text
    // and value again: only the highlight runs. Saves formatting most rows of most frames.
    bool repeatRow(int row, std::size_t slot, std::uint32_t key,
                   const vehicle::HighlightStyle& style);
    void remember(int row, std::uint32_t key, double value, bool unreadable);
    void setCell(int row, const vehicle::ValueText& text, vehicle::Colour background);

    vehicle::LiveValueSlots& slots_;
    CurrentValuesTable& table_;
    std::array<Cell, kRowCount> cells_{};
    struct RowMemo {
        std::uint32_t key = 0;  // 0: nothing remembered (every real key has its top bit set)
        double value = 0.0;
        bool unreadable = false;
    };
    std::array<RowMemo, kRowCount> memo_{};
    std::array<QString, kRowCount> labels_{};
    std::array<QString, kRowCount> unitLabels_{};
    vehicle::EngineTexts texts_{};
    CellChanges changes_;
    bool resetPending_ = true;
    bool valuesOnly_ = false;
    vehicle::SlotMask wanted_;
    bool wants(std::size_t slot) const { return !valuesOnly_ || wanted_.test(slot); }
    // Values only: the positions (and digits) of the model last seen whose slots are wanted, so
    // that a record reads those few and not every position of the model.
    struct PlannedPosition {
        int position;
        int digit;
    };
    const vehicle::EcmModelEntry* plannedModel_ = nullptr;
    std::vector<PlannedPosition> plannedPositions_;
    void planPositions(const vehicle::EcmModelEntry& model);
    void refreshPosition(const link::Report& report, int position, int digit, const EngineRefreshInput& input,
                         const vehicle::HighlightStyle& style);
};

// The Engine page's clipboard line: "RPM:" engine speed ": TPS:" throttle ":" (slots 0 and 1,
// truncated to integers).
QString clipboardText(const vehicle::LiveValueSlots& liveValues);

}  // namespace quilldar::pages
