#include "report/pdf_report.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "pages/current_values_table.h"
#include "settings/language_table.h"
#include "settings/languages.h"
#include "settings/settings.h"
#include "support/recording_builder.h"
#include "link/kwp_frame.h"
#include "vehicle/dtc_catalogue.h"
#include "vehicle/ecm_model_table.h"
#include "vehicle/english_texts.h"

namespace quilldar::report {
namespace {

// Runs a poppler tool on a file and returns its standard output.
QString runPoppler(const QString& program, QStringList arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0) return QStringLiteral("<%1 failed>").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const QString& path) { return runPoppler("pdftotext", {"-layout", path, "-"}); }

// The lines of the text, each with its blanks collapsed.
QStringList lines(const QString& text) {
    QStringList result;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString simple = line.simplified();
        if (!simple.isEmpty()) result.append(simple);
    }
    return result;
}

qsizetype lineIndex(const QStringList& all, const QString& part) {
    for (qsizetype i = 0; i < all.size(); ++i)
        if (all[i].contains(part)) return i;
    return -1;
}

class PdfReportTest : public ::testing::Test {
protected:
    PdfReportTest() {
        vehicle::assignEnglishDtcTexts(catalogue_);
        texts_.fill(settings::kEnglish, settings_);
        install_ = QStringLiteral(QUILLDAR_SOURCE_DATA_DIR);
    }

    ReportInputs inputs(int dtcCount = 0) {
        ReportInputs in = reportInputsFromPages(texts_, settings::kEnglish, errorCodes_, freezeFrames_, readings_, dtcCount);
        in.installDir = install_;
        in.startupFolder = startup_.path();
        in.now = QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3));
        return in;
    }

    // Writes the report and returns its text; fails the test when nothing was written.
    QString render(const ReportInputs& in) {
        const ReportResult result = writeReport(in);
        EXPECT_TRUE(result.written) << result.problem.toStdString();
        path_ = result.path;
        return pdfText(result.path);
    }

    settings::Settings settings_;
    settings::LanguageTable texts_;
    vehicle::DtcCatalogue catalogue_;
    pages::ErrorCodesPage errorCodes_;
    pages::FreezeFramePage freezeFrames_;
    pages::CurrentValuesTable readings_;
    QTemporaryDir startup_;
    QString install_;
    QString path_;
};

TEST_F(PdfReportTest, WithoutTroubleCodesTheSectionHoldsTheHeaderAndASingleZero) {
    const QStringList text = lines(render(inputs(0)));
    const qsizetype header = lineIndex(text, "DTC No.:");
    ASSERT_GE(header, 0) << text.join('\n').toStdString();
    EXPECT_TRUE(text[header].contains("Detected failure condition:"));
    EXPECT_TRUE(text[header].contains("Current/Past:"));
    EXPECT_EQ(text[header + 1], "0");
    EXPECT_EQ(text[header + 2], "Show data when trouble:");
    EXPECT_LT(lineIndex(text, "Error codes:"), header);
}

TEST_F(PdfReportTest, TroubleCodesComeInTheAnswersOrderWithDescriptionAndStatus) {
    const vehicle::DtcStatusWords words{"Past", "Pending", "Current"};
    errorCodes_.tick(testing::reportOf(testing::troubleCodeAnswer({{0x01, 0x05, 0x60}, {0x00, 0x07, 0x20}})), catalogue_, words);
    const QStringList text = lines(render(inputs(2)));
    const qsizetype first = lineIndex(text, "P0105");
    const qsizetype second = lineIndex(text, "P0007");
    ASSERT_GE(first, 0);
    EXPECT_EQ(second, first + 1);
    EXPECT_EQ(text[first], "P0105 Manifold absolute pressure circuit malfunction 1 Current");
    EXPECT_EQ(text[second], "P0007 Unknown error Past");
    // A count above the rows of the table stops at the first row without a code.
    EXPECT_EQ(text[second + 1], "Show data when trouble:");
}

