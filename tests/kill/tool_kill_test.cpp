// quilldar-tool simulate --realtime killed with SIGKILL at random moments: the scratch file it
// leaves holds whole records only, each a reply the module sent, in the order sent.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <random>

#include "app/tab_map.h"
#include "kill/scratch_file_check.h"

namespace quilldar::testing {
namespace {

// The module reports power from the start; Connect follows thirty 100 ms power ticks.
constexpr int kConnectedAfterMs = 3300;

struct KilledRun {
    ScratchRecords scratch;
    ScratchRecords log;
};

KilledRun runAndKill(int killAfterMs) {
    QTemporaryDir folder;
    QTemporaryDir settings;
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUILLDAR_SETTINGS_DIR"), settings.path());
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral(QUILLDAR_TOOL_PATH),
               {"simulate", "--unit", "engine", "--model", "21H2", "--realtime", "--ticks", "100000",
                "--scratch-dir", folder.path(), "--module-log", folder.filePath("module.log"), "-o",
                folder.filePath("ride.QLS")});
    EXPECT_TRUE(tool.waitForStarted());
    QThread::msleep(static_cast<unsigned long>(killAfterMs));
    EXPECT_EQ(tool.state(), QProcess::Running) << "the session ended before the kill";
    tool.kill();
    EXPECT_TRUE(tool.waitForFinished(10000));
    return {readRecords(folder.filePath(QStringLiteral("Quilldar_Temp.QLT"))),
            readRecords(folder.filePath(QStringLiteral("module.log")))};
}

TEST(ToolKill, ScratchFileHoldsWholeRepliesInTheOrderSentAtAnyKill) {
    std::mt19937 random(20261207);
    // Three kills while the module is being connected, five in the session.
    std::uniform_int_distribution<int> early(50, kConnectedAfterMs - 300);
    std::uniform_int_distribution<int> late(kConnectedAfterMs + 400, kConnectedAfterMs + 2400);
    const auto shown = app::pageTabMap(1, false);
    for (int run = 0; run < 8; ++run) {
        const int killAfterMs = run < 3 ? early(random) : late(random);
        SCOPED_TRACE(::testing::Message() << "run " << run << " killed after " << killAfterMs << " ms");
        const KilledRun left = runAndKill(killAfterMs);
        EXPECT_TRUE(left.scratch.whole) << left.scratch.bytes << " bytes";
        EXPECT_TRUE(left.log.whole) << left.log.bytes << " bytes";
        const auto positions = positionsInLog(left.scratch.records, left.log.records);
        EXPECT_EQ(positions.size(), left.scratch.records.size())
            << "record " << positions.size() << " is no report of the module's, or out of order";
        // Only the part number and the model code are recorded twice, once on finding them and
        // once on taking them.
        int repeats = 0;
        for (std::size_t i = 1; i < positions.size(); ++i) repeats += positions[i] == positions[i - 1] ? 1 : 0;
        EXPECT_LE(repeats, 2);
        for (std::size_t i = 0; i < left.scratch.records.size(); ++i) {
            const link::Report& record = left.scratch.records[i];
            EXPECT_TRUE(isModuleReply(record)) << "record " << i;
            EXPECT_NE(std::find(shown.begin(), shown.end(), record[0]), shown.end())
                << "record " << i << " has page tag " << int(record[0]);
        }
        // Well into the session the recording keeps up with the module: what the module sent
        // after the last record is at most what arrives during one tick and the one in flight.
        if (run >= 3) {
            ASSERT_GE(left.scratch.records.size(), 3u);
            ASSERT_FALSE(positions.empty());
            std::printf("run %d: %zu records, %zu reports logged, last record at log %zu\n", run,
                        left.scratch.records.size(), left.log.records.size(), positions.back());
            EXPECT_LE(left.log.records.size() - positions.back(), 8u) << "the recording lags behind";
        }
    }
}

}  // namespace
}  // namespace quilldar::testing
