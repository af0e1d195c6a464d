#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <utility>

#include "link/kwp_frame.h"
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

// Without --page the recording is of the unit's data page, even for a unit with stored trouble
// codes, whose first reply switches a session to the Error codes page.
TEST_F(SimulateCommand, WithoutPageRecordsTheUnitsDataPage) {
    for (const auto& [unit, dataPage] : {std::pair<const char*, char>{"engine", 0}, {"combined", 2}, {"abs", 3}}) {
        SCOPED_TRACE(unit);
        QFile::remove(output());
        const ToolRun run = simulate({"--unit", unit, "--ticks", "15"});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QByteArray bytes = quilldar::testing::readFile(output());
        ASSERT_GT(bytes.size(), 15 * 65);
        for (qsizetype at = 0; at < bytes.size(); at += 65) EXPECT_EQ(bytes[at], dataPage) << "record " << at / 65;
    }
    // A page asked for is kept as well, from the second tick on.
    QFile::remove(output());
    const ToolRun run = simulate({"--unit", "engine", "--ticks", "15", "--page", "6"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QByteArray bytes = quilldar::testing::readFile(output());
    ASSERT_GT(bytes.size(), 15 * 65);
    for (qsizetype at = bytes.size() - 14 * 65; at < bytes.size(); at += 65) EXPECT_EQ(bytes[at], 6) << "record " << at / 65;
}

// The tick and the words of "Session ended at tick N: ..." on standard output.
std::pair<int, QString> sessionEnd(const QByteArray& out) {
    const QRegularExpression ended(QStringLiteral("Session ended at tick (\\d+): (.*)\n"));
    const QRegularExpressionMatch match = ended.match(QString::fromUtf8(out));
    if (!match.hasMatch()) return {-1, {}};
    return {match.captured(1).toInt(), match.captured(2)};
}

TEST_F(SimulateCommand, EachFaultEndsTheSessionAsTheProgramWould) {
    const QString unitLost = QStringLiteral("Communication error occurred");
    const QString linkLost = QStringLiteral("the interface module stopped answering; the link was lost");
    const QString planned = QStringLiteral("Disconnect after the last tick");
    // The fault strikes before tick 5; replies the module had already sent (one or two, back to
    // back, on a slow machine) may still be taken first, so the end may come up to two ticks
    // later than the fault's own. A lost link is found by
    // a failed wait and ends the session at the tick after it; replies that were on their way
    // when the module was pulled or fell silent may still be taken first.
    const struct {
        const char* fault;
        int firstTick;
        int lastTick;
        QString said;
    } ending[] = {
        {"disconnected@5", 5, 7, unitLost}, {"power@5", 5, 7, unitLost}, {"unplug@5", 6, 8, linkLost},
        {"mute@5", 6, 8, linkLost},         {"slow@5", 6, 8, linkLost},  {"tmr", 12, 12, planned},
        {"stale@3", 12, 12, planned},
    };
    for (const auto& c : ending) {
        SCOPED_TRACE(c.fault);
        QFile::remove(output());
        const ToolRun run = simulate({"--unit", "engine", "--ticks", "12", "--fault", c.fault});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        const auto [tick, said] = sessionEnd(run.out);
        EXPECT_GE(tick, c.firstTick) << run.out.toStdString();
        EXPECT_LE(tick, c.lastTick) << run.out.toStdString();
        EXPECT_EQ(said, c.said);
        EXPECT_TRUE(QFile::exists(output()));
    }

    const struct {
        const char* fault;
        const char* said;
    } noSession[] = {
        {"connect-error", "No session: Communication failed\n"},
        {"power", "No session: no vehicle power"},
        {"module-type", "No session: the interface module is of type '0'"},
    };
    for (const auto& c : noSession) {
        SCOPED_TRACE(c.fault);
        QFile::remove(output());
        const ToolRun run = simulate({"--unit", "engine", "--ticks", "12", "--fault", c.fault});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.out.contains(c.said)) << run.out.toStdString();
        EXPECT_FALSE(QFile::exists(output()));
    }
}

// The damaged responses the session took are in the recording byte for byte as the module sent
// them, and counted. In real time a tick that starts more than a line interval late (a loaded
// machine) rightly passes over the response that came meanwhile, so one damaged response may be
// skipped: the fault strikes five ticks in a row, and the test holds the recording against the
// module's own log rather than expecting one particular response in it.
TEST_F(SimulateCommand, DamagedResponsesAreRecordedAsTheyCame) {
    const QString log = dir_.filePath(QStringLiteral("module.log"));
    for (const char* fault : {"bad-checksum", "long-frame"}) {
        SCOPED_TRACE(fault);
        QFile::remove(output());
        QFile::remove(log);
        QStringList arguments{"--unit", "abs", "--ticks", "12", "--realtime", "--module-log", log};
        for (int tick = 4; tick <= 8; ++tick) arguments << "--fault" << QStringLiteral("%1@%2").arg(fault).arg(tick);
        ToolRun run = simulate(arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(run.out.contains("Session ended at tick 12: Disconnect after the last tick\n"));

        const auto damaged = [](const QByteArray& bytes, bool pageFirst) {
            QList<QByteArray> found;
            for (qsizetype at = 0; at + 65 <= bytes.size(); at += 65) {
                quilldar::link::Report report{};
                std::copy(bytes.begin() + at, bytes.begin() + at + 65, report.begin());
                if (pageFirst) report[0] = 0;
                if (!quilldar::link::responseChecksumOk(report)) found << bytes.mid(at + 1, 64);
            }
            return found;
        };
        const QList<QByteArray> sent = damaged(quilldar::testing::readFile(log), false);
        const QList<QByteArray> recorded = damaged(quilldar::testing::readFile(output()), true);
        ASSERT_GE(recorded.size(), 1);
        ASSERT_LE(recorded.size(), 5);
        for (const QByteArray& payload : recorded) EXPECT_TRUE(sent.contains(payload));
        run = runTool({"info", output()});
        EXPECT_TRUE(run.out.contains(QStringLiteral("Checksum errors: %1\n").arg(recorded.size()).toUtf8()))
            << run.out.toStdString();
    }
}

// With --scratch-dir the session is recorded where asked and moved to FILE at the end; the module
// log holds every reply recorded, in order, each record after the one before.
TEST_F(SimulateCommand, ScratchDirAndModuleLogKeepWhatTheRunRecordsAndWhatTheModuleSent) {
    const QString log = dir_.filePath(QStringLiteral("module.log"));
    const ToolRun run = simulate({"--unit", "engine", "--ticks", "15", "--scratch-dir", dir_.path(), "--module-log", log});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir_.filePath(QStringLiteral("Quilldar_Temp.QLT"))));
    const QByteArray recorded = quilldar::testing::readFile(output());
    const QByteArray sent = quilldar::testing::readFile(log);
    ASSERT_EQ(sent.size() % 65, 0);
    ASSERT_GE(sent.size(), recorded.size());
    qsizetype from = 0;
    for (qsizetype at = 0; at < recorded.size(); at += 65) {
        const QByteArray payload = recorded.mid(at + 1, 64);
        qsizetype found = from;
        while (found < sent.size() && sent.mid(found + 1, 64) != payload) found += 65;
        // The identification replies are recorded twice.
        if (found == sent.size() && at > 0 && recorded.mid(at - 64, 64) == payload) continue;
        ASSERT_LT(found, sent.size()) << "record " << at / 65 << " is not in the log after the one before";
        from = found + 65;
    }
}

TEST_F(SimulateCommand, ModuleLogThatCannotBeOpenedEndsTheRunBeforeConnecting) {
    const ToolRun run = simulate({"--unit", "engine", "--module-log", dir_.filePath(QStringLiteral("missing/module.log"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Cannot open the module log"))) << run.err.toStdString();
    EXPECT_FALSE(run.out.contains("Connected"));
}

TEST_F(SimulateCommand, BadFaultIsAUsageError) {
    const ToolRun run = simulate({"--unit", "engine", "--fault", "fire@3"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("No fault called 'fire'")));
    EXPECT_FALSE(QFile::exists(output()));
}

}  // namespace
