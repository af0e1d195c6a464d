#include "report/report_layout.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>

#include "pages/current_values_table.h"
#include "pages/error_codes_page.h"
#include "pages/freeze_frame_page.h"
#include "report/pdf_report.h"
#include "settings/language_table.h"
#include "settings/languages.h"
#include "settings/settings.h"
#include "vehicle/dtc_catalogue.h"
#include "vehicle/english_texts.h"

namespace quilldar::report {
namespace {

// Five points per character: easy to reckon with.
const Measure kFivePerCharacter = [](const QString& text) { return 5.0F * static_cast<float>(text.size()); };

TEST(ReportLayout, TextsAreCutToTheirRoomAndNamesThatDifferAtTheEndStayApart) {
    EXPECT_EQ(fitText("Engine speed", 60, kFivePerCharacter), "Engine speed");
    EXPECT_EQ(fitText("Engine coolant / oil temperature", 100, kFivePerCharacter), "Engine coolant /...");
    // The short last word is kept after the dots.
    const QString first = fitText("Manifold absolute pressure 1", 100, kFivePerCharacter);
    const QString second = fitText("Manifold absolute pressure 2", 100, kFivePerCharacter);
    EXPECT_EQ(first, "Manifold absolu... 1");
    EXPECT_EQ(second, "Manifold absolu... 2");
    // A blank before the cut is not left in front of the dots.
    EXPECT_EQ(fitText("Cylinder 1 injection time", 60, kFivePerCharacter), "Cylinder...");
    // Too little room for the kept end: plain dots; too little for the dots: nothing.
    EXPECT_EQ(fitText("Gear 1", 25, kFivePerCharacter), "Ge...");
    EXPECT_EQ(fitText("Gear", 10, kFivePerCharacter), "");
}

TEST(ReportLayout, ValueAndUnitNeverTouchAndStayInsideTheirBlock) {
    const ReadingColumns columns{50, 170, 195, 221, true};
    // Short texts keep the usual columns.
    PlacedReading placed = placeReading("Engine speed", "1250", "rpm", columns, kFivePerCharacter);
    EXPECT_EQ(placed.name.x, 50);
    EXPECT_EQ(placed.value.x, 170);
    EXPECT_EQ(placed.unit.x, 195);
    // A long value pushes the unit on; the pair stays inside the block, the name gives way.
    placed = placeReading("Battery voltage", "0.7843", "V", columns, kFivePerCharacter);
    const float valueEnd = placed.value.x + kFivePerCharacter(placed.value.text);
    EXPECT_EQ(placed.value.text, "0.7843");
    EXPECT_GE(placed.unit.x, valueEnd + kTextGap);
    EXPECT_LE(placed.unit.x + kFivePerCharacter(placed.unit.text), columns.right);
    EXPECT_LE(placed.name.x + kFivePerCharacter(placed.name.text) + kTextGap, placed.value.x);
    // A long state word in the last block (no unit) ends at the margin.
    placed = placeReading("Driving mode selection 2", "Disconnected", "", readingColumns()[2], kFivePerCharacter);
    EXPECT_FLOAT_EQ(placed.value.x + kFivePerCharacter(placed.value.text), kRightMargin);
    EXPECT_TRUE(placed.unit.text.isEmpty());
    EXPECT_LE(placed.name.x + kFivePerCharacter(placed.name.text) + kTextGap, placed.value.x);
}

TEST(ReportLayout, FreezeFrameColumnsMoveOnlyWhenTheirTextsNeedTheRoom) {
    const std::array<float, 8> usual{50, 170, 230, 280, 340, 400, 460, 520};
    const std::array<float, 8> small{0, 40, 40, 40, 40, 40, 40, 20};
    EXPECT_EQ(freezeFrameLayout(usual, small), usual);
    // One column too narrow: all value columns share the room right of the usual first one.
    std::array<float, 8> wide = small;
    wide[2] = 70;
    const std::array<float, 8> moved = freezeFrameLayout(usual, wide);
    EXPECT_EQ(moved[0], 50);
    EXPECT_EQ(moved[1], 170);
    for (std::size_t column = 1; column < 8; ++column) {
        const float end = column < 7 ? moved[column + 1] : kRightMargin;
        EXPECT_GE(end - moved[column], wide[column] - 0.01F) << column;
    }
    // Far too wide: squeezed, but the row names keep their room and nothing passes the margin.
    const std::array<float, 8> huge{0, 200, 200, 200, 200, 200, 200, 200};
    const std::array<float, 8> squeezed = freezeFrameLayout(usual, huge);
    EXPECT_GE(squeezed[1], 50 + kFreezeNamesAtLeast - 0.01F);
    EXPECT_LT(squeezed[7], kRightMargin);
}

// --- the written report, in every language ---

struct WordBox {
    double xMin;
    double yMin;
    double xMax;
    double yMax;
    QString text;
};

// The words of the PDF with their boxes, as poppler finds them.
std::vector<WordBox> wordBoxes(const QString& path) {
    QProcess process;
    process.start("pdftotext", {"-bbox", path, "-"});
    if (!process.waitForFinished(20000) || process.exitCode() != 0) return {};
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>)re");
    std::vector<WordBox> boxes;
    for (auto match = word.globalMatch(html); match.hasNext();) {
        const auto m = match.next();
        QString text = m.captured(5);
        text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&apos;", "'").replace("&amp;", "&");
        boxes.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                         m.captured(4).toDouble(), text});
    }
    return boxes;
}

