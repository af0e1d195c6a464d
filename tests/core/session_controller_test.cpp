#include "app/session_controller.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app/tab_map.h"
#include "link/module_replies.h"
#include "link/page_lists.h"
#include "support/session_fixture.h"

namespace quilldar::app {
namespace {

using sim::UnitKind;
using testing::SessionTest;

TEST_F(SessionTest, ThirtyPowerOkEnableConnectAndNoPowerDisablesIt) {
    controller().tick();
    EXPECT_EQ(view_.hardwareFieldsShown(), HardwareFields::Known);
    EXPECT_EQ(view_.hardwareId, "Q21");
    EXPECT_EQ(view_.hardwareSerial, "004217");
    ticks(link::kPowerStableCount - 2);
    EXPECT_FALSE(view_.enabled(MainControl::Connect));
    controller().tick();
    EXPECT_TRUE(view_.enabled(MainControl::Connect));

    // Not on the tabs without a unit.
    view_.selected = 5;
    controller().tick();
    EXPECT_FALSE(view_.enabled(MainControl::Connect));
    view_.selected = 0;

    module().setVehiclePower(false);
    controller().tick();
    EXPECT_FALSE(view_.enabled(MainControl::Connect));
    module().setVehiclePower(true);
    controller().tick();
    EXPECT_FALSE(view_.enabled(MainControl::Connect));
    EXPECT_EQ(state().powerOkCount, 1);
}

TEST_F(SessionTest, ConnectIdentifiesTheUnitAndEachTickRecordsOneReply) {
    module().setTroubleCodes(link::address::kEngine, {});
    connectOnTab(0);
    EXPECT_TRUE(view_.disconnectCaption);
    EXPECT_EQ(view_.partNumber, "71820-12F00");
    EXPECT_EQ(context_->ecm().code, "12F0");
    EXPECT_TRUE(view_.enabled(MainControl::Print));
    const std::uint32_t afterConnect = state().recordCount;
    EXPECT_GE(afterConnect, 2u);  // the identification replies

    ticks(10);
    EXPECT_EQ(state().recordCount, afterConnect + 10);
    EXPECT_EQ(view_.tabs, (std::vector<std::uint16_t>{0, 5, 6, 7}));
    EXPECT_EQ(view_.troubleCodeCount, 0);
    EXPECT_FALSE(view_.enabled(MainControl::Open));
    EXPECT_FALSE(view_.enabled(MainControl::Settings));
    const link::Report shown = context_->receiveReport();
    EXPECT_EQ(link::frameByte(shown, 4), 0x61);
    EXPECT_EQ(shown[0], 0);  // the page tag of the recorded live page

    QFile file(recording_->path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.size(), static_cast<qint64>(state().recordCount) * 65);
}

TEST_F(SessionTest, EveryUnitConnectsFromItsTab) {
    const UnitKind kinds[] = {UnitKind::Transmission, UnitKind::EngineTransmission, UnitKind::Abs, UnitKind::Eps};
    for (int tab = 1; tab <= 4; ++tab) {
        SCOPED_TRACE(tab);
        use(sim::defaultProfile(kinds[tab - 1]));
        view_ = testing::FakeMainView{};
        connectOnTab(tab);
        EXPECT_EQ(state().systemKind, tab + 1);
        controller().tick();
        EXPECT_EQ(view_.tabs, pageTabMap(static_cast<std::uint16_t>(tab + 1), false));
        EXPECT_EQ(view_.shownPage, tab);
    }
}

TEST_F(SessionTest, WindowKeepsPaintingWhileAConnectWaitsForTheModule) {
    use(sim::defaultProfile(UnitKind::Abs));
    powerUp();
    view_.selected = 3;
    controller().tick();
    controller().connectCommand();
    ASSERT_EQ(state().connected, 1);
    EXPECT_GE(view_.paints, 1);  // at least the pause before the first "List"
    const int during = view_.paints;
    ticks(3);
    EXPECT_EQ(view_.paints, during);  // replies that come at once need no painting in between
}

TEST_F(SessionTest, ConnectErrorShowsCommunicationFailed) {
    powerUp();
    module().failNextStart(link::replies::kConnectError);
    controller().connectCommand();
    EXPECT_EQ(state().connected, 0);
    EXPECT_EQ(view_.messages, std::vector<Message>{Message::CommunicationFailed});
    EXPECT_FALSE(view_.busy);
}

TEST_F(SessionTest, StoredCodesSwitchToTheErrorCodesPageOncePerSession) {
    connectOnTab(0);
    controller().tick();
    controller().tick();
    EXPECT_EQ(state().dtcCount, 2);
    EXPECT_EQ(state().currentPage, link::page::kErrorCodes);
    EXPECT_EQ(view_.selected, 1);
    EXPECT_TRUE(view_.enabled(MainControl::ClearErrors));

    controller().tabClicked(0);
    ticks(3);
    EXPECT_EQ(state().currentPage, link::page::kEngine);  // no second switch
    controller().clearErrorsCommand();
    EXPECT_EQ(view_.clears, 1);
    // The module streams every 2 ms here: a few ticks pass before a reply after the change.
    ticks(20);
    EXPECT_EQ(state().dtcCount, 0);

    // New codes later in the same session do not switch again.
    module().setTroubleCodes(link::address::kEngine, {{0x01, 0x10, 0x60}});
    ticks(20);
    EXPECT_EQ(state().dtcCount, 1);
    EXPECT_EQ(state().currentPage, link::page::kEngine);
}

TEST_F(SessionTest, ChangingPagesSendsEachListOnce) {
    module().setTroubleCodes(link::address::kEngine, {});
    connectOnTab(0);
    controller().tick();
    std::size_t seen = module().commandsReceived().size();
    controller().tabClicked(1);  // Error codes
    ticks(3);
    EXPECT_EQ(listsSentSince(seen), 1);
    EXPECT_EQ(module().pollingList(), (std::vector<std::uint8_t>{5, 5, 3}));
    controller().tabClicked(0);
    ticks(3);
    EXPECT_EQ(listsSentSince(seen), 1);
    EXPECT_EQ(module().pollingList(), (std::vector<std::uint8_t>{3}));
}

TEST_F(SessionTest, DisconnectedEndsTheSessionWithItsMessage) {
    connectOnTab(0);
    ticks(12);
    module().loseControlUnit();
    for (int i = 0; i < 5 && state().connected; ++i) controller().tick();
    EXPECT_EQ(state().connected, 0);
    EXPECT_EQ(view_.messages, std::vector<Message>{Message::CommunicationError});
    EXPECT_TRUE(view_.timerRunning);
    EXPECT_EQ(state().listState, link::list_state::kNone);
    EXPECT_EQ(state().autoErrorPage, 1);
    EXPECT_TRUE(view_.enabled(MainControl::SaveAs));  // more than ten records were kept
}

TEST_F(SessionTest, UnplugMidSessionResetsAndReplugIsFound) {
    connectOnTab(0);
    ticks(2);
    module().unplug();
    // A reply still on its way may be taken first; the session ends at the tick after the
    // link was found lost.
    for (int i = 0; i < 10 && state().connected; ++i) controller().tick();
    EXPECT_EQ(state().connected, 0);
    EXPECT_TRUE(view_.messages.empty());  // a lost link ends the session silently
    EXPECT_EQ(view_.hardwareFieldsShown(), HardwareFields::Unknown);
    EXPECT_FALSE(view_.enabled(MainControl::Connect));

    module().replug();
    controller().tick();
    EXPECT_TRUE(state().isLinkOpen());
    EXPECT_EQ(view_.hardwareFieldsShown(), HardwareFields::Known);
}

TEST_F(SessionTest, DisconnectStopsTheModuleAndKeepsTheRecordingForSaving) {
    connectOnTab(0);
    ticks(12);
    controller().connectCommand();  // Disconnect
    EXPECT_EQ(state().connected, 0);
    EXPECT_EQ(state().recordingOpen, 1);
    EXPECT_TRUE(view_.enabled(MainControl::SaveAs));
    const auto sent = module().commandsReceived();
    ASSERT_GE(sent.size(), 2u);
    EXPECT_TRUE(link::payloadStartsWith(sent[sent.size() - 1], "Stop"));
    EXPECT_TRUE(link::payloadStartsWith(sent[sent.size() - 2], "Stop"));

    // Connecting again asks about the unsaved recording; No leaves everything as it was.
    view_.answers = {false};
    powerUp();
    const std::uint32_t records = state().recordCount;
    controller().connectCommand();
    EXPECT_EQ(view_.questions.back(), Question::UnsavedContinue);
    EXPECT_EQ(state().connected, 0);
    EXPECT_EQ(state().recordCount, records);
    EXPECT_EQ(state().recordingOpen, 1);
}

TEST_F(SessionTest, SaveAsMovesTheRecordingAndRemembersTheFolder) {
    connectOnTab(0);
    ticks(12);
    EXPECT_FALSE(controller().saveRecordingAs(folder_.filePath("live.QLS")));  // not during a session
    controller().connectCommand();  // Disconnect
    const std::uint32_t records = state().recordCount;

    // A folder that does not exist: the user is told and the recording stays.
    EXPECT_FALSE(controller().saveRecordingAs(folder_.filePath("missing/ride.QLS")));
    EXPECT_EQ(view_.messages.back(), Message::SaveFailed);
    EXPECT_EQ(state().recordingOpen, 1);

    const QString target = folder_.filePath("ride.QLS");
    ASSERT_TRUE(controller().saveRecordingAs(target));
    EXPECT_EQ(QFileInfo(target).size(), static_cast<qint64>(records) * 65);
    EXPECT_FALSE(view_.enabled(MainControl::SaveAs));
    EXPECT_EQ(state().recordingOpen, 0);
    EXPECT_EQ(context_->settings().openSave1, folder_.path());
}

TEST_F(SessionTest, BadChecksumIsRecordedButNotShown) {
    module().setTroubleCodes(link::address::kEngine, {});
    connectOnTab(0);
    controller().tick();
    module().corruptNextResponse();
    bool blanked = false;
    for (int i = 0; i < 5 && !blanked; ++i) {
        controller().tick();
        blanked = link::frameByte(context_->receiveReport(), 0) == 0;
    }
    EXPECT_TRUE(blanked);
    // The recording holds the reply as it came.
    QFile file(recording_->path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    int badRecords = 0;
    for (qsizetype at = 0; at + 65 <= bytes.size(); at += 65) {
        link::Report r{};
        std::copy_n(bytes.constData() + at, 65, reinterpret_cast<char*>(r.data()));
        if (link::frameByte(r, 0) == 0x80 && !link::responseChecksumOk(r)) ++badRecords;
    }
    EXPECT_EQ(badRecords, 1);
}

TEST_F(SessionTest, SecondCopyStaysOfflineAndNeverOpensTheModule) {
    state().offlineInstance = 1;
    ticks(40);
    EXPECT_EQ(view_.hardwareFieldsShown(), HardwareFields::Offline);
    EXPECT_FALSE(module().isOpen());
    EXPECT_TRUE(module().commandsReceived().empty());
    EXPECT_FALSE(view_.enabled(MainControl::Connect));
}

TEST_F(SessionTest, RejectedModuleIsNeverUsed) {
    module().setModuleType('0');
    controller().tick();
    // The user sees which module was found before it is set aside.
    EXPECT_EQ(view_.hardwareId, "Q21");
    EXPECT_EQ(view_.hardwareSerial, "004217");
    ticks(2);
    EXPECT_EQ(state().adapterRejected, 1);
    EXPECT_FALSE(state().isLinkOpen());
    EXPECT_EQ(view_.hardwareFieldsShown(), HardwareFields::Unknown);
    EXPECT_FALSE(view_.enabled(MainControl::Connect));
}

TEST_F(SessionTest, ClosingWithUnsavedRecordsAsksAndNoKeepsRunning) {
    connectOnTab(0);
    ticks(3);
    controller().connectCommand();
    view_.answers = {false};
    EXPECT_FALSE(controller().shutdown());
    EXPECT_TRUE(view_.timerRunning);
    EXPECT_EQ(state().exiting, 0);
    view_.answers = {true};
    EXPECT_TRUE(controller().shutdown());
    EXPECT_EQ(state().exiting, 1);
    // The user chose to lose the records: the next start does not offer them again.
    EXPECT_FALSE(QFile::exists(recording_->path()));
}

TEST_F(SessionTest, UnwritableRecordingIsReportedOnceAndTheSessionGoesOn) {
    recording_ = std::make_unique<files::TemporaryRecording>(folder_.path() + "/missing");
    controller_ = std::make_unique<SessionController>(*context_, view_, *recording_);
    connectOnTab(0);
    ticks(5);
    EXPECT_EQ(state().connected, 1);
    EXPECT_EQ(std::count(view_.messages.begin(), view_.messages.end(), Message::RecordingFailed), 1);
    EXPECT_FALSE(view_.lastDetail.isEmpty());
}

}  // namespace
}  // namespace quilldar::app
