#pragma once

#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "settings/language_slots.h"
#include "settings/settings.h"

namespace quilldar::settings {

class TranslationSource;

// The groups of the language table, in the order a fill writes them.
enum class TextGroup {
    Units = 1,         // speed, temperature, pressure and air-flow unit texts
    MainWindow,        // main window, messages, report captions
    EnginePage,        // the engine text list: row labels and switch state words
    TransmissionPage,  //
    CombinedPage,      // Engine & Transmission
    AbsPage,           //
    EpsPage,           //
    ErrorCodesPage,    //
    FreezeFramePage,   // Show data when trouble
    ActiveTestsPage,   //
    AboutDialog,       //
    ModelsDialog,      //
    SettingsDialog,    //
    FileBrowser,       // read when the browser opens; no marker
    GraphView,         //
    TroubleCodes,      // the trouble-code descriptions by DTC number; no marker
};
inline constexpr int kTextGroupCount = 16;
inline constexpr std::array<TextGroup, kTextGroupCount> kAllTextGroups = {
    TextGroup::Units,           TextGroup::MainWindow,      TextGroup::EnginePage,
    TextGroup::TransmissionPage, TextGroup::CombinedPage,   TextGroup::AbsPage,
    TextGroup::EpsPage,         TextGroup::ErrorCodesPage,  TextGroup::FreezeFramePage,
    TextGroup::ActiveTestsPage, TextGroup::AboutDialog,     TextGroup::ModelsDialog,
    TextGroup::SettingsDialog,  TextGroup::FileBrowser,     TextGroup::GraphView,
    TextGroup::TroubleCodes,
};

// Whether a window keeps a refresh marker for the group (13 of the 16 groups do).
bool hasRefreshMarker(TextGroup group);
// The translation context of the group: one context per group in the translation files.
const char* translationContext(TextGroup group);

// The slot names, one enum per group. Values are slot indices within the group.
#define QUILLDAR_SLOT_ENUMERATOR(name, english, kind) name,
#define QUILLDAR_DTC_ENUMERATOR(name, number, english, kind) name,
enum class UnitText { Speed, Temperature, Pressure, AirFlow, Count };
enum class MainText { QUILLDAR_MAIN_WINDOW_SLOTS(QUILLDAR_SLOT_ENUMERATOR) Count };
enum class EngineText { QUILLDAR_ENGINE_PAGE_SLOTS(QUILLDAR_SLOT_ENUMERATOR) Count };
enum class TransmissionText { QUILLDAR_TRANSMISSION_PAGE_SLOTS(QUILLDAR_SLOT_ENUMERATOR) Count };
enum class CombinedText { QUILLDAR_COMBINED_PAGE_SLOTS(QUILLDAR_SLOT_ENUMERATOR) Count };
enum class AbsText { QUILLDAR_ABS_PAGE_SLOTS(QUILLDAR_SLOT_ENUMERATOR) Count };
enum class EpsText { QUILLDAR_EPS_PAGE_SLOTS(QUILLDAR_SLOT_ENUMERATOR) Count };
enum class ErrorCodesText { QUILLDAR_ERROR_CODES_PAGE_SLOTS(QUILLDAR_SLOT_ENUMERATOR) Count };
enum class FreezeFrameText { QUILLDAR_FREEZE_FRAME_PAGE_SLOTS(QUILLDAR_SLOT_ENUMERATOR) Count };
enum class ActiveTestsText { QUILLDAR_ACTIVE_TESTS_PAGE_SLOTS(QUILLDAR_SLOT_ENUMERATOR) Count };
enum class AboutText { QUILLDAR_ABOUT_DIALOG_SLOTS(QUILLDAR_SLOT_ENUMERATOR) Count };
enum class ModelsText { QUILLDAR_MODELS_DIALOG_SLOTS(QUILLDAR_SLOT_ENUMERATOR) Count };
enum class SettingsDialogText { QUILLDAR_SETTINGS_DIALOG_SLOTS(QUILLDAR_SLOT_ENUMERATOR) Count };
enum class FileBrowserText { QUILLDAR_FILE_BROWSER_SLOTS(QUILLDAR_SLOT_ENUMERATOR) Count };
enum class GraphText { QUILLDAR_GRAPH_VIEW_SLOTS(QUILLDAR_SLOT_ENUMERATOR) Count };
enum class TroubleCodeText { QUILLDAR_TROUBLE_CODE_SLOTS(QUILLDAR_DTC_ENUMERATOR) Count };
#undef QUILLDAR_SLOT_ENUMERATOR
#undef QUILLDAR_DTC_ENUMERATOR

template <typename Slot>
struct SlotGroup;
#define QUILLDAR_SLOT_GROUP(Slot, group) \
    template <>                           \
    struct SlotGroup<Slot> {              \
        static constexpr TextGroup value = TextGroup::group; \
    };
QUILLDAR_SLOT_GROUP(UnitText, Units)
QUILLDAR_SLOT_GROUP(MainText, MainWindow)
QUILLDAR_SLOT_GROUP(EngineText, EnginePage)
QUILLDAR_SLOT_GROUP(TransmissionText, TransmissionPage)
QUILLDAR_SLOT_GROUP(CombinedText, CombinedPage)
QUILLDAR_SLOT_GROUP(AbsText, AbsPage)
QUILLDAR_SLOT_GROUP(EpsText, EpsPage)
QUILLDAR_SLOT_GROUP(ErrorCodesText, ErrorCodesPage)
QUILLDAR_SLOT_GROUP(FreezeFrameText, FreezeFramePage)
QUILLDAR_SLOT_GROUP(ActiveTestsText, ActiveTestsPage)
QUILLDAR_SLOT_GROUP(AboutText, AboutDialog)
QUILLDAR_SLOT_GROUP(ModelsText, ModelsDialog)
QUILLDAR_SLOT_GROUP(SettingsDialogText, SettingsDialog)
QUILLDAR_SLOT_GROUP(FileBrowserText, FileBrowser)
QUILLDAR_SLOT_GROUP(GraphText, GraphView)
QUILLDAR_SLOT_GROUP(TroubleCodeText, TroubleCodes)
#undef QUILLDAR_SLOT_GROUP

enum class SlotKind {
    Translated,  // each language has its own wording
    Shared,      // English in every language
    Fixed,       // the same text in every language: units, codes, the product name
};

// One slot of the English table.
struct SlotDefinition {
    const char16_t* name;  // the enumerator's name; the disambiguation in translation files
    const char16_t* english;
    SlotKind kind;
    int dtcNumber;  // the trouble-code number of a group 16 slot, -1 elsewhere
};

// The slots of a group in slot order, with their English texts. Group 1 has no texts of its own
// (they follow the settings) and gives its slot names with empty texts.
std::span<const SlotDefinition> slotDefinitions(TextGroup group);

// The unit texts the settings entries 0 to 3 choose between.
QString speedUnitText(int entry);        // "Km/h", "MPH"
QString temperatureUnitText(int entry);  // "°C", "°F"
QString pressureUnitText(int entry);     // "kPa", "mmHg", "inHg", "psig"
QString airFlowUnitText(int entry);      // "g/sec", "lb/min"

// The language table: every text the user sees, in the active language. Windows read the slots
// directly; after a fill each window whose group has a refresh marker finds it at "0", re-applies
// its texts and sets it to "1".
class LanguageTable {
public:
    // Receives the trouble-code descriptions of each fill by DTC number, slot 0 (the fallback)
    // first, for the catalogue that the pages read.
    using TroubleCodeSink = std::function<void(int dtcNumber, const QString& text)>;

