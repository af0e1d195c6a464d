#include "vehicle/english_texts.h"

#include <algorithm>
#include <vector>

#include "settings/language_table.h"

// The English texts are those of the language table's slots: one list of texts for the whole
// program, read here without filling a table.
namespace quilldar::vehicle {

namespace {

QString slotText(settings::TextGroup group, int slot) {
    return QString::fromUtf16(settings::slotDefinitions(group)[static_cast<std::size_t>(slot)].english);
}

template <typename Slot>
QString slotText(Slot slot) {
    return slotText(settings::SlotGroup<Slot>::value, static_cast<int>(slot));
}

}  // namespace

const EngineTexts& englishEngineTexts() {
    static const EngineTexts texts = [] {
        EngineTexts list;
        for (std::size_t i = 0; i < list.size(); ++i)
            list[i] = slotText(settings::TextGroup::EnginePage, static_cast<int>(i));
        return list;
    }();
    return texts;
}

UnitTexts englishUnitTexts(const UnitSettings& units) {
    return {settings::speedUnitText(units.speed), settings::temperatureUnitText(units.temperature),
            settings::pressureUnitText(units.pressure)};
}

const DtcStatusWords& englishDtcStatusWords() {
    static const DtcStatusWords words{slotText(settings::ErrorCodesText::Past),
                                      slotText(settings::ErrorCodesText::Pending),
                                      slotText(settings::ErrorCodesText::Current)};
    return words;
}

std::span<const DtcText> englishDtcTexts() {
    static const std::vector<DtcText> texts = [] {
        std::vector<DtcText> list;
        for (const settings::SlotDefinition& slot : settings::slotDefinitions(settings::TextGroup::TroubleCodes))
            list.push_back({slot.dtcNumber, slot.english});
        return list;
    }();
    return texts;
}

QString englishSecondsWord() { return slotText(settings::MainText::Seconds); }
QString englishFileLockedMessage() { return slotText(settings::MainText::FileLocked); }
QString englishFileCorruptedMessage() { return slotText(settings::MainText::FileCorrupted); }

}  // namespace quilldar::vehicle
