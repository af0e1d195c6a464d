#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <string_view>

#include "link/report.h"
#include "vehicle/dtc_catalogue.h"

namespace quilldar::settings {
class LanguageTable;
}

namespace quilldar::pages {

// The Show data when trouble page without its window: the two faults the ECM stored, each with
// its description and six engine values at six moments around its detection (pre-detect, detect
// point, post-detect, fix point, cycle minimum, cycle maximum). Decodes the fault-time answers
// (local identifiers 0x40-0x45 for fault 1, 0x50-0x55 for fault 2) that stand in the report.
class FreezeFramePage {
public:
    static constexpr int kFaults = 2;
    static constexpr int kRows = 6;     // engine speed, throttle, pressure, coolant, gear, secondary throttle
    static constexpr int kColumns = 8;  // row name, six moments, unit
    using Grid = std::array<std::array<QString, kColumns>, kRows>;

    // The layout flag: a language change, clearing the trouble codes and playback switching the
    // page set it, and the next tick lays the page out afresh.
    void requestLayout() { layoutPending_ = true; }
    // The trouble codes were cleared: the page is laid out afresh, and the answer still standing
    // in the report from before the clear is not shown again.
    void startAfresh() {
        layoutPending_ = true;
        forgetStanding_ = true;
    }
    bool layoutPending() const { return layoutPending_; }

    // One timer tick: the layout when it is pending, then the answer standing in the report.
    // True when anything on the page changed.
    bool tick(const link::Report& report, std::string_view ecmCode, const settings::LanguageTable& texts,
              const vehicle::DtcCatalogue& catalogue);

    // What the page shows: the fault's label, its table (column 0 the row names, 1..6 the
    // moments, 7 the units) and the table's header texts.
    const QString& label(int fault) const { return labels_[static_cast<std::size_t>(fault)]; }
    const Grid& table(int fault) const { return tables_[static_cast<std::size_t>(fault)]; }
    const QStringList& headers(int fault) const { return headers_[static_cast<std::size_t>(fault)]; }
    // What the PDF report prints: what the page shows, so that a layout (after clearing the
    // trouble codes, for one) empties the report's values and description as it empties the page.
    const Grid& reportGrid(int fault) const { return table(fault); }
    const QString& reportText(int fault) const { return label(fault); }

    // True once after a layout: the whole page is drawn afresh.
    bool takeLayoutChanged();

private:
    void layOut(const settings::LanguageTable& texts);
    // The value texts from an answer, by the conversion types the model selects.
    void convert(const link::Report& report, std::string_view capabilities, const settings::LanguageTable& texts);

    bool layoutPending_ = true;
    bool forgetStanding_ = false;
    std::optional<link::Report> ignored_;
    bool layoutChanged_ = false;
    std::array<QString, kRows> values_{};
    std::array<QString, kFaults> labels_{};
    std::array<Grid, kFaults> tables_{};
    std::array<QStringList, kFaults> headers_{};
};

}  // namespace quilldar::pages
