#include "settings/settings.h"

#include "settings/highlight_colour.h"
#include "settings/languages.h"

namespace quilldar::settings {

QString encodeSettingsArray(const SettingsArray& entries) {
    QString value;
    value.reserve(kSettingsEntryCount);
    for (const std::uint8_t entry : entries) value += QChar(static_cast<char16_t>(entry + 1));
    return value;
}

SettingsArray decodeSettingsArray(const QString& value) {
    SettingsArray entries{};
    for (int i = 0; i < kSettingsEntryCount && i < value.size(); ++i) {
        // A byte, as the array holds it: a character of code 0 wraps round to 255.
        entries[i] = static_cast<std::uint8_t>(value[i].unicode() - 1);
    }
    if (entries[entry::kSavedByDialog] == 0) entries[entry::kHighlightPeriod] = kDefaultHighlightPeriod;
    return entries;
}

void correctUnitEntries(SettingsArray& entries) {
    for (int unit = 0; unit < static_cast<int>(kUnitChoiceCount.size()); ++unit) {
        if (entries[unit] >= kUnitChoiceCount[unit]) entries[unit] = 0;
    }
}

QString encodeLanguage(int languageIndex) {
    return QString(QChar(static_cast<char16_t>(languageIndex + 1)));
}

int decodeLanguage(const QString& value) {
    return value.isEmpty() ? kEnglish : static_cast<int>(value[0].unicode()) - 1;
}

ColourRef highlightColourAt(int index) {
    return index >= 0 && index < kHighlightColourCount ? kHighlightColours[index].colour
                                                       : kHighlightColours[0].colour;
}

ColourRef decodeHighlightColour(const QString& value) {
    if (value.size() < 3) return 0x0000FF;
    ColourRef colour = 0;
    // Character 0 is blue (bits 16..23), 1 green (8..15), 2 red (0..7).
    for (int i = 0; i < 3; ++i) {
        if (value[i] != u'1') colour |= ColourRef{0xFF} << (8 * (2 - i));
    }
    return colour;
}

QString encodeHighlightColour(ColourRef colour) {
    QString value;
    for (int i = 0; i < 3; ++i) {
        value += ((colour >> (8 * (2 - i))) & 0xFF) == 0xFF ? u'2' : u'1';
    }
    return value;
}

}  // namespace quilldar::settings
