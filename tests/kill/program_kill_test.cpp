// The main window, connected and recording, killed with SIGKILL at random moments: the scratch
// file in its start-up folder holds whole records of the module's replies, and the next start in
// that folder takes them over and can save them.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <random>

#include "app/tab_map.h"
#include "kill/live_session.h"
#include "kill/scratch_file_check.h"
#include "support/recording_builder.h"

namespace quilldar::testing {
namespace {

// Thirty 100 ms power ticks come before Connect is offered.
constexpr int kConnectOfferedAfterMs = 3000;

TEST(ProgramKill, LeftoverHoldsWholeRepliesAndTheNextStartSavesThem) {
    std::mt19937 random(7121226);
    // Two kills from the start, while the module is being greeted and connected; four at a
    // time after the session started.
    std::uniform_int_distribution<int> early(200, kConnectOfferedAfterMs);
    std::uniform_int_distribution<int> late(300, 2400);
    const auto shown = app::pageTabMap(1, false);
    for (int run = 0; run < 6; ++run) {
        const int killAfterMs = run < 2 ? early(random) : late(random);
        SCOPED_TRACE(::testing::Message() << "run " << run << " killed " << killAfterMs << " ms after "
                                          << (run < 2 ? "the start" : "connecting"));
        QTemporaryDir folder;
        const QString scratch = folder.filePath(QStringLiteral("Quilldar_Temp.QLT"));
        {
            LiveSession session;
            session.start(folder.path(), {});
            ASSERT_TRUE(session.process.waitForStarted());
            if (run >= 2) {
                ASSERT_TRUE(readLinesUntil(session.process, session.lines,
                                           [](const QString& line) { return line == QLatin1String("connected"); }, 30000))
                    << session.lines.join('\n').toStdString();
            }
            QThread::msleep(static_cast<unsigned long>(killAfterMs));
            ASSERT_EQ(session.process.state(), QProcess::Running);
            session.process.kill();
            ASSERT_TRUE(session.process.waitForFinished(10000));
        }
        const ScratchRecords left = readRecords(scratch);
        EXPECT_TRUE(left.whole) << left.bytes << " bytes";
        for (std::size_t i = 0; i < left.records.size(); ++i) {
            const link::Report& record = left.records[i];
            EXPECT_TRUE(isModuleReply(record)) << "record " << i;
            EXPECT_NE(std::find(shown.begin(), shown.end(), record[0]), shown.end())
                << "record " << i << " has page tag " << int(record[0]);
        }
        if (run >= 2) {
            EXPECT_GE(left.records.size(), 3u) << "a session of a second or more";
        }
        const QByteArray before = readFile(scratch);

        LiveSession next;
        const QString kept = folder.filePath(QStringLiteral("kept.QLS"));
        next.start(folder.path(), {"--offline", "--save-as", kept});
        ASSERT_TRUE(next.finish()) << next.lines.join('\n').toStdString();
        EXPECT_EQ(next.linesStartingWith("adopted"), QStringList{QStringLiteral("adopted %1").arg(left.records.size())});
        // Worth saving, as a finished session's records are, with more than ten records.
        if (left.records.size() <= 10) {
            EXPECT_EQ(next.linesStartingWith("save-as"), QStringList{"save-as enabled 0"});
            continue;
        }
        EXPECT_EQ(next.linesStartingWith("save-as"), QStringList{"save-as enabled 1"});
        EXPECT_EQ(next.linesStartingWith("saved"), QStringList{"saved OK"});
        EXPECT_TRUE(next.linesStartingWith("message").isEmpty()) << next.lines.join('\n').toStdString();
        EXPECT_EQ(readFile(kept), before) << "the saved recording differs from what the kill left";
        EXPECT_FALSE(QFile::exists(scratch));
    }
}

}  // namespace
}  // namespace quilldar::testing
