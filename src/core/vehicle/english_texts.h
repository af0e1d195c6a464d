#pragma once

#include <QString>

#include <span>

#include "vehicle/unit_settings.h"
#include "vehicle/vehicle_texts.h"

namespace quilldar::vehicle {

// The English texts of the vehicle knowledge, the engine pages and the recording code, kept in
// one place. They are the defaults until the language table supplies its own, and the language
// table takes its English base from here.

const EngineTexts& englishEngineTexts();
const ChannelNames& englishChannelNames();
UnitTexts englishUnitTexts(const UnitSettings& units);
const DtcStatusWords& englishDtcStatusWords();

// A trouble-code description for one catalogue slot.
struct DtcText {
    int number;
    const char* text;  // UTF-8
};
// The 88 slots a language fills: slot 0 (the fallback) first, then the others in catalogue order.
std::span<const DtcText> englishDtcTexts();

QString englishSecondsWord();  // follows a duration: " sec"
QString englishFileLockedMessage();
QString englishFileCorruptedMessage();

}  // namespace quilldar::vehicle
