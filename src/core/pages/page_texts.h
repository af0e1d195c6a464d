#pragma once

#include "settings/language_table.h"
#include "settings/settings.h"
#include "vehicle/unit_settings.h"
#include "vehicle/vehicle_texts.h"

// The pages take their words from the language table and their units and highlighting from the
// settings; these turn the one into the other.
namespace quilldar::pages {

vehicle::EngineTexts engineTexts(const settings::LanguageTable& table);
vehicle::UnitTexts unitTexts(const settings::LanguageTable& table);
vehicle::UnitSettings unitSettings(const settings::Settings& settings);

}  // namespace quilldar::pages