// The longest texts of a group of the language table.
QStringList longestTexts(const settings::LanguageTable& texts, settings::TextGroup group, int count) {
    QStringList all;
    for (int slot = 0; slot < texts.slotCount(group); ++slot) all.append(texts.text(group, slot));
    std::stable_sort(all.begin(), all.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    return all.mid(0, count);
}

class ReportFitTest : public ::testing::TestWithParam<int> {};

// Every language's longest texts in every column: names, values, units, codes, descriptions,
// status words, freeze-frame captions, the unit's line and a long recording name. No text may
// run into another on its line or past the right margin, and values and units stay words of
// their own.
TEST_P(ReportFitTest, NoTextRunsIntoAnotherOrPastTheMargin) {
    const int language = GetParam();
    settings::Settings stored;
    settings::LanguageTable texts;
    texts.fill(language, stored);
    vehicle::DtcCatalogue catalogue;
    vehicle::assignEnglishDtcTexts(catalogue);
    pages::ErrorCodesPage errorCodes;
    pages::FreezeFramePage freezeFrames;
    freezeFrames.tick(link::Report{}, "", texts, catalogue);  // the page's row names and units
    pages::CurrentValuesTable readings;
    ReportInputs in = reportInputsFromPages(texts, language, errorCodes, freezeFrames, readings, 3);

    using settings::EngineText;
    const QString steps = texts.text(EngineText::Steps);
    QStringList stateWords;
    for (EngineText word : {EngineText::Open, EngineText::Gnd, EngineText::Normal, EngineText::Abnormal, EngineText::On, EngineText::Off})
        stateWords.append(texts.text(word));
    std::stable_sort(stateWords.begin(), stateWords.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    const QStringList units{steps, "lb/min", "mmHg", "g/sec", "psig", "Km/h"};
    const QStringList numbers{"-1234.5", "0.7843"};
    for (std::size_t i = 0; i < in.readings.size(); ++i) {
        const int row = static_cast<int>(i);
        in.readings[i].name = texts.text(settings::TextGroup::EnginePage, row);
        if (i >= 26 || row % 4 == 3) {
            in.readings[i] = {in.readings[i].name, stateWords.first(), QString()};
        } else {
            in.readings[i].value = numbers[row % 2];
            in.readings[i].unit = units[row % units.size()];
        }
    }
    // The two manifold pressures, told apart by their values.
    in.readings[5].value = "555.55";
    in.readings[6].value = "666.66";

    const QStringList descriptions = longestTexts(texts, settings::TextGroup::TroubleCodes, 3);
    QStringList statuses;
    for (settings::ErrorCodesText word : {settings::ErrorCodesText::Past, settings::ErrorCodesText::Pending, settings::ErrorCodesText::Current})
        statuses.append(texts.text(word));
    const QString status = *std::max_element(statuses.begin(), statuses.end(),
                                             [](const QString& a, const QString& b) { return a.size() < b.size(); });
    for (int row = 0; row < 3; ++row) {
        in.dtcCells[static_cast<std::size_t>(row * 3)] = "P0007-H-L";
        in.dtcCells[static_cast<std::size_t>(row * 3 + 1)] = descriptions[row];
        in.dtcCells[static_cast<std::size_t>(row * 3 + 2)] = status;
    }
    for (std::size_t fault = 0; fault < in.faultGrids.size(); ++fault) {
        in.faultCaptions[fault] = descriptions[0];
        for (auto& row : in.faultGrids[fault])
            for (std::size_t column = 1; column < 7; ++column) row[column] = column % 2 ? "-1234.5" : "12345";
    }
    in.unit = {"71820-21H20", "21H2", "Q01", "004711"};
    in.playback = true;
    in.recordingName = "a_long_ride_over_the_passes_and_back_home_again_in_the_rain.QLS";
    in.playbackTimeText = texts.text(settings::MainText::Time) + " 1234.56" + texts.text(settings::MainText::Seconds);
    QTemporaryDir folder;
    in.installDir = QStringLiteral(QUILLDAR_SOURCE_DATA_DIR);
    in.now = QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59));
    const QString path = folder.filePath("report.pdf");
    ASSERT_TRUE(writeReportTo(in, path).written);

    const std::vector<WordBox> words = wordBoxes(path);
    ASSERT_GT(words.size(), 150U);
    constexpr double kTolerance = 0.3;
    for (const WordBox& word : words) {
        EXPECT_LE(word.xMax, kRightMargin + kTolerance) << word.text.toStdString();
        EXPECT_GE(word.xMin, 50 - kTolerance) << word.text.toStdString();
    }
    for (std::size_t a = 0; a < words.size(); ++a) {
        for (std::size_t b = a + 1; b < words.size(); ++b) {
            const WordBox& one = words[a];
            const WordBox& other = words[b];
            const bool sameLine = one.yMin < other.yMax - kTolerance && other.yMin < one.yMax - kTolerance;
            const bool overlap = one.xMin < other.xMax - kTolerance && other.xMin < one.xMax - kTolerance;
            EXPECT_FALSE(sameLine && overlap) << one.text.toStdString() << " over " << other.text.toStdString();
        }
    }
    // Written against each other, a value and its unit would be read as one word ("0.7843V").
    // (The steps word may be part of other words, "Pas" of "Passé": it is only looked for whole.)
    for (const QString& alone : units + numbers + QStringList{"555.55", "666.66"}) {
        int found = 0;
        for (const WordBox& word : words) {
            if (word.text == alone) ++found;
            else if (alone != steps) EXPECT_FALSE(word.text.contains(alone)) << word.text.toStdString() << " holds " << alone.toStdString();
        }
        EXPECT_GT(found, 0) << alone.toStdString();
    }
    // The two manifold pressures stay apart where their names are cut: each keeps its number.
    const auto nameBefore = [&words](const QString& value) {
        const auto at = std::find_if(words.begin(), words.end(), [&](const WordBox& w) { return w.text == value; });
        QString name;
        for (const WordBox& word : words)
            if (at != words.end() && std::abs(word.yMin - at->yMin) < 1 && word.xMax < at->xMin && word.xMin >= 50 - kTolerance &&
                word.xMax < 170)
                name += word.text + ' ';
        return name.trimmed();
    };
    EXPECT_TRUE(nameBefore("555.55").endsWith(" 1")) << nameBefore("555.55").toStdString();
    EXPECT_TRUE(nameBefore("666.66").endsWith(" 2")) << nameBefore("666.66").toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, ReportFitTest, ::testing::Range(0, settings::kLanguageCount),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(settings::languageInfo(info.param).code);
                         });

}  // namespace
}  // namespace quilldar::report
