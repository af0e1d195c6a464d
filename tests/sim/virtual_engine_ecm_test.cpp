#include "sim/virtual_engine_ecm.h"

#include <gtest/gtest.h>

#include <string>

namespace quilldar::sim {
namespace {

std::string textAt(const ServiceBytes& reply, std::size_t from, std::size_t count) {
    return std::string(reply.begin() + static_cast<std::ptrdiff_t>(from),
                       reply.begin() + static_cast<std::ptrdiff_t>(from + count));
}

// Service bytes start at frame byte 4: frame byte k is reply[k - 4].
constexpr std::size_t at(std::size_t frameByte) { return frameByte - 4; }

class EngineEcmTest : public ::testing::Test {
protected:
    std::shared_ptr<ManualSimClock> clock_ = std::make_shared<ManualSimClock>();
};

TEST_F(EngineEcmTest, FirstSchemeIdentification) {
    VirtualEngineEcm ecm(EngineEcmProfile{"12F0", "71820-12F00", false, 4}, clock_);
    const ServiceBytes part = ecm.answer(std::vector<std::uint8_t>{0x1A, 0x91});
    ASSERT_GE(part.size(), at(16) + 1);
    EXPECT_EQ(part[0], 0x5A);
    EXPECT_EQ(part[1], 0x91);
    EXPECT_EQ(textAt(part, at(6), 11), "71820-12F00");
    EXPECT_EQ(part[at(11)], '-');  // what the tester takes for a good part number

    const ServiceBytes code = ecm.answer(std::vector<std::uint8_t>{0x1A, 0x9A});
    EXPECT_EQ(textAt(code, at(12), 4), "12F0");
    EXPECT_EQ(ecm.answer(std::vector<std::uint8_t>{0x1A, 0x8E}), (ServiceBytes{0x7F, 0x1A, 0x31}));
}

TEST_F(EngineEcmTest, SecondSchemePointsTheTesterToSlots21And22) {
    VirtualEngineEcm ecm(EngineEcmProfile{"13K0", "71820-13K00", true, 4}, clock_);
    const ServiceBytes first = ecm.answer(std::vector<std::uint8_t>{0x1A, 0x91});
    EXPECT_EQ(first[at(6)], 0x12);
    EXPECT_EQ(first[at(7)], 0x31);
    EXPECT_EQ(textAt(ecm.answer(std::vector<std::uint8_t>{0x1A, 0x8E}), at(6), 11), "71820-13K00");
    EXPECT_EQ(textAt(ecm.answer(std::vector<std::uint8_t>{0x1A, 0x8A}), at(12), 4), "13K0");
    EXPECT_EQ(ecm.answer(std::vector<std::uint8_t>{0x21, 0x00})[1], 0x00);
    EXPECT_EQ(ecm.answer(std::vector<std::uint8_t>{0x21, 0x08})[0], 0x7F);
}

TEST_F(EngineEcmTest, LiveDataMovesWithTheClockAndFitsTheReport) {
    VirtualEngineEcm ecm(EngineEcmProfile{}, clock_);
    const ServiceBytes idle = ecm.answer(std::vector<std::uint8_t>{0x21, 0x08});
    ASSERT_EQ(idle[0], 0x61);
    EXPECT_EQ(idle.size(), at(54) + 1);  // data through frame byte 54, checksum still inside
    clock_->set(20.0);                    // in the middle of a throttle blip, warmer
    const ServiceBytes revving = ecm.answer(std::vector<std::uint8_t>{0x21, 0x08});
    EXPECT_GT(revving[at(17)], idle[at(17)]);  // engine speed high byte
    EXPECT_GT(revving[at(19)], idle[at(19)]);  // throttle
    EXPECT_GT(revving[at(21)], idle[at(21)]);  // coolant warming up
}

TEST_F(EngineEcmTest, MissingCylindersAreMarkedWithFF) {
    VirtualEngineEcm ecm(EngineEcmProfile{"12F0", "71820-12F00", false, 2}, clock_);
    const ServiceBytes live = ecm.answer(std::vector<std::uint8_t>{0x21, 0x08});
    EXPECT_NE(live[at(31)], 0xFF);
    EXPECT_NE(live[at(33)], 0xFF);
    EXPECT_EQ(live[at(35)], 0xFF);
    EXPECT_EQ(live[at(37)], 0xFF);
}

TEST_F(EngineEcmTest, UnsupportedRequestsGetNegativeResponses) {
    VirtualEngineEcm ecm(EngineEcmProfile{}, clock_);
    EXPECT_EQ(ecm.answer(std::vector<std::uint8_t>{0x3B, 0x01}), (ServiceBytes{0x7F, 0x3B, 0x11}));
    EXPECT_EQ(ecm.answer(std::vector<std::uint8_t>{0x21}), (ServiceBytes{0x7F, 0x21, 0x12}));
    EXPECT_TRUE(ecm.answer(std::vector<std::uint8_t>{}).empty());
}

}  // namespace
}  // namespace quilldar::sim
