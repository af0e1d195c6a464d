#include "settings/settings_dialog_model.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "settings/highlight_colour.h"
#include "settings/language_table.h"
#include "settings/languages.h"
#include "settings/settings_store.h"

namespace quilldar::settings {
namespace {

constexpr int kBlue = 4;

class RecordingView : public SettingsDialogView {
public:
    void applyTexts(const SettingsDialogTexts& texts) override {
        texts_ = texts;
        ++textApplications;
    }
    void showSelections(const SettingsDialogSelections& selections) override {
        selections_ = selections;
    }
    void showPeriod(const QString& text) override { period = text; }
    void showValidationMessage(const QString& text) override { messages << text; }
    void closeDialog(bool accepted) override { closed = accepted ? 1 : 0; }

    SettingsDialogTexts texts_;
    SettingsDialogSelections selections_;
    QString period;
    QStringList messages;
    int textApplications = 0;
    int closed = -1;  // -1 open, 0 cancelled, 1 confirmed
};

// A fresh installation loaded from a temporary folder, a filled English table, and the
// settings command run with a scripted dialog.
class SettingsDialogTest : public ::testing::Test {
protected:
    SettingsDialogTest() {
        store_.load(settings_, QStringLiteral("/start"));
        table_.fill(settings_.languageIndex, settings_);
    }

