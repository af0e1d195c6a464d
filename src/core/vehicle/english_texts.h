#pragma once

#include <QString>

#include <span>

#include "vehicle/unit_settings.h"
#include "vehicle/vehicle_texts.h"

namespace quilldar::vehicle {

// The English texts of the vehicle knowledge, the engine pages and the recording code, for code
// that runs without a filled language table (the tools, hidden decoders, tests). They are the
// language table's own English slots.

const EngineTexts& englishEngineTexts();
UnitTexts englishUnitTexts(const UnitSettings& units);
const DtcStatusWords& englishDtcStatusWords();

// A trouble-code description for one catalogue slot.
struct DtcText {
    int number;
    const char16_t* text;
};
// The 88 slots a language fills: slot 0 (the fallback) first, then the others in catalogue order.
std::span<const DtcText> englishDtcTexts();

QString englishSecondsWord();  // follows a duration: " sec"
QString englishFileLockedMessage();
QString englishFileCorruptedMessage();

}  // namespace quilldar::vehicle
