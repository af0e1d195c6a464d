#include "link/module_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/test_command.h"
#include "support/sim_link_fixture.h"

namespace quilldar::link {
namespace {

std::string text(const Report& r, std::size_t from, std::size_t count) {
    return std::string(r.begin() + static_cast<std::ptrdiff_t>(from),
                       r.begin() + static_cast<std::ptrdiff_t>(from + count));
}

// Indexes of the bytes that differ between two reports.
std::vector<std::size_t> changedBytes(const Report& a, const Report& b) {
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < kReportSize; ++i)
        if (a[i] != b[i]) changed.push_back(i);
    return changed;
}

TEST(CommandReport, ShorterWordLeavesTheRestOfThePreviousWord) {
    Report r{};
    commands::defineSlot(r, 23, buildRequest(address::kEngine, {0x21, 0x00}));
    EXPECT_EQ(text(r, 1, 6), "Comm23");
    commands::list(r, {1});
    EXPECT_EQ(text(r, 1, 6), "List23");
}

TEST(CommandReport, ShortListIsZeroedThroughByte14AndLongListGetsOneZero) {
    Report r{};
    r.fill(0xEE);
    commands::list(r, {3, 18});
    EXPECT_EQ(r[7], 3);
    EXPECT_EQ(r[8], 18);
    for (std::size_t i = 9; i <= 14; ++i) EXPECT_EQ(r[i], 0) << i;
    EXPECT_EQ(r[15], 0xEE);

    r.fill(0xEE);
    const std::vector<std::uint8_t> freezeFrame{6, 7, 8, 9, 11, 10, 3, 12, 13, 14, 15, 17, 16, 3, 18};
    commands::list(r, freezeFrame);
    for (std::size_t i = 0; i < freezeFrame.size(); ++i) EXPECT_EQ(r[7 + i], freezeFrame[i]);
    EXPECT_EQ(r[22], 0);
    EXPECT_EQ(r[23], 0xEE);
}

TEST(CommandReport, ConfigurationCommandsWriteTheirParameterBytes) {
    Report r{};
    commands::initLine(r, commands::kLineSetupTransmission);
    EXPECT_EQ(text(r, 1, 5), "InitL");
    EXPECT_EQ(r[7], 2);
    EXPECT_EQ(r[8], 25);
    EXPECT_EQ(r[9], 25);
    EXPECT_EQ(r[31], 5);

    commands::initWakeUp(r, address::kEngine);
    EXPECT_EQ(text(r, 1, 5), "Init0");
    EXPECT_EQ(r[7], 5);
    EXPECT_EQ(Frame(r.begin() + 8, r.begin() + 13), (Frame{0x81, 0x12, 0xF1, 0x81, 0x05}));

    commands::disconnectFrame(r, address::kTransmission);
    EXPECT_EQ(r[7], 6);
    EXPECT_EQ(Frame(r.begin() + 8, r.begin() + 14), (Frame{0x80, 0x19, 0xF1, 0x01, 0x82, 0x0D}));

    commands::defineSlot(r, 5, buildRequest(address::kEngine, {0x18, 0x00, 0x00, 0x00}));
    EXPECT_EQ(text(r, 1, 6), "Comm05");
    EXPECT_EQ(r[7], 9);
    EXPECT_EQ(r[16], 0x9F);

    commands::getType(r);
    EXPECT_EQ(text(r, 1, 8), "Get_Type");
    commands::getId(r);
    EXPECT_EQ(text(r, 1, 8), "Get_IDpe");
}

using TestCommand = testing::SimLinkTest;

TEST_F(TestCommand, BackToLiveDataChangesOnlyTheListBytes) {
    ASSERT_TRUE(link().ReopenInterface());
    command().fill(0x5A);
    command()[0] = 0;
    const Report before = command();
    SendTestCommand(link(), false);
    EXPECT_EQ(changedBytes(before, command()), (std::vector<std::size_t>{1, 2, 3, 4, 7, 8}));
    EXPECT_EQ(text(command(), 1, 4), "List");
    EXPECT_EQ(command()[7], 3);
    EXPECT_EQ(command()[8], 0);
}

TEST_F(TestCommand, StartingATestSendsTheSlotThenTheAlternatingList) {
    ASSERT_TRUE(link().ReopenInterface());
    const Frame test = buildRequest(address::kEngine, {0xA5, 0x91, 0x01, 0x00, 0x00, 0x00});
    commands::defineSlot(command(), 20, test);
    SendTestCommand(link(), true);
    const auto sent = module().commandsReceived();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(text(sent[0], 1, 6), "Comm20");
    EXPECT_EQ(module().slot(20), test);
    EXPECT_EQ(text(sent[1], 1, 4), "List");
    EXPECT_EQ(sent[1][7], 20);
    EXPECT_EQ(sent[1][8], 3);
    EXPECT_EQ(sent[1][9], 0);
    EXPECT_EQ(module().pollingList(), (std::vector<std::uint8_t>{20, 3}));
}

}  // namespace
}  // namespace quilldar::link
