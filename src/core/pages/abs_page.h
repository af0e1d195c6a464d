#pragma once

#include "pages/grid_page_base.h"

namespace quilldar::pages {

// The ABS page: the anti-lock brake module (address 0x29). Its wheel speed block (local
// identifier 0x00) gives the wheel speeds and the monitoring voltage, its status block (local
// identifier 0x08) the fault flags and, for the models 10G0 and 27G0, the switch and valve
// states. The Service check signal position cell is shared by the two models, each reading its
// own bit into its own slot.
class AbsPage : public GridPageBase {
public:
    static constexpr int kTimerPeriodMs = 100;
    static constexpr int kRowCount = 19;

    AbsPage(vehicle::LiveValueSlots& liveValues, const settings::LanguageTable& texts);

    // The local identifier of the accepted ABS response (0x00 or 0x08), or -1.
    static int acceptedBlock(const link::Report& report);

protected:
    bool refresh(const link::Report& report, const PageInput& input,
                 const vehicle::HighlightStyle& style) override;
};

}  // namespace quilldar::pages
