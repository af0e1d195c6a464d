#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace quilldar::settings {

// The ten languages of the program, by language index (the position in the settings dialog's
// list and the value stored as "Language2" minus one).
inline constexpr int kLanguageCount = 10;
inline constexpr int kCzech = 0;
inline constexpr int kEnglish = 1;
inline constexpr int kFrench = 2;
inline constexpr int kGerman = 3;
inline constexpr int kHungarian = 4;
inline constexpr int kItalian = 5;
inline constexpr int kPolish = 6;
inline constexpr int kRussian = 7;
inline constexpr int kSpanish = 8;
inline constexpr int kTurkish = 9;

struct LanguageInfo {
    const char16_t* listName;  // the name in the settings dialog's list
    const char* code;          // ISO 639-1 code, also the suffix of the translation file
    int codePage;              // the Windows code page its texts leave the program in
};

bool isKnownLanguage(int languageIndex);

// The language of an index; an index outside 0..9 gives English, as the fill does.
const LanguageInfo& languageInfo(int languageIndex);

// The ten list names in index order.
QStringList languageListNames();

// A language given by its list name (any letter case; "Polish", "Turkish" and "Turkce" are
// accepted as well), by its code ("de") or by its index ("3").
std::optional<int> languageIndexFromName(QStringView nameOrIndex);

// The character set the widget toolkit creates its fonts with: 204 (Cyrillic) for Russian, 1
// (the platform's default set) for every other language.
int fontCharacterSet(int languageIndex);

// The text encoding of the PDF report's fonts. Russian uses "CP1251" and the Latin-2 languages
// "CP1250"; French, Italian and Spanish use "CP1252" and Turkish "CP1254", because CP1250 has no
// à, è, ñ, ğ or ı and their texts would lose letters.
const char* pdfEncoding(int languageIndex);

}  // namespace quilldar::settings
