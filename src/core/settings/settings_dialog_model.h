#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "settings/settings.h"

namespace quilldar::settings {

class LanguageTable;

// The four unit lists of the settings dialog, by settings entry 0..3.
enum class UnitChoice { Speed = 0, Temperature = 1, Pressure = 2, AirFlow = 3 };

// The items of a unit list, from the dialog's own resource: the same in every language.
QStringList unitChoiceItems(UnitChoice unit);

struct SettingsDialogTexts {
    QString caption;
    QString language;
    QString speed;
    QString temperature;
    QString pressure;
    QString airflow;
    QString highlightingPeriod;
    QString ok;
    QString cancel;
};

struct SettingsDialogSelections {
    int language = 0;
    std::array<int, 4> units{};  // by UnitChoice
    int colour = 0;
};

// What the settings dialog's window does for its core object.
class SettingsDialogView {
public:
    virtual ~SettingsDialogView() = default;
    virtual void applyTexts(const SettingsDialogTexts& texts) = 0;
    virtual void showSelections(const SettingsDialogSelections& selections) = 0;
    virtual void showPeriod(const QString& text) = 0;
    // The period field holds no integer from 0 to 100: tell the user and keep the field focused.
    virtual void showValidationMessage(const QString& text) = 0;
    virtual void closeDialog(bool accepted) = 0;
};

// The behaviour of the settings dialog CDlgSettings. It edits a working copy of the settings
// array and the language index; OK copies it back, Cancel drops it. A colour chosen in the colour
// box becomes the highlight colour at once and stays even when the dialog is cancelled.
class SettingsDialogModel {
public:
    SettingsDialogModel(Settings& settings, LanguageTable& table);

    // Takes the working copy, shows it and the texts.
    void open(SettingsDialogView& view);
    // The dialog's 100 ms timer: re-applies the texts after the language table was refilled.
    void tick();

    void selectLanguage(int languageIndex);
    void selectUnit(UnitChoice unit, int index);
    void selectColour(int index);
    // Leaving the period field: stores a valid period in the working copy; shows the message and
    // returns false otherwise.
    bool leavePeriodField(const QString& text);
    // OK: validates the period field once more, then copies the working copy and closes.
    bool ok(const QString& periodText);
    void cancel();

    const SettingsArray& workingEntries() const { return working_; }
    int workingLanguage() const { return workingLanguage_; }

private:
    void applyTexts();

    Settings& settings_;
    LanguageTable& table_;
    SettingsDialogView* view_ = nullptr;
    SettingsArray working_{};
    int workingLanguage_ = 0;
};

// The main window's Settings command. Runs the dialog (runDialog returns true for OK); when it
// was confirmed and an entry or the language changed, marks the array as stored by the dialog,
// stores "Settings" and "HLColor", refills the language table and runs the view reset. The
// language itself is stored at shutdown. Returns true when something was stored.
bool runSettingsCommand(Settings& settings, LanguageTable& table, class SettingsStore& store,
                        const std::function<bool()>& runDialog,
                        const std::function<void()>& viewReset);

}  // namespace quilldar::settings
