#include "settings/languages.h"

#include <array>

namespace quilldar::settings {
namespace {

constexpr std::array<LanguageInfo, kLanguageCount> kLanguages = {{
    {u"Czech", "cs", 1250},
    {u"English", "en", 1252},
    {u"French", "fr", 1252},
    {u"German", "de", 1252},
    {u"Hungarian", "hu", 1250},
    {u"Italian", "it", 1252},
    {u"Poland", "pl", 1250},
    {u"Russian", "ru", 1251},
    {u"Spanish", "es", 1252},
    {u"T\u00FCrk\u00E7e", "tr", 1254},
}};

}  // namespace

bool isKnownLanguage(int languageIndex) {
    return languageIndex >= 0 && languageIndex < kLanguageCount;
}

const LanguageInfo& languageInfo(int languageIndex) {
    return kLanguages[isKnownLanguage(languageIndex) ? languageIndex : kEnglish];
}

QStringList languageListNames() {
    QStringList names;
    for (const LanguageInfo& language : kLanguages) names << QString::fromUtf16(language.listName);
    return names;
}

std::optional<int> languageIndexFromName(QStringView nameOrIndex) {
    const QString name = nameOrIndex.trimmed().toString();
    bool isNumber = false;
    const int index = name.toInt(&isNumber);
    if (isNumber) return isKnownLanguage(index) ? std::optional<int>(index) : std::nullopt;
    for (int i = 0; i < kLanguageCount; ++i) {
        if (name.compare(QString::fromUtf16(kLanguages[i].listName), Qt::CaseInsensitive) == 0 ||
            name.compare(QLatin1String(kLanguages[i].code), Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    if (name.compare(u"Polish", Qt::CaseInsensitive) == 0) return kPolish;
    if (name.compare(u"Turkish", Qt::CaseInsensitive) == 0 ||
        name.compare(u"Turkce", Qt::CaseInsensitive) == 0) {
        return kTurkish;
    }
    return std::nullopt;
}

int fontCharacterSet(int languageIndex) { return languageIndex == kRussian ? 204 : 1; }

const char* pdfEncoding(int languageIndex) {
    switch (isKnownLanguage(languageIndex) ? languageIndex : kEnglish) {
        case kRussian: return "CP1251";
        case kTurkish: return "CP1254";
        case kFrench:
        case kItalian:
        case kSpanish: return "CP1252";
        default: return "CP1250";
    }
}

}  // namespace quilldar::settings
