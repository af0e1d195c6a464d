#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace quilldar::settings {

// The settings array: ten small integers held as bytes. Entries 4, 7 and 9 are not used.
inline constexpr int kSettingsEntryCount = 10;
using SettingsArray = std::array<std::uint8_t, kSettingsEntryCount>;

namespace entry {
inline constexpr int kSpeedUnit = 0;        // 0 km/h, 1 mph
inline constexpr int kTemperatureUnit = 1;  // 0 °C, 1 °F
inline constexpr int kPressureUnit = 2;     // 0 kPa, 1 mmHg, 2 inHg, 3 psig
inline constexpr int kAirFlowUnit = 3;      // 0 g/sec, 1 lb/min
inline constexpr int kHighlightPeriod = 5;  // seconds, 0..100; 0 switches highlighting off
inline constexpr int kHighlightColour = 6;  // index into the colour list, 0..5
inline constexpr int kSavedByDialog = 8;    // 1 once the settings dialog has stored the array
}  // namespace entry

// The number of choices of each unit entry; a value outside is set back to 0 when the language
// table is filled.
inline constexpr std::array<int, 4> kUnitChoiceCount = {2, 2, 4, 2};

// Until the settings dialog has stored the array once, the highlighting period is 5 s.
inline constexpr std::uint8_t kDefaultHighlightPeriod = 5;
inline constexpr int kMaxHighlightPeriod = 100;

// A colour as 0x00BBGGRR, the form the pages paint with.
using ColourRef = std::uint32_t;

// Everything the program keeps in the registry, in memory. Created with the values the program
// starts with before anything is read: all ten entries 1 and language index 0.
struct Settings {
    SettingsArray entries = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    int languageIndex = 0;
    ColourRef highlightColour = 0x00FFFF;  // shared with the pages; set at once by the dialog
    QString faqVersion;
    std::array<int, 4> chartChannels = {0, 1, 2, 3};
    QString installDir;  // read only, never written; ends with a separator
    QString openSave1;   // last folder of the file browser
    QString openSave;    // last folder of CSV exports; read when the export needs it

    int highlightPeriodSeconds() const { return entries[entry::kHighlightPeriod]; }
};

// The settings array as stored in "Settings": character i is entry i + 1.
QString encodeSettingsArray(const SettingsArray& entries);
// Entry i is character i - 1. Missing characters (a value shorter than ten) give entries of 0.
// An entry 8 of 0 means the dialog never stored the array: the period is then 5 s.
SettingsArray decodeSettingsArray(const QString& value);

// Sets a unit entry outside its choices back to 0.
void correctUnitEntries(SettingsArray& entries);

// "Language2": one character, the language index + 1.
QString encodeLanguage(int languageIndex);
// An empty value gives English.
int decodeLanguage(const QString& value);

}  // namespace quilldar::settings
