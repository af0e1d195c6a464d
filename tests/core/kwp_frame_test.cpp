#include "link/kwp_frame.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quilldar::link {
namespace {

Report reportWithFrame(std::initializer_list<std::uint8_t> frame) {
    Report report{};
    std::copy(frame.begin(), frame.end(), report.begin() + 1);
    return report;
}

TEST(FrameBuilding, ChecksumsOfTheRequestSlots) {
    EXPECT_EQ(buildRequest(address::kEngine, {0x21, 0x08}),
              (Frame{0x80, 0x12, 0xF1, 0x02, 0x21, 0x08, 0xAE}));
    EXPECT_EQ(buildRequest(address::kAbs, {0x14, 0x40, 0x00}),
              (Frame{0x80, 0x29, 0xF1, 0x03, 0x14, 0x40, 0x00, 0xF1}));
    EXPECT_EQ(buildRequest(address::kEngine, {0x18, 0x00, 0x00, 0x00}).back(), 0x9F);
    EXPECT_EQ(buildRequest(address::kEps, {0x1A, 0x8E}).back(), 0x4C);
    EXPECT_EQ(buildRequest(address::kEngineTransmission, {0x21, 0x09}).back(), 0x9E);
}

TEST(FrameBuilding, StartAndStopCommunication) {
    EXPECT_EQ(buildStartCommunication(address::kEngine), (Frame{0x81, 0x12, 0xF1, 0x81, 0x05}));
    EXPECT_EQ(buildStopCommunication(address::kTransmission),
              (Frame{0x80, 0x19, 0xF1, 0x01, 0x82, 0x0D}));
}

TEST(ResponseCheck, GoodResponseIsKept) {
    // 80 F1 12 03 61 08 05: sum 0x1F4 -> checksum F4.
    Report report = reportWithFrame({0x80, 0xF1, 0x12, 0x03, 0x61, 0x08, 0x05, 0xF4});
    const Report before = report;
    EXPECT_TRUE(responseChecksumOk(report));
    EXPECT_TRUE(checkResponse(report, false));
    EXPECT_EQ(report, before);
}

TEST(ResponseCheck, BadChecksumIsWipedExceptTheLastPayloadByte) {
    Report report = reportWithFrame({0x80, 0xF1, 0x12, 0x03, 0x61, 0x08, 0x05, 0xF5});
    report[0] = 3;  // a page tag
    report[64] = 0x77;
    EXPECT_FALSE(checkResponse(report, false));
    EXPECT_TRUE(std::all_of(report.begin(), report.begin() + 64, [](auto b) { return b == 0; }));
    EXPECT_EQ(report[64], 0x77);
}

TEST(ResponseCheck, SecondSchemeSkipsTheCheck) {
    Report report = reportWithFrame({0x80, 0xF1, 0x12, 0x03, 0x61, 0x08, 0x05, 0xF5});
    const Report before = report;
    EXPECT_TRUE(checkResponse(report, true));
    EXPECT_EQ(report, before);
}

TEST(ResponseCheck, LengthPointingPastTheReportIsBad) {
    // L = 59 puts the checksum at frame byte 63, the last one; L = 60 would be past the end.
    Report fits{};
    fits[1] = 0x80;
    fits[4] = 59;
    unsigned sum = 0;
    for (std::size_t k = 0; k <= 62; ++k) sum += fits[k + 1];
    fits[64] = static_cast<std::uint8_t>(sum);
    EXPECT_TRUE(responseChecksumOk(fits));

    for (const std::uint8_t length : {std::uint8_t{60}, std::uint8_t{0xFF}}) {
        Report report{};
        report[1] = 0x80;
        report[4] = length;
        EXPECT_FALSE(responseChecksumOk(report)) << int(length);
        EXPECT_FALSE(checkResponse(report, false));
    }
}

}  // namespace
}  // namespace quilldar::link
