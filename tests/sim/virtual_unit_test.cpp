#include "sim/virtual_unit.h"

#include <gtest/gtest.h>

#include <string>

#include "sim/unit_catalogue.h"
#include "vehicle/dtc_catalogue.h"

namespace quilldar::sim {
namespace {

std::string textAt(const ServiceBytes& reply, std::size_t from, std::size_t count) {
    return std::string(reply.begin() + static_cast<std::ptrdiff_t>(from),
                       reply.begin() + static_cast<std::ptrdiff_t>(from + count));
}

// Service bytes start at frame byte 4: frame byte k is reply[k - 4].
constexpr std::size_t at(std::size_t frameByte) { return frameByte - 4; }

ServiceBytes ask(VirtualUnit& unit, std::initializer_list<std::uint8_t> request) {
    return unit.answer(std::vector<std::uint8_t>(request));
}

class VirtualUnitTest : public ::testing::Test {
protected:
    std::unique_ptr<VirtualUnit> unit(UnitKind kind, const std::string& model = {}, bool second = false) {
        UnitProfile profile = defaultProfile(kind, model);
        profile.secondScheme = second;
        return makeUnit(profile, clock_);
    }
    std::shared_ptr<ManualSimClock> clock_ = std::make_shared<ManualSimClock>();
};

TEST_F(VirtualUnitTest, EngineFirstSchemeIdentification) {
    auto ecm = unit(UnitKind::Engine, "12F0");
    const ServiceBytes part = ask(*ecm, {0x1A, 0x91});
    ASSERT_GE(part.size(), at(16) + 1);
    EXPECT_EQ(part[0], 0x5A);
    EXPECT_EQ(part[1], 0x91);
    EXPECT_EQ(textAt(part, at(6), 11), "71820-12F00");
    EXPECT_EQ(part[at(11)], '-');  // what the tester takes for a good part number
    EXPECT_EQ(textAt(ask(*ecm, {0x1A, 0x9A}), at(12), 4), "12F0");
    EXPECT_EQ(ask(*ecm, {0x1A, 0x8E}), (ServiceBytes{0x7F, 0x1A, 0x31}));
}

TEST_F(VirtualUnitTest, EngineSecondSchemePointsTheTesterToSlots21And22) {
    auto ecm = unit(UnitKind::Engine, "13K0", true);
    const ServiceBytes first = ask(*ecm, {0x1A, 0x91});
    EXPECT_EQ(first[at(6)], 0x12);
    EXPECT_EQ(first[at(7)], 0x31);
    EXPECT_EQ(textAt(ask(*ecm, {0x1A, 0x8E}), at(6), 11), "71820-13K00");
    EXPECT_EQ(textAt(ask(*ecm, {0x1A, 0x8A}), at(12), 4), "13K0");
    EXPECT_EQ(ask(*ecm, {0x21, 0x00})[1], 0x00);
    EXPECT_EQ(ask(*ecm, {0x21, 0x08})[0], 0x7F);
}

TEST_F(VirtualUnitTest, EpsSwapsItsIdentificationOptions) {
    auto eps = unit(UnitKind::Eps);
    EXPECT_EQ(textAt(ask(*eps, {0x1A, 0x8A}), at(6), 11), "71590-31H00");
    EXPECT_EQ(textAt(ask(*eps, {0x1A, 0x8E}), at(12), 4), "31H0");
}

TEST_F(VirtualUnitTest, LiveDataMovesWithTheClockAndFitsTheReport) {
    auto ecm = unit(UnitKind::Engine);
    const ServiceBytes stopped = ask(*ecm, {0x21, 0x08});  // key on, engine not started yet
    ASSERT_EQ(stopped[0], 0x61);
    EXPECT_EQ(stopped.size(), at(54) + 1);  // data through frame byte 54, the checksum still fits
    clock_->set(RideScript::kFirstRide - 5.0);  // idling, warmer
    const ServiceBytes idle = ask(*ecm, {0x21, 0x08});
    EXPECT_GT(idle[at(17)], stopped[at(17)]);  // engine speed
    EXPECT_GT(idle[at(21)], stopped[at(21)]);  // coolant warming up
    clock_->set(RideScript::kFirstRide + 20.0);  // pulling away
    const ServiceBytes riding = ask(*ecm, {0x21, 0x08});
    EXPECT_GT(riding[at(17)], idle[at(17)]);
    EXPECT_GT(riding[at(19)], idle[at(19)]);  // throttle

    auto abs = unit(UnitKind::Abs);
    clock_->set(RideScript::kFirstRide + 20.0);
    EXPECT_GT(ask(*abs, {0x21, 0x00})[at(14)], 40);
    clock_->set(2.0);  // standing
    EXPECT_EQ(ask(*abs, {0x21, 0x00})[at(14)], 0);
}

TEST_F(VirtualUnitTest, TroubleCodesAreCountedReadAndCleared) {
    auto ecm = unit(UnitKind::Engine);
    EXPECT_EQ(ask(*ecm, {0x21, 0x08})[at(6)], 2);
    const ServiceBytes codes = ask(*ecm, {0x18, 0x00, 0x00, 0x00});
    EXPECT_EQ(codes, (ServiceBytes{0x58, 2, 0x01, 0x05, 0x60, 0x03, 0x51, 0x20}));
    EXPECT_EQ(ask(*ecm, {0x14, 0x00, 0x00}), (ServiceBytes{0x54, 0x00, 0x00}));
    EXPECT_EQ(ask(*ecm, {0x21, 0x08})[at(6)], 0);
    EXPECT_EQ(ask(*ecm, {0x18, 0x00, 0x00, 0x00}), (ServiceBytes{0x58, 0}));

    // The ABS reports its count in its wheel block, not in its status block.
    auto abs = unit(UnitKind::Abs);
    abs->setTroubleCodes({{0x16, 0x55, 0x60}});
    EXPECT_EQ(ask(*abs, {0x21, 0x00})[at(6)], 1);
    EXPECT_EQ(ask(*abs, {0x21, 0x08})[at(6)], 0);
}

// Every code a simulated unit stores has a description: none of them reads "Unknown error" on the
// Error codes page.
TEST_F(VirtualUnitTest, StoredCodesAreInTheCatalogue) {
    vehicle::DtcCatalogue catalogue;
    vehicle::assignEnglishDtcTexts(catalogue);
    int stored = 0;
    for (const UnitKind kind : {UnitKind::Engine, UnitKind::Transmission, UnitKind::EngineTransmission,
                                UnitKind::Abs, UnitKind::Eps}) {
        SCOPED_TRACE(static_cast<int>(kind));
        auto ecu = unit(kind);
        const ServiceBytes codes = ask(*ecu, {0x18, 0x00, 0x00, 0x00});
        ASSERT_GE(codes.size(), 2u);
        ASSERT_EQ(codes[0], 0x58);
        for (std::size_t i = 2; i + 2 < codes.size(); i += 3) {
            const int number = vehicle::dtcNumber(codes[i], codes[i + 1]);
            ++stored;
            EXPECT_FALSE(catalogue.slot(number).isEmpty()) << vehicle::dtcDisplayCode(number, 0).toStdString();
        }
    }
    EXPECT_GE(stored, 4);  // the engine's two and the combined unit's two
}

TEST_F(VirtualUnitTest, MissingCylindersAreMarkedWithFF) {
    UnitProfile profile = defaultProfile(UnitKind::Engine);
    profile.cylinders = 2;
    auto ecm = makeUnit(profile, clock_);
    const ServiceBytes live = ask(*ecm, {0x21, 0x08});
    EXPECT_NE(live[at(31)], 0xFF);
    EXPECT_NE(live[at(33)], 0xFF);
    EXPECT_EQ(live[at(35)], 0xFF);
    EXPECT_EQ(live[at(37)], 0xFF);
}

TEST_F(VirtualUnitTest, UnsupportedRequestsGetNegativeResponses) {
    auto ecm = unit(UnitKind::Engine);
    EXPECT_EQ(ask(*ecm, {0x3B, 0x01}), (ServiceBytes{0x7F, 0x3B, 0x11}));
    EXPECT_EQ(ask(*ecm, {0x21}), (ServiceBytes{0x7F, 0x21, 0x12}));
    EXPECT_EQ(ask(*ecm, {0x21, 0x33}), (ServiceBytes{0x7F, 0x21, 0x31}));
    EXPECT_TRUE(ecm->answer(std::vector<std::uint8_t>{}).empty());
}

}  // namespace
}  // namespace quilldar::sim
