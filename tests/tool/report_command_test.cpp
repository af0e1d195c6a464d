#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "support/recording_builder.h"
#include "support/tool_run.h"

namespace {

using quilldar::testing::runTool;
using quilldar::testing::ToolRun;

QString fixture(const char* name) {
    return QDir(QStringLiteral(QUILLDAR_FIXTURES_DIR)).filePath(QString::fromLatin1(name));
}

QString pdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(20000) || process.exitCode() != 0) return QStringLiteral("<pdftotext failed>");
    QString text = QString::fromUtf8(process.readAllStandardOutput());
    QStringList lines;
    for (const QString& line : text.split('\n'))
        if (!line.simplified().isEmpty()) lines.append(line.simplified());
    return lines.join('\n');
}

TEST(ReportCommand, WritesTheReportOfTheWholeRecordingIntoAFolder) {
    // Live data that tells of three stored codes, the Error codes page's answer, live data again.
    QTemporaryDir out;
    using namespace quilldar::testing;
    const QString recording = out.filePath("codes.QLS");
    RecordingBuilder builder;
    builder.addIdentification(0, "71820-12F00", "12F0").add(0, engineLiveFrame({{6, 3}}));
    for (int i = 0; i < 3; ++i)
        builder.add(5, troubleCodeAnswer({{0x01, 0x05, 0x60}, {0xD6, 0x55, 0x20}, {0x00, 0x07, 0x43}}));
    builder.add(0, engineLiveFrame({{6, 3}}));
    ASSERT_TRUE(builder.writeTo(recording));
    const ToolRun run = runTool({"report", recording, "-o", out.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString path = QString::fromUtf8(run.out).trimmed();
    EXPECT_EQ(QFileInfo(path).absolutePath(), QDir(out.path()).absolutePath());
    EXPECT_TRUE(QFileInfo(path).fileName().contains(QRegularExpression("^MV_QLS_\\d{8}-\\d{6}\\.pdf$"))) << path.toStdString();
    const QString text = pdfText(path);
    // The codes of the last answer in its order, as the dtc command lists them.
    const qsizetype first = text.indexOf("P0105 Manifold absolute pressure circuit malfunction 1 Current");
    const qsizetype second = text.indexOf("P1655 Secondary throttle motor circuit malfunction Past");
    const qsizetype third = text.indexOf("P0007-H-L Unknown error Pending");
    EXPECT_GE(first, 0) << text.toStdString();
    EXPECT_GT(second, first);
    EXPECT_GT(third, second);
    EXPECT_TRUE(text.contains(QStringLiteral("codes.QLS @ %1 sec").arg(builder.records() * 0.15, 0, 'f', 2))) << text.toStdString();
    // The recording's ECM; a recording does not name the interface module that made it.
    EXPECT_TRUE(text.startsWith("ECM ID: 71820-12F00 (12F0) Hardware ID: --- Hardware SN: ---\nError codes:\n"))
        << text.toStdString();
}

TEST(ReportCommand, StopsAtTheGivenPositionOfASimulatedRide) {
    QTemporaryDir dir;
    const QString ride = dir.filePath("ride.QLS");
    ToolRun run = runTool({"simulate", "--unit", "engine", "--ticks", "120", "-o", ride});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    const QString atTime = dir.filePath("at.pdf");
    run = runTool({"report", ride, "--at", "12.30", "-o", atTime});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QString text = pdfText(atTime);
    EXPECT_TRUE(text.contains("ride.QLS @ 12.30 sec")) << text.toStdString();
    // The live readings of the engine at that moment: a number of revolutions, not the placeholder.
    EXPECT_TRUE(text.contains(QRegularExpression("Engine speed \\d+ rpm"))) << text.toStdString();

    // Before the first record nothing has been shown: no codes, placeholders for the readings.
    const QString atStart = dir.filePath("start.pdf");
    run = runTool({"report", ride, "--record", "0", "-o", atStart});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    text = pdfText(atStart);
    EXPECT_TRUE(text.contains("Current/Past:\n0\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("ride.QLS @ 0 sec"));
}

// Times between two records go to the nearest one (12.55 s to record 84, 12.52 s to record 83);
// the first record's 0.15 s shows as 0, as the program's time field does; a record number past
// the end is the end.
TEST(ReportCommand, PositionsThatAreNoWholeNumberOfRecords) {
    QTemporaryDir dir;
    const QString ride = dir.filePath("ride.QLS");
    ToolRun run = runTool({"simulate", "--unit", "engine", "--ticks", "100", "-o", ride});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const qint64 records = QFileInfo(ride).size() / 65;
    const std::pair<QStringList, QString> cases[] = {
        {{"--at", "12.6"}, "ride.QLS @ 12.60 sec"},
        {{"--at", "12.55"}, "ride.QLS @ 12.60 sec"},
        {{"--at", "12.52"}, "ride.QLS @ 12.45 sec"},
        {{"--record", "1"}, "ride.QLS @ 0 sec"},
        {{"--record", "2"}, "ride.QLS @ 0.30 sec"},
        {{"--record", "100000"}, QStringLiteral("ride.QLS @ %1 sec").arg(records * 0.15, 0, 'f', 2)},
    };
    // The ride's first live data of the Engine page is its fifth record (the identification and
    // the stored codes come first): the report at record 4 has no engine speed yet, at 5 it has.
    const QRegularExpression speed(QStringLiteral("Engine speed \\d+ rpm"));
    for (const auto& [record, shown] : {std::pair<const char*, bool>{"4", false}, {"5", true}}) {
        const QString pdf = dir.filePath(QStringLiteral("record.pdf"));
        QFile::remove(pdf);
        run = runTool({"report", ride, "--record", record, "-o", pdf});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(pdfText(pdf).contains(speed), shown) << record;
    }
    for (const auto& [position, expected] : cases) {
        SCOPED_TRACE(position.join(' ').toStdString());
        const QString pdf = dir.filePath("at.pdf");
        QFile::remove(pdf);
        run = runTool(QStringList{"report", ride} + position + QStringList{"-o", pdf});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QString text = pdfText(pdf);
        EXPECT_TRUE(text.contains(expected)) << text.toStdString();
    }
}

TEST(ReportCommand, RussianReportReadsAsRussian) {
    QTemporaryDir out;
    const QString path = out.filePath("ru.pdf");
    const ToolRun run = runTool({"report", fixture("engine_12F0.QLS"), "--language", "Russian", "-o", path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString text = pdfText(path);
    // Cyrillic letters, and no '?' left by a code page that cannot hold them.
    EXPECT_TRUE(text.contains(QRegularExpression("[\\x{0410}-\\x{044F}]{4,}"))) << text.toStdString();
    EXPECT_FALSE(text.contains("??"));
}

TEST(ReportCommand, BadFilesAndBadOptions) {
    QTemporaryDir dir;
    const QString corrupted = dir.filePath("bad.QLS");
    ASSERT_TRUE(quilldar::testing::writeFile(corrupted, QByteArray(100, 'x')));
    ToolRun run = runTool({"report", corrupted, "-o", dir.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "File is corrupted, load skipped.\n");
    run = runTool({"report", dir.filePath("missing.QLS"), "-o", dir.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "File is locked by another application.\n");
    EXPECT_TRUE(QDir(dir.path()).entryList({"*.pdf"}).isEmpty());

    // A report that cannot be written is an error, not a success.
    run = runTool({"report", fixture("engine_12F0.QLS"), "-o", dir.filePath("no/such/folder/r.pdf")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("r.pdf")) << run.err.toStdString();

    const QString file = fixture("engine_12F0.QLS");
    for (const QStringList& arguments : QList<QStringList>{{"report"},
                                                          {"report", file, "--at", "soon"},
                                                          {"report", file, "--at", "-1"},
                                                          {"report", file, "--record", "x"},
                                                          {"report", file, "--at", "1", "--record", "2"},
                                                          {"report", file, "--language", "Klingon"},
                                                          {"report", file, "--colour"}}) {
        run = runTool(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("Usage:")) << arguments.join(' ').toStdString();
    }
}

}  // namespace
