#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <thread>

#include "tool/hang_watchdog.h"
#include "tool/session_soak.h"
#include "tool/soak_recording_check.h"
#include "tool/soak_rig.h"

namespace quilldar::testing {
namespace {

using tool::SoakFault;

link::Report numbered(int n) {
    link::Report report{};
    report[1] = 0x80;
    report[2] = static_cast<std::uint8_t>(n);
    report[64] = static_cast<std::uint8_t>(n * 7);
    return report;
}

void writeRecords(const QString& path, const std::vector<link::Report>& records) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (link::Report record : records) {
        record[0] = 0x33;  // the page tag is not part of the reply
        file.write(reinterpret_cast<const char*>(record.data()), static_cast<qint64>(record.size()));
    }
}

// The soak's own checks must see a lost, reordered or foreign record, or its figures mean nothing.
TEST(SoakChecks, SavedRecordingComparesEveryRecordInPlace) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("s.qlt"));
    const std::vector<link::Report> taken{numbered(1), numbered(2), numbered(3)};

    writeRecords(path, taken);
    EXPECT_TRUE(tool::checkSavedRecording(path, taken).exact());

    writeRecords(path, {numbered(1), numbered(3)});
    auto check = tool::checkSavedRecording(path, taken);
    EXPECT_FALSE(check.exact());
    EXPECT_EQ(check.lost(), 2u);  // 2 is missing and 3 is out of place

    writeRecords(path, {numbered(2), numbered(1), numbered(3)});
    EXPECT_EQ(tool::checkSavedRecording(path, taken).lost(), 2u);

    writeRecords(path, {numbered(1), numbered(2), numbered(3), numbered(4)});
    check = tool::checkSavedRecording(path, taken);
    EXPECT_EQ(check.lost(), 0u);
    EXPECT_EQ(check.extra(), 1u);
    EXPECT_FALSE(check.exact());

    EXPECT_FALSE(tool::checkSavedRecording(folder.filePath(QStringLiteral("none.qlt")), taken).exact());
}

TEST(SoakChecks, TapKnowsOnlyReportsReadAndInTheirOrder) {
    tool::ReportTap tap;
    tap.add(numbered(1));
    tap.add(numbered(2));
    tap.add(numbered(3));
    link::Report tagged = numbered(2);
    tagged[0] = 0x12;  // the page tag a record carries is not compared
    EXPECT_TRUE(tap.consume(tagged));
    EXPECT_TRUE(tap.consume(numbered(2)));   // the same reply recorded again
    EXPECT_FALSE(tap.consume(numbered(1)));  // read before the one taken last
    EXPECT_FALSE(tap.consume(numbered(9)));  // never read
    EXPECT_TRUE(tap.consume(numbered(3)));
    EXPECT_FALSE(tap.consume(numbered(2)));  // an older reply after a newer one
}

TEST(SoakChecks, UserKeepsWhatSaveAsOffersAndLetsTheRestGo) {
    tool::SoakView view;
    int givenUp = 0;
    view.onGiveUpRecording = [&] { ++givenUp; };
    view.setControlEnabled(app::MainControl::SaveAs, true);
    EXPECT_FALSE(view.askYesNo(app::Question::UnsavedContinue));
    EXPECT_FALSE(view.askYesNo(app::Question::UnsavedExit));
    EXPECT_EQ(givenUp, 0);
    view.setControlEnabled(app::MainControl::SaveAs, false);
    EXPECT_TRUE(view.askYesNo(app::Question::UnsavedContinue));
    EXPECT_EQ(givenUp, 1);
}

TEST(SoakChecksDeathTest, WatchdogEndsTheProcessOnACallThatDoesNotReturn) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            tool::HangWatchdog watchdog(std::chrono::seconds(1), 42);
            watchdog.timed("a stuck tick", [] { std::this_thread::sleep_for(std::chrono::seconds(30)); });
        },
        "Hang: a stuck tick has not returned after 1 s \\(seed 42\\)");
    tool::HangWatchdog watchdog(std::chrono::seconds(1), 42);
    EXPECT_GE(watchdog.timed("a quick call", [] { std::this_thread::sleep_for(std::chrono::milliseconds(5)); }),
              std::chrono::milliseconds(5));
}

// Every unit, every fault at least once, at random ticks from a fixed seed: every session ends in
// a way the program names and tells, and every reply taken is in that session's saved file.
// Slow and muted modules cost real seconds of waits, so at this size they come only once each.
TEST(SessionSoak, EveryUnitUnderEveryFaultEndsNamedAndLosesNoRecord) {
    QTemporaryDir folder;
    tool::SoakOptions options;
    options.seed = 20261207;
    options.ticksPerUnit = 900;
    options.meanTicksBetweenFaults = 90;
    options.weights[static_cast<std::size_t>(SoakFault::Slow)] = 0;
    options.weights[static_cast<std::size_t>(SoakFault::Mute)] = 0;
    options.userDisconnectChance = 1.0 / 150;
    const tool::SoakCounts counts = tool::runSessionSoak(options, folder.path());
    const std::string summary = "seed " + std::to_string(options.seed) + "\n" + tool::soakSummary(counts);
    std::printf("%s", summary.c_str());

    EXPECT_EQ(counts.violationCount, 0) << summary;
    EXPECT_EQ(counts.recordsLost, 0) << summary;
    EXPECT_EQ(counts.recordsExtra, 0) << summary;
    EXPECT_EQ(counts.recordsNotSent, 0) << summary;
    for (int kind = 0; kind < tool::kSoakFaultCount; ++kind)
        EXPECT_GE(counts.faults[static_cast<std::size_t>(kind)], 1) << tool::soakFaultName(static_cast<SoakFault>(kind));
    // The run reconnected many times and saw every way a session ends.
    EXPECT_GT(counts.sessions, 2 * static_cast<int>(options.units.size())) << summary;
    EXPECT_GT(counts.ends[static_cast<std::size_t>(app::SessionEnd::UserDisconnect)], 0) << summary;
    EXPECT_GT(counts.ends[static_cast<std::size_t>(app::SessionEnd::LinkLost)], 0) << summary;
    EXPECT_GT(counts.ends[static_cast<std::size_t>(app::SessionEnd::UnitDisconnected)], 0) << summary;
    EXPECT_GE(counts.programRestarts, 1) << summary;
    EXPECT_GT(counts.recordsChecked, 1000) << summary;
}

}  // namespace
}  // namespace quilldar::testing
