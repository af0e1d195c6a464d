// How a live session copes with a user who takes their time, a module that goes quiet or slow,
// and a run that connects to several units one after the other.

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QRegularExpression>
#include <chrono>

#include "link/module_commands.h"
#include "link/page_lists.h"
#include "sim/virtual_unit.h"
#include "support/session_fixture.h"

namespace quilldar::app {
namespace {

using namespace std::chrono_literals;
using sim::UnitKind;
using testing::SessionTest;

// Longer than the 2 s after which the link's wait timer gives up on a link nobody waits on.
constexpr auto kSlowAnswer = 3000ms;

bool listNames(const link::Report& command, std::uint8_t slotNumber) {
    if (!link::payloadStartsWith(command, "List")) return false;
    for (std::size_t i = link::commands::kFirstParameter; i < link::kReportSize && command[i] != 0; ++i)
        if (command[i] == slotNumber) return true;
    return false;
}

// Real-time cases: the user answers after the link's idle time would have run out.
using SlowUserTest = SessionTest;

TEST_F(SlowUserTest, YesAfterThreeSecondsToTheUnsavedQuestionStillConnects) {
    connectOnTab(0);
    ticks(12);
    controller().connectCommand();  // Disconnect: the records are not saved
    ASSERT_EQ(state().recordingOpen, 1);
    powerUp();

    view_.answerDelay = kSlowAnswer;
    view_.answers = {true};
    controller().connectCommand();
    ASSERT_EQ(view_.questions.back(), Question::UnsavedContinue);
    EXPECT_EQ(state().connected, 1);
    EXPECT_TRUE(view_.disconnectCaption);
    EXPECT_TRUE(view_.messages.empty());
}

TEST_F(SlowUserTest, YesAfterThreeSecondsToClearErrorsStillClears) {
    connectOnTab(0);
    ticks(2);
    ASSERT_EQ(state().dtcCount, 2);
    const int paintsBefore = view_.paints;

    view_.answerDelay = kSlowAnswer;
    controller().clearErrorsCommand();
    EXPECT_EQ(view_.clears, 1);
    EXPECT_TRUE(state().isLinkOpen());
    EXPECT_EQ(state().listState, link::list_state::kNone);
    const auto* engine = dynamic_cast<sim::VirtualUnit*>(module().vehicle().unitAt(link::address::kEngine));
    ASSERT_NE(engine, nullptr);
    EXPECT_TRUE(engine->troubleCodes().empty());
    // The pause after the clear request keeps the window painted.
    EXPECT_GE(view_.paints - paintsBefore, 3);
    ticks(20);
    EXPECT_EQ(state().connected, 1);
    EXPECT_EQ(state().dtcCount, 0);
}

TEST_F(SlowUserTest, RecordingFailureLeftOpenForThreeSecondsDoesNotBreakTheConnect) {
    recording_ = std::make_unique<files::TemporaryRecording>(folder_.path() + "/missing");
    controller_ = std::make_unique<SessionController>(*context_, view_, *recording_);
    view_.answerDelay = kSlowAnswer;
    connectOnTab(0);
    ticks(3);
    EXPECT_EQ(state().connected, 1);
    EXPECT_EQ(std::count(view_.messages.begin(), view_.messages.end(), Message::RecordingFailed), 1);
    EXPECT_EQ(std::count(view_.messages.begin(), view_.messages.end(), Message::CommunicationFailed), 0);
}

TEST_F(SessionTest, MutedModuleEndsTheSessionAtTheNextTickAndKeepsTheRecords) {
    connectOnTab(0);
    ticks(12);
    module().muteUntilReopened();
    // A reply already on its way may still be taken; the first tick without one loses the link.
    for (int i = 0; i < 3 && state().isLinkOpen(); ++i) controller().tick();
    ASSERT_FALSE(state().isLinkOpen());
    const std::uint32_t records = state().recordCount;

    controller().tick();
    EXPECT_EQ(state().connected, 0);
    EXPECT_EQ(controller().lastSessionEnd(), SessionEnd::LinkLost);
    EXPECT_TRUE(view_.messages.empty());
    EXPECT_FALSE(view_.disconnectCaption);
    EXPECT_EQ(state().recordingOpen, 1);
    EXPECT_EQ(state().recordCount, records);
    EXPECT_EQ(QFileInfo(recording_->path()).size(), static_cast<qint64>(records) * 65);
    EXPECT_TRUE(view_.enabled(MainControl::SaveAs));
    // The same tick reopened the module, which answers again, and greeted it.
    EXPECT_TRUE(state().isLinkOpen());
    EXPECT_EQ(view_.hardwareFieldsShown(), HardwareFields::Known);
    EXPECT_TRUE(view_.enabled(MainControl::Connect));
}

TEST_F(SessionTest, TooSlowModuleEndsTheSessionAndConnectStaysOffUntilItAnswers) {
    connectOnTab(0);
    ticks(12);
    module().setReplyDelay(1600ms);
    for (int i = 0; i < 4 && state().connected; ++i) controller().tick();
    ASSERT_EQ(state().connected, 0);
    EXPECT_EQ(controller().lastSessionEnd(), SessionEnd::LinkLost);
    controller().tick();  // the greeting of the reopened module fails as well
    EXPECT_FALSE(view_.enabled(MainControl::Connect));

    // A click that gets through anyway asks nothing and keeps the unsaved records.
    const std::uint32_t records = state().recordCount;
    controller().connectCommand();
    EXPECT_TRUE(view_.questions.empty());
    EXPECT_EQ(state().recordingOpen, 1);
    EXPECT_EQ(state().recordCount, records);

    module().setReplyDelay(0ms);
    controller().tick();
    EXPECT_TRUE(view_.enabled(MainControl::Connect));
}

TEST_F(SessionTest, SecondSchemeEngineThenTransmissionUsesTheTransmissionListsOnly) {
    sim::UnitProfile engine = sim::defaultProfile(UnitKind::Engine, "13K0");
    engine.secondScheme = true;
    sim::UnitProfile transmission = sim::defaultProfile(UnitKind::Transmission);
    transmission.troubleCodes = {{0x07, 0x00, 0x60}};
    use({engine, transmission});

    connectOnTab(0);
    ASSERT_EQ(state().altListVariant, 1);
    ticks(3);
    controller().connectCommand();  // Disconnect
    EXPECT_EQ(state().altListVariant, 0);

    controller().tick();
    view_.selected = 1;
    controller().tick();
    std::size_t first = module().commandsReceived().size();
    controller().connectCommand();
    ASSERT_EQ(state().connected, 1);
    ASSERT_EQ(state().systemKind, 2);
    ticks(5);
    // The transmission's trouble-code count, and its lists: never the engine's slot 23.
    EXPECT_EQ(state().dtcCount, 1);
    const auto sent = module().commandsReceived();
    for (std::size_t i = first; i < sent.size(); ++i) EXPECT_FALSE(listNames(sent[i], 23)) << "command " << i;
    EXPECT_EQ(module().pollingList(), link::polling_list::errorCodes(false));

    // A wrong checksum is caught again.
    module().corruptNextResponse();
    bool blanked = false;
    for (int i = 0; i < 5 && !blanked; ++i) {
        controller().tick();
        blanked = link::frameByte(context_->receiveReport(), 0) == 0;
    }
    EXPECT_TRUE(blanked);
}

TEST_F(SessionTest, WindowKeepsPaintingWhileATickWaitsForASlowReply) {
    module().setTroubleCodes(link::address::kEngine, {});
    connectOnTab(0);
    controller().tick();
    module().setReplyDelay(400ms);
    const int before = view_.paints;
    ticks(2);
    EXPECT_EQ(state().connected, 1);
    EXPECT_TRUE(state().isLinkOpen());
    // Replies 400 ms apart: the window is painted every 30 ms or so meanwhile.
    EXPECT_GE(view_.paints - before, 5);
}

TEST_F(SessionTest, FieldsSayWhyNoModuleCanBeUsed) {
    module().unplug();
    controller().tick();
    EXPECT_EQ(view_.hardwareFieldsShown(), HardwareFields::Unknown);
    EXPECT_FALSE(view_.hint.isEmpty());
    EXPECT_FALSE(view_.hintExplanation.isEmpty());
    // Plugged in, the module's own identity replaces the hint.
    module().replug();
    controller().tick();
    EXPECT_EQ(view_.hardwareFieldsShown(), HardwareFields::Known);
    EXPECT_TRUE(view_.hint.isEmpty());
}

TEST_F(SessionTest, ASessionThatEndsByItselfSaysWhenAndWhyUntilTheNextConnect) {
    const QRegularExpression ended(QStringLiteral("^Session ended at \\d\\d:\\d\\d:\\d\\d: (.*?)\\.( (\\d+) records kept for Save As\\.)?$"));
    // Pulled off the port: the reads fail.
    connectOnTab(0);
    ticks(12);
    module().unplug();
    for (int i = 0; i < 4 && state().connected; ++i) controller().tick();
    ASSERT_EQ(state().connected, 0);
    QRegularExpressionMatch match = ended.match(view_.sessionEndLine);
    ASSERT_TRUE(match.hasMatch()) << view_.sessionEndLine.toStdString();
    EXPECT_EQ(match.captured(1), "Module unplugged");
    EXPECT_EQ(match.captured(3).toUInt(), state().recordCount);
    EXPECT_TRUE(view_.messages.empty());  // a line, not a message box

    module().replug();
    powerUp();
    EXPECT_FALSE(view_.sessionEndLine.isEmpty());  // it stays until the next Connect
    view_.answers = {true};  // give the unsaved records up
    view_.selected = 0;
    controller().connectCommand();
    ASSERT_EQ(state().connected, 1);
    EXPECT_TRUE(view_.sessionEndLine.isEmpty());

    // Silent: the waits go unanswered.
    ticks(12);
    module().muteUntilReopened();
    for (int i = 0; i < 4 && state().connected; ++i) controller().tick();
    ASSERT_EQ(state().connected, 0);
    match = ended.match(view_.sessionEndLine);
    ASSERT_TRUE(match.hasMatch()) << view_.sessionEndLine.toStdString();
    EXPECT_EQ(match.captured(1), "No reply from the module");

    // The user's own Disconnect needs no line.
    view_.answers = {true};
    controller().connectCommand();
    ASSERT_EQ(state().connected, 1);
    controller().connectCommand();
    EXPECT_TRUE(view_.sessionEndLine.isEmpty());
}

}  // namespace
}  // namespace quilldar::app
