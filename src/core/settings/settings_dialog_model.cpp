#include "settings/settings_dialog_model.h"

#include "settings/highlight_colour.h"
#include "settings/language_table.h"
#include "settings/languages.h"
#include "settings/settings_store.h"

namespace quilldar::settings {

QStringList unitChoiceItems(UnitChoice unit) {
    switch (unit) {
        case UnitChoice::Speed: return {QStringLiteral("Km/h"), QStringLiteral("MPH")};
        case UnitChoice::Temperature:
            return {QStringLiteral("\u00B0C"), QStringLiteral("\u00B0F")};
        case UnitChoice::Pressure:
            return {QStringLiteral("kPa"), QStringLiteral("mmHg"), QStringLiteral("inHg"),
                    QStringLiteral("psig")};
        case UnitChoice::AirFlow: return {QStringLiteral("g/s"), QStringLiteral("lb/min")};
    }
    return {};
}

SettingsDialogModel::SettingsDialogModel(Settings& settings, LanguageTable& table)
    : settings_(settings), table_(table) {}

void SettingsDialogModel::open(SettingsDialogView& view) {
    view_ = &view;
    working_ = settings_.entries;
    workingLanguage_ = settings_.languageIndex;

    SettingsDialogSelections selections;
    selections.language = workingLanguage_;
    for (int unit = 0; unit < 4; ++unit) selections.units[unit] = working_[unit];
    selections.colour = working_[entry::kHighlightColour];
    view_->showSelections(selections);
    view_->showPeriod(QString::number(working_[entry::kHighlightPeriod]));
    applyTexts();
    // The texts are on show now; a later fill brings the marker back to "0".
    table_.markApplied(TextGroup::SettingsDialog);
}

void SettingsDialogModel::tick() {
    if (view_ != nullptr && table_.takeRefresh(TextGroup::SettingsDialog)) applyTexts();
}

void SettingsDialogModel::applyTexts() {
    SettingsDialogTexts texts;
    texts.caption = table_.text(SettingsDialogText::Caption);
    texts.language = table_.text(SettingsDialogText::Language);
    texts.speed = table_.text(SettingsDialogText::Speed);
    texts.temperature = table_.text(SettingsDialogText::Temperature);
    texts.pressure = table_.text(SettingsDialogText::Pressure);
    texts.airflow = table_.text(SettingsDialogText::Airflow);
    texts.highlightingPeriod = table_.text(SettingsDialogText::HighlightingPeriod);
    texts.ok = table_.text(MainText::Ok);
    texts.cancel = table_.text(FileBrowserText::Cancel);
    view_->applyTexts(texts);
}

void SettingsDialogModel::selectLanguage(int languageIndex) {
    if (isKnownLanguage(languageIndex)) workingLanguage_ = languageIndex;
}

void SettingsDialogModel::selectUnit(UnitChoice unit, int index) {
    const int entry = static_cast<int>(unit);
    if (index >= 0 && index < kUnitChoiceCount[entry]) {
        working_[entry] = static_cast<std::uint8_t>(index);
    }
}

void SettingsDialogModel::selectColour(int index) {
    if (index < 0 || index >= kHighlightColourCount) return;
    working_[entry::kHighlightColour] = static_cast<std::uint8_t>(index);
    settings_.highlightColour = highlightColourAt(index);
}

bool SettingsDialogModel::leavePeriodField(const QString& text) {
    bool isNumber = false;
    const int period = text.trimmed().toInt(&isNumber);
    if (!isNumber || period < 0 || period > kMaxHighlightPeriod) {
        if (view_ != nullptr) {
            view_->showValidationMessage(table_.text(SettingsDialogText::IntegerRange)
                                             .arg(0)
                                             .arg(kMaxHighlightPeriod));
        }
        return false;
    }
    working_[entry::kHighlightPeriod] = static_cast<std::uint8_t>(period);
    return true;
}

bool SettingsDialogModel::ok(const QString& periodText) {
    if (!leavePeriodField(periodText)) return false;
    settings_.entries = working_;
    settings_.languageIndex = workingLanguage_;
    if (view_ != nullptr) view_->closeDialog(true);
    return true;
}

void SettingsDialogModel::cancel() {
    if (view_ != nullptr) view_->closeDialog(false);
}

bool runSettingsCommand(Settings& settings, LanguageTable& table, SettingsStore& store,
                        const std::function<bool()>& runDialog,
                        const std::function<void()>& viewReset) {
    const SettingsArray before = settings.entries;
    const int languageBefore = settings.languageIndex;
    if (!runDialog()) return false;
    if (settings.entries == before && settings.languageIndex == languageBefore) return false;

    settings.entries[entry::kSavedByDialog] = 1;
    store.storeSettingsArray(settings.entries);
    store.storeHighlightColour(settings.highlightColour);
    table.fill(settings.languageIndex, settings);
    if (viewReset) viewReset();
    return true;
}

}  // namespace quilldar::settings
