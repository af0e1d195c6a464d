#include "pages/engine_page.h"

#include "pages/page_texts.h"

namespace quilldar::pages {

EnginePage::EnginePage(vehicle::LiveValueSlots& liveValues, CurrentValuesTable& table,
                       const settings::LanguageTable& texts)
    : model_(liveValues, table), texts_(texts) {}

void EnginePage::applyPendingReset(const vehicle::UnitSettings& units) {
    if (model_.resetPending()) model_.reset(engineTexts(texts_), unitTexts(texts_), units.highlightPeriod);
}

bool EnginePage::tick(link::Report& report, const PageInput& input) {
    applyPendingReset(input.units);
    const EngineRefreshInput refresh{input.ecmCode, input.altListVariant, input.nearEnd, input.units};
    return model_.refresh(report, refresh);
}

}  // namespace quilldar::pages
