#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <map>

#include "settings/highlight_colour.h"
#include "settings/language_table.h"
#include "settings/languages.h"

namespace quilldar::settings {
namespace {

const QString kStartupFolder = QStringLiteral("/work/shop/recordings");
const QString kDataFolder = QStringLiteral("/usr/share/quilldar/");

class SettingsStoreTest : public ::testing::Test {
protected:
    SettingsStoreTest() {
        store_.setReporter([this](const QString& problem) { reported_ << problem; });
        store_.setInstallDirFallback(kDataFolder);
    }

    // Everything stored under the program's key of one root, read past the registry layer.
    std::map<QString, QString> rawValues(RegistryRoot root) const {
        QSettings raw(location_.fileOf(root), QSettings::IniFormat);
        raw.beginGroup(QStringLiteral("Software/Morvalin/Quilldar"));
        std::map<QString, QString> values;
        for (const QString& key : raw.allKeys()) values[key] = raw.value(key).toString();
        return values;
    }

    void preset(const QString& name, const QString& value) {
        CRegistry machine(location_, RegistryRoot::LocalMachine);
        ASSERT_TRUE(machine.setValue(name, value));
    }

    Settings loaded() {
        Settings settings;
        store_.load(settings, kStartupFolder);
        return settings;
    }

    QTemporaryDir folder_;
    RegistryLocation location_ = RegistryLocation::inFolder(folder_.path());
    SettingsStore store_{location_};
    QStringList reported_;
};

TEST_F(SettingsStoreTest, FreshConfigurationWritesExactlyTheDefaults) {
    const Settings settings = loaded();

    const std::map<QString, QString> expected = {
        {"Settings", QString(10, QChar(1))}, {"HLColor", "122"}, {"FAQ", "1009"},
        {"Chart0", "0"}, {"Chart1", "1"}, {"Chart2", "2"}, {"Chart3", "3"},
        {"OpenSave1", kStartupFolder}, {"Language2", QString(QChar(2))},
    };
    EXPECT_EQ(rawValues(RegistryRoot::LocalMachine), expected);
    EXPECT_TRUE(rawValues(RegistryRoot::CurrentUser).empty()) << "InstallDir is never written";
    EXPECT_TRUE(reported_.isEmpty());

    // English, km/h, °C, kPa, g/sec, a 5 s period and yellow highlights.
    EXPECT_EQ(settings.languageIndex, kEnglish);
    EXPECT_EQ(settings.entries, (SettingsArray{0, 0, 0, 0, 0, 5, 0, 0, 0, 0}));
    EXPECT_EQ(settings.highlightColour, 0x00FFFFu);
    EXPECT_EQ(settings.faqVersion, "1009");
    EXPECT_EQ(settings.chartChannels, (std::array<int, 4>{0, 1, 2, 3}));
    EXPECT_EQ(settings.openSave1, kStartupFolder);
    EXPECT_EQ(settings.installDir, kDataFolder) << "no installer: the data folder stands in";
}

TEST_F(SettingsStoreTest, StoredValuesAreReadAndNotRewritten) {
    {
        CRegistry user(location_, RegistryRoot::CurrentUser);
        user.setValue(QStringLiteral("InstallDir"), QStringLiteral("/opt/quilldar/"));
    }
    SettingsArray entries = {1, 1, 3, 1, 0, 20, 4, 0, 1, 0};
    preset("Settings", encodeSettingsArray(entries));
    preset("HLColor", "211");
    preset("FAQ", "1010");
    preset("Chart2", "17");
    preset("OpenSave1", "/data/rides");
    preset("Language2", encodeLanguage(kGerman));
    const auto before = rawValues(RegistryRoot::LocalMachine);

    const Settings settings = loaded();
    EXPECT_EQ(settings.installDir, "/opt/quilldar/");
    EXPECT_EQ(settings.entries, entries);
    EXPECT_EQ(settings.highlightPeriodSeconds(), 20);
    EXPECT_EQ(settings.highlightColour, 0xFF0000u);
    EXPECT_EQ(settings.faqVersion, "1010");
    EXPECT_EQ(settings.chartChannels, (std::array<int, 4>{0, 1, 17, 3}));
    EXPECT_EQ(settings.openSave1, "/data/rides");
    EXPECT_EQ(settings.languageIndex, kGerman);

    auto after = rawValues(RegistryRoot::LocalMachine);
    for (const auto& [name, value] : before) EXPECT_EQ(after[name], value) << name.toStdString();
}

TEST_F(SettingsStoreTest, PeriodIsFiveSecondsUntilTheDialogStoredTheArray) {
    preset("Settings", encodeSettingsArray({0, 0, 0, 0, 0, 20, 0, 0, 0, 0}));
    EXPECT_EQ(loaded().highlightPeriodSeconds(), 5);
    preset("Settings", encodeSettingsArray({0, 0, 0, 0, 0, 20, 0, 0, 1, 0}));
    EXPECT_EQ(loaded().highlightPeriodSeconds(), 20);
}

TEST_F(SettingsStoreTest, ShortSettingsValueGivesZeroForTheMissingEntries) {
    preset("Settings", QString(3, QChar(2)));  // entries 0..2 = 1, the rest missing
    const Settings settings = loaded();
    EXPECT_EQ(settings.entries, (SettingsArray{1, 1, 1, 0, 0, 5, 0, 0, 0, 0}));
    EXPECT_EQ(rawValues(RegistryRoot::LocalMachine)["Settings"], QString(3, QChar(2)));
}

TEST_F(SettingsStoreTest, MissingColourIsWrittenAsYellowAndResetsTheColourEntry) {
    preset("Settings", encodeSettingsArray({0, 0, 0, 0, 0, 5, 3, 0, 1, 0}));
    const Settings settings = loaded();
    EXPECT_EQ(settings.entries[entry::kHighlightColour], 0);
    EXPECT_EQ(settings.highlightColour, 0x00FFFFu);
    EXPECT_EQ(rawValues(RegistryRoot::LocalMachine)["HLColor"], "122");
}

TEST_F(SettingsStoreTest, ALanguageIndexOfTwelveShowsEnglish) {
    preset("Language2", encodeLanguage(12));
    Settings settings = loaded();
    EXPECT_EQ(settings.languageIndex, 12);
    LanguageTable table;
    table.fill(settings.languageIndex, settings);
    EXPECT_EQ(settings.languageIndex, kEnglish);
    EXPECT_EQ(table.text(MainText::Connect), "Connect");
    EXPECT_TRUE(store_.storeLanguage(settings.languageIndex));
    EXPECT_EQ(rawValues(RegistryRoot::LocalMachine)["Language2"], QString(QChar(2)));
}

TEST_F(SettingsStoreTest, UnreadableMachineKeyKeepsFreshDefaultsWritesNothingAndSaysSo) {
    ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("machine.ini")));
    const Settings settings = loaded();
    EXPECT_EQ(settings.languageIndex, kEnglish);
    EXPECT_EQ(settings.entries, (SettingsArray{0, 0, 0, 0, 0, 5, 0, 0, 0, 0}));
    EXPECT_EQ(settings.highlightColour, 0x00FFFFu);
    EXPECT_EQ(settings.openSave1, kStartupFolder);
    ASSERT_EQ(reported_.size(), 1);
    EXPECT_TRUE(reported_[0].contains(QStringLiteral("machine.ini")));
    EXPECT_EQ(store_.problems(), reported_);
}

