// Playback of saved recordings through the session controller and a fake main window: opening
// and its checks, the controls, and recordings that the simulator writes for every unit.

#include "app/playback_controller.h"

#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>

#include "link/page_lists.h"
#include "support/recording_builder.h"
#include "support/session_fixture.h"

namespace quilldar::app {
namespace {

using sim::UnitKind;
using testing::RecordingBuilder;
using testing::engineLiveFrame;

class PlaybackTest : public testing::SessionTest {
protected:
    PlaybackController& playback() { return controller().playback(); }
    QString path(const char* name) { return folder_.filePath(QString::fromLatin1(name)); }

    // A recording of `records` records: the identification, then live data on the Engine page.
    QString engineRecording(const char* name, int records) {
        RecordingBuilder recording;
        recording.addIdentification(0, "71820-12F00", "12F0");
        for (int i = 2; i < records; ++i)
            recording.add(0, engineLiveFrame({{17, static_cast<std::uint8_t>(i)}}));
        EXPECT_TRUE(recording.writeTo(path(name)));
        return path(name);
    }
    void playTicks(int count) { ticks(count); }
    // Three page segments: `engineFirst` Engine records after the identification, ten on the
    // Error codes page, ten on the Engine page again.
    QString segmentsRecording(int engineFirst) {
        RecordingBuilder recording;
        recording.addIdentification(0, "71820-12F00", "12F0");
        for (int i = 0; i < engineFirst; ++i) recording.add(0, engineLiveFrame({{17, 1}}));
        for (int i = 0; i < 10; ++i) recording.add(5, testing::troubleCodeAnswer({{0x01, 0x05, 0x60}}));
        for (int i = 0; i < 10; ++i) recording.add(0, engineLiveFrame({{17, 2}}));
        EXPECT_TRUE(recording.writeTo(path("segments.QLS")));
        return path("segments.QLS");
    }
};

TEST_F(PlaybackTest, OpeningChecksLengthAndFrameAndShowsTheLength) {
    // 650 bytes with one frame: ten records of 0.15 s.
    QByteArray bytes(650, '\0');
    bytes[1] = static_cast<char>(0x80);
    ASSERT_TRUE(testing::writeFile(path("ten.QLS"), bytes));
    ASSERT_TRUE(playback().openRecording(path("ten.QLS"), OpenedFrom::Browser));
    EXPECT_EQ(state().recordCount, 10u);
    EXPECT_EQ(view_.length, "1.50 sec");
    EXPECT_EQ(state().playback, 1);
    EXPECT_EQ(state().paused, 1);
    EXPECT_TRUE(view_.playbackCaptions);
    EXPECT_EQ(view_.titleFile, "ten.QLS");
    EXPECT_EQ(view_.timerPeriod, PlaybackController::kPlaybackPeriodMs);
    EXPECT_EQ(context_->settings().openSave1, folder_.path());
    playback().close();
    EXPECT_EQ(state().playback, 0);
    EXPECT_FALSE(view_.playbackCaptions);

    // One byte more is refused, and nothing changes.
    bytes.append('\0');
    ASSERT_TRUE(testing::writeFile(path("odd.QLS"), bytes));
    EXPECT_FALSE(playback().openRecording(path("odd.QLS"), OpenedFrom::Browser));
    EXPECT_EQ(view_.messages.back(), Message::FileCorrupted);
    EXPECT_EQ(state().playback, 0);
    EXPECT_EQ(view_.timerPeriod, 100);

    // No frame among the first 50 records, or no file at all.
    ASSERT_TRUE(testing::writeFile(path("text.QLS"), QByteArray(65 * 60, 'x')));
    EXPECT_FALSE(playback().openRecording(path("text.QLS"), OpenedFrom::Browser));
    EXPECT_EQ(view_.messages.back(), Message::FileCorrupted);
    EXPECT_FALSE(playback().openRecording(path("missing.QLS"), OpenedFrom::Browser));
    EXPECT_EQ(view_.messages.back(), Message::FileLocked);
    EXPECT_FALSE(playback().openRecording(path("missing.QLS"), OpenedFrom::CommandLine));
    EXPECT_EQ(view_.messages.back(), Message::RecordingNotFound);
    EXPECT_EQ(state().playback, 0);
}

TEST_F(PlaybackTest, LongRecordingShowsItsLengthInExponentNotation) {
    ASSERT_TRUE(playback().openRecording(engineRecording("long.QLS", 7000), OpenedFrom::Browser));
    EXPECT_EQ(view_.length, "1.05e+003 sec");
}

TEST_F(PlaybackTest, PlayRunsToTheEndAndPlayAtTheEndStartsAgain) {
    ASSERT_TRUE(playback().openRecording(engineRecording("ride.QLS", 20), OpenedFrom::Browser));
    playTicks(2);  // paused: the first records are shown
    EXPECT_EQ(link::frameByte(context_->receiveReport(), 4), 0x61);
    playback().playPause();
    EXPECT_EQ(view_.playCaption, "Pause");
    EXPECT_FALSE(view_.enabled(MainControl::Print));
    playTicks(30);
    EXPECT_EQ(state().playPosition, 20u);
    EXPECT_EQ(state().paused, 1);
    EXPECT_EQ(view_.playCaption, "Play");
    EXPECT_EQ(view_.slider, 20);
    EXPECT_TRUE(view_.enabled(MainControl::Print));

    playback().playPause();
    EXPECT_EQ(state().playPosition, 0u);
    EXPECT_EQ(view_.playCaption, "Pause");
    playTicks(1);
    // The first record of the file: the part-number answer.
    EXPECT_EQ(link::frameByte(context_->receiveReport(), 5), 0x91);
}

TEST_F(PlaybackTest, SliderPastTheEndStopsThreeRecordsBeforeItAndResumesADraggedPlay) {
    ASSERT_TRUE(playback().openRecording(engineRecording("ride.QLS", 100), OpenedFrom::Browser));
    playback().playPause();
    playTicks(5);
    // The user drags the thumb: the next tick pauses.
    view_.slider = 100;
    playTicks(1);
    EXPECT_EQ(state().paused, 1);
    EXPECT_EQ(state().autoPaused, 1);
    view_.slider = 100;
    playback().sliderReleased();
    EXPECT_EQ(view_.slider, 97);
    EXPECT_EQ(state().playPosition, 98u);
    EXPECT_EQ(state().paused, 0);  // the play goes on
    // The record at the position stands in the receive report: live data with byte 17 = 96.
    EXPECT_EQ(link::frameByte(context_->receiveReport(), 17), 96);
    EXPECT_EQ(view_.time, "Time:14.55 sec");
}

TEST_F(PlaybackTest, JumpsBetweenPageSegments) {
    ASSERT_TRUE(playback().openRecording(segmentsRecording(10), OpenedFrom::Browser));
    playTicks(2);

    // Playing shows each page at its records: Engine, then Error codes, then Engine.
    playback().playPause();
    playTicks(40);
    EXPECT_EQ(view_.pagesShown, (std::vector<std::uint16_t>{0, 5, 0}));
    EXPECT_EQ(view_.tabs, (std::vector<std::uint16_t>{0}));

    // From the end, "<<" goes back to the start of the last segment.
    playback().back();
    EXPECT_EQ(context_->receiveReport()[0], 0);
    EXPECT_LT(state().playPosition, 32u);
    EXPECT_GT(state().playPosition, 20u);
    // ">>" goes into the next segment, and from the last one to the end.
    playback().forward();
    EXPECT_EQ(state().playPosition, 32u);
    EXPECT_EQ(view_.slider, 32);

    // "<<" from the first segment returns to 0.
    playback().sliderReleased();
    view_.slider = 5;
    playback().sliderReleased();
    playback().back();
    EXPECT_EQ(state().playPosition, 0u);
    EXPECT_EQ(view_.slider, 0);
}

TEST_F(PlaybackTest, ForwardAfterPauseOnTheErrorCodesSegmentJumpsToTheNextSegment) {
    ASSERT_TRUE(playback().openRecording(segmentsRecording(5), OpenedFrom::Browser));
    playTicks(2);
    playback().playPause();
    playTicks(10);  // into the Error codes segment
    ASSERT_EQ(view_.pagesShown.back(), 5);
    playback().playPause();  // Pause clears the receive report
    playback().forward();
    // It lands on the first record of the Engine segment that follows, not one record further
    // on in the Error codes segment.
    EXPECT_EQ(context_->receiveReport()[0], 0);
    playTicks(1);
    EXPECT_EQ(view_.pagesShown.back(), 0);
}

TEST_F(PlaybackTest, BackOntoANewSegmentGivesTheOpenButtonTheFocus) {
    ASSERT_TRUE(playback().openRecording(segmentsRecording(10), OpenedFrom::Browser));
    playTicks(2);
    playback().playPause();
    playTicks(40);
    playback().back();
    EXPECT_EQ(view_.openFocused, 1);
    // Back to the very start is no new segment.
    view_.slider = 5;
    playback().sliderReleased();
    playback().back();
    EXPECT_EQ(view_.openFocused, 1);
}

// "<<" is offered from the third record on (there is a record two before it to go back to),
// ">>" up to the record before the end; each tick says so for the position it shows.
TEST_F(PlaybackTest, BackAndForwardAreOfferedByThePositionAtEachTick) {
    ASSERT_TRUE(playback().openRecording(engineRecording("ride.QLS", 20), OpenedFrom::Browser));
    playTicks(1);
    for (int slider : {1, 2, 3, 10, 16, 17}) {
        SCOPED_TRACE(slider);
        view_.slider = slider;
        playback().sliderReleased();
        const std::uint32_t position = state().playPosition;
        playTicks(1);
        EXPECT_EQ(view_.enabled(MainControl::Back), position > 2);
        EXPECT_EQ(view_.enabled(MainControl::Forward), position < 20);
    }
    // Playing from the start to the end: no ">>" there, and the last ten records count as near
    // the end.
    view_.slider = 0;
    playback().sliderReleased();
    playback().playPause();
    for (int tick = 0; tick < 25; ++tick) {
        playTicks(1);
        EXPECT_EQ(state().nearEnd, state().playPosition + 10 > 20 ? 1 : 0) << state().playPosition;
    }
    playTicks(1);
    EXPECT_EQ(state().playPosition, 20u);
    EXPECT_FALSE(view_.enabled(MainControl::Forward));
    EXPECT_TRUE(view_.enabled(MainControl::Back));
}

// Closing the recording forgets whose it was: no part number or model code is left for the
// next session, report or window to show.
TEST_F(PlaybackTest, ClosingTheRecordingClearsTheEcmPartNumberAndCode) {
    ASSERT_TRUE(playback().openRecording(engineRecording("ride.QLS", 20), OpenedFrom::Browser));
    playTicks(3);
    ASSERT_EQ(context_->ecm().partNumber, "71820-12F00");
    ASSERT_EQ(context_->ecm().code, "12F0");
    playback().close();
    EXPECT_TRUE(context_->ecm().partNumber.isEmpty());
    EXPECT_TRUE(context_->ecm().code.isEmpty());
    EXPECT_EQ(state().playback, 0);
    EXPECT_FALSE(view_.enabled(MainControl::SaveAs));
}

// A record whose page tag is beyond the eight pages (8 and up: a damaged record) is played but
// switches no page.
TEST_F(PlaybackTest, TagOfEightSwitchesNoPage) {
    RecordingBuilder recording;
    recording.addIdentification(0, "71820-12F00", "12F0");
    for (int i = 0; i < 4; ++i) recording.add(0, engineLiveFrame({{17, 1}}));
    recording.add(8, engineLiveFrame({{17, 2}}));
    for (int i = 0; i < 4; ++i) recording.add(0, engineLiveFrame({{17, 3}}));
    ASSERT_TRUE(recording.writeTo(path("tag8.QLS")));
    ASSERT_TRUE(playback().openRecording(path("tag8.QLS"), OpenedFrom::Browser));
    playTicks(2);
    playback().playPause();
    playTicks(15);
    EXPECT_EQ(state().playPosition, 11u);
    EXPECT_EQ(std::count(view_.pagesShown.begin(), view_.pagesShown.end(), 8), 0);
}

// A short segment right after the identification is still a segment of its own: "<<" from the
// segment after it lands in it, not at the very start.
TEST_F(PlaybackTest, BackLandsInAShortSegmentRightAfterTheIdentification) {
    RecordingBuilder recording;
    recording.addIdentification(0, "71820-12F00", "12F0");
    for (int i = 0; i < 2; ++i) recording.add(5, testing::troubleCodeAnswer({{0x01, 0x05, 0x60}}));
    for (int i = 0; i < 6; ++i) recording.add(0, engineLiveFrame({{17, 1}}));
    ASSERT_TRUE(recording.writeTo(path("short.QLS")));
    ASSERT_TRUE(playback().openRecording(path("short.QLS"), OpenedFrom::Browser));
    playTicks(1);
    view_.slider = 4;
    playback().sliderReleased();
    playback().back();
    EXPECT_EQ(view_.openFocused, 1);
    EXPECT_GE(view_.slider, 1);
    EXPECT_LE(view_.slider, 3);
}

TEST_F(PlaybackTest, PrintIsAvailableAfterACancelledOpenAndWhilePausedAfterTheGraph) {
    ASSERT_FALSE(view_.enabled(MainControl::Print));
    playback().openCommand([](const QString&) { return QString(); });
    EXPECT_TRUE(view_.enabled(MainControl::Print));

    ASSERT_TRUE(playback().openRecording(engineRecording("ride.QLS", 30), OpenedFrom::Browser));
    playTicks(2);
    playback().playPause();  // playing: no Print
    ASSERT_FALSE(view_.enabled(MainControl::Print));
    playback().graphCommand([](files::RecordingFile*) {});
    EXPECT_EQ(state().paused, 1);
    EXPECT_EQ(view_.playCaption, "Play");
    EXPECT_TRUE(view_.enabled(MainControl::Print));
}

TEST_F(PlaybackTest, ForwardOnASingleSegmentGoesToTheEndAndLeavesPlayAvailable) {
    ASSERT_TRUE(playback().openRecording(engineRecording("ride.QLS", 30), OpenedFrom::Browser));
    playTicks(2);
    playback().forward();
    EXPECT_EQ(state().playPosition, 30u);
    EXPECT_EQ(view_.slider, 30);
    playTicks(1);
    EXPECT_EQ(view_.playCaption, "Play");
    EXPECT_TRUE(view_.enabled(MainControl::Print));
    EXPECT_FALSE(view_.enabled(MainControl::Forward));
}

TEST_F(PlaybackTest, OpeningAsksBeforeTheLastSessionsRecordsAreGivenUp) {
    connectOnTab(0);
    ticks(12);
    controller().connectCommand();
    ASSERT_EQ(state().recordingOpen, 1);
    const QString file = engineRecording("ride.QLS", 20);
    view_.answers = {false};
    bool browsed = false;
    playback().openCommand([&](const QString&) {
        browsed = true;
        return file;
    });
    EXPECT_FALSE(browsed);
    EXPECT_EQ(state().playback, 0);
    EXPECT_EQ(state().recordingOpen, 1);

    view_.answers = {true};
    playback().openCommand([&](const QString& folder) {
        EXPECT_EQ(folder, context_->settings().openSave1);
        return file;
    });
    EXPECT_EQ(state().playback, 1);
    EXPECT_EQ(state().recordingOpen, 0);
    // The user gave them up for the file: they do not come back at the next start.
    EXPECT_FALSE(QFile::exists(recording_->path()));
}

// A live session of the simulated unit, saved; what the window showed of its ECM.
struct Recorded {
    QString partNumber;
    QString code;
};

TEST_F(PlaybackTest, EveryUnitsRecordingLoadsWithTheIdentityOfItsSession) {
    const struct {
        UnitKind kind;
        bool secondScheme;
        int tab;
    } units[] = {{UnitKind::Engine, false, 0},        {UnitKind::Engine, true, 0}, {UnitKind::Transmission, false, 1},
                 {UnitKind::EngineTransmission, false, 2}, {UnitKind::Abs, false, 3}, {UnitKind::Eps, false, 4}};
    for (const auto& unit : units) {
        SCOPED_TRACE(::testing::PrintToString(static_cast<int>(unit.kind)) + (unit.secondScheme ? " alt" : ""));
        sim::UnitProfile profile = sim::defaultProfile(unit.kind, unit.secondScheme ? "13K0" : "");
        profile.secondScheme = unit.secondScheme;
        use(profile);
        view_ = testing::FakeMainView{};
        connectOnTab(unit.tab);
        const Recorded live{view_.partNumber, context_->ecm().code};
        const bool liveAlt = state().altListVariant != 0;
        ticks(12);
        controller().connectCommand();
        ASSERT_TRUE(controller().saveRecordingAs(path("unit.QLS")));

        ASSERT_TRUE(playback().openRecording(path("unit.QLS"), OpenedFrom::Browser));
        EXPECT_EQ(view_.partNumber, live.partNumber);
        EXPECT_EQ(context_->ecm().code, live.code);
        EXPECT_EQ(state().altListVariant != 0, liveAlt);
        EXPECT_EQ(liveAlt, unit.secondScheme);
        playback().close();
    }
}

TEST_F(PlaybackTest, RetriedIdentificationTakesTheAnswersTheSessionWentOnWith) {
    // A first-scheme engine whose first part-number answers were not good, as the connection
    // records them: each answer twice.
    RecordingBuilder retried;
    for (int i = 0; i < 3; ++i) {
        retried.add(0, testing::partNumberAnswer("?"));
        retried.add(0, testing::partNumberAnswer("?"));
    }
    retried.add(0, testing::partNumberAnswer("71820-12F00"));
    retried.add(0, testing::partNumberAnswer("71820-12F00"));
    retried.add(0, testing::modelCodeAnswer("12F0"));
    retried.add(0, testing::modelCodeAnswer("12F0"));
    for (int i = 0; i < 10; ++i) retried.add(0, engineLiveFrame({{17, 1}}));
    ASSERT_TRUE(retried.writeTo(path("retried.QLS")));
    ASSERT_TRUE(playback().openRecording(path("retried.QLS"), OpenedFrom::Browser));
    EXPECT_EQ(view_.partNumber, "71820-12F00");
    EXPECT_EQ(context_->ecm().code, "12F0");
    EXPECT_EQ(state().altListVariant, 0);
    playback().close();

    // A second-scheme engine: two "12 31" markers, each recorded twice, then the second
    // scheme's answers.
    RecordingBuilder second;
    const link::Frame marker = link::buildResponse(
        link::address::kEngine, std::vector<std::uint8_t>{0x5A, 0x91, 0x12, 0x31, 0x20, 0x20, 0x20, 0x20, 0x20,
                                                          0x20, 0x20, 0x20, 0x20});
    for (int i = 0; i < 4; ++i) second.add(0, marker);
    second.addIdentification(0, "32920-31J00", "31J0", true);
    second.add(0, engineLiveFrame({{17, 10}}, 0x00));
    ASSERT_TRUE(second.writeTo(path("second.QLS")));
    ASSERT_TRUE(playback().openRecording(path("second.QLS"), OpenedFrom::Browser));
    EXPECT_EQ(view_.partNumber, "32920-31J00");
    EXPECT_EQ(context_->ecm().code, "31J0");
    EXPECT_EQ(state().altListVariant, 1);
}

TEST_F(PlaybackTest, RecordingLeftByAnEarlierRunIsKeptForSaving) {
    RecordingBuilder leftover;
    leftover.addIdentification(0, "71820-12F00", "12F0");
    for (int i = 0; i < 18; ++i) leftover.add(0, engineLiveFrame({{17, 1}}));
    QByteArray bytes = leftover.bytes();
    bytes.append("partial record");
    ASSERT_TRUE(testing::writeFile(recording_->path(), bytes));

    EXPECT_EQ(controller().adoptLeftoverRecording(), 20u);
    EXPECT_EQ(state().recordingOpen, 1);
    EXPECT_EQ(QFile(recording_->path()).size(), 20 * 65);
    EXPECT_TRUE(view_.enabled(MainControl::SaveAs));

    // A new session asks before the records go, and says plainly that they would be lost.
    view_.answers = {false};
    powerUp();
    controller().connectCommand();
    EXPECT_EQ(view_.questions.back(), Question::DiscardLeftover);
    EXPECT_EQ(state().connected, 0);
    ASSERT_TRUE(controller().saveRecordingAs(path("kept.QLS")));
    EXPECT_EQ(QFile(path("kept.QLS")).size(), 20 * 65);
}

}  // namespace
}  // namespace quilldar::app
