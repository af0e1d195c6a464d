#include "settings/language_table.h"

#include "settings/languages.h"
#include "settings/translation_source.h"

namespace quilldar::settings {
namespace {

// The kind letters of the slot lists.
struct KindOf {
    static constexpr SlotKind T = SlotKind::Translated;
    static constexpr SlotKind S = SlotKind::Shared;
    static constexpr SlotKind F = SlotKind::Fixed;
};

#define QUILLDAR_SLOT_DEFINITION(name, english, kind) {u"" #name, english, KindOf::kind, -1},
#define QUILLDAR_DTC_DEFINITION(name, number, english, kind) \
    {u"" #name, english, KindOf::kind, number},

constexpr SlotDefinition kUnitSlots[] = {
    {u"Speed", u"", SlotKind::Fixed, -1},
    {u"Temperature", u"", SlotKind::Fixed, -1},
    {u"Pressure", u"", SlotKind::Fixed, -1},
    {u"AirFlow", u"", SlotKind::Fixed, -1},
};
constexpr SlotDefinition kMainWindowSlots[] = {QUILLDAR_MAIN_WINDOW_SLOTS(QUILLDAR_SLOT_DEFINITION)};
constexpr SlotDefinition kEnginePageSlots[] = {QUILLDAR_ENGINE_PAGE_SLOTS(QUILLDAR_SLOT_DEFINITION)};
constexpr SlotDefinition kTransmissionPageSlots[] = {
    QUILLDAR_TRANSMISSION_PAGE_SLOTS(QUILLDAR_SLOT_DEFINITION)};
constexpr SlotDefinition kCombinedPageSlots[] = {
    QUILLDAR_COMBINED_PAGE_SLOTS(QUILLDAR_SLOT_DEFINITION)};
constexpr SlotDefinition kAbsPageSlots[] = {QUILLDAR_ABS_PAGE_SLOTS(QUILLDAR_SLOT_DEFINITION)};
constexpr SlotDefinition kEpsPageSlots[] = {QUILLDAR_EPS_PAGE_SLOTS(QUILLDAR_SLOT_DEFINITION)};
constexpr SlotDefinition kErrorCodesPageSlots[] = {
    QUILLDAR_ERROR_CODES_PAGE_SLOTS(QUILLDAR_SLOT_DEFINITION)};
constexpr SlotDefinition kFreezeFramePageSlots[] = {
    QUILLDAR_FREEZE_FRAME_PAGE_SLOTS(QUILLDAR_SLOT_DEFINITION)};
constexpr SlotDefinition kActiveTestsPageSlots[] = {
    QUILLDAR_ACTIVE_TESTS_PAGE_SLOTS(QUILLDAR_SLOT_DEFINITION)};
constexpr SlotDefinition kAboutDialogSlots[] = {QUILLDAR_ABOUT_DIALOG_SLOTS(QUILLDAR_SLOT_DEFINITION)};
constexpr SlotDefinition kModelsDialogSlots[] = {
    QUILLDAR_MODELS_DIALOG_SLOTS(QUILLDAR_SLOT_DEFINITION)};
constexpr SlotDefinition kSettingsDialogSlots[] = {
    QUILLDAR_SETTINGS_DIALOG_SLOTS(QUILLDAR_SLOT_DEFINITION)};
constexpr SlotDefinition kFileBrowserSlots[] = {QUILLDAR_FILE_BROWSER_SLOTS(QUILLDAR_SLOT_DEFINITION)};
constexpr SlotDefinition kGraphViewSlots[] = {QUILLDAR_GRAPH_VIEW_SLOTS(QUILLDAR_SLOT_DEFINITION)};
constexpr SlotDefinition kTroubleCodeSlots[] = {QUILLDAR_TROUBLE_CODE_SLOTS(QUILLDAR_DTC_DEFINITION)};

#undef QUILLDAR_SLOT_DEFINITION
#undef QUILLDAR_DTC_DEFINITION

template <typename Slot, std::size_t N>
constexpr bool coversEnum(const SlotDefinition (&)[N]) {
    return N == static_cast<std::size_t>(Slot::Count);
}
static_assert(coversEnum<UnitText>(kUnitSlots));
static_assert(coversEnum<MainText>(kMainWindowSlots));
static_assert(coversEnum<EngineText>(kEnginePageSlots));
static_assert(coversEnum<TransmissionText>(kTransmissionPageSlots));
static_assert(coversEnum<CombinedText>(kCombinedPageSlots));
static_assert(coversEnum<AbsText>(kAbsPageSlots));
static_assert(coversEnum<EpsText>(kEpsPageSlots));
static_assert(coversEnum<ErrorCodesText>(kErrorCodesPageSlots));
static_assert(coversEnum<FreezeFrameText>(kFreezeFramePageSlots));
static_assert(coversEnum<ActiveTestsText>(kActiveTestsPageSlots));
static_assert(coversEnum<AboutText>(kAboutDialogSlots));
static_assert(coversEnum<ModelsText>(kModelsDialogSlots));
static_assert(coversEnum<SettingsDialogText>(kSettingsDialogSlots));
static_assert(coversEnum<FileBrowserText>(kFileBrowserSlots));
static_assert(coversEnum<GraphText>(kGraphViewSlots));
static_assert(coversEnum<TroubleCodeText>(kTroubleCodeSlots));
// The engine text list is read by index: the placeholder at 35, the state words from 41.
static_assert(static_cast<int>(EngineText::NoValue) == 35);
static_assert(static_cast<int>(EngineText::Steps) == 40);
static_assert(static_cast<int>(EngineText::Off) == 46);

int groupIndex(TextGroup group) { return static_cast<int>(group); }

}  // namespace

bool hasRefreshMarker(TextGroup group) {
    return group != TextGroup::Units && group != TextGroup::FileBrowser &&
           group != TextGroup::TroubleCodes;
}

const char* translationContext(TextGroup group) {
    switch (group) {
        case TextGroup::Units: return "Units";
        case TextGroup::MainWindow: return "MainWindow";
        case TextGroup::EnginePage: return "EnginePage";
        case TextGroup::TransmissionPage: return "TransmissionPage";
        case TextGroup::CombinedPage: return "EngineTransmissionPage";
        case TextGroup::AbsPage: return "AbsPage";
        case TextGroup::EpsPage: return "EpsPage";
        case TextGroup::ErrorCodesPage: return "ErrorCodesPage";
        case TextGroup::FreezeFramePage: return "ShowDataWhenTroublePage";
        case TextGroup::ActiveTestsPage: return "ActiveTestsPage";
        case TextGroup::AboutDialog: return "AboutDialog";
        case TextGroup::ModelsDialog: return "ModelsDialog";
        case TextGroup::SettingsDialog: return "SettingsDialog";
        case TextGroup::FileBrowser: return "FileBrowser";
        case TextGroup::GraphView: return "GraphView";
        case TextGroup::TroubleCodes: return "TroubleCodes";
    }
    return "";
}

std::span<const SlotDefinition> slotDefinitions(TextGroup group) {
    switch (group) {
        case TextGroup::Units: return kUnitSlots;
        case TextGroup::MainWindow: return kMainWindowSlots;
        case TextGroup::EnginePage: return kEnginePageSlots;
        case TextGroup::TransmissionPage: return kTransmissionPageSlots;
        case TextGroup::CombinedPage: return kCombinedPageSlots;
        case TextGroup::AbsPage: return kAbsPageSlots;
        case TextGroup::EpsPage: return kEpsPageSlots;
        case TextGroup::ErrorCodesPage: return kErrorCodesPageSlots;
        case TextGroup::FreezeFramePage: return kFreezeFramePageSlots;
        case TextGroup::ActiveTestsPage: return kActiveTestsPageSlots;
        case TextGroup::AboutDialog: return kAboutDialogSlots;
        case TextGroup::ModelsDialog: return kModelsDialogSlots;
        case TextGroup::SettingsDialog: return kSettingsDialogSlots;
        case TextGroup::FileBrowser: return kFileBrowserSlots;
        case TextGroup::GraphView: return kGraphViewSlots;
        case TextGroup::TroubleCodes: return kTroubleCodeSlots;
    }
    return {};
}

QString speedUnitText(int entry) { return entry == 1 ? QStringLiteral("MPH") : QStringLiteral("Km/h"); }

QString temperatureUnitText(int entry) {
    return entry == 1 ? QStringLiteral("\u00B0F") : QStringLiteral("\u00B0C");
}

QString pressureUnitText(int entry) {
    switch (entry) {
        case 1: return QStringLiteral("mmHg");
        case 2: return QStringLiteral("inHg");
        case 3: return QStringLiteral("psig");
        default: return QStringLiteral("kPa");
    }
}

QString airFlowUnitText(int entry) {
    return entry == 1 ? QStringLiteral("lb/min") : QStringLiteral("g/sec");
}

LanguageTable::LanguageTable() : LanguageTable(std::make_unique<CompiledTranslations>()) {}

LanguageTable::LanguageTable(std::unique_ptr<TranslationSource> translations)
    : translations_(std::move(translations)) {
    for (const TextGroup group : kAllTextGroups) {
        slots_[groupIndex(group)].resize(slotDefinitions(group).size());
    }
}

LanguageTable::~LanguageTable() = default;

void LanguageTable::fill(int languageIndex, Settings& settings) {
    fontCharacterSet_ = 1;
    fillLanguage(kEnglish, settings);
    settings.languageIndex = languageIndex;
    setSharedTexts();
    fillLanguage(isKnownLanguage(languageIndex) ? languageIndex : kEnglish, settings);
    fontCharacterSet_ = settings::fontCharacterSet(settings.languageIndex);
}

void LanguageTable::fillLanguage(int languageIndex, Settings& settings) {
    settings.languageIndex = languageIndex;
    setUnitTexts(settings.entries);
    for (const TextGroup group : kAllTextGroups) {
        if (group == TextGroup::Units) continue;
        const std::span<const SlotDefinition> definitions = slotDefinitions(group);
        for (std::size_t i = 0; i < definitions.size(); ++i) {
            const SlotDefinition& definition = definitions[i];
            // The shared texts were set in English before this language's fill.
            if (languageIndex != kEnglish && definition.kind == SlotKind::Shared) continue;
            const QString english = QString::fromUtf16(definition.english);
            QString text = english;
            if (languageIndex != kEnglish && definition.kind == SlotKind::Translated) {
                const QString translated =
                    translations_->translate(languageIndex, translationContext(group), english,
                                             QString::fromUtf16(definition.name));
                if (!translated.isEmpty()) text = translated;
            }
            slot(group, static_cast<int>(i)) = text;
        }
        if (group == TextGroup::TroubleCodes && troubleCodeSink_) {
            for (std::size_t i = 0; i < definitions.size(); ++i) {
                troubleCodeSink_(definitions[i].dtcNumber, slot(group, static_cast<int>(i)));
            }
        }
        if (hasRefreshMarker(group)) refreshPending_[groupIndex(group)] = true;
    }
}

void LanguageTable::setUnitTexts(SettingsArray& entries) {
    correctUnitEntries(entries);
    slot(TextGroup::Units, static_cast<int>(UnitText::Speed)) =
        speedUnitText(entries[entry::kSpeedUnit]);
    slot(TextGroup::Units, static_cast<int>(UnitText::Temperature)) =
        temperatureUnitText(entries[entry::kTemperatureUnit]);
    slot(TextGroup::Units, static_cast<int>(UnitText::Pressure)) =
        pressureUnitText(entries[entry::kPressureUnit]);
    slot(TextGroup::Units, static_cast<int>(UnitText::AirFlow)) =
        airFlowUnitText(entries[entry::kAirFlowUnit]);
}

void LanguageTable::setSharedTexts() {
    for (const TextGroup group : kAllTextGroups) {
        const std::span<const SlotDefinition> definitions = slotDefinitions(group);
        for (std::size_t i = 0; i < definitions.size(); ++i) {
            if (definitions[i].kind == SlotKind::Shared) {
                slot(group, static_cast<int>(i)) = QString::fromUtf16(definitions[i].english);
            }
        }
    }
}

QString& LanguageTable::slot(TextGroup group, int index) {
    return slots_[groupIndex(group)][static_cast<std::size_t>(index)];
}

const QString& LanguageTable::text(TextGroup group, int slot) const {
    static const QString kNone;
    const std::vector<QString>& texts = slots_[groupIndex(group)];
    if (slot < 0 || static_cast<std::size_t>(slot) >= texts.size()) return kNone;
    return texts[static_cast<std::size_t>(slot)];
}

int LanguageTable::slotCount(TextGroup group) const {
    return static_cast<int>(slots_[groupIndex(group)].size());
}

QString LanguageTable::troubleCodeDescription(int dtcNumber) const {
    const std::span<const SlotDefinition> definitions = slotDefinitions(TextGroup::TroubleCodes);
    for (std::size_t i = 0; i < definitions.size(); ++i) {
        if (definitions[i].dtcNumber == dtcNumber) return text(TextGroup::TroubleCodes, int(i));
    }
    return QString();
}

QString LanguageTable::marker(TextGroup group) const {
    if (!hasRefreshMarker(group)) return QString();
    return refreshPending_[groupIndex(group)] ? QStringLiteral("0") : QStringLiteral("1");
}

bool LanguageTable::refreshPending(TextGroup group) const {
    return hasRefreshMarker(group) && refreshPending_[groupIndex(group)];
}

void LanguageTable::markApplied(TextGroup group) { refreshPending_[groupIndex(group)] = false; }

bool LanguageTable::takeRefresh(TextGroup group) {
    if (!refreshPending(group)) return false;
    markApplied(group);
    return true;
}

}  // namespace quilldar::settings
