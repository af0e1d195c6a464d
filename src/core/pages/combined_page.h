#pragma once

#include "pages/grid_page_base.h"

namespace quilldar::pages {

// The Engine & Transmission page: the combined engine-and-transmission module. Its engine rows
// come from the live-data response of address 0x01 (local identifier 0x08), enabled by the
// capability digits of the model in the Engine & Transmission list; its transmission rows from
// any response with local identifier 0x09, whatever the source address.
class CombinedPage : public GridPageBase {
public:
    static constexpr int kTimerPeriodMs = 100;
    static constexpr int kRowCount = 39;

    CombinedPage(vehicle::LiveValueSlots& liveValues, const settings::LanguageTable& texts);

    static bool acceptsEngineReport(const link::Report& report);
    static bool acceptsTransmissionReport(const link::Report& report);

protected:
    bool refresh(const link::Report& report, const PageInput& input,
                 const vehicle::HighlightStyle& style) override;

private:
    bool refreshEngineRows(const link::Report& report, const PageInput& input,
                           const vehicle::HighlightStyle& style);
};

}  // namespace quilldar::pages