TEST_F(PdfReportTest, FreezeFrameRowsSitUnderTheirHeaderWithDashesForEmptyCells) {
    ReportInputs in = inputs();
    in.faultCaptions[0] = QStringLiteral("P0105 Manifold absolute pressure circuit malfunction 1");
    in.faultGrids[0][0] = {"Engine speed", "1250", "", "1300", "", "", "", "rpm"};
    const QStringList text = lines(render(in));
    const qsizetype caption = lineIndex(text, "P0105 Manifold");
    ASSERT_GE(caption, 0);
    EXPECT_TRUE(text[caption + 1].startsWith("Fault 1# Pre-detect Detect point Post-detect Fix point Cycle min Cycle max Unit"))
        << text[caption + 1].toStdString();
    EXPECT_EQ(text[caption + 2], "Engine speed 1250 --- 1300 --- --- --- rpm");
    // An entirely empty row still prints, all dashes.
    EXPECT_EQ(text[caption + 3], "--- --- --- --- --- --- --- ---");
    const qsizetype second = lineIndex(text, "Fault 2#");
    EXPECT_EQ(second, caption + 1 + 6 + 1 + (in.faultCaptions[1].isEmpty() ? 0 : 1));
}

TEST_F(PdfReportTest, ReadingsPrintThreeToARowAndLongNamesEndInDots) {
    readings_.setRow(0, QStringLiteral("Engine speed"), vehicle::ValueText("1250"), QStringLiteral("rpm"));
    readings_.setRow(13, QStringLiteral("Exhaust control valve actuator position sensor voltage"), vehicle::ValueText("7"),
                     QStringLiteral("V"));
    readings_.setRow(26, QStringLiteral("Gear position"), vehicle::ValueText("N"), QStringLiteral("unused"));
    const QString text = render(inputs());
    const QStringList all = lines(text);
    const qsizetype row = lineIndex(all, "Engine speed 1250 rpm");
    ASSERT_GE(row, 0) << text.toStdString();
    // The name is cut where its column ends, by its printed width.
    static const QRegularExpression cut("^Engine speed 1250 rpm Exhaust control valve actuator \\S* ?\\S*\\.\\.\\. 7 V Gear position N$");
    EXPECT_TRUE(all[row].contains(cut)) << all[row].toStdString();
    EXPECT_FALSE(text.contains("voltage"));
    EXPECT_EQ(all[row - 1], "Actual sensor data:");
}

TEST_F(PdfReportTest, TheLineUnderTheHeaderNamesTheUnitWithTheWindowsCaptions) {
    ReportInputs in = inputs();
    in.unit = {"71820-21H20", "21H2", "Q01", "004711"};
    QStringList text = lines(render(in));
    const qsizetype unit = lineIndex(text, "ECM ID:");
    ASSERT_GE(unit, 0) << text.join('\n').toStdString();
    EXPECT_EQ(text[unit], "ECM ID: 71820-21H20 (21H2) Hardware ID: Q01 Hardware SN: 004711");
    EXPECT_EQ(text[unit + 1], "Error codes:");

    // In German, with nothing known of the module (as for a recording): the window's captions
    // and its placeholder.
    texts_.fill(settings::kGerman, settings_);
    in = reportInputsFromPages(texts_, settings::kGerman, errorCodes_, freezeFrames_, readings_, 0);
    in.installDir = install_;
    in.startupFolder = startup_.path();
    in.now = QDateTime(QDate(2024, 3, 5), QTime(9, 7, 4));
    in.unit = {"71820-12F00", "12F0", "", ""};
    const QString german = texts_.text(settings::MainText::EcmId);
    ASSERT_NE(german, "ECM ID:");
    text = lines(render(in));
    EXPECT_GE(lineIndex(text, german + " 71820-12F00 (12F0) " + texts_.text(settings::MainText::HardwareId) + " --- " +
                                  texts_.text(settings::MainText::HardwareSn) + " ---"),
              0)
        << text.join('\n').toStdString();
}

