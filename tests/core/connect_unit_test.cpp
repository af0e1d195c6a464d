#include "link/connect_unit.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "link/hid_link.h"
#include "link/link_handshake.h"
#include "link/module_commands.h"
#include "link/module_replies.h"
#include "link/request_slots.h"
#include "support/sim_link_fixture.h"

namespace quilldar::link {
namespace {

class RecordingObserver : public ConnectObserver {
public:
    void showPartNumber(const QString& partNumber) override { shownPartNumbers.append(partNumber); }
    void communicationFailed() override { ++failures; }
    void recordReport() override { ++recorded; }

    QStringList shownPartNumbers;
    int failures = 0;
    int recorded = 0;
};

class ConnectTest : public testing::SimLinkTest {
protected:
    void connect(ControlUnit unit) {
        ASSERT_TRUE(link().ReopenInterface());
        ASSERT_TRUE(LinkHandshake(link(), state(), module_identity_));
        ConnectUnit(link(), state(), unit, identity_, observer_);
    }
    // Every "List" command the module received, as its slot lists.
    std::vector<std::vector<std::uint8_t>> listsSent() {
        std::vector<std::vector<std::uint8_t>> lists;
        for (const Report& sent : module().commandsReceived()) {
            if (!payloadStartsWith(sent, "List")) continue;
            std::vector<std::uint8_t> slotNumbers;
            for (std::size_t i = 7; i < kReportSize && sent[i] != 0; ++i) slotNumbers.push_back(sent[i]);
            lists.push_back(slotNumbers);
        }
        return lists;
    }
    int startsSent() {
        int starts = 0;
        for (const Report& sent : module().commandsReceived()) starts += payloadStartsWith(sent, "Start");
        return starts;
    }

