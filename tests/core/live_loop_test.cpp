// The live loop: the module's word that the unit dropped out is never passed over, records the
// user gave up do not come back, and a leftover is worth saving only as a session would be.

#include <gtest/gtest.h>

#include <QFile>
#include <chrono>
#include <thread>

#include "support/session_fixture.h"

namespace quilldar::app {
namespace {

using namespace std::chrono_literals;

class LiveLoopTest : public testing::SessionTest {
protected:
    // The last record of the scratch file, as the module sent it.
    link::Report lastRecord() {
        QFile file(recording_->path());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        link::Report record{};
        if (bytes.size() < static_cast<qsizetype>(link::kReportSize)) return record;
        std::copy(bytes.end() - link::kReportSize, bytes.end(), record.begin());
        return record;
    }
    void recordASession() {
        connectOnTab(0);
        ticks(12);
        controller().connectCommand();  // Disconnect
        ASSERT_EQ(state().recordingOpen, 1);
    }
};

TEST_F(LiveLoopTest, ADisconnectedThatCameBeforeTheTicksRequestEndsTheSessionEveryTime) {
    for (int run = 0; run < 20; ++run) {
        SCOPED_TRACE(run);
        powerUp();
        view_.answers = {true};  // the last run's records go
        view_.selected = 0;
        controller().connectCommand();
        ASSERT_EQ(state().connected, 1);
        ticks(3);
        view_.messages.clear();
        module().loseControlUnit();
        // The poll timer's next tick comes up to 100 ms later: the report is older than its
        // request.
        std::this_thread::sleep_for(30ms);
        controller().tick();
        EXPECT_EQ(state().connected, 0);
        EXPECT_EQ(controller().lastSessionEnd(), SessionEnd::UnitDisconnected);
        EXPECT_EQ(view_.messages, std::vector<Message>{Message::CommunicationError});
        EXPECT_TRUE(link::payloadStartsWith(lastRecord(), "Disconnected"));
    }
}

TEST_F(LiveLoopTest, RecordsGivenUpAtConnectAreGoneEvenWhenNothingNewIsRecorded) {
    recordASession();
    powerUp();
    module().failNextStart("Connect Error");
    view_.answers = {true};
    view_.selected = 0;
    controller().connectCommand();
    ASSERT_EQ(state().connected, 0);
    EXPECT_EQ(state().recordingOpen, 0);
    EXPECT_FALSE(QFile::exists(recording_->path()));
    EXPECT_EQ(controller().adoptLeftoverRecording(), 0u);  // the next start offers nothing
}

TEST_F(LiveLoopTest, ALeftoverOfTenRecordsOrFewerIsNotOfferedForSaving) {
    recordASession();
    QFile scratch(recording_->path());
    ASSERT_TRUE(scratch.resize(10 * static_cast<qint64>(link::kReportSize)));
    use(sim::defaultProfile(sim::UnitKind::Engine));  // a new run in the same folder
    state().recordingOpen = 0;
    state().recordCount = 0;
    view_.setControlEnabled(MainControl::SaveAs, false);
    controller().adoptLeftoverRecording();
    EXPECT_FALSE(view_.enabled(MainControl::SaveAs));
}

}  // namespace
}  // namespace quilldar::app
