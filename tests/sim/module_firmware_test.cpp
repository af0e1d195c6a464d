#include "sim/module_firmware.h"

#include <gtest/gtest.h>

#include "link/module_commands.h"
#include "link/module_replies.h"
#include "sim/unit_catalogue.h"

namespace quilldar::sim {
namespace {

using link::Report;
namespace commands = link::commands;

class FirmwareTest : public ::testing::Test {
protected:
    FirmwareTest() {
        clock_ = std::make_shared<ManualSimClock>();
        vehicle_.addUnit(makeUnit(defaultProfile(UnitKind::Engine), clock_));
    }

    std::vector<Report> send() { return firmware_.handleCommand(command_); }

    // Configures the engine like a connect sequence: line, wake-up, stop frame and the slots.
    void configureEngine(std::initializer_list<std::pair<int, link::Frame>> slotNumbers) {
        commands::initLine(command_, 0);
        EXPECT_TRUE(send().empty());
        commands::initWakeUp(command_, link::address::kEngine);
        EXPECT_TRUE(send().empty());
        commands::disconnectFrame(command_, link::address::kEngine);
        EXPECT_TRUE(send().empty());
        for (const auto& [number, frame] : slotNumbers) {
            commands::defineSlot(command_, number, frame);
            EXPECT_TRUE(send().empty());
        }
    }

    static bool isText(const std::vector<Report>& replies, std::string_view text) {
        return replies.size() == 1 && link::payloadStartsWith(replies[0], text);
    }

