#pragma once

#include <string_view>

#include "link/report.h"
#include "pages/abs_page.h"
#include "pages/combined_page.h"
#include "pages/current_values_table.h"
#include "pages/engine_page_model.h"
#include "pages/eps_page.h"
#include "pages/transmission_page.h"
#include "settings/language_table.h"
#include "vehicle/live_value_slots.h"
#include "vehicle/unit_settings.h"

namespace quilldar::pages {

// Hidden instances of every page that fills graph channels: the Engine page, the Transmission
// page and the Engine & Transmission page (the channel value table, slots 0..22), the ABS and the
// EPS page (their own slots). The graph view and the CSV export run recorded reports through
// them, so that a recording of any session gives its channel values, without touching the pages
// on screen.
class ChannelDecoders {
public:
    // values: the value table the instances write into; texts: the language of their (unused)
    // cells; wanted: the slots to fill (the others are not decoded at all).
    ChannelDecoders(vehicle::LiveValueSlots& values, const settings::LanguageTable& texts,
                    const vehicle::SlotMask& wanted = vehicle::SlotMask().set());

    // Decodes one report with the page that accepts it; false when no page did.
    bool decode(link::Report& report, std::string_view ecmCode, bool altListVariant,
                const vehicle::UnitSettings& units);

private:
    vehicle::LiveValueSlots& slots_;
    const settings::LanguageTable& texts_;
    CurrentValuesTable table_;
    EnginePageModel engine_;
    TransmissionPage transmission_;
    CombinedPage combined_;
    AbsPage abs_;
    EpsPage eps_;
    bool engineReady_ = false;
};

}  // namespace quilldar::pages
