#include "settings/language_table.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

#include "settings/languages.h"
#include "settings/translation_source.h"

namespace quilldar::settings {
namespace {

// Answers from a small map and records every lookup.
class FakeTranslations : public TranslationSource {
public:
    using Key = std::tuple<int, QString, QString>;  // language, context, slot name
    explicit FakeTranslations(std::map<Key, QString> texts) : texts_(std::move(texts)) {}
    QString translate(int language, const char* context, const QString&,
                      const QString& slot) const override {
        const auto found = texts_.find({language, QLatin1String(context), slot});
        return found == texts_.end() ? QString() : found->second;
    }

private:
    std::map<Key, QString> texts_;
};

std::unique_ptr<TranslationSource> fakeFrench() {
    return std::make_unique<FakeTranslations>(std::map<FakeTranslations::Key, QString>{
        {{kFrench, "MainWindow", "Connect"}, "Connecter"},
        {{kFrench, "MainWindow", "Ok"}, "D'accord"},              // a shared slot
        {{kFrench, "MainWindow", "WindowTitle"}, "Autre titre"},  // a fixed slot
        {{kFrench, "ModelsDialog", "Atvs"}, "QUADS:"},
        {{kFrench, "TroubleCodes", "Unknown"}, "Erreur inconnue"},
        {{kFrench, "TroubleCodes", "P0720"}, "Capteur de vitesse de sortie"},
    });
}

Settings metricSettings() {
    Settings settings;
    settings.entries = {0, 0, 0, 0, 0, 5, 0, 0, 0, 0};
    return settings;
}

TEST(LanguageTableTest, EnglishFillGivesTheProgramsTexts) {
    LanguageTable table;
    Settings settings = metricSettings();
    table.fill(kEnglish, settings);
    EXPECT_EQ(table.text(MainText::WindowTitle), "Quilldar V2.0.3.4");
    EXPECT_EQ(table.text(MainText::Connect), "Connect");
    EXPECT_EQ(table.text(MainText::TitleSeparator), QString(24, u' '));
    EXPECT_EQ(table.text(MainText::NewVersionQuestion),
              "New version available...\n\rWould you like to install now?");
    EXPECT_EQ(table.text(MainText::ProductTitle), "Quilldar");
    EXPECT_EQ(table.text(ErrorCodesText::Header),
              "DTC No.:;Detected failure condition:;Current/Past:;");
    EXPECT_EQ(table.text(SettingsDialogText::HighlightingPeriod), "Highlighting period (sec)");
    EXPECT_EQ(table.text(GraphText::HelpText).left(22), "Change the Time scale:");
    EXPECT_EQ(table.troubleCodeDescription(1653), "ECM TCM communication line A malfunction ");
    EXPECT_EQ(table.troubleCodeDescription(0), "Unknown error");
    EXPECT_TRUE(table.troubleCodeDescription(7).isEmpty());
}

TEST(LanguageTableTest, EngineTextListKeepsItsIndices) {
    LanguageTable table;
    Settings settings = metricSettings();
    table.fill(kEnglish, settings);
    const auto engine = [&](int index) { return table.text(TextGroup::EnginePage, index); };
    EXPECT_EQ(table.slotCount(TextGroup::EnginePage), 47);
    EXPECT_EQ(engine(0), "Engine speed");
    EXPECT_EQ(engine(22), "ISC duty");
    EXPECT_EQ(engine(34), "PAIR control solenoid valve");
    EXPECT_EQ(engine(35), "---");
    EXPECT_EQ(engine(36), "Side stand switch");
    EXPECT_EQ(engine(39), "Engine speed limiter signal");
    const QStringList states = {"Steps", "Open", "GND", "Normal", "Abnormal", "On", "Off"};
    for (int i = 0; i < states.size(); ++i) EXPECT_EQ(engine(40 + i), states[i]);
    EXPECT_TRUE(engine(47).isEmpty()) << "past the end reads as empty";
}

TEST(LanguageTableTest, ModelListsHoldAllModelsInEveryLanguage) {
    LanguageTable table;
    Settings settings = metricSettings();
    table.fill(kGerman, settings);
    EXPECT_EQ(table.text(ModelsText::MotorcycleList).count(u'('), 67);
    EXPECT_EQ(table.text(ModelsText::AtvList).count(u'('), 10);
    EXPECT_TRUE(table.text(ModelsText::MotorcycleList).startsWith("AN250 Burgman (2003-2013),"));
    EXPECT_TRUE(table.text(ModelsText::MotorcycleList)
                    .contains("(2015-2016),\r\n\nBoulevard M90 (2009-2016)"));
    EXPECT_EQ(table.text(ModelsText::Atvs), "ATVs:");
}

TEST(LanguageTableTest, IndexOutsideTheTenLanguagesGivesEnglish) {
    LanguageTable table(fakeFrench());
    Settings settings = metricSettings();
    table.fill(12, settings);
    EXPECT_EQ(settings.languageIndex, kEnglish);
    EXPECT_EQ(table.text(MainText::Connect), "Connect");
    table.fill(-1, settings);
    EXPECT_EQ(settings.languageIndex, kEnglish);
}

TEST(LanguageTableTest, EveryFillSetsAllThirteenMarkersToZero) {
    LanguageTable table;
    Settings settings = metricSettings();
    for (int language : {kEnglish, kGerman, kRussian, 12}) {
        for (TextGroup group : kAllTextGroups) table.markApplied(group);
        table.fill(language, settings);
        int markers = 0;
        for (TextGroup group : kAllTextGroups) {
            if (!hasRefreshMarker(group)) {
                EXPECT_TRUE(table.marker(group).isEmpty());
                continue;
            }
            ++markers;
            EXPECT_EQ(table.marker(group), "0") << static_cast<int>(group);
        }
        EXPECT_EQ(markers, 13);
    }
}

TEST(LanguageTableTest, AWindowTakesEachRefreshOnce) {
    LanguageTable table;
    Settings settings = metricSettings();
    table.fill(kEnglish, settings);
    EXPECT_TRUE(table.takeRefresh(TextGroup::EnginePage));
    EXPECT_EQ(table.marker(TextGroup::EnginePage), "1");
    EXPECT_FALSE(table.takeRefresh(TextGroup::EnginePage));
    EXPECT_TRUE(table.refreshPending(TextGroup::MainWindow)) << "other windows are unaffected";
    EXPECT_FALSE(table.takeRefresh(TextGroup::FileBrowser)) << "no marker, never a refresh";
}

TEST(LanguageTableTest, UnitTextsFollowTheSettingsAndBadEntriesAreCorrected) {
    LanguageTable table;
    Settings settings;
    settings.entries = {1, 1, 2, 1, 0, 5, 0, 0, 0, 0};
    table.fill(kEnglish, settings);
    EXPECT_EQ(table.text(UnitText::Speed), "MPH");
    EXPECT_EQ(table.text(UnitText::Temperature), "\u00B0F");
    EXPECT_EQ(table.text(UnitText::Pressure), "inHg");
    EXPECT_EQ(table.text(UnitText::AirFlow), "lb/min");

    settings.entries = {4, 7, 9, 2, 0, 5, 0, 0, 0, 0};
    table.fill(kEnglish, settings);
    EXPECT_EQ(settings.entries[0], 0);
    EXPECT_EQ(settings.entries[1], 0);
    EXPECT_EQ(settings.entries[2], 0);
    EXPECT_EQ(settings.entries[3], 0);
    EXPECT_EQ(table.text(UnitText::Speed), "Km/h");
    EXPECT_EQ(table.text(UnitText::Temperature), "\u00B0C");
    EXPECT_EQ(table.text(UnitText::Pressure), "kPa");
    EXPECT_EQ(table.text(UnitText::AirFlow), "g/sec");
}

TEST(LanguageTableTest, MissingTranslationsFallBackToEnglish) {
    LanguageTable table(fakeFrench());
    Settings settings = metricSettings();
    table.fill(kFrench, settings);
    EXPECT_EQ(settings.languageIndex, kFrench);
    EXPECT_EQ(table.text(MainText::Connect), "Connecter");
    EXPECT_EQ(table.text(MainText::Disconnect), "Disconnect");
    EXPECT_EQ(table.troubleCodeDescription(0), "Erreur inconnue");
    EXPECT_EQ(table.troubleCodeDescription(105),
              "Manifold absolute pressure circuit malfunction 1");
}

TEST(LanguageTableTest, SharedAndFixedTextsStayEnglishWhateverTheTranslations) {
    LanguageTable table(fakeFrench());
    Settings settings = metricSettings();
    table.fill(kFrench, settings);
    EXPECT_EQ(table.text(MainText::Ok), "Ok");
    EXPECT_EQ(table.text(MainText::WindowTitle), "Quilldar V2.0.3.4");
    EXPECT_EQ(table.text(ModelsText::Atvs), "ATVs:");
    EXPECT_EQ(table.troubleCodeDescription(720), "Output Speed Sensor Circuit Malfunction");
}

TEST(LanguageTableTest, RefillingReplacesTheTextsOfThePreviousLanguage) {
    LanguageTable table(fakeFrench());
    Settings settings = metricSettings();
    table.fill(kFrench, settings);
    table.fill(kEnglish, settings);
    EXPECT_EQ(table.text(MainText::Connect), "Connect");
    EXPECT_EQ(table.troubleCodeDescription(0), "Unknown error");
}

TEST(LanguageTableTest, RussianSetsTheCyrillicFontCharacterSet) {
    LanguageTable table;
    Settings settings = metricSettings();
    table.fill(kRussian, settings);
    EXPECT_EQ(table.fontCharacterSet(), 204);
    table.fill(kGerman, settings);
    EXPECT_EQ(table.fontCharacterSet(), 1);
}

TEST(LanguageTableTest, TroubleCodeDescriptionsReachTheCatalogueFallbackFirst) {
    LanguageTable table(fakeFrench());
    std::vector<std::pair<int, QString>> assigned;
    table.setTroubleCodeSink(
        [&](int number, const QString& text) { assigned.emplace_back(number, text); });
    Settings settings = metricSettings();
    table.fill(kFrench, settings);
    // The English base fill assigns all 88, then the language's own fill assigns them again.
    ASSERT_EQ(assigned.size(), 2u * 88u);
    EXPECT_EQ(assigned[0], std::make_pair(0, QStringLiteral("Unknown error")));
    EXPECT_EQ(assigned[88], std::make_pair(0, QStringLiteral("Erreur inconnue")));
    EXPECT_EQ(assigned[89].first, 105);
    EXPECT_EQ(assigned.back().first, 2505);
}

TEST(LanguageTableTest, GermanFillFromTheBuiltInTranslations) {
    LanguageTable table;
    Settings settings = metricSettings();
    table.fill(kGerman, settings);
    EXPECT_EQ(table.text(MainText::Connect), "Verbinden");
    EXPECT_EQ(table.text(SettingsDialogText::Caption), "Einstellungen");
    EXPECT_EQ(table.text(ErrorCodesText::Header).count(u';'), 3);
    EXPECT_EQ(table.text(MainText::NewVersionQuestion).count(QStringLiteral("\n\r")), 1);
    EXPECT_EQ(table.text(UnitText::Speed), "Km/h") << "units stay untranslated";
}

}  // namespace
}  // namespace quilldar::settings

namespace quilldar::settings {
namespace {

TEST(LanguageWordsTest, SwitchStatesAndTestButtonsReadDifferentlyAndUnitWordsAreCapitalised) {
    Settings settings;
    for (int language = 0; language < kLanguageCount; ++language) {
        SCOPED_TRACE(language);
        LanguageTable table;
        table.fill(language, settings);
        // A switch reading "Open" on the Engine page must not look like the "On" of a test.
        EXPECT_NE(table.text(EngineText::Open), table.text(ActiveTestsText::On));
        EXPECT_NE(table.text(EngineText::Open), table.text(EngineText::On));
        // The unit words of the Engine page start like their neighbours.
        const QString steps = table.text(EngineText::Steps);
        ASSERT_FALSE(steps.isEmpty());
        EXPECT_TRUE(steps.at(0).isUpper()) << steps.toStdString();
    }
}

}  // namespace
}  // namespace quilldar::settings