// A fault-time answer of the engine ECM: identifier (0x40.. fault 1, 0x50.. fault 2), the code
// bytes, then engine speed, throttle, pressure, coolant, gear and secondary throttle.
link::Report freezeAnswer(std::uint8_t identifier, std::uint8_t high, std::uint8_t low) {
    const std::vector<std::uint8_t> service{0x61, identifier, high, low, 0, 0, 0x0C, 0x80, 0x80, 0x33, 0x82, 0x02, 0x40};
    return testing::reportOf(link::buildResponse(0x12, service));
}

TEST_F(PdfReportTest, AfterClearingTheCodesTheReportShowsTheEmptiedPages) {
    const std::string model(vehicle::modelList(vehicle::ModelList::ShowDataWhenTrouble).front().code);
    const vehicle::DtcStatusWords words{"Past", "Pending", "Current"};
    errorCodes_.tick(testing::reportOf(testing::troubleCodeAnswer({{0x01, 0x05, 0x60}})), catalogue_, words);
    for (std::uint8_t identifier = 0x40; identifier <= 0x45; ++identifier)
        freezeFrames_.tick(freezeAnswer(identifier, 0x01, 0x05), model, texts_, catalogue_);
    const QString before = render(inputs(1));
    const QString description = "Manifold absolute pressure circuit malfunction 1";
    ASSERT_EQ(before.count(description), 2) << before.toStdString();  // the code and the fault's caption
    static const QRegularExpression speed("Engine speed +\\d+");
    ASSERT_TRUE(before.contains(speed)) << before.toStdString();

    // Clear errors: the freeze-frame page starts afresh, and the ECM answers without codes.
    freezeFrames_.startAfresh();
    freezeFrames_.tick(freezeAnswer(0x45, 0x01, 0x05), model, texts_, catalogue_);  // still standing
    for (std::uint8_t identifier = 0x40; identifier <= 0x45; ++identifier)
        freezeFrames_.tick(freezeAnswer(identifier, 0, 0), model, texts_, catalogue_);
    errorCodes_.tick(testing::reportOf(testing::troubleCodeAnswer({})), catalogue_, words);
    ASSERT_EQ(freezeFrames_.label(0), " ");
    ASSERT_TRUE(freezeFrames_.table(0)[0][1].isEmpty());

    ReportInputs in = inputs(0);
    in.now = in.now.addSecs(1);
    const QString after = render(in);
    EXPECT_FALSE(after.contains(description)) << after.toStdString();
    const QStringList all = lines(after);
    EXPECT_EQ(all[lineIndex(all, "DTC No.:") + 1], "0");
    for (int fault = 0; fault < 2; ++fault) {
        const qsizetype header = lineIndex(all, QStringLiteral("Fault %1#").arg(fault + 1));
        ASSERT_GE(header, 0);
        EXPECT_EQ(all[header + 1], "Engine speed --- --- --- --- --- --- rpm") << after.toStdString();
    }
}

TEST_F(PdfReportTest, FileNameAndFooterComeFromOneReadingOfTheTime) {
    const QString text = render(inputs());
    EXPECT_EQ(QFileInfo(path_).fileName(), "MV_QLS_20240305-090703.pdf");
    EXPECT_EQ(QFileInfo(path_).absolutePath(), QDir(startup_.path()).filePath("Prints"));
    const QStringList all = lines(text);
    EXPECT_GE(lineIndex(all, "Quilldar Date: 5/3/2024"), 0) << text.toStdString();
    EXPECT_GE(lineIndex(all, "Time: 09:07"), 0);
    // Not in playback: no recording line.
    EXPECT_LT(lineIndex(all, " @ "), 0);
}

TEST_F(PdfReportTest, PlaybackLineNamesTheRecordingAndThePositionWithoutItsCaption) {
    ReportInputs in = inputs();
    in.playback = true;
    in.recordingName = QStringLiteral("ride.QLS");
    in.playbackTimeText = QStringLiteral("Time: 12.30 sec");
    EXPECT_GE(lineIndex(lines(render(in)), "ride.QLS @ 12.30 sec Time: 09:07"), 0);
    EXPECT_EQ(playbackLine("ride.QLS", "Time: 12.30 sec", "Time:"), "ride.QLS @  12.30 sec");
    EXPECT_EQ(playbackLine("ride.QLS", "", "Time:"), "ride.QLS @ 00:00");
}

