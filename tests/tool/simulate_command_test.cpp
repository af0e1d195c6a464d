#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "support/recording_builder.h"
#include "support/tool_run.h"

namespace {

using quilldar::testing::runTool;
using quilldar::testing::ToolRun;

class SimulateCommand : public ::testing::Test {
protected:
    ToolRun simulate(QStringList arguments) {
        arguments.prepend(QStringLiteral("simulate"));
        arguments << QStringLiteral("-o") << output();
        return runTool(arguments);
    }
    QString output() const { return dir_.filePath(QStringLiteral("ride.QLS")); }

    QTemporaryDir dir_;
};

TEST_F(SimulateCommand, SavesTheSessionWithTheUnitsPageOnEveryRecord) {
    const ToolRun run = simulate({"--unit", "transmission", "--ticks", "20"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("Connected: transmission, ECM ID 71870-20J00, model 20J0\n"));
    EXPECT_TRUE(run.out.contains("Session ended at tick 20: Disconnect after the last tick\n"));
    const QByteArray bytes = quilldar::testing::readFile(output());
    ASSERT_EQ(bytes.size() % 65, 0);
    // Two identification replies, then one reply per tick.
    ASSERT_EQ(bytes.size() / 65, 22);
    for (qsizetype at = 0; at < bytes.size(); at += 65) EXPECT_EQ(bytes[at], 1) << "record " << at / 65;
}

TEST_F(SimulateCommand, EachFaultEndsTheSessionAsTheProgramWould) {
    const struct {
        const char* fault;
        int exitCode;
        const char* said;
    } cases[] = {
        {"disconnected@5", 0, "Session ended at tick 5: Communication error occurred\n"},
        {"power@5", 0, "Session ended at tick 5: Communication error occurred\n"},
        {"unplug@5", 0, "Session ended at tick 6: the interface module stopped answering; the link was lost\n"},
        {"mute@5", 0, "Session ended at tick 6: the interface module stopped answering; the link was lost\n"},
        {"slow@5", 0, "Session ended at tick 6: the interface module stopped answering; the link was lost\n"},
        {"tmr", 0, "Session ended at tick 12: Disconnect after the last tick\n"},
        {"stale@3", 0, "Session ended at tick 12: Disconnect after the last tick\n"},
        {"connect-error", 1, "No session: Communication failed\n"},
        {"power", 1, "No session: no vehicle power"},
        {"module-type", 1, "No session: the interface module is of type '0'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        QFile::remove(output());
        const ToolRun run = simulate({"--unit", "engine", "--ticks", "12", "--fault", c.fault});
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        EXPECT_TRUE(run.out.contains(c.said)) << run.out.toStdString();
        EXPECT_EQ(QFile::exists(output()), c.exitCode == 0);
    }
}

TEST_F(SimulateCommand, DamagedResponsesAreRecordedAsTheyCame) {
    for (const char* fault : {"bad-checksum@4", "long-frame@4"}) {
        SCOPED_TRACE(fault);
        QFile::remove(output());
        ToolRun run = simulate({"--unit", "abs", "--ticks", "10", "--fault", fault});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(run.out.contains("Session ended at tick 10: Disconnect after the last tick\n"));
        run = runTool({"info", output()});
        EXPECT_TRUE(run.out.contains("Checksum errors: 1\n")) << run.out.toStdString();
    }
}

TEST_F(SimulateCommand, BadFaultIsAUsageError) {
    const ToolRun run = simulate({"--unit", "engine", "--fault", "fire@3"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("No fault called 'fire'")));
    EXPECT_FALSE(QFile::exists(output()));
}

}  // namespace