    ModuleIdentity module_identity_;
    EcmIdentity identity_;
    RecordingObserver observer_;
};

TEST_F(ConnectTest, EveryUnitConnectsAndIdentifies) {
    const struct {
        sim::UnitKind kind;
        ControlUnit unit;
        const char* code;
        std::vector<std::uint8_t> streaming;
    } cases[] = {
        {sim::UnitKind::Engine, ControlUnit::Engine, "12F0", {3}},
        {sim::UnitKind::Transmission, ControlUnit::Transmission, "20J0", {3}},
        {sim::UnitKind::EngineTransmission, ControlUnit::EngineTransmission, "26J0", {3, 18}},
        {sim::UnitKind::Abs, ControlUnit::Abs, "27G0", {3, 6}},
        {sim::UnitKind::Eps, ControlUnit::Eps, "31H0", {3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        build(sim::defaultProfile(c.kind, c.code));
        identity_.clear();
        connect(c.unit);
        EXPECT_EQ(state().connected, 1);
        EXPECT_EQ(state().systemKind, static_cast<std::uint16_t>(c.unit));
        EXPECT_EQ(state().listState, 0);
        EXPECT_EQ(state().altListVariant, 0);
        EXPECT_EQ(identity_.code, c.code);
        EXPECT_EQ(identity_.partNumber, QString::fromStdString(sim::defaultProfile(c.kind, c.code).partNumber));
        EXPECT_EQ(observer_.failures, 0);
        EXPECT_GE(observer_.recorded, 2);  // both identification replies are kept
        EXPECT_EQ(module().pollingList(), c.streaming);
        for (const std::uint8_t s : unitSetup(c.unit).slotNumbers)
            EXPECT_EQ(module().slot(s), requestSlot(c.unit, s)) << "slot " << int(s);
    }
}

TEST_F(ConnectTest, TimerErrorOnTheFirstStartRestartsTheSequence) {
    module().failNextStart(replies::kTimerError);
    connect(ControlUnit::Engine);
    EXPECT_EQ(state().connected, 1);
    EXPECT_EQ(startsSent(), 2);
    EXPECT_EQ(observer_.failures, 0);
}

TEST_F(ConnectTest, ConnectErrorReportsCommunicationFailed) {
    build(sim::defaultProfile(sim::UnitKind::Abs));
    module().failNextStart(replies::kConnectError);
    connect(ControlUnit::Abs);
    EXPECT_EQ(state().connected, 0);
    EXPECT_EQ(observer_.failures, 1);
    EXPECT_TRUE(state().isLinkOpen());
}

TEST_F(ConnectTest, UnitThatIsNotThereReportsCommunicationFailed) {
    // An engine on the line, but the user asked for the steering unit.
    connect(ControlUnit::Eps);
    EXPECT_EQ(state().connected, 0);
    EXPECT_EQ(observer_.failures, 1);
}

TEST_F(ConnectTest, WrongListCountRestartsTheTransmissionSequence) {
    build(sim::defaultProfile(sim::UnitKind::Transmission));
    ASSERT_TRUE(link().ReopenInterface());
    ASSERT_TRUE(LinkHandshake(link(), state(), module_identity_));
    // "InitL", "Init0" and "DisC." arrive, the definition of slot 1 goes missing: the module
    // counts 7 commands, not 8.
    module().loseCommandAfter(3);
    ConnectUnit(link(), state(), ControlUnit::Transmission, identity_, observer_);
    EXPECT_EQ(state().connected, 1);
    int initLines = 0;
    for (const Report& sent : module().commandsReceived()) initLines += payloadStartsWith(sent, "InitL");
    EXPECT_EQ(initLines, 2);
    EXPECT_EQ(module().lineSetupUsed(), 5);
    EXPECT_EQ(module().slot(1), requestSlot(ControlUnit::Transmission, 1));
}

TEST_F(ConnectTest, EngineOfTheSecondSchemeSetsTheAlternativeLists) {
    sim::UnitProfile profile = sim::defaultProfile(sim::UnitKind::Engine, "13K0");
    profile.secondScheme = true;
    build(profile);
    connect(ControlUnit::Engine);
    EXPECT_EQ(state().connected, 1);
    EXPECT_EQ(state().altListVariant, 1);
    EXPECT_EQ(identity_.code, "13K0");
    EXPECT_EQ(identity_.partNumber, "71820-13K00");
    EXPECT_EQ(module().pollingList(), (std::vector<std::uint8_t>{23}));
    // Straight to slots 21 and 22 after the first part-number reply.
    const auto lists = listsSent();
    EXPECT_EQ(std::count(lists.begin(), lists.end(), std::vector<std::uint8_t>{1}), 2);  // before Start, and once
}

TEST_F(ConnectTest, EngineWithoutAGoodPartNumberIsAskedFiveTimesThenTheSecondScheme) {
    build(sim::defaultProfile(sim::UnitKind::Engine));
    // An ECM whose 1A 91 reply has no '-' where a part number has one.
    auto* unit = dynamic_cast<sim::VirtualUnit*>(module().vehicle().unitAt(address::kEngine));
    ASSERT_NE(unit, nullptr);
    unit->setIdentification(0x91, {'7', '1', '8', '2', '0', 'X', '1', '2', 'F', '0', '0'});
    unit->setIdentification(0x8E, {'7', '1', '8', '2', '0', '-', '1', '2', 'F', '0', '0'});
    unit->setIdentification(0x8A, {'S', 'W', '0', '1', '0', '4', '1', '2', 'F', '0'});
    unit->setLocalData(0x00, [](double) { return sim::ServiceBytes(49, 0); }, true);
    connect(ControlUnit::Engine);
    EXPECT_EQ(state().connected, 1);
    EXPECT_EQ(state().altListVariant, 1);
    const auto lists = listsSent();
    // One "List 1" before "Start", then five part-number requests.
    EXPECT_EQ(std::count(lists.begin(), lists.end(), std::vector<std::uint8_t>{1}), 6);
    EXPECT_EQ(std::count(lists.begin(), lists.end(), std::vector<std::uint8_t>{21}), 1);
    EXPECT_EQ(observer_.shownPartNumbers.last(), "71820-12F00");
}

TEST_F(ConnectTest, LostLinkEndsTheAttemptSilently) {
    ASSERT_TRUE(link().ReopenInterface());
    ASSERT_TRUE(LinkHandshake(link(), state(), module_identity_));
    module().unplug();
    ConnectUnit(link(), state(), ControlUnit::Engine, identity_, observer_);
    EXPECT_EQ(state().connected, 0);
    EXPECT_EQ(observer_.failures, 0);
    EXPECT_FALSE(state().isLinkOpen());
}

// Keeps every report the sequence asked to record, as it stood then.
class KeepingObserver : public ConnectObserver {
public:
    explicit KeepingObserver(HidLink& link) : link_(link) {}
    void showPartNumber(const QString&) override {}
    void communicationFailed() override { ++failures; }
    void recordReport() override { recorded.push_back(link_.reply()); }

    std::vector<Report> recorded;
    int failures = 0;

private:
    HidLink& link_;
};

TEST_F(ConnectTest, StaleRepliesBeforeTheAnswersDoNotConfuseTheEngineIdentification) {
    // The line takes 100 ms per request, so that no response is in flight when a list changes.
    build(sim::defaultProfile(sim::UnitKind::Engine), sim::ModuleTiming{std::chrono::milliseconds(0),
                                                                         std::chrono::milliseconds(100)});
    module().sendStaleReplies();
    KeepingObserver keeping(link());
    ASSERT_TRUE(link().ReopenInterface());
    ASSERT_TRUE(LinkHandshake(link(), state(), module_identity_));
    ConnectUnit(link(), state(), ControlUnit::Engine, identity_, keeping);
    ASSERT_EQ(state().connected, 1);
    EXPECT_EQ(keeping.failures, 0);
    EXPECT_EQ(identity_.partNumber, "71820-12F00");
    EXPECT_EQ(identity_.code, "12F0");
    for (const Report& r : keeping.recorded) {
        EXPECT_EQ(frameByte(r, 4), 0x5A);
        EXPECT_TRUE(frameByte(r, 5) == 0x91 || frameByte(r, 5) == 0x9A);
    }

    // WaitReplyFor takes the old live-data reply first and stops at the very next report, the
    // part number, rather than reading on.
    ASSERT_TRUE(link().WaitReport());
    commands::list(command(), {slot::kPartNumber});
    link().SendReport();
    keeping.recorded.clear();
    const std::uint64_t before = link().repliesTaken();
    ASSERT_TRUE(WaitReplyFor(link(), 0x91, keeping));
    EXPECT_EQ(link().repliesTaken() - before, 2u);
    ASSERT_EQ(keeping.recorded.size(), 1u);
    EXPECT_EQ(frameByte(keeping.recorded[0], 5), 0x91);
    EXPECT_EQ(partNumberOf(keeping.recorded[0]), "71820-12F00");
}

TEST_F(ConnectTest, NextConnectionStartsWithTheFirstSchemesLists) {
    sim::UnitProfile engine = sim::defaultProfile(sim::UnitKind::Engine, "13K0");
    engine.secondScheme = true;
    build(std::vector<sim::UnitProfile>{engine, sim::defaultProfile(sim::UnitKind::Abs)});
    connect(ControlUnit::Engine);
    ASSERT_EQ(state().altListVariant, 1);
    // Without a session reset in between (the program always runs one; a sequence must not
    // count on it).
    state().connected = 0;
    ConnectUnit(link(), state(), ControlUnit::Abs, identity_, observer_);
    ASSERT_EQ(state().connected, 1);
    EXPECT_EQ(state().altListVariant, 0);
    EXPECT_EQ(listsSent().back(), (std::vector<std::uint8_t>{3, 6}));
}

}  // namespace
}  // namespace quilldar::link