TEST_F(PdfReportTest, RussianReportReadsAsRussianWithWiderColumns) {
    texts_.fill(settings::kRussian, settings_);
    ReportInputs in = reportInputsFromPages(texts_, settings::kRussian, errorCodes_, freezeFrames_, readings_, 0);
    in.installDir = install_;
    in.startupFolder = startup_.path();
    in.now = QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3));
    in.faultCaptions[0] = QStringLiteral("Датчик давления");
    const QString title = texts_.text(settings::MainText::TabErrorCodes);
    ASSERT_NE(title, "Error codes");  // the Russian table is in use
    const QString text = render(in);
    EXPECT_TRUE(text.contains(title + ":")) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Датчик давления")));
    const QStringList captions = headerCaptions(texts_.text(settings::FreezeFrameText::Fault1Header), 8);
    EXPECT_TRUE(text.contains(captions[1])) << captions[1].toStdString();
    EXPECT_EQ(freezeFrameColumns(settings::kRussian)[1], 210);
    EXPECT_EQ(freezeFrameColumns(settings::kGerman)[1], 170);
}

TEST_F(PdfReportTest, FontsAreEmbeddedAndImagesComeFromTheRightFolders) {
    render(inputs());
    const QStringList fonts = runPoppler("pdffonts", {path_}).split('\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_EQ(fonts.size(), 2) << fonts.join('\n').toStdString();
    for (const QString& font : fonts) {
        EXPECT_TRUE(font.contains("TrueType")) << font.toStdString();
        // Columns: name type encoding emb sub uni object ID; "emb" is the first yes/no.
        EXPECT_TRUE(font.section(' ', 0, -1, QString::SectionSkipEmpty).contains(" yes ")) << font.toStdString();
    }
    // The header and the logo.
    QStringList images = runPoppler("pdfimages", {"-list", path_}).split('\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_EQ(images.size(), 2);
    EXPECT_EQ(images[0].simplified().section(' ', 3, 4), "1980 200");

    // A header image in the "Prints" folder replaces the installed one.
    ASSERT_TRUE(QFile::copy(QDir(install_).filePath("PrintLogo.png"), QDir(startup_.path()).filePath("Prints/PrintHeader.png")));
    ReportInputs later = inputs();
    later.now = later.now.addSecs(1);
    render(later);
    images = runPoppler("pdfimages", {"-list", path_}).split('\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_EQ(images.size(), 2);
    EXPECT_EQ(images[0].simplified().section(' ', 3, 4), "400 92");
}

TEST_F(PdfReportTest, MissingArtworkIsLeftOutAndTheReportIsStillWritten) {
    QTemporaryDir emptyInstall;
    install_ = emptyInstall.path();
    const QString text = render(inputs());
    EXPECT_TRUE(text.contains("Actual sensor data:"));
    EXPECT_EQ(runPoppler("pdfimages", {"-list", path_}).split('\n', Qt::SkipEmptyParts).size(), 2);  // headings only
}

TEST_F(PdfReportTest, AFolderThatCannotBeMadeIsReportedNotPassedOffAsWritten) {
    QFile blocker(QDir(startup_.path()).filePath("Prints"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const ReportResult result = writeReport(inputs());
    EXPECT_FALSE(result.written);
    EXPECT_FALSE(result.problem.isEmpty());
    // A save that fails in the library is caught as well.
    const ReportResult save = writeReportTo(inputs(), QDir(startup_.path()).filePath("missing/dir/r.pdf"));
    EXPECT_FALSE(save.written);
    EXPECT_TRUE(save.problem.contains("r.pdf"));
}

}  // namespace
}  // namespace quilldar::report
