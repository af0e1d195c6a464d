// The main window and quilldar-tool record on a module "on USB": the program's hidapi transport
// with the hidapi simulation library behind it, the module answering in real time from its own
// thread. Sessions are saved, faults that stay end the session without taking the window or the
// records with them, and a killed recorder leaves whole records.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <random>

#include "kill/live_session.h"
#include "kill/scratch_file_check.h"

namespace quilldar::testing {
namespace {

QProcessEnvironment usbModule(const char* unit, const char* faults) {
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("QUILLDAR_HIDAPI_LIBRARY"), QStringLiteral(QUILLDAR_HIDAPI_SIM_LIBRARY));
    environment.insert(QStringLiteral("QUILLDAR_HIDAPI_SIM"), QString::fromLatin1(unit));
    environment.insert(QStringLiteral("QUILLDAR_HIDAPI_SIM_FAULT"), QString::fromLatin1(faults));
    return environment;
}

// quilldar-tool info on a saved recording.
QString recordingInfo(const QString& path) {
    QProcess tool;
    tool.start(QStringLiteral(QUILLDAR_TOOL_PATH), {"info", path});
    tool.waitForFinished(30000);
    return QString::fromUtf8(tool.readAllStandardOutput());
}

int recordsIn(const QString& info) {
    static const QRegularExpression records(QStringLiteral("Records: (\\d+)"));
    const QRegularExpressionMatch match = records.match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

TEST(UsbSession, TheMainWindowRecordsAndSavesEachUnitOverTheHidapiTransport) {
    for (const char* unit : {"engine:21H2", "abs:10G0", "eps"}) {
        SCOPED_TRACE(unit);
        QTemporaryDir folder;
        const QString saved = folder.filePath(QStringLiteral("ride.QLS"));
        LiveSession session;
        session.start(folder.path(), {"--simulate=" + QString::fromLatin1(unit), "--usb", "--ticks", "20", "--save-as", saved},
                      usbModule(unit, ""));
        ASSERT_TRUE(session.finish(90000)) << session.lines.join('\n').toStdString();
        EXPECT_EQ(session.linesStartingWith(QStringLiteral("tick 20 connected 1")).size(), 1)
            << session.lines.join('\n').toStdString();
        EXPECT_TRUE(session.linesStartingWith(QStringLiteral("session ended")).isEmpty());
        ASSERT_EQ(session.linesStartingWith(QStringLiteral("saved OK")).size(), 1)
            << session.lines.join('\n').toStdString();
        const QString info = recordingInfo(saved);
        EXPECT_GE(recordsIn(info), 20) << info.toStdString();
        EXPECT_TRUE(info.contains(QLatin1String("ECM part number: "))) << info.toStdString();
    }
}

// A module that goes away for good, or stops answering until it is opened again: the session
// ends with its reason, the window keeps taking presses (it tries the module again and again
// meanwhile), and Save As keeps every record of the session.
TEST(UsbSession, AFaultThatStaysEndsTheSessionAndTheWindowStillSavesTheRecords) {
    const struct {
        const char* faults;
        const char* reason;
    } cases[] = {{"unplug@6", "Module unplugged"},
                 {"mute@6", "No reply from the module"},
                 {"busy@5.5,unplug@6", "Module unplugged"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.faults);
        QTemporaryDir folder;
        const QString saved = folder.filePath(QStringLiteral("ride.QLS"));
        LiveSession session;
        session.start(folder.path(), {"--usb", "--ticks", "100000", "--save-as", saved}, usbModule("engine", c.faults));
        ASSERT_TRUE(session.finish(90000)) << session.lines.join('\n').toStdString();
        const QString all = session.lines.join('\n');
        const QStringList ended = session.linesStartingWith(QStringLiteral("session ended: Session ended at "));
        ASSERT_EQ(ended.size(), 1) << all.toStdString();
        // The reason, and the records waiting for Save As.
        EXPECT_TRUE(ended.first().contains(QLatin1String(c.reason))) << ended.first().toStdString();
        EXPECT_TRUE(ended.first().contains(QLatin1String("records kept for Save As"))) << ended.first().toStdString();
        ASSERT_EQ(session.linesStartingWith(QStringLiteral("saved OK")).size(), 1) << all.toStdString();
        // The last tick said before the end counted the records the file holds, or one fewer
        // (the reply of the tick that failed is not recorded).
        const QStringList ticks = session.linesStartingWith(QStringLiteral("tick "));
        ASSERT_FALSE(ticks.isEmpty());
        static const QRegularExpression records(QStringLiteral("records (\\d+)"));
        const int lastSaid = records.match(ticks.last()).captured(1).toInt();
        const int inFile = recordsIn(recordingInfo(saved));
        EXPECT_GE(inFile, lastSaid);
        EXPECT_LE(inFile, lastSaid + 2);
        EXPECT_GT(inFile, 5);
    }
}

// quilldar-tool record killed with SIGKILL at random moments of a USB session: the scratch file
// it leaves holds whole records, each a reply of the module's.
TEST(ToolKill, RecordOverUsbLeavesWholeRepliesAtAnyKill) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> killAfterMs(500, 6500);
    for (int run = 0; run < 5; ++run) {
        const int after = killAfterMs(random);
        SCOPED_TRACE(::testing::Message() << "killed after " << after << " ms");
        QTemporaryDir folder;
        QTemporaryDir settings;
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(usbModule("engine", ""));
        environment.insert(QStringLiteral("QUILLDAR_SETTINGS_DIR"), settings.path());
        tool.setProcessEnvironment(environment);
        tool.start(QStringLiteral(QUILLDAR_TOOL_PATH), {"record", "--unit", "engine", "--scratch-dir", folder.path(),
                                                        "-o", folder.filePath(QStringLiteral("ride.QLS"))});
        ASSERT_TRUE(tool.waitForStarted());
        QThread::msleep(static_cast<unsigned long>(after));
        ASSERT_EQ(tool.state(), QProcess::Running) << tool.readAllStandardOutput().toStdString();
        tool.kill();
        ASSERT_TRUE(tool.waitForFinished(10000));
        const ScratchRecords left = readRecords(folder.filePath(QStringLiteral("Quilldar_Temp.QLT")));
        EXPECT_TRUE(left.whole) << left.bytes << " bytes";
        for (std::size_t i = 0; i < left.records.size(); ++i)
            EXPECT_TRUE(isModuleReply(left.records[i])) << "record " << i;
        EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("ride.QLS"))));
        if (after > 4500) {
            EXPECT_GT(left.records.size(), 3u);
        }
    }
}

}  // namespace
}  // namespace quilldar::testing
