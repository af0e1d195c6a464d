#include "link/hid_link.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "link/module_commands.h"
#include "link/module_replies.h"
#include "sim/module_firmware.h"
#include "support/sim_link_fixture.h"

namespace quilldar::link {
namespace {

using namespace std::chrono_literals;
class LinkTest : public testing::SimLinkTest {
protected:
    // Configures the engine with one request slot and makes it the polling list.
    void configureEngine(int slotNumber, std::initializer_list<std::uint8_t> request) {
        Report& c = command();
        commands::initLine(c, 0);
        link().SendReport();
        commands::initWakeUp(c, address::kEngine);
        link().SendReport();
        commands::defineSlot(c, slotNumber, buildRequest(address::kEngine, request));
        link().SendReport();
        commands::list(c, {static_cast<std::uint8_t>(slotNumber)});
        link().SendReport();
    }
};

TEST_F(LinkTest, ReopenFindsTheModuleAndStartsTheLink) {
    EXPECT_FALSE(state().isLinkOpen());
    ASSERT_TRUE(link().ReopenInterface());
    EXPECT_TRUE(state().isLinkOpen());
    EXPECT_EQ(link().lastOpenOutcome(), OpenOutcome::Opened);
    commands::power(command());
    ASSERT_TRUE(link().SendReport());
    ASSERT_TRUE(link().WaitReport());
    EXPECT_TRUE(link().ReplyIs(replies::kPowerOk));
}

TEST_F(LinkTest, NoModuleLeavesTheLinkClosed) {
    module().unplug();
    EXPECT_FALSE(link().ReopenInterface());
    EXPECT_FALSE(state().isLinkOpen());
    EXPECT_EQ(link().lastOpenOutcome(), OpenOutcome::NotFound);
    EXPECT_FALSE(link().SendReport());
    EXPECT_FALSE(link().WaitReport());
}

TEST_F(LinkTest, AnotherProductIdIsNotOpened) {
    EXPECT_FALSE(link().OpenInterface(kModuleVendorId, 0x05F2));
    EXPECT_TRUE(link().OpenInterface(kModuleVendorId, kModuleProductId));
}

TEST_F(LinkTest, SendWithTheLinkDownWritesNothing) {
    commands::power(command());
    EXPECT_FALSE(link().SendReport());
    EXPECT_TRUE(module().commandsReceived().empty());
}

TEST_F(LinkTest, ReplyIsComparesOnlyThePrefix) {
    ASSERT_TRUE(link().ReopenInterface());
    const auto replyTo = [this](std::string_view text) {
        module().failNextStart(text);  // the module answers the next "Start" with this text
        commands::start(command());
        link().SendReport();
        return link().WaitReport();
    };
    ASSERT_TRUE(replyTo("TMR Error and more text"));
    EXPECT_TRUE(link().ReplyIs(replies::kTimerError));
    EXPECT_TRUE(link().ReplyIs("TMR"));
    EXPECT_FALSE(link().ReplyIs(replies::kStartOk));
    ASSERT_TRUE(replyTo("TMR Erro"));
    EXPECT_FALSE(link().ReplyIs(replies::kTimerError));
}

TEST_F(LinkTest, WaitTakesTheReportThatEndedItEvenWhenMoreFollowAtOnce) {
    build(sim::defaultProfile(sim::UnitKind::Engine), sim::ModuleTiming{0ms, 1ms});
    ASSERT_TRUE(link().ReopenInterface());
    configureEngine(1, {0x1A, 0x91});
    ASSERT_TRUE(link().WaitReport());  // the "List" count
    commands::start(command());
    link().SendReport();
    // The module streams part-number replies right behind "Start OK", one every millisecond.
    ASSERT_TRUE(link().WaitReport());
    EXPECT_TRUE(link().ReplyIs(replies::kStartOk));
    ASSERT_TRUE(link().WaitReport());
    EXPECT_EQ(frameByte(link().reply(), 5), 0x91);
}

// A harness that runs ticks faster than the module streams skips what arrived before each tick,
// but the module's last word before it fell silent must still reach the next wait.
TEST_F(LinkTest, SkippingArrivedReportsKeepsTheDisconnectedOfAModuleThatFellSilent) {
    build(sim::defaultProfile(sim::UnitKind::Engine), sim::ModuleTiming{0ms, 1ms});
    ASSERT_TRUE(link().ReopenInterface());
    configureEngine(1, {0x1A, 0x91});
    ASSERT_TRUE(link().WaitReport());  // the "List" count
    commands::start(command());
    link().SendReport();
    ASSERT_TRUE(link().WaitReport());
    ASSERT_TRUE(link().ReplyIs(replies::kStartOk));
    std::this_thread::sleep_for(5ms);  // part-number replies stream in, one every millisecond
    // The vehicle loses power: the module's next word is "Disconnected", then nothing.
    module().setVehiclePower(false);
    std::this_thread::sleep_for(5ms);
    link().discardArrived();
    ASSERT_TRUE(link().WaitReport());
    EXPECT_TRUE(link().ReplyIs(replies::kDisconnected));
}

TEST_F(LinkTest, WaitTakesOnlyAReportThatArrivesAfterItStarted) {
    ASSERT_TRUE(link().ReopenInterface());
    commands::power(command());
    ASSERT_TRUE(link().SendReport());
    ASSERT_TRUE(link().WaitReport());
    // Nothing else is on its way: the next wait must not be satisfied by the old reply.
    module().setVehiclePower(false);
    commands::power(command());
    ASSERT_TRUE(link().SendReport());
    ASSERT_TRUE(link().WaitReport());
    EXPECT_TRUE(link().ReplyIs(replies::kNoPower));
}

TEST_F(LinkTest, ReceiveReportHoldsTheLatestStreamedResponse) {
    ASSERT_TRUE(link().ReopenInterface());
    configureEngine(3, {0x21, 0x08});
    commands::start(command());
    link().SendReport();
    int liveData = 0;
    for (int i = 0; i < 5 && link().WaitReport(); ++i) {
        const Report r = reply();
        if (frameByte(r, 4) == 0x61 && frameByte(r, 5) == 0x08) {
            ++liveData;
            EXPECT_TRUE(responseChecksumOk(r));
        }
    }
    EXPECT_GE(liveData, 3);
}

// Real-time behaviour of the reply deadline and the watchdog, grouped because each case takes
// one to three seconds.
using LinkTimingTest = LinkTest;

TEST_F(LinkTimingTest, LateReplyFailsTheWaitAndDropsTheLinkUntilReopened) {
    ASSERT_TRUE(link().ReopenInterface());
    module().setReplyDelay(1600ms);
    commands::power(command());
    ASSERT_TRUE(link().SendReport());
    EXPECT_FALSE(link().WaitReport());
    EXPECT_FALSE(state().isLinkOpen());
    EXPECT_FALSE(link().readResult());

    module().setReplyDelay(0ms);
    ASSERT_TRUE(link().ReopenInterface());
    commands::power(command());
    ASSERT_TRUE(link().SendReport());
    EXPECT_TRUE(link().WaitReport());
}

TEST_F(LinkTimingTest, PumpRunsWhileASlowReplyIsAwaited) {
    ASSERT_TRUE(link().ReopenInterface());
    module().setReplyDelay(300ms);
    int pumped = 0;
    link().setWaitPump([&] { ++pumped; }, 20ms);
    commands::power(command());
    ASSERT_TRUE(link().SendReport());
    EXPECT_TRUE(link().WaitReport());
    EXPECT_TRUE(link().ReplyIs(replies::kPowerOk));
    EXPECT_GE(pumped, 1);

    link().setWaitPump({});
    pumped = 0;
    commands::power(command());
    ASSERT_TRUE(link().SendReport());
    EXPECT_TRUE(link().WaitReport());
    EXPECT_EQ(pumped, 0);
}

TEST_F(LinkTimingTest, SilentModuleEndsTheWaitAtTheWatchdog) {
    ASSERT_TRUE(link().ReopenInterface());
    module().setMute(true);
    commands::power(command());
    ASSERT_TRUE(link().SendReport());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(link().WaitReport());
    EXPECT_GE(std::chrono::steady_clock::now() - start, HidLink::kWatchdog - 50ms);
    EXPECT_FALSE(state().isLinkOpen());
    EXPECT_TRUE(link().stopIoThreads());
}

TEST_F(LinkTimingTest, UnplugDuringAWaitDropsTheLinkAndReplugIsFoundOnReopen) {
    ASSERT_TRUE(link().ReopenInterface());
    module().setReplyDelay(300ms);
    commands::power(command());
    ASSERT_TRUE(link().SendReport());
    std::thread unplugger([this] {
        std::this_thread::sleep_for(50ms);
        module().unplug();
    });
    EXPECT_FALSE(link().WaitReport());
    unplugger.join();
    EXPECT_FALSE(state().isLinkOpen());
    EXPECT_FALSE(link().ReopenInterface());

    module().replug();
    module().setReplyDelay(0ms);
    ASSERT_TRUE(link().ReopenInterface());
    commands::power(command());
    ASSERT_TRUE(link().SendReport());
    EXPECT_TRUE(link().WaitReport());
    EXPECT_TRUE(link().ReplyIs(replies::kPowerOk));
}

TEST_F(LinkTimingTest, WaitAfterTheWatchdogEndedTheThreadsFailsAtOnce) {
    ASSERT_TRUE(link().ReopenInterface());
    // No wait for longer than the watchdog: the link threads end by themselves.
    std::this_thread::sleep_for(HidLink::kWatchdog + 200ms);
    EXPECT_TRUE(link().stopIoThreads());
    commands::power(command());
    link().SendReport();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(link().WaitReport());
    // Far below the reply deadline: the wait did not block waiting for a thread that is gone.
    EXPECT_LT(std::chrono::steady_clock::now() - start, HidLink::kReplyDeadline / 2);
    EXPECT_FALSE(state().isLinkOpen());
    ASSERT_TRUE(link().ReopenInterface());
    commands::power(command());
    ASSERT_TRUE(link().SendReport());
    EXPECT_TRUE(link().WaitReport());
}

TEST_F(LinkTimingTest, HeldLinkOutlivesTheWatchdogUntilTheHoldEnds) {
    ASSERT_TRUE(link().ReopenInterface());
    {
        // A question left open longer than the watchdog.
        const HidLink::IdleHold hold(link());
        std::this_thread::sleep_for(HidLink::kWatchdog + 500ms);
        EXPECT_FALSE(link().stopIoThreads());
        EXPECT_TRUE(state().isLinkOpen());
    }
    commands::power(command());
    ASSERT_TRUE(link().SendReport());
    EXPECT_TRUE(link().WaitReport());
    EXPECT_TRUE(link().ReplyIs(replies::kPowerOk));

    // Without a hold, a link nobody waits on ends its threads again.
    std::this_thread::sleep_for(HidLink::kWatchdog + 200ms);
    EXPECT_TRUE(link().stopIoThreads());
}

TEST_F(LinkTimingTest, HoldDoesNotLengthenAWaitForASilentModule) {
    ASSERT_TRUE(link().ReopenInterface());
    const HidLink::IdleHold hold(link());
    module().setMute(true);
    commands::power(command());
    ASSERT_TRUE(link().SendReport());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(link().WaitReport());
    EXPECT_LT(std::chrono::steady_clock::now() - start, HidLink::kWatchdog + 1000ms);
    EXPECT_FALSE(state().isLinkOpen());
}

TEST_F(LinkTest, PauseKeepsThePumpRunning) {
    int pumped = 0;
    link().setWaitPump([&] { ++pumped; }, 10ms, this);
    link().pause(100ms);
    EXPECT_GE(pumped, 5);
    link().clearWaitPump(nullptr);  // not the owner: the pump stays
    link().pause(30ms);
    EXPECT_GE(pumped, 7);
    link().clearWaitPump(this);
    pumped = 0;
    link().pause(30ms);
    EXPECT_EQ(pumped, 0);
}

TEST_F(LinkTest, ClosingTheDeviceDropsRepliesNotYetRead) {
    ASSERT_TRUE(link().ReopenInterface());
    module().setReplyDelay(200ms);
    commands::power(command());
    ASSERT_TRUE(link().SendReport());
    // The "Power OK" is still queued in the module when the link reopens it.
    module().setReplyDelay(0ms);
    ASSERT_TRUE(link().ReopenInterface());
    commands::getId(command());
    ASSERT_TRUE(link().SendReport());
    ASSERT_TRUE(link().WaitReport());
    EXPECT_TRUE(link().ReplyIs(replies::kHardwareId));
}

}  // namespace
}  // namespace quilldar::link
