#pragma once

#include <string_view>

#include "pages/grid_page_base.h"

namespace quilldar::pages {

// The EPS page: the electric power steering module (address 0x31, local identifier 0x08) of the
// one known model, 31H0. For any other model every row stays at the placeholder. Its values are
// written without zeroing: tiny values come out in exponent notation (3.92e-002).
class EpsPage : public GridPageBase {
public:
    static constexpr int kTimerPeriodMs = 100;
    static constexpr int kRowCount = 13;
    static constexpr std::string_view kModel = "31H0";

    EpsPage(vehicle::LiveValueSlots& liveValues, const settings::LanguageTable& texts);

    static bool acceptsReport(const link::Report& report, std::string_view ecmCode);

protected:
    bool refresh(const link::Report& report, const PageInput& input,
                 const vehicle::HighlightStyle& style) override;
};

}  // namespace quilldar::pages