    QByteArray machineFile() const {
        QFile file(location_.fileOf(RegistryRoot::LocalMachine));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString stored(const QString& name) {
        CRegistry machine(location_, RegistryRoot::LocalMachine);
        return machine.value(name);
    }

    // Runs the settings command; the script plays the user's part in the open dialog.
    bool runCommand(const std::function<void(SettingsDialogModel&)>& script) {
        return runSettingsCommand(
            settings_, table_, store_,
            [&] {
                SettingsDialogModel model(settings_, table_);
                model.open(view_);
                script(model);
                return view_.closed == 1;
            },
            [&] { ++viewResets_; });
    }

    QTemporaryDir folder_;
    RegistryLocation location_ = RegistryLocation::inFolder(folder_.path());
    SettingsStore store_{location_};
    Settings settings_;
    LanguageTable table_;
    RecordingView view_;
    int viewResets_ = 0;
};

TEST_F(SettingsDialogTest, OpeningShowsTheCurrentSettingsAndTexts) {
    settings_.entries = {1, 0, 3, 1, 0, 12, 2, 0, 1, 0};
    SettingsDialogModel model(settings_, table_);
    model.open(view_);
    EXPECT_EQ(view_.selections_.language, kEnglish);
    EXPECT_EQ(view_.selections_.units, (std::array<int, 4>{1, 0, 3, 1}));
    EXPECT_EQ(view_.selections_.colour, 2);
    EXPECT_EQ(view_.period, "12");
    EXPECT_EQ(view_.texts_.caption, "Settings");
    EXPECT_EQ(view_.texts_.highlightingPeriod, "Highlighting period (sec)");
    EXPECT_EQ(view_.texts_.ok, "Ok");
    EXPECT_EQ(view_.texts_.cancel, "Cancel");
}

TEST_F(SettingsDialogTest, BlueConfirmedStoresTwoOneOne) {
    EXPECT_TRUE(runCommand([](SettingsDialogModel& model) {
        model.selectColour(kBlue);
        model.ok(QStringLiteral("5"));
    }));
    EXPECT_EQ(stored("HLColor"), "211");
    EXPECT_EQ(settings_.highlightColour, 0xFF0000u);
    EXPECT_EQ(settings_.entries[entry::kHighlightColour], kBlue);
    EXPECT_EQ(settings_.entries[entry::kSavedByDialog], 1);
    EXPECT_EQ(stored("Settings"), encodeSettingsArray(settings_.entries));
    EXPECT_EQ(viewResets_, 1);
}

TEST_F(SettingsDialogTest, BlueCancelledKeepsTheStoredColourButHighlightsInBlue) {
    const QByteArray before = machineFile();
    EXPECT_FALSE(runCommand([](SettingsDialogModel& model) {
        model.selectColour(kBlue);
        model.cancel();
    }));
    EXPECT_EQ(stored("HLColor"), "122");
    EXPECT_EQ(machineFile(), before);
    EXPECT_EQ(settings_.highlightColour, 0xFF0000u) << "the colour applies at once";
    EXPECT_EQ(settings_.entries[entry::kHighlightColour], 0) << "the entry is not taken";
    EXPECT_EQ(viewResets_, 0);
}

TEST_F(SettingsDialogTest, ConfirmingWithoutAChangeWritesNothing) {
    const QByteArray before = machineFile();
    table_.markApplied(TextGroup::MainWindow);
    EXPECT_FALSE(runCommand([](SettingsDialogModel& model) {
        model.selectUnit(UnitChoice::Speed, 0);  // the selection it already had
        model.ok(QStringLiteral("5"));
    }));
    EXPECT_EQ(view_.closed, 1);
    EXPECT_EQ(machineFile(), before);
    EXPECT_EQ(settings_.entries[entry::kSavedByDialog], 0);
    EXPECT_FALSE(table_.refreshPending(TextGroup::MainWindow)) << "no refill without a change";
    EXPECT_EQ(viewResets_, 0);
}

TEST_F(SettingsDialogTest, UnitsAndPeriodAreTakenOnlyOnOk) {
    EXPECT_TRUE(runCommand([](SettingsDialogModel& model) {
        model.selectUnit(UnitChoice::Speed, 1);
        model.selectUnit(UnitChoice::Pressure, 3);
        model.selectUnit(UnitChoice::Pressure, 9);  // not a choice: ignored
        EXPECT_TRUE(model.leavePeriodField(QStringLiteral("30")));
        model.ok(QStringLiteral("30"));
    }));
    EXPECT_EQ(settings_.entries, (SettingsArray{1, 0, 3, 0, 0, 30, 0, 0, 1, 0}));
    EXPECT_EQ(table_.text(UnitText::Speed), "MPH");
    EXPECT_EQ(table_.text(UnitText::Pressure), "psig");

    EXPECT_FALSE(runCommand([](SettingsDialogModel& model) {
        model.selectUnit(UnitChoice::Speed, 0);
        model.cancel();
    }));
    EXPECT_EQ(settings_.entries[entry::kSpeedUnit], 1);
}

TEST_F(SettingsDialogTest, PeriodOutsideZeroToHundredKeepsTheDialogOpen) {
    SettingsDialogModel model(settings_, table_);
    model.open(view_);
    for (const char* bad : {"101", "-1", "", "abc", "5.5"}) {
        EXPECT_FALSE(model.leavePeriodField(QLatin1String(bad))) << bad;
    }
    ASSERT_EQ(view_.messages.size(), 5);
    EXPECT_EQ(view_.messages[0], "Please enter an integer between 0 and 100.");
    EXPECT_FALSE(model.ok(QStringLiteral("250")));
    EXPECT_EQ(view_.closed, -1);
    EXPECT_TRUE(model.leavePeriodField(QStringLiteral("0")));
    EXPECT_TRUE(model.leavePeriodField(QStringLiteral("100")));
    EXPECT_EQ(model.workingEntries()[entry::kHighlightPeriod], 100);
}

TEST_F(SettingsDialogTest, ChangingTheLanguageRefillsTheTableAndResetsTheView) {
    std::vector<QString> connectAtReset;
    runSettingsCommand(
        settings_, table_, store_,
        [&] {
            SettingsDialogModel model(settings_, table_);
            model.open(view_);
            model.selectLanguage(kGerman);
            return model.ok(QStringLiteral("5"));
        },
        [&] { connectAtReset.push_back(table_.text(MainText::Connect)); });
    ASSERT_EQ(connectAtReset.size(), 1u);
    EXPECT_EQ(connectAtReset[0], "Verbinden");
    EXPECT_EQ(settings_.languageIndex, kGerman);
    EXPECT_EQ(table_.marker(TextGroup::EnginePage), "0") << "pages re-apply at their next tick";
    EXPECT_EQ(stored("Language2"), QString(QChar(2))) << "the language is stored at shutdown";
}

TEST_F(SettingsDialogTest, OpenDialogReappliesItsTextsAfterARefill) {
    SettingsDialogModel model(settings_, table_);
    model.open(view_);
    const int applied = view_.textApplications;
    model.tick();
    EXPECT_EQ(view_.textApplications, applied) << "nothing new to apply";
    table_.fill(kGerman, settings_);
    model.tick();
    EXPECT_EQ(view_.textApplications, applied + 1);
    EXPECT_EQ(view_.texts_.caption, "Einstellungen");
    model.tick();
    EXPECT_EQ(view_.textApplications, applied + 1);
}

}  // namespace
}  // namespace quilldar::settings
