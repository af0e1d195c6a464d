#include "pages/engine_page.h"

#include "pages/page_texts.h"

namespace quilldar::pages {

EnginePage::EnginePage(vehicle::LiveValueSlots& liveValues, CurrentValuesTable& table,
                       const settings::LanguageTable& texts)
    : model_(liveValues, table), texts_(texts) {}

bool EnginePage::tick(link::Report& report, const PageInput& input) {
    if (model_.resetPending())
        model_.reset(engineTexts(texts_), unitTexts(texts_), input.units.highlightPeriod);
    const EngineRefreshInput refresh{input.ecmCode, input.altListVariant, input.nearEnd, input.units};
    return model_.refresh(report, refresh);
}

}  // namespace quilldar::pages