    // The translations come from the translation files built into the program.
    LanguageTable();
    explicit LanguageTable(std::unique_ptr<TranslationSource> translations);
    ~LanguageTable();
    LanguageTable(const LanguageTable&) = delete;
    LanguageTable& operator=(const LanguageTable&) = delete;

    // Fills the whole table for a language index: the English texts as the base, the texts every
    // language shares in English, then the language's own texts (any index outside 0..9 gives
    // English and leaves the language index at English). Corrects unit entries outside their
    // choices to 0 and takes the unit texts from them. Sets every marker to "0".
    void fill(int languageIndex, Settings& settings);

    template <typename Slot>
    const QString& text(Slot slot) const {
        return text(SlotGroup<Slot>::value, static_cast<int>(slot));
    }
    const QString& text(TextGroup group, int slot) const;
    int slotCount(TextGroup group) const;

    // The description of a trouble-code number, or an empty string when no slot has one.
    QString troubleCodeDescription(int dtcNumber) const;
    void setTroubleCodeSink(TroubleCodeSink sink) { troubleCodeSink_ = std::move(sink); }

    // "0" after a fill, "1" once the group's window applied its texts; empty for the three
    // groups without a marker.
    QString marker(TextGroup group) const;
    bool refreshPending(TextGroup group) const;
    void markApplied(TextGroup group);
    // For a window's timer: true once after each fill, and marks the texts as applied.
    bool takeRefresh(TextGroup group);

    // The widget toolkit's font character set after the last fill: 204 for Russian, else 1.
    int fontCharacterSet() const { return fontCharacterSet_; }

private:
    void fillLanguage(int languageIndex, Settings& settings);
    void setUnitTexts(SettingsArray& entries);
    void setSharedTexts();
    QString& slot(TextGroup group, int index);

    std::unique_ptr<TranslationSource> translations_;
    std::array<std::vector<QString>, kTextGroupCount + 1> slots_;  // by group number; 0 unused
    std::array<bool, kTextGroupCount + 1> refreshPending_{};
    int fontCharacterSet_ = 1;
    TroubleCodeSink troubleCodeSink_;
};

}  // namespace quilldar::settings
