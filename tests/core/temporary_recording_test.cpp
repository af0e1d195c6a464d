#include "files/temporary_recording.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

namespace quilldar::files {
namespace {

link::Report reportWith(std::uint8_t marker) {
    link::Report r{};
    r.fill(marker);
    return r;
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class TemporaryRecordingTest : public ::testing::Test {
protected:
    QTemporaryDir dir_;
    app::AppState state_;
    TemporaryRecording recording_{dir_.path()};
};

TEST_F(TemporaryRecordingTest, RecordsArePageTaggedAndOnDiskAtOnce) {
    link::Report first = reportWith(0xAA);
    state_.currentPage = 5;
    ASSERT_TRUE(recording_.RecordReport(first, state_));
    EXPECT_EQ(state_.recordingOpen, 1);
    EXPECT_EQ(state_.recordCount, 1u);
    EXPECT_EQ(first[0], 5);  // the page tag stands where the report id was

    state_.currentPage = 0;
    link::Report second = reportWith(0xBB);
    ASSERT_TRUE(recording_.RecordReport(second, state_));

    // Read back while the file is still open: nothing waits in a buffer.
    const QByteArray bytes = contents(recording_.path());
    ASSERT_EQ(bytes.size(), 130);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[0]), 5);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[1]), 0xAA);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[65]), 0);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[129]), 0xBB);
}

TEST_F(TemporaryRecordingTest, NewRecordingTruncatesTheScratchFile) {
    link::Report r = reportWith(1);
    recording_.RecordReport(r, state_);
    recording_.RecordReport(r, state_);
    recording_.close(state_);
    EXPECT_EQ(state_.recordingOpen, 0);
    EXPECT_EQ(contents(recording_.path()).size(), 130);  // kept on disk when given up
    state_.recordCount = 0;
    recording_.RecordReport(r, state_);
    EXPECT_EQ(contents(recording_.path()).size(), 65);
}

TEST_F(TemporaryRecordingTest, SavingReplacesTheTargetAndRemovesTheScratchFile) {
    const QString target = QDir(dir_.path()).filePath("ride.QLS");
    {
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an older recording");
    }
    link::Report r = reportWith(7);
    for (int i = 0; i < 12; ++i) recording_.RecordReport(r, state_);
    ASSERT_TRUE(recording_.saveRecording(target, state_));
    EXPECT_EQ(contents(target).size(), 12 * 65);
    EXPECT_FALSE(QFile::exists(recording_.path()));
    EXPECT_EQ(state_.recordCount, 0u);
    EXPECT_EQ(state_.recordingOpen, 0);

    // The next record starts a new scratch file.
    recording_.RecordReport(r, state_);
    EXPECT_EQ(contents(recording_.path()).size(), 65);
    EXPECT_EQ(contents(target).size(), 12 * 65);
}

TEST_F(TemporaryRecordingTest, FailedSaveKeepsTheRecording) {
    link::Report r = reportWith(7);
    recording_.RecordReport(r, state_);
    const QString target = QDir(dir_.path()).filePath("no-such-folder/ride.QLS");
    EXPECT_FALSE(recording_.saveRecording(target, state_));
    EXPECT_FALSE(recording_.lastError().isEmpty());
    EXPECT_EQ(contents(recording_.path()).size(), 65);
    EXPECT_EQ(state_.recordingOpen, 1);
    EXPECT_EQ(state_.recordCount, 1u);
}

TEST_F(TemporaryRecordingTest, UnwritableFolderIsReportedNotIgnored) {
    TemporaryRecording nowhere(QDir(dir_.path()).filePath("missing/folder"));
    link::Report r = reportWith(1);
    EXPECT_FALSE(nowhere.RecordReport(r, state_));
    EXPECT_FALSE(nowhere.lastError().isEmpty());
    EXPECT_EQ(state_.recordCount, 0u);
    EXPECT_EQ(state_.recordingOpen, 0);
}

