#include "pages/channel_decoders.h"

#include "pages/page_texts.h"

namespace quilldar::pages {

ChannelDecoders::ChannelDecoders(vehicle::LiveValueSlots& values,
                                 const settings::LanguageTable& texts, const vehicle::SlotMask& wanted)
    : slots_(values),
      texts_(texts),
      engine_(values, table_),
      transmission_(values, texts),
      combined_(values, texts),
      abs_(values, texts),
      eps_(values, texts) {
    // Nobody sees these pages: only the wanted values are kept.
    engine_.keepValuesOnly(wanted);
    transmission_.keepValuesOnly(wanted);
    combined_.keepValuesOnly(wanted);
    abs_.keepValuesOnly(wanted);
    eps_.keepValuesOnly(wanted);
}

bool ChannelDecoders::decode(link::Report& report, std::string_view ecmCode, bool altListVariant,
                             const vehicle::UnitSettings& units) {
    if (!engineReady_) {
        engine_.reset(engineTexts(texts_), unitTexts(texts_), units.highlightPeriod);
        engineReady_ = true;
    }
    // Each page checks the report's source, service and identifier itself; at most one accepts.
    if (engine_.refresh(report, EngineRefreshInput{ecmCode, altListVariant, false, units}))
        return true;
    const PageInput input{ecmCode, altListVariant, false, units};
    if (transmission_.tick(report, input)) return true;
    return combined_.tick(report, input) || abs_.tick(report, input) || eps_.tick(report, input);
}

}  // namespace quilldar::pages
