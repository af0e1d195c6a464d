#pragma once

#include <QString>
#include <cstdint>
#include <string_view>
#include <vector>

#include "link/report.h"
#include "vehicle/unit_settings.h"

namespace quilldar::pages {

// What a data page's refresh depends on besides the report.
struct PageInput {
    std::string_view ecmCode;  // the connected ECM's or the recording's model code
    bool altListVariant = false;
    bool nearEnd = false;  // playback within its last records: no highlight colour
    vehicle::UnitSettings units;
};

// Where a row sits in a page's grid: three columns of value rows.
struct GridPlace {
    int column = 0;  // 0..2
    int line = 0;    // 0..12
};

// A live-data page without its window: a grid of rows, each a label, a value cell (text on a
// background colour) and a unit label. The five data pages differ only in their models; one grid
// widget draws any of them, repainting only the cells whose text or colour changed. Playback, the
// graph view and the CSV export run their own instances on recorded reports.
class PageModel {
public:
    static constexpr int kColumns = 3;
    static constexpr int kLines = 13;

    virtual ~PageModel() = default;

    virtual int rowCount() const = 0;
    virtual GridPlace place(int row) const = 0;
    virtual QString label(int row) const = 0;
    virtual QString unitLabel(int row) const = 0;
    virtual QString cellText(int row) const = 0;
    virtual vehicle::Colour cellColour(int row) const = 0;

    // The re-initialise flag: set by a language switch or a session reset, consumed by the next
    // tick. A new page starts with it set.
    virtual void requestReset() = 0;
    // The pending reset now, without waiting for a tick: a window applies it before it is first
    // drawn, so that its page never shows without its labels.
    virtual void applyPendingReset(const vehicle::UnitSettings& units) = 0;
    // One timer tick: the page reset when it is pending (labels from the language table, every
    // value "---" on grey, every highlight restarted), then the refresh from the report when the
    // page accepts it. True when the report was decoded.
    virtual bool tick(link::Report& report, const PageInput& input) = 0;

    // The rows whose text or colour changed since the last call (bit r for row r).
    virtual std::uint64_t takeChangedCells() = 0;
    // True once after a reset: labels and units changed, the whole page is repainted.
    virtual bool takeLayoutChanged() = 0;
};

}  // namespace quilldar::pages
