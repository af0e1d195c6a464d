// The records of a session not yet saved: kept through a failed Open, reported when Save As has
// nothing to save, removed when the user exits without them, and a leftover of an earlier run
// offered after a recording named on the command line.

#include <gtest/gtest.h>

#include <QFile>

#include "app/playback_controller.h"
#include "support/recording_builder.h"
#include "support/session_fixture.h"

namespace quilldar::app {
namespace {

using testing::RecordingBuilder;
using testing::engineLiveFrame;

class UnsavedRecordsTest : public testing::SessionTest {
protected:
    QString path(const char* name) { return folder_.filePath(QString::fromLatin1(name)); }
    // A finished session with unsaved records.
    void recordASession() {
        connectOnTab(0);
        ticks(12);
        controller().connectCommand();  // Disconnect
        ASSERT_EQ(state().recordingOpen, 1);
        ASSERT_TRUE(view_.enabled(MainControl::SaveAs));
    }
    QString engineRecording(const char* name, int records) {
        RecordingBuilder recording;
        recording.addIdentification(0, "71820-12F00", "12F0");
        for (int i = 2; i < records; ++i) recording.add(0, engineLiveFrame({{17, 1}}));
        EXPECT_TRUE(recording.writeTo(path(name)));
        return path(name);
    }
};

TEST_F(UnsavedRecordsTest, AFailedOpenAfterYesKeepsTheRecordsAndSaveAsSavesThem) {
    recordASession();
    const std::uint32_t records = state().recordCount;
    ASSERT_TRUE(testing::writeFile(path("broken.QLS"), QByteArray(100, 'x')));  // not 65-byte records
    view_.answers = {true};  // give them up for the file
    controller().playback().openCommand([&](const QString&) { return path("broken.QLS"); });
    ASSERT_EQ(view_.messages.back(), Message::FileCorrupted);
    EXPECT_EQ(state().playback, 0);
    EXPECT_EQ(state().recordingOpen, 1);
    EXPECT_EQ(state().recordCount, records);
    EXPECT_TRUE(view_.enabled(MainControl::SaveAs));
    ASSERT_TRUE(controller().saveRecordingAs(path("kept.QLS")));
    EXPECT_EQ(QFile(path("kept.QLS")).size(), static_cast<qint64>(records) * 65);

    // A file that cannot be opened at all leaves them too.
    recordASession();
    view_.answers = {true};
    controller().playback().openCommand([&](const QString&) { return path("missing.QLS"); });
    EXPECT_EQ(view_.messages.back(), Message::FileLocked);
    EXPECT_EQ(state().recordingOpen, 1);
}

TEST_F(UnsavedRecordsTest, SaveAsWithNothingBehindItIsReportedNotPassedOver) {
    view_.setControlEnabled(MainControl::SaveAs, true);
    EXPECT_FALSE(controller().saveRecordingAs(path("nothing.QLS")));
    ASSERT_FALSE(view_.messages.empty());
    EXPECT_EQ(view_.messages.back(), Message::SaveFailed);
    EXPECT_FALSE(view_.enabled(MainControl::SaveAs));
    EXPECT_FALSE(QFile::exists(path("nothing.QLS")));
}

TEST_F(UnsavedRecordsTest, GivingTheRecordsUpClearsTheirCount) {
    recordASession();
    powerUp();
    view_.answers = {true};
    controller().connectCommand();  // a new session: the old records go
    ASSERT_EQ(state().connected, 1);
    // The new session counts from its own first record.
    EXPECT_LT(state().recordCount, 5u);
    controller().connectCommand();
    files::TemporaryRecording other(folder_.path());
    state().recordCount = 7;
    state().recordingOpen = 1;
    other.close(state());
    EXPECT_EQ(state().recordCount, 0u);
    EXPECT_EQ(state().recordingOpen, 0);
}

TEST_F(UnsavedRecordsTest, ExitingWithoutSavingRemovesTheRecordsSoTheNextStartDoesNotOfferThem) {
    recordASession();
    view_.answers = {true};  // exit anyway
    ASSERT_TRUE(controller().shutdown());
    EXPECT_FALSE(QFile::exists(recording_->path()));
    EXPECT_EQ(controller().adoptLeftoverRecording(), 0u);

    // What a kill leaves is offered, with a question that says the records would be lost.
    recordASession();
    const std::uint32_t records = state().recordCount;
    use(sim::defaultProfile(sim::UnitKind::Engine));  // a new run in the same folder
    state().recordingOpen = 0;
    state().recordCount = 0;
    EXPECT_EQ(controller().adoptLeftoverRecording(), records);
    view_.answers = {false};
    powerUp();
    controller().connectCommand();
    EXPECT_EQ(view_.questions.back(), Question::DiscardLeftover);
}

TEST_F(UnsavedRecordsTest, ARecordingNamedAtStartOpensFirstAndTheLeftoverComesAfterIt) {
    recordASession();
    const std::uint32_t leftover = state().recordCount;
    use(sim::defaultProfile(sim::UnitKind::Engine));
    state().recordingOpen = 0;
    state().recordCount = 0;
    const std::size_t questionsBefore = view_.questions.size();

    controller().playback().openFromCommandLine(engineRecording("ride.QLS", 20));
    controller().adoptLeftoverRecordingWhenIdle();
    EXPECT_EQ(state().playback, 1);  // opened at once, nothing asked
    EXPECT_EQ(view_.questions.size(), questionsBefore);
    EXPECT_EQ(state().recordCount, 20u);  // the playback's count, not the leftover's

    controller().playback().close();
    EXPECT_EQ(state().recordingOpen, 1);
    EXPECT_EQ(state().recordCount, leftover);
    EXPECT_TRUE(view_.enabled(MainControl::SaveAs));
}

}  // namespace
}  // namespace quilldar::app
