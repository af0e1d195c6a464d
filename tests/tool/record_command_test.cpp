#include <gtest/gtest.h>

#include <cmath>

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <csignal>
#include <thread>

#include "support/tool_run.h"

namespace {

using quilldar::testing::runTool;
using quilldar::testing::ToolRun;

// quilldar-tool record on the module "on USB": the hidapi simulation library in place of the
// system's hidapi, the engine behind it.
QProcessEnvironment usbEnvironment(const QString& settings, const char* faults) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUILLDAR_SETTINGS_DIR"), settings);
    environment.insert(QStringLiteral("QUILLDAR_HIDAPI_LIBRARY"), QStringLiteral(QUILLDAR_HIDAPI_SIM_LIBRARY));
    environment.insert(QStringLiteral("QUILLDAR_HIDAPI_SIM"), QStringLiteral("engine"));
    environment.insert(QStringLiteral("QUILLDAR_HIDAPI_SIM_FAULT"), QString::fromLatin1(faults));
    return environment;
}

TEST(RecordCommand, CtrlCEndsTheSessionSavesAndExitsZero) {
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("ride.QLS"));
    QProcess process;
    process.setProcessEnvironment(usbEnvironment(dir.path(), ""));
    process.start(QStringLiteral(QUILLDAR_TOOL_PATH), {"record", "--unit", "engine", "-o", output});
    ASSERT_TRUE(process.waitForStarted());
    // Records for a few seconds, however long it took to connect.
    QByteArray out;
    for (int wait = 0; wait < 100 && !out.contains("Connected:"); ++wait) {
        process.waitForReadyRead(100);
        out += process.readAllStandardOutput();
    }
    ASSERT_TRUE(out.contains("Connected: engine, ECM ID 71820-12F00, model 12F0")) << out.toStdString();
    std::this_thread::sleep_for(std::chrono::seconds(2));
    ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(10000));
    out += process.readAllStandardOutput();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(out.contains("Disconnect on request")) << out.toStdString();
    const QByteArray saved = "Saved ";
    ASSERT_TRUE(out.contains(saved)) << out.toStdString();
    const ToolRun info = runTool({"info", output});
    ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
    EXPECT_TRUE(info.out.contains("ECM part number: 71820-12F00")) << info.out.toStdString();
    // The count said is the count saved.
    const qsizetype at = out.indexOf(saved) + saved.size();
    const QByteArray count = out.mid(at, out.indexOf(' ', at) - at);
    EXPECT_TRUE(info.out.contains("Records: " + count + "\n")) << out.toStdString() << info.out.toStdString();
    EXPECT_GT(count.toInt(), 5);
}

TEST(RecordCommand, AnUnpluggedModuleEndsTheSessionWithTheRecordsSaved) {
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("ride.QLS"));
    const ToolRun run = runTool({"record", "--unit", "engine", "--duration", "20", "-o", output},
                                usbEnvironment(dir.path(), "unplug@7"));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("the link was lost")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("Saved ")) << run.out.toStdString();
    EXPECT_EQ(runTool({"info", output}).exitCode, 0);
}

TEST(RecordCommand, DurationEndsTheSimulatedSessionAndBadOptionsExitWithUsage) {
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("ride.QLS"));
    const ToolRun run = runTool({"record", "--unit", "abs", "--simulate", "--duration", "1.5", "-o", output});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("Disconnect at the end of the duration")) << run.out.toStdString();
    EXPECT_EQ(runTool({"record", "--unit", "abs", "-o"}).exitCode, 2);
    EXPECT_EQ(runTool({"record", "-o", output}).exitCode, 2);
    EXPECT_EQ(runTool({"record", "--unit", "abs", "--duration", "soon", "-o", output}).exitCode, 2);
}

// --csv - streams the ABS module's values as they arrive; the command's own lines go to standard
// error, and the recording is saved as without it.
TEST(RecordCommand, CsvStreamsTheUnitsValuesOnStandardOutput) {
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("ride.QLS"));
    const ToolRun run = runTool({"record", "--unit", "abs", "--simulate", "--duration", "2", "--csv", "-", "-o", output});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("Saved ")) << run.err.toStdString();
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    ASSERT_GE(lines.size(), 3) << run.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith("Time;Wheel speed sensor (Front);Wheel speed sensor (Rear);Monitoring voltage;"))
        << lines[0].toStdString();
    const qsizetype fields = lines[0].count(';');
    double last = -1.0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].count(';'), fields) << lines[i].toStdString();
        const double time = lines[i].left(lines[i].indexOf(';')).toDouble();
        EXPECT_GT(time, last);  // one line per record, in order
        EXPECT_NEAR(std::remainder(time, 0.15), 0.0, 1e-9);
        last = time;
    }
    EXPECT_FALSE(run.out.contains("Connected:"));
}

// A reader of the stream that goes away ends the stream, never the recording.
TEST(RecordCommand, AClosedStreamLeavesTheSessionToEndAndSave) {
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("ride.QLS"));
    QProcess process;
    process.start(QStringLiteral(QUILLDAR_TOOL_PATH),
                  {"record", "--unit", "engine", "--simulate", "--duration", "3", "--csv", "-", "-o", output});
    ASSERT_TRUE(process.waitForStarted());
    ASSERT_TRUE(process.waitForReadyRead(10000));
    process.closeReadChannel(QProcess::StandardOutput);
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    const QByteArray err = process.readAllStandardError();
    EXPECT_TRUE(err.contains("Saved ")) << err.toStdString();
    EXPECT_TRUE(QFile::exists(output));
}

}  // namespace
