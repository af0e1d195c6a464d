#include "pages/models_list.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "settings/language_table.h"
#include "settings/languages.h"

namespace quilldar::pages {
namespace {

class ModelsListTest : public ::testing::Test {
protected:
    ModelsDialogTexts textsIn(int language) {
        settings_.languageIndex = language;
        table_.fill(language, settings_);
        return takeModelsDialogTexts(table_, language);
    }

    settings::Settings settings_;
    settings::LanguageTable table_;
};

// An entry is a model name followed by its years in parentheses; a name may be broken off from
// its years at the end of a line.
int entryCount(const QString& list) {
    static const QRegularExpression years(QStringLiteral("\\((\\d{4}(-\\d{4})?|ALL years)\\)"));
    return static_cast<int>(list.count(years));
}

TEST_F(ModelsListTest, ListsKeepEveryEntryAndTheirLineLayoutWithEmptyLines) {
    const ModelsDialogTexts texts = textsIn(settings::kEnglish);

    const QStringList motorcycles = texts.motorcycleList.split(u'\n');
    // 14 lines, six of which follow an empty line.
    ASSERT_EQ(motorcycles.size(), 20);
    EXPECT_EQ(motorcycles.front(),
              "AN250 Burgman (2003-2013), AN400 Burgman (2003-2016), AN650 Burgman (2003-2016), "
              "B-King (2008-2012),");
    for (const int empty : {2, 5, 8, 11, 14, 17})
        EXPECT_TRUE(motorcycles[empty].isEmpty()) << empty;
    EXPECT_EQ(motorcycles[3].left(13), "Boulevard M90");
    EXPECT_EQ(motorcycles[15],
              "(2010-2012), SFV650 (2009-2015), ST250X (2008-2011), SV650 (2003-2015), "
              "SV1000 (2003-2009), TU250 (2009-2016), UH125 (2007-2014),");
    EXPECT_EQ(motorcycles.back(), "(2005-2015), VZ1500 (2009-2015), VZR1800 (2006-2015)");
    EXPECT_EQ(motorcycles.count(QString()), 6);
    EXPECT_EQ(entryCount(texts.motorcycleList), 67);

    const QStringList atvs = texts.atvList.split(u'\n');
    ASSERT_EQ(atvs.size(), 4);
    EXPECT_TRUE(atvs[2].isEmpty());
    EXPECT_EQ(atvs[3],
              "LT-F400 King Quad [ATV] (2010-2015), LT-R450 QuadSport [ATV] (2006-2012), "
              "LT-Z400 QuadSport [ATV] (2009-2015)");
    EXPECT_EQ(entryCount(texts.atvList), 10);

    for (const QString& list : {texts.motorcycleList, texts.atvList})
        EXPECT_FALSE(list.contains(u'\r'));
}

TEST_F(ModelsListTest, HeadingsAreUpperCaseInTheLanguageWhileTheListsStayEnglish) {
    const ModelsDialogTexts english = textsIn(settings::kEnglish);
    EXPECT_EQ(english.title, "Models");
    EXPECT_EQ(english.motorcyclesHeading, "MOTORCYCLES:");
    EXPECT_EQ(english.atvsHeading, "ATVS:");
    EXPECT_EQ(english.close, "Close");

    const ModelsDialogTexts german = textsIn(settings::kGerman);
    EXPECT_EQ(german.motorcyclesHeading, QStringLiteral("MOTORRÄDER:"));
    EXPECT_EQ(german.atvsHeading, "ATVS:");
    EXPECT_EQ(german.close, QStringLiteral("Schließen"));
    EXPECT_EQ(german.motorcycleList, english.motorcycleList);
    EXPECT_EQ(german.atvList, english.atvList);

    const ModelsDialogTexts russian = textsIn(settings::kRussian);
    EXPECT_EQ(russian.motorcyclesHeading, QStringLiteral("МОТОЦИКЛЫ:"));
    EXPECT_EQ(russian.motorcycleList, english.motorcycleList);
}

TEST_F(ModelsListTest, UpperCaseFollowsTheCasingRulesOfTheLanguage) {
    EXPECT_EQ(upperCaseIn(QStringLiteral("Motosikletler:"), settings::kTurkish),
              QStringLiteral("MOTOSİKLETLER:"));
    EXPECT_EQ(upperCaseIn(QStringLiteral("Motosikletler:"), settings::kEnglish),
              QStringLiteral("MOTOSIKLETLER:"));
    EXPECT_EQ(upperCaseIn(QStringLiteral("мотоциклы:"), settings::kRussian),
              QStringLiteral("МОТОЦИКЛЫ:"));
}

TEST_F(ModelsListTest, ReadingTheTextsMarksThemApplied) {
    textsIn(settings::kEnglish);
    EXPECT_FALSE(table_.refreshPending(settings::TextGroup::ModelsDialog));
    table_.fill(settings::kGerman, settings_);
    EXPECT_TRUE(table_.refreshPending(settings::TextGroup::ModelsDialog));
}

}  // namespace
}  // namespace quilldar::pages
