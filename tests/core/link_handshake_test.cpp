#include "link/link_handshake.h"

#include <gtest/gtest.h>

#include "link/module_replies.h"
#include "support/sim_link_fixture.h"

namespace quilldar::link {
namespace {

class HandshakeTest : public testing::SimLinkTest {
protected:
    bool openAndGreet() {
        state().handshakePending = 1;
        return link().ReopenInterface() && LinkHandshake(link(), state(), identity_);
    }
    ModuleIdentity identity_;
};

TEST_F(HandshakeTest, ReadsHardwareIdSerialAndType) {
    ASSERT_TRUE(openAndGreet());
    EXPECT_EQ(state().handshakePending, 0);
    EXPECT_EQ(identity_.hardwareId, "Q21");
    EXPECT_EQ(identity_.serialNumber, "004217");
    EXPECT_EQ(identity_.type, "1");
    EXPECT_EQ(state().adapterRejected, 0);
    EXPECT_TRUE(state().isLinkOpen());

    // The greeting ends whatever the module was doing before reading its identity.
    const auto sent = module().commandsReceived();
    ASSERT_GE(sent.size(), 5u);
    EXPECT_TRUE(payloadStartsWith(sent[0], "DisC."));
    EXPECT_EQ(sent[0][7], 0);
    EXPECT_TRUE(payloadStartsWith(sent[1], "Stop"));
}

TEST_F(HandshakeTest, ModuleOfAnotherTypeIsRejected) {
    module().setModuleType('0');
    ASSERT_TRUE(openAndGreet());
    EXPECT_EQ(identity_.type, "0");
    EXPECT_EQ(state().adapterRejected, 1);
    EXPECT_FALSE(state().isLinkOpen());
}

TEST_F(HandshakeTest, SilentModuleFailsTheGreeting) {
    module().setMute(true);
    EXPECT_FALSE(openAndGreet());
    EXPECT_FALSE(state().isLinkOpen());
}

TEST_F(HandshakeTest, ThirtyPowerOkMakePowerStableAndOneNoPowerResetsIt) {
    ASSERT_TRUE(openAndGreet());
    for (int poll = 1; poll < kPowerStableCount; ++poll) {
        PollPower(link(), state());
        ASSERT_EQ(state().powerOkCount, poll);
        ASSERT_EQ(state().powerStable, 0) << "stable after only " << poll << " polls";
    }
    PollPower(link(), state());
    EXPECT_EQ(state().powerStable, 1);
    EXPECT_EQ(state().powerOkCount, kPowerStableCount);
    // Once stable the count no longer moves.
    PollPower(link(), state());
    EXPECT_EQ(state().powerOkCount, kPowerStableCount);

    module().setVehiclePower(false);
    PollPower(link(), state());
    EXPECT_EQ(state().powerStable, 0);
    EXPECT_EQ(state().powerOkCount, 0);

    module().setVehiclePower(true);
    PollPower(link(), state());
    EXPECT_EQ(state().powerStable, 0);
    EXPECT_EQ(state().powerOkCount, 1);
}

}  // namespace
}  // namespace quilldar::link
