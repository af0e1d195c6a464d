#include "pages/page_texts.h"

namespace quilldar::pages {

vehicle::EngineTexts engineTexts(const settings::LanguageTable& table) {
    vehicle::EngineTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = table.text(settings::TextGroup::EnginePage, static_cast<int>(i));
    return texts;
}

vehicle::UnitTexts unitTexts(const settings::LanguageTable& table) {
    return {table.text(settings::UnitText::Speed), table.text(settings::UnitText::Temperature),
            table.text(settings::UnitText::Pressure)};
}

vehicle::UnitSettings unitSettings(const settings::Settings& settings) {
    vehicle::UnitSettings units;
    units.speed = settings.entries[settings::entry::kSpeedUnit];
    units.temperature = settings.entries[settings::entry::kTemperatureUnit];
    units.pressure = settings.entries[settings::entry::kPressureUnit];
    units.highlightPeriod = settings.highlightPeriodSeconds();
    units.highlightColour = settings.highlightColour;
    return units;
}

}  // namespace quilldar::pages
