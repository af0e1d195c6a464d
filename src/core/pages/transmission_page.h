#pragma once

#include "pages/grid_page_base.h"

namespace quilldar::pages {

// The Transmission page: the live data of the separate transmission control module (address
// 0x19, local identifier 0x08): 13 numeric rows in the first column, 23 switch rows in the other
// two. Every row is updated from every accepted response; there are no capability digits.
class TransmissionPage : public GridPageBase {
public:
    // This page refreshes every 136 ms, not every 100 ms: its highlights last 1.36 times as long.
    static constexpr int kTimerPeriodMs = 136;
    static constexpr int kRowCount = 36;

    TransmissionPage(vehicle::LiveValueSlots& liveValues, const settings::LanguageTable& texts);

    // True for a positive live-data response of the transmission module.
    static bool acceptsReport(const link::Report& report);

protected:
    bool refresh(const link::Report& report, const PageInput& input,
                 const vehicle::HighlightStyle& style) override;
};

}  // namespace quilldar::pages