TEST_F(TemporaryRecordingTest, FullDiskKeepsTheRecordsWrittenBefore) {
    // /dev/full accepts the open and fails every write, as a full disk does.
    if (!QFile::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
    app::AppState state;
    // Point the scratch file at /dev/full through a link in a temporary folder.
    const QString linkPath = QDir(dir_.path()).filePath(TemporaryRecording::kFileName);
    ASSERT_TRUE(QFile::link("/dev/full", linkPath));
    TemporaryRecording recording(dir_.path());
    link::Report r = reportWith(3);
    EXPECT_FALSE(recording.RecordReport(r, state));
    EXPECT_EQ(state.recordCount, 0u);
    EXPECT_FALSE(recording.lastError().isEmpty());
}

// A disk that fills and then has room again: the records written once there was room were
// appended after a gap, joining moments that lie apart as if they followed each other.
TEST_F(TemporaryRecordingTest, DiskWithRoomAgainAfterAFailedWriteGetsNoRecordsAfterTheGap) {
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    // Two records and part of a third fit.
    rlimit full = before;
    full.rlim_cur = 2 * 65 + 10;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
    bool results[3] = {};
    for (std::uint8_t marker = 1; marker <= 3; ++marker) {
        link::Report r = reportWith(marker);
        results[marker - 1] = recording_.RecordReport(r, state_);
    }
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_TRUE(results[0]);
    EXPECT_TRUE(results[1]);
    EXPECT_FALSE(results[2]);
    EXPECT_FALSE(recording_.lastError().isEmpty());

    link::Report afterRoom = reportWith(4);
    EXPECT_FALSE(recording_.RecordReport(afterRoom, state_));
    const QByteArray bytes = contents(recording_.path());
    ASSERT_EQ(bytes.size(), 2 * 65) << "the partial record is cut and nothing follows the gap";
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[66]), 2);
    EXPECT_EQ(state_.recordCount, 2u);

    // What was kept is saved as it is, and the next recording starts afresh.
    const QString target = QDir(dir_.path()).filePath("kept.QLS");
    ASSERT_TRUE(recording_.saveRecording(target, state_));
    EXPECT_EQ(contents(target).size(), 2 * 65);
    link::Report next = reportWith(5);
    EXPECT_TRUE(recording_.RecordReport(next, state_));
}

// Removing the folder of an open file leaves writes succeeding into a file without a name: the
// session was recorded into nothing and Save As found no scratch file.
TEST_F(TemporaryRecordingTest, ScratchFolderRemovedOrReplacedMidRecordingIsReportedAndSaveAsKeepsTheRecordsBefore) {
    for (const bool replaced : {false, true}) {
        SCOPED_TRACE(replaced ? "replaced by a file" : "removed");
        const QString folder = QDir(dir_.path()).filePath(replaced ? "replaced" : "removed");
        ASSERT_TRUE(QDir().mkpath(folder));
        app::AppState state;
        TemporaryRecording recording(folder);
        for (std::uint8_t marker = 1; marker <= 3; ++marker) {
            link::Report r = reportWith(marker);
            ASSERT_TRUE(recording.RecordReport(r, state));
        }
        ASSERT_TRUE(QDir(folder).removeRecursively());
        if (replaced) {
            QFile standIn(folder);
            ASSERT_TRUE(standIn.open(QIODevice::WriteOnly));
        }
        link::Report late = reportWith(9);
        EXPECT_FALSE(recording.RecordReport(late, state));
        EXPECT_TRUE(recording.lastError().contains("gone")) << recording.lastError().toStdString();
        // Nothing more goes into the file without a name, and nothing already there is lost.
        EXPECT_FALSE(recording.RecordReport(late, state));
        EXPECT_EQ(state.recordCount, 3u);
        EXPECT_EQ(state.recordingOpen, 1);

        const QString target = QDir(dir_.path()).filePath(replaced ? "replaced.QLS" : "removed.QLS");
        ASSERT_TRUE(recording.saveRecording(target, state)) << recording.lastError().toStdString();
        const QByteArray saved = contents(target);
        ASSERT_EQ(saved.size(), 3 * 65);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(static_cast<std::uint8_t>(saved[i * 65 + 1]), i + 1);
        EXPECT_EQ(state.recordingOpen, 0);
        EXPECT_EQ(state.recordCount, 0u);
    }
}

// A leftover taken over and grown is saved whole from its start, also when its folder went.
TEST_F(TemporaryRecordingTest, AdoptedLeftoverWhoseFolderWentIsSavedFromItsFirstRecord) {
    const QString folder = QDir(dir_.path()).filePath("startup");
    ASSERT_TRUE(QDir().mkpath(folder));
    {
        QFile leftover(QDir(folder).filePath(TemporaryRecording::kFileName));
        ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
        const link::Report old = reportWith(4);
        leftover.write(reinterpret_cast<const char*>(old.data()), 65);
    }
    app::AppState state;
    TemporaryRecording recording(folder);
    ASSERT_EQ(recording.adoptLeftover(state), 1u);
    link::Report grown = reportWith(5);
    ASSERT_TRUE(recording.RecordReport(grown, state));
    ASSERT_TRUE(QDir(folder).removeRecursively());
    EXPECT_FALSE(recording.RecordReport(grown, state));
    const QString target = QDir(dir_.path()).filePath("kept.QLS");
    ASSERT_TRUE(recording.saveRecording(target, state)) << recording.lastError().toStdString();
    const QByteArray saved = contents(target);
    ASSERT_EQ(saved.size(), 2 * 65);
    EXPECT_EQ(static_cast<std::uint8_t>(saved[1]), 4);
    EXPECT_EQ(static_cast<std::uint8_t>(saved[66]), 5);
}

}  // namespace
}  // namespace quilldar::files
