#include "sim/freeze_frames.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "sim/ride_script.h"
#include "sim/unit_catalogue.h"
#include "vehicle/ecm_model_table.h"

namespace quilldar::sim {
namespace {

// Service bytes start at frame byte 4: frame byte k is reply[k - 4].
constexpr std::size_t at(std::size_t frameByte) { return frameByte - 4; }

ServiceBytes ask(VirtualUnit& unit, std::initializer_list<std::uint8_t> request) {
    return unit.answer(std::vector<std::uint8_t>(request));
}

// The tester's reading of a freeze-frame answer, by the conversion types of the model's digits
// (written out here rather than taken from the simulator, so an encoding slip shows).
struct Reading {
    double engineSpeed = NAN, throttle = NAN, pressure = NAN, coolant = NAN, gear = NAN, secondary = NAN;
};

Reading decode(const ServiceBytes& reply, std::string_view digits) {
    const auto b = [&](std::size_t frameByte) { return static_cast<int>(reply[at(frameByte)]); };
    const auto type = [&](std::size_t position) { return digits[position] - '0'; };
    Reading r;
    switch (type(0)) {
        case 1: r.engineSpeed = std::trunc(b(10) * 256 / 2.55 + b(11) * 100 / 255); break;
        case 2: r.engineSpeed = std::trunc(b(10) * 160 / 2.55); break;
        case 3: r.engineSpeed = std::trunc(b(10) * 127.5 / 2.55 + b(11) * 50 / 255); break;
        case 4: r.engineSpeed = std::trunc(b(10) * 179.3 / 2.55 + b(11) * 70 / 255); break;
    }
    if (type(1) == 1) r.throttle = b(12) * 125.0 / 255;
    if (type(1) == 2) r.throttle = b(12) * 85.0 / 255;
    if (type(2) == 1) r.secondary = b(16) * 100 / 255;
    if (type(3) == 1) r.coolant = b(14) * 160 / 255 - 30;
    if (type(3) == 2) r.coolant = b(14) - 40;
    switch (type(5)) {
        case 1: r.pressure = std::trunc(b(13) * 166.7 / 255 - 20); break;
        case 2: r.pressure = std::trunc(b(13) * 126.7 / 255); break;
        case 3: r.pressure = std::trunc(b(13) * 166.3 / 255 - 20); break;
        case 4: r.pressure = std::trunc(b(13) * 183.3 / 255 - 5); break;
        case 5: r.pressure = std::trunc(b(13) * 127.6 / 255 + 8.6); break;
    }
    if (type(16) == 1) r.gear = b(15);
    if (type(16) == 2) r.gear = b(15);  // 0 N, 1 Low, 2 High
    return r;
}

class FreezeFramesTest : public ::testing::Test {
protected:
    std::unique_ptr<VirtualUnit> engine(const std::string& model) {
        return makeUnit(defaultProfile(UnitKind::Engine, model), clock_);
    }
    std::shared_ptr<ManualSimClock> clock_ = std::make_shared<ManualSimClock>();
};

// Every model of the list stores its faults in its own conversion types; read back the way the
// tester reads them, the values are those of the ride at the moment of detection.
TEST_F(FreezeFramesTest, StoredValuesDecodeWithTheModelsConversionTypes) {
    for (const vehicle::EcmModelEntry& entry : vehicle::modelList(vehicle::ModelList::ShowDataWhenTrouble)) {
        SCOPED_TRACE(std::string(entry.code));
        auto ecm = engine(std::string(entry.code));
        const EngineRunningModel ride(4, std::string(entry.capabilities));
        const EngineRunningModel::Values expected = ride.values(FreezeFrames::detectionTime(0));
        const ServiceBytes reply = ask(*ecm, {0x21, 0x41});
        ASSERT_EQ(reply.size(), at(16) + 1);
        EXPECT_EQ(reply[0], 0x61);
        EXPECT_EQ(reply[1], 0x41);
        EXPECT_EQ(reply[at(6)], 0x01);
        EXPECT_EQ(reply[at(7)], 0x05);
        const Reading r = decode(reply, entry.capabilities);
        const auto near = [](double read, double value, double tolerance, const char* what) {
            if (!std::isnan(read)) {
                EXPECT_NEAR(read, value, tolerance) << what;
            }
        };
        near(r.engineSpeed, expected.engineSpeed, 75.0, "engine speed");
        near(r.throttle, expected.throttle, 0.5, "throttle");
        near(r.pressure, expected.manifoldPressure, 1.5, "pressure");
        near(r.coolant, expected.coolant, 1.5, "coolant");
        near(r.secondary, expected.secondaryThrottle, 1.0, "secondary throttle");
        if (vehicle::digit(entry, 16) == 1) {
            EXPECT_EQ(r.gear, expected.gear);
        }
        // Pulling through the gears: the engine is under way, not idling.
        EXPECT_GT(expected.vehicleSpeed, 0.0);
    }
}

TEST_F(FreezeFramesTest, SixMomentsOfTwoFaults) {
    auto ecm = engine("18H2");  // type 1 everywhere, gear as a number
    const auto rpm = [&](std::uint8_t identifier) {
        return decode(ask(*ecm, {0x21, identifier}), "1111112010010102100110010011110000").engineSpeed;
    };
    // 0x44 holds the highest values of the drive cycle and 0x45 the lowest.
    for (std::uint8_t base : {0x40, 0x50}) {
        const double detect = rpm(base + 1);
        EXPECT_GE(rpm(base + 4), detect);
        EXPECT_LE(rpm(base + 5), detect);
        EXPECT_GT(rpm(base + 4), rpm(base + 5));
    }
    // The second fault carries the second stored code and other values.
    const ServiceBytes second = ask(*ecm, {0x21, 0x51});
    EXPECT_EQ(second[at(6)], 0x03);
    EXPECT_EQ(second[at(7)], 0x51);
    EXPECT_NE(rpm(0x41), rpm(0x51));
    // Before, at and after detection are different moments.
    EXPECT_NE(ask(*ecm, {0x21, 0x40}), ask(*ecm, {0x21, 0x42}));
}

// The first fault struck while the rider shifted up through the gears: the gear stored before
// detection is not above the one at detection, the one after it is higher than the one before,
// and the one at detection is the ride's gear at that moment.
TEST_F(FreezeFramesTest, StoredGearsFollowTheRideAroundTheFault) {
    const std::string digits = "1111112010010102100110010011110000";  // 18H2: the gear as a number
    auto ecm = engine("18H2");
    const auto gear = [&](std::uint8_t identifier) { return decode(ask(*ecm, {0x21, identifier}), digits).gear; };
    const double before = gear(0x40), detect = gear(0x41), after = gear(0x42);
    const RideState ride = RideScript{}.at(FreezeFrames::detectionTime(0));
    EXPECT_EQ(detect, ride.gear);
    EXPECT_GT(ride.vehicleSpeed, 0.0);
    EXPECT_LE(before, detect);
    EXPECT_GE(after, detect);
    EXPECT_GT(after, before);
}

TEST_F(FreezeFramesTest, ClearingTheCodesEmptiesTheFreezeFrames) {
    auto ecm = engine("12F0");
    EXPECT_EQ(ask(*ecm, {0x14, 0x00, 0x00})[0], 0x54);
    for (std::uint8_t identifier : {0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x50, 0x51, 0x52, 0x53, 0x54, 0x55}) {
        const ServiceBytes reply = ask(*ecm, {0x21, identifier});
        ASSERT_EQ(reply.size(), at(16) + 1);
        EXPECT_EQ(reply[1], identifier);
        for (std::size_t frameByte = 6; frameByte <= 16; ++frameByte) EXPECT_EQ(reply[at(frameByte)], 0) << frameByte;
    }
}

TEST_F(FreezeFramesTest, OneStoredCodeLeavesTheSecondFaultEmpty) {
    auto ecm = engine("12F0");
    ecm->setTroubleCodes({{0x01, 0x15, 0x60}});
    EXPECT_EQ(ask(*ecm, {0x21, 0x43})[at(7)], 0x15);
    EXPECT_EQ(ask(*ecm, {0x21, 0x53})[at(6)], 0);
    EXPECT_EQ(ask(*ecm, {0x21, 0x53})[at(10)], 0);
}

TEST_F(FreezeFramesTest, TheCombinedUnitsEngineStoresFaultsToo) {
    auto unit = makeUnit(defaultProfile(UnitKind::EngineTransmission), clock_);
    const ServiceBytes reply = ask(*unit, {0x21, 0x40});
    EXPECT_EQ(reply[0], 0x61);
    EXPECT_NE(reply[at(6)] | reply[at(7)], 0);
    EXPECT_NE(reply[at(10)], 0);  // engine speed
    ask(*unit, {0x14, 0x00, 0x00});
    EXPECT_EQ(ask(*unit, {0x21, 0x40})[at(10)], 0);
}

}  // namespace
}  // namespace quilldar::sim