TEST_F(SettingsStoreTest, AStoreThatFailsIsReportedAndTheProgramGoesOn) {
    loaded();
    const QString file = location_.fileOf(RegistryRoot::LocalMachine);
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkdir(file));
    EXPECT_FALSE(store_.storeHighlightColour(0xFF0000));
    EXPECT_FALSE(store_.storeChartChannels({4, 5, 6, 7}));
    ASSERT_GE(reported_.size(), 2);
    EXPECT_TRUE(reported_[0].contains(QStringLiteral("HLColor"))) << reported_[0].toStdString();
}

TEST_F(SettingsStoreTest, StoresWriteTheirFormats) {
    loaded();
    EXPECT_TRUE(store_.storeSettingsArray({1, 0, 3, 1, 0, 100, 5, 0, 1, 0}));
    EXPECT_TRUE(store_.storeHighlightColour(highlightColourAt(5)));
    EXPECT_TRUE(store_.storeChartChannels({22, 0, 9, 8}));
    EXPECT_TRUE(store_.storeOpenSave(QStringLiteral("/exports")));
    EXPECT_TRUE(store_.storeFaqVersion(QStringLiteral("1011")));
    auto values = rawValues(RegistryRoot::LocalMachine);
    const QString expectedSettings = QString(QChar(2)) + QChar(1) + QChar(4) + QChar(2) + QChar(1) +
                                     QChar(101) + QChar(6) + QChar(1) + QChar(2) + QChar(1);
    EXPECT_EQ(values["Settings"], expectedSettings);
    EXPECT_EQ(values["HLColor"], "212");
    EXPECT_EQ(values["Chart0"], "22");
    EXPECT_EQ(values["Chart3"], "8");
    EXPECT_EQ(values["FAQ"], "1011");
    EXPECT_EQ(store_.readOpenSave(), "/exports");
}

TEST(InstalledDataFolderTest, RunFromTheBuildTreeFindsTheSourceDataFolder) {
    const QString folder = SettingsStore::installedDataFolder();
    ASSERT_FALSE(folder.isEmpty());
    EXPECT_TRUE(folder.endsWith(QDir::separator()));
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("lang/quilldar_de.ts")));
}

}  // namespace
}  // namespace quilldar::settings
