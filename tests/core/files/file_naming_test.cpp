#include "files/file_naming.h"

#include <gtest/gtest.h>

namespace quilldar::files {
namespace {

const QString kQls = QStringLiteral(".QLS");
const QString kCsv = QStringLiteral(".CSV");

TEST(FileNamingTest, NamingRuleGivesTheExtensionExactlyOnceAndKeepsTheBaseName) {
    EXPECT_EQ(applyNamingRule(QStringLiteral("ride"), kQls), "ride.QLS");
    EXPECT_EQ(applyNamingRule(QStringLiteral("ride.QLS"), kQls), "ride.QLS");
    // The letters of the base name stay, even those that also occur in the extension.
    EXPECT_EQ(applyNamingRule(QStringLiteral("ROADS"), kQls), "ROADS.QLS");
    EXPECT_EQ(applyNamingRule(QStringLiteral("LS"), kQls), "LS.QLS");
    EXPECT_EQ(applyNamingRule(QStringLiteral("ride.fits"), kQls), "ride.QLS");
    EXPECT_EQ(applyNamingRule(QStringLiteral("ride.QLS.FITS"), kQls), "ride.QLS");
    EXPECT_EQ(applyNamingRule(QStringLiteral("run.2"), kCsv), "run.2.CSV");
    EXPECT_EQ(applyNamingRule(QStringLiteral("run.QLS"), kCsv), "run.QLS.CSV");
}

TEST(FileNamingTest, AnExtensionInOtherLettersIsKeptSoAnExistingFileIsNotRenamed) {
    EXPECT_EQ(applyNamingRule(QStringLiteral("ride.qls"), kQls), "ride.qls");
    EXPECT_EQ(nameWithoutExtension(QStringLiteral("ride.qls"), kQls), "ride");
}

TEST(FileNamingTest, TheNameFieldShowsAFileWithoutItsExtension) {
    EXPECT_EQ(nameWithoutExtension(QStringLiteral("ride.QLS"), kQls), "ride");
    EXPECT_EQ(nameWithoutExtension(QStringLiteral("ROADS.QLS"), kQls), "ROADS");
    EXPECT_EQ(nameWithoutExtension(QStringLiteral("ride.FITS"), kQls), "ride");
    EXPECT_EQ(nameWithoutExtension(QStringLiteral("ride"), kQls), "ride");
}

TEST(FileNamingTest, OnlyANameWithoutSeparatorsNamesAnEntryOfTheFolder) {
    EXPECT_TRUE(isPlainName(QStringLiteral("ride")));
    EXPECT_TRUE(isPlainName(QStringLiteral("a..b")));
    EXPECT_FALSE(isPlainName(QString()));
    EXPECT_FALSE(isPlainName(QStringLiteral("..")));
    EXPECT_FALSE(isPlainName(QStringLiteral(".")));
    EXPECT_FALSE(isPlainName(QStringLiteral("../ride")));
    EXPECT_FALSE(isPlainName(QStringLiteral("sub\\ride")));
}

TEST(FileNamingTest, LongPathsAreCutFromTheLeftAtTheSecondSeparator) {
    const QString shortPath = QStringLiteral("\\Recordings\\2024\\");
    EXPECT_EQ(shortenPathText(shortPath, u'\\'), shortPath);

    // 62 characters: one cut takes "\\Quilldar\\" off and puts "..." in front.
    const QString longPath =
        QStringLiteral("\\Quilldar\\Customers with motorcycles\\Recordings of the season\\");
    ASSERT_EQ(longPath.size(), 62);
    EXPECT_EQ(shortenPathText(longPath, u'\\'), "...Customers with motorcycles\\Recordings of the season\\");

    // Still too long after a cut: the next cut takes two more folders.
    const QString deeper =
        QStringLiteral("\\Workshop\\Customers\\Motorcycles and ATVs\\Recordings of the year 2024\\");
    EXPECT_EQ(shortenPathText(deeper, u'\\'), "...Recordings of the year 2024\\");
    // A text with fewer than three separators stays as long as it is.
    const QString wide = QString(70, u'x') + QStringLiteral("/y/");
    EXPECT_EQ(shortenPathText(wide, u'/'), wide);
}

// Exactly the longest text that stays whole, and one character more; exactly three separators
// are enough for a cut.
TEST(FileNamingTest, PathTextAtTheLimitStaysWholeAndOneMoreIsCut) {
    const QString atLimit = QStringLiteral("\\Quilldar\\") + QString(49, u'r') + QStringLiteral("\\");
    ASSERT_EQ(atLimit.size(), 60);
    EXPECT_EQ(shortenPathText(atLimit, u'\\'), atLimit);
    const QString overLimit = QStringLiteral("\\Quilldar\\") + QString(50, u'r') + QStringLiteral("\\");
    ASSERT_EQ(overLimit.size(), 61);
    ASSERT_EQ(overLimit.count(u'\\'), 3);
    EXPECT_EQ(shortenPathText(overLimit, u'\\'), QStringLiteral("...") + QString(50, u'r') + QStringLiteral("\\"));
}

}  // namespace
}  // namespace quilldar::files
