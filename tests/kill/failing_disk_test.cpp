// The disk fails under a live session: the scratch file stops growing part-way (a full disk) or
// its folder goes away. The user is told once, the session goes on live, and what was recorded
// before stays whole and can be saved.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "kill/live_session.h"
#include "kill/scratch_file_check.h"
#include "support/recording_builder.h"

namespace quilldar::testing {
namespace {

constexpr qint64 kRecord = 65;

// "tick N connected C records R reply HEX" lines of a live session, in order.
struct TickLine {
    int tick;
    int connected;
    int records;
    QString reply;
};
std::vector<TickLine> tickLines(const LiveSession& session) {
    static const QRegularExpression pattern(QStringLiteral("^tick (\\d+) connected (\\d) records (\\d+) reply (\\w+)$"));
    std::vector<TickLine> ticks;
    for (const QString& line : session.lines) {
        const auto match = pattern.match(line);
        if (match.hasMatch())
            ticks.push_back({match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt(), match.captured(4)});
    }
    return ticks;
}

int recordingFailedMessages(const LiveSession& session) {
    return session.linesStartingWith(QStringLiteral("message: The session cannot be recorded")).size();
}

// After the failure the session goes on: every tick is connected, and the replies the pages
// decode keep changing, so the ticks are live and not the last reply shown again.
void expectLiveAfter(const std::vector<TickLine>& ticks, int lastTick) {
    ASSERT_FALSE(ticks.empty());
    EXPECT_EQ(ticks.back().tick, lastTick);
    QStringList replies;
    for (const TickLine& line : ticks) {
        EXPECT_EQ(line.connected, 1) << "tick " << line.tick;
        if (!replies.contains(line.reply)) replies << line.reply;
    }
    EXPECT_GT(replies.size(), 5) << "the decoded replies stopped changing";
}

TEST(FullDisk, ProgramTellsOnceGoesOnLiveKeepsTheWholeRecordsAndSavesThem) {
    QTemporaryDir folder;
    const QString kept = folder.filePath(QStringLiteral("kept.QLS"));
    LiveSession session;
    // Forty records and part of the forty-first fit.
    limitFileSize(session.process, 40 * kRecord + 30);
    session.start(folder.path(), {"--ticks", "80", "--save-as", kept});
    ASSERT_TRUE(session.finish()) << session.lines.join('\n').toStdString();
    EXPECT_EQ(recordingFailedMessages(session), 1) << session.lines.join('\n').toStdString();
    const auto ticks = tickLines(session);
    expectLiveAfter(ticks, 80);
    EXPECT_EQ(ticks.back().records, 40);
    EXPECT_EQ(session.linesStartingWith("save-as"), QStringList{"save-as enabled 1"});
    EXPECT_EQ(session.linesStartingWith("saved"), QStringList{"saved OK"});
    const ScratchRecords saved = readRecords(kept);
    EXPECT_EQ(saved.bytes, 40 * kRecord);
    for (std::size_t i = 0; i < saved.records.size(); ++i) EXPECT_TRUE(isModuleReply(saved.records[i])) << "record " << i;
}

// The start-up folder goes away while the session runs: removed, or removed and a file put in
// its place. The scratch file's records so far are kept by the open file and saved elsewhere.
TEST(UnwritableStartupFolder, RemovedOrReplacedMidSessionIsToldOnceAndTheRecordsBeforeAreSaved) {
    for (const bool replaced : {false, true}) {
        SCOPED_TRACE(replaced ? "replaced by a file" : "removed");
        QTemporaryDir elsewhere;
        const QString startup = elsewhere.filePath(QStringLiteral("startup"));
        ASSERT_TRUE(QDir().mkpath(startup));
        const QString kept = elsewhere.filePath(QStringLiteral("kept.QLS"));
        LiveSession session;
        session.start(startup, {"--ticks", "40", "--save-as", kept});
        int recordsBefore = 0;
        ASSERT_TRUE(readLinesUntil(session.process, session.lines, [&](const QString& line) {
            if (!line.startsWith(QLatin1String("tick 10 "))) return false;
            recordsBefore = line.section(QLatin1Char(' '), 5, 5).toInt();
            return true;
        }, 30000)) << session.lines.join('\n').toStdString();
        ASSERT_TRUE(QDir(startup).removeRecursively());
        if (replaced) {
            QFile standIn(startup);
            ASSERT_TRUE(standIn.open(QIODevice::WriteOnly));
        }
        ASSERT_TRUE(session.finish()) << session.lines.join('\n').toStdString();
        EXPECT_EQ(recordingFailedMessages(session), 1) << session.lines.join('\n').toStdString();
        const auto ticks = tickLines(session);
        expectLiveAfter(ticks, 40);
        EXPECT_EQ(session.linesStartingWith("saved"), QStringList{"saved OK"}) << session.lines.join('\n').toStdString();
        const ScratchRecords saved = readRecords(kept);
        EXPECT_TRUE(saved.whole);
        // Those of the first ten ticks at least, and at most one more per tick, none partial.
        EXPECT_GE(saved.records.size(), static_cast<std::size_t>(recordsBefore));
        EXPECT_LE(saved.records.size(), static_cast<std::size_t>(ticks.back().records));
        for (std::size_t i = 0; i < saved.records.size(); ++i) EXPECT_TRUE(isModuleReply(saved.records[i])) << "record " << i;
    }
}

// The start-up folder is gone before the first record: the session runs unrecorded, with one
// message, and there is nothing to save.
TEST(UnwritableStartupFolder, GoneBeforeTheSessionIsToldOnceAndTheSessionRuns) {
    QTemporaryDir elsewhere;
    const QString startup = elsewhere.filePath(QStringLiteral("startup"));
    ASSERT_TRUE(QDir().mkpath(startup));
    LiveSession session;
    session.start(startup, {"--ticks", "30", "--save-as", elsewhere.filePath(QStringLiteral("kept.QLS"))});
    ASSERT_TRUE(readLinesUntil(session.process, session.lines,
                               [](const QString& line) { return line.startsWith(QLatin1String("adopted")); }, 30000));
    ASSERT_TRUE(QDir(startup).removeRecursively());
    ASSERT_TRUE(session.finish()) << session.lines.join('\n').toStdString();
    EXPECT_EQ(recordingFailedMessages(session), 1) << session.lines.join('\n').toStdString();
    const auto ticks = tickLines(session);
    expectLiveAfter(ticks, 30);
    EXPECT_EQ(ticks.back().records, 0);
    EXPECT_EQ(session.linesStartingWith("save-as"), QStringList{"save-as enabled 0"});
}

// The tool on a full disk: one complaint, the session runs to its last tick, and the records
// written before the failure are saved whole.
TEST(FullDisk, ToolRunsTheSessionToItsEndAndSavesTheRecordsKeptBefore) {
    QTemporaryDir folder;
    QTemporaryDir settings;
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUILLDAR_SETTINGS_DIR"), settings.path());
    tool.setProcessEnvironment(environment);
    limitFileSize(tool, 30 * kRecord + 20);
    const QString output = folder.filePath(QStringLiteral("ride.QLS"));
    tool.start(QStringLiteral(QUILLDAR_TOOL_PATH), {"simulate", "--unit", "engine", "--ticks", "60", "--scratch-dir",
                                                    folder.path(), "-o", output});
    ASSERT_TRUE(tool.waitForFinished(60000));
    const QString out = QString::fromUtf8(tool.readAllStandardOutput());
    const QString err = QString::fromUtf8(tool.readAllStandardError());
    EXPECT_EQ(tool.exitCode(), 1);
    EXPECT_EQ(err.count(QStringLiteral("could not be recorded")), 1) << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Session ended at tick 60: Disconnect after the last tick"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Saved 30 records to"))) << out.toStdString();
    const ScratchRecords saved = readRecords(output);
    EXPECT_EQ(saved.bytes, 30 * kRecord);
    for (std::size_t i = 0; i < saved.records.size(); ++i) EXPECT_TRUE(isModuleReply(saved.records[i])) << "record " << i;
    // The saved part is a recording the tool reads like any other.
    QProcess info;
    info.setProcessEnvironment(environment);
    info.start(QStringLiteral(QUILLDAR_TOOL_PATH), {"info", output});
    ASSERT_TRUE(info.waitForFinished(30000));
    EXPECT_EQ(info.exitCode(), 0) << info.readAllStandardError().toStdString();
}

// A scratch folder that does not exist: one complaint, the session runs, nothing is saved.
TEST(UnwritableStartupFolder, ToolWithAMissingScratchFolderRunsUnrecorded) {
    QTemporaryDir folder;
    QProcess tool;
    tool.start(QStringLiteral(QUILLDAR_TOOL_PATH), {"simulate", "--unit", "engine", "--ticks", "20", "--scratch-dir",
                                                    folder.filePath("missing"), "-o", folder.filePath("ride.QLS")});
    ASSERT_TRUE(tool.waitForFinished(60000));
    const QString out = QString::fromUtf8(tool.readAllStandardOutput());
    const QString err = QString::fromUtf8(tool.readAllStandardError());
    EXPECT_EQ(tool.exitCode(), 1);
    EXPECT_EQ(err.count(QStringLiteral("could not be recorded")), 1) << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Session ended at tick 20: Disconnect after the last tick"))) << out.toStdString();
    EXPECT_FALSE(QFile::exists(folder.filePath("ride.QLS")));
}

}  // namespace
}  // namespace quilldar::testing