    std::shared_ptr<ManualSimClock> clock_;
    VirtualVehicle vehicle_;
    ModuleFirmware firmware_{vehicle_, ModuleHardware{}};
    Report command_{};
};

const link::Frame kPartNumber = link::buildRequest(link::address::kEngine, {0x1A, 0x91});
const link::Frame kCode = link::buildRequest(link::address::kEngine, {0x1A, 0x9A});
const link::Frame kLive = link::buildRequest(link::address::kEngine, {0x21, 0x08});

TEST_F(FirmwareTest, ListDuringConfigurationCountsTheCommandsSinceInitL) {
    configureEngine({{1, kPartNumber}, {2, kCode}, {3, kLive}, {4, kLive}, {5, kLive}});
    commands::list(command_, {1});
    const auto replies = send();
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(link::frameByte(replies[0], 0), 8);  // InitL, Init0, DisC. and five slots

    // Starting over from InitL starts the count again.
    configureEngine({{1, kPartNumber}});
    commands::list(command_, {1});
    EXPECT_EQ(link::frameByte(send()[0], 0), 4);
}

TEST_F(FirmwareTest, StartWakesTheUnitAndPollingCyclesTheList) {
    configureEngine({{1, kPartNumber}, {2, kCode}});
    commands::list(command_, {1, 2});
    send();
    commands::start(command_);
    EXPECT_TRUE(isText(send(), link::replies::kStartOk));
    ASSERT_TRUE(firmware_.polling());

    std::vector<std::uint8_t> identifiers;
    for (int i = 0; i < 4; ++i) {
        const auto response = firmware_.nextPolledResponse();
        ASSERT_TRUE(response);
        EXPECT_TRUE(link::responseChecksumOk(*response));
        EXPECT_EQ(link::frameByte(*response, 2), link::address::kEngine);
        EXPECT_EQ(link::frameByte(*response, 4), 0x5A);
        identifiers.push_back(link::frameByte(*response, 5));
    }
    EXPECT_EQ(identifiers, (std::vector<std::uint8_t>{0x91, 0x9A, 0x91, 0x9A}));

    // In the polling state a new list takes over without a count reply.
    commands::list(command_, {2});
    EXPECT_TRUE(send().empty());
    EXPECT_EQ(link::frameByte(*firmware_.nextPolledResponse(), 5), 0x9A);
}

TEST_F(FirmwareTest, StartWithoutAUnitAtTheTargetIsAConnectError) {
    commands::initLine(command_, 0);
    send();
    commands::initWakeUp(command_, link::address::kAbs);
    send();
    commands::start(command_);
    EXPECT_TRUE(isText(send(), link::replies::kConnectError));
    EXPECT_FALSE(firmware_.polling());
}

TEST_F(FirmwareTest, InjectedStartFaultsAnswerTheNextStartOnly) {
    configureEngine({{1, kPartNumber}});
    firmware_.failNextStart(link::replies::kTimerError);
    commands::start(command_);
    EXPECT_TRUE(isText(send(), link::replies::kTimerError));
    EXPECT_FALSE(firmware_.polling());
    EXPECT_TRUE(isText(send(), link::replies::kStartOk));
}

TEST_F(FirmwareTest, ModuleTextRepliesAndStop) {
    commands::getId(command_);
    EXPECT_TRUE(isText(send(), "IDQ21"));
    commands::getSerial(command_);
    EXPECT_TRUE(isText(send(), "SN004217"));
    commands::getType(command_);
    EXPECT_TRUE(isText(send(), "Tp1"));
    commands::power(command_);
    EXPECT_TRUE(isText(send(), link::replies::kPowerOk));
    vehicle_.setPowered(false);
    EXPECT_TRUE(isText(send(), link::replies::kNoPower));

    vehicle_.setPowered(true);
    configureEngine({{3, kLive}});
    commands::list(command_, {3});
    send();
    commands::start(command_);
    send();
    commands::stop(command_);
    EXPECT_EQ(send().size(), 1u);
    EXPECT_FALSE(firmware_.polling());
    EXPECT_FALSE(firmware_.nextPolledResponse());
}

TEST_F(FirmwareTest, LosingTheUnitOrPowerEndsPollingWithDisconnected) {
    configureEngine({{3, kLive}});
    commands::list(command_, {3});
    send();
    commands::start(command_);
    send();
    vehicle_.setPowered(false);
    const auto response = firmware_.nextPolledResponse();
    ASSERT_TRUE(response);
    EXPECT_TRUE(link::payloadStartsWith(*response, link::replies::kDisconnected));
    EXPECT_FALSE(firmware_.polling());
}

TEST_F(FirmwareTest, CorruptedResponseFailsTheChecksumOnce) {
    configureEngine({{3, kLive}});
    commands::list(command_, {3});
    send();
    commands::start(command_);
    send();
    firmware_.corruptNextResponse();
    EXPECT_FALSE(link::responseChecksumOk(*firmware_.nextPolledResponse()));
    EXPECT_TRUE(link::responseChecksumOk(*firmware_.nextPolledResponse()));
}

TEST_F(FirmwareTest, MalformedSlotFramesAreNotRelayed) {
    const link::Frame broken{0x80, 0x12, 0xF1, 0x02, 0x21, 0x08, 0xAF};  // checksum should be AE
    configureEngine({{3, broken}, {4, kCode}});
    commands::list(command_, {3, 4});
    send();
    commands::start(command_);
    send();
    // Slot 3 is skipped; the module answers with slot 4 every time.
    EXPECT_EQ(link::frameByte(*firmware_.nextPolledResponse(), 5), 0x9A);
    EXPECT_EQ(link::frameByte(*firmware_.nextPolledResponse(), 5), 0x9A);
}

TEST_F(FirmwareTest, UnitWokenWithAnotherLineSetupIsAConnectError) {
    vehicle_.addUnit(makeUnit(defaultProfile(UnitKind::Transmission), clock_));
    const auto startUnder = [&](std::uint8_t target, std::uint8_t lineSetup) {
        commands::initLine(command_, lineSetup);
        send();
        commands::initWakeUp(command_, target);
        send();
        commands::start(command_);
        return send();
    };
    EXPECT_TRUE(isText(startUnder(link::address::kTransmission, 0), link::replies::kConnectError));
    EXPECT_TRUE(isText(startUnder(link::address::kEngine, 5), link::replies::kConnectError));
    EXPECT_FALSE(firmware_.polling());
    EXPECT_TRUE(isText(startUnder(link::address::kTransmission, 5), link::replies::kStartOk));
    EXPECT_TRUE(isText(startUnder(link::address::kEngine, 0), link::replies::kStartOk));
}

TEST_F(FirmwareTest, StaleRepliesComeBeforeTheAnswerToEachNewList) {
    configureEngine({{1, kPartNumber}, {2, kCode}});
    firmware_.sendStaleReplies();
    commands::list(command_, {1});
    send();
    commands::start(command_);
    send();
    // No reply relayed yet: the old reply is a negative "response pending" to the request.
    const auto first = firmware_.nextPolledResponse();
    ASSERT_TRUE(first);
    EXPECT_EQ(link::frameByte(*first, 2), link::address::kEngine);
    EXPECT_EQ(link::frameByte(*first, 4), 0x7F);
    EXPECT_EQ(link::frameByte(*first, 5), 0x1A);
    EXPECT_EQ(link::frameByte(*first, 6), 0x78);
    EXPECT_TRUE(link::responseChecksumOk(*first));
    EXPECT_EQ(link::frameByte(*firmware_.nextPolledResponse(), 5), 0x91);
    EXPECT_EQ(link::frameByte(*firmware_.nextPolledResponse(), 5), 0x91);

    // After a new list, the reply relayed last comes first.
    commands::list(command_, {2});
    send();
    EXPECT_EQ(link::frameByte(*firmware_.nextPolledResponse(), 5), 0x91);
    EXPECT_EQ(link::frameByte(*firmware_.nextPolledResponse(), 5), 0x9A);
}

// An answer longer than a report holds (a block of 70 bytes) is cut to the longest whose
// checksum still lies inside the report: the tester reads a whole, correct frame. The units keep
// their own answers within that length (at most 19 trouble codes), so only such a block shows it.
TEST_F(FirmwareTest, AnswerTooLongForAReportIsCutToTheLongestThatFits) {
    dynamic_cast<VirtualUnit&>(*vehicle_.unitAt(link::address::kEngine))
        .setLocalData(0x77, [](double) { return ServiceBytes(70, 0x11); }, false);
    configureEngine({{3, link::buildRequest(link::address::kEngine, {0x21, 0x77})}});
    commands::list(command_, {3});
    send();
    commands::start(command_);
    send();
    const auto response = firmware_.nextPolledResponse();
    ASSERT_TRUE(response);
    EXPECT_EQ(link::frameByte(*response, 3), link::kMaxResponseLength);
    EXPECT_EQ(link::frameByte(*response, 4), 0x61);
    EXPECT_TRUE(link::responseChecksumOk(*response));
}

TEST_F(FirmwareTest, OverlongResponseClaimsMoreThanAReportHolds) {
    configureEngine({{3, kLive}});
    commands::list(command_, {3});
    send();
    commands::start(command_);
    send();
    firmware_.overlongNextResponse();
    const auto response = firmware_.nextPolledResponse();
    ASSERT_TRUE(response);
    EXPECT_GT(link::frameByte(*response, 3), link::kMaxResponseLength);
    EXPECT_FALSE(link::responseChecksumOk(*response));
    EXPECT_TRUE(link::responseChecksumOk(*firmware_.nextPolledResponse()));
}

}  // namespace
}  // namespace quilldar::sim
