#include "sim/actuator_tests.h"

#include <gtest/gtest.h>

#include <string>

#include "sim/ride_script.h"
#include "sim/unit_catalogue.h"

namespace quilldar::sim {
namespace {

// Service bytes start at frame byte 4: frame byte k is reply[k - 4].
constexpr std::size_t at(std::size_t frameByte) { return frameByte - 4; }

// Moments of the ride with the engine in a known state.
constexpr double kStopped = 1.0;                     // key on, engine not started yet
constexpr double kColdIdle = 20.0;                   // warming up
constexpr double kRiding = RideScript::kFirstRide + 15.0;
constexpr double kSecondRide = RideScript::kFirstRide + RideScript::kRideLength;
constexpr double kWarmIdle = kSecondRide + RideScript::kStand + 2.0;
constexpr double kWarmStopped = kSecondRide + RideScript::kEngineOff + 2.0;
constexpr double kRunningAgain = kSecondRide + RideScript::kRunningAgain + 2.0;
constexpr double kRidingLater = kSecondRide + RideScript::kRideLength + 15.0;

const ServiceBytes kRefused{0x7F, 0xA5, 0x91};
const ServiceBytes kNotSupported{0x7F, 0xA5, 0x12};

class ActuatorTestsTest : public ::testing::Test {
protected:
    // 21H2 has every actuator of the Active tests page.
    void build(UnitKind kind = UnitKind::Engine, const std::string& model = "21H2") {
        unit_ = makeUnit(defaultProfile(kind, model), clock_);
    }
    ServiceBytes test(std::initializer_list<std::uint8_t> idAndParameters) {
        std::vector<std::uint8_t> request{0xA5};
        request.insert(request.end(), idAndParameters);
        return unit_->answer(request);
    }
    ServiceBytes live(std::uint8_t identifier = 0x08) { return unit_->answer(std::vector<std::uint8_t>{0x21, identifier}); }
    std::uint8_t liveByte(std::size_t frameByte) { return live()[at(frameByte)]; }
    void setTime(double seconds) { clock_->set(seconds); }

    std::shared_ptr<ManualSimClock> clock_ = std::make_shared<ManualSimClock>();
    std::unique_ptr<VirtualUnit> unit_;
};

TEST_F(ActuatorTestsTest, SwitchedActuatorsShowInTheirBits) {
    build();
    setTime(kColdIdle);  // cold: the fan, the purge valve and the PAIR valve rest
    const std::uint8_t fanBit = 0x04, evapBit = 0x08, pairBit = 0x01;
    ASSERT_EQ(liveByte(50) & (fanBit | evapBit), 0);
    ASSERT_EQ(liveByte(51) & pairBit, 0);

    EXPECT_EQ(test({0x06, 0x80, 0x80, 0x00, 0x00}), (ServiceBytes{0xE5, 0x06, 0x80, 0x80, 0x00, 0x00}));
    EXPECT_EQ(liveByte(50) & fanBit, fanBit);
    EXPECT_EQ(test({0x06, 0x80, 0x00, 0x00, 0x00})[0], 0xE5);  // Stop
    EXPECT_EQ(liveByte(50) & fanBit, 0);
    test({0x06, 0x80, 0x80, 0x00, 0x00});
    EXPECT_EQ(test({0x06, 0x00, 0x00, 0x00, 0x00})[0], 0xE5);  // Off: normal control, which keeps it off
    EXPECT_EQ(liveByte(50) & fanBit, 0);

    EXPECT_EQ(test({0x07, 0x80, 0x00, 0x00, 0x00})[0], 0xE5);
    EXPECT_EQ(liveByte(50) & evapBit, evapBit);
    test({0x07, 0x00, 0x00, 0x00, 0x00});
    EXPECT_EQ(liveByte(50) & evapBit, 0);

    EXPECT_EQ(test({0x01, 0x80, 0x00, 0x00, 0x00})[0], 0xE5);
    EXPECT_EQ(liveByte(51) & pairBit, pairBit);
    test({0x01, 0x00, 0x00, 0x00, 0x00});
    EXPECT_EQ(liveByte(51) & pairBit, 0);
}

TEST_F(ActuatorTestsTest, SteeringDamperCurrent) {
    build();
    setTime(kColdIdle);
    const std::uint8_t normal = liveByte(47);
    EXPECT_EQ(test({0x01, 0x40, 0x00, 0x00, 0x00})[0], 0xE5);
    EXPECT_NEAR(2.0 * liveByte(47) / 255.0, ActuatorTests::kDamperTestCurrent, 0.01);
    test({0x01, 0x00, 0x00, 0x00, 0x00});
    EXPECT_EQ(liveByte(47), normal);
}

// The secondary throttle (byte 46) and the exhaust valve (byte 48) travel to the commanded end
// and return to normal control when the test is switched off.
TEST_F(ActuatorTestsTest, MotorDrivenValvesTravelToTheCommandedEnd) {
    build();
    for (const auto& [id, frameByte] : {std::pair<std::uint8_t, std::size_t>{0x03, 46}, {0x04, 48}}) {
        SCOPED_TRACE(frameByte);
        setTime(kWarmIdle);
        const std::uint8_t normal = liveByte(frameByte);
        ASSERT_LT(normal, 128);
        EXPECT_EQ(test({id, 0x80, 0x80, 0x00, 0x00})[0], 0xE5);  // Open
        clock_->advance(0.3);
        test({id, 0x80, 0x80, 0x00, 0x00});  // the tester repeats the request while it runs
        const std::uint8_t halfway = liveByte(frameByte);
        EXPECT_GT(halfway, normal);
        EXPECT_LT(halfway, 255);
        clock_->advance(1.0);
        EXPECT_EQ(liveByte(frameByte), 255);
        EXPECT_EQ(test({id, 0x80, 0x00, 0x00, 0x00})[0], 0xE5);  // Close
        clock_->advance(1.0);
        EXPECT_EQ(liveByte(frameByte), 0);
        test({id, 0x00, 0x00, 0x00, 0x00});  // Off
        setTime(kWarmIdle);
        EXPECT_EQ(liveByte(frameByte), normal);
    }
}

TEST_F(ActuatorTestsTest, IdleSpeedFollowsTheTarget) {
    build();
    setTime(kWarmIdle);
    // 0x78 steps of 12.5 rpm: 1500 rpm.
    EXPECT_EQ(test({0x05, 0x80, 0x00, 0x78, 0x00})[0], 0xE5);
    clock_->advance(3.0);
    const ServiceBytes block = live();
    const double rpm = block[at(17)] * 256 / 2.55 + block[at(18)] * 100 / 255;
    EXPECT_NEAR(rpm, 1500.0, 60.0);
    EXPECT_NEAR(32.0 * block[at(28)] / 2.55, 1500.0, 13.0);  // target idle speed
    test({0x05, 0x00, 0x00, 0x00, 0x00});
    const ServiceBytes normal = live();
    EXPECT_LT(normal[at(28)], block[at(28)]);
}

TEST_F(ActuatorTestsTest, IdleAirVolumeHoldsTheValve) {
    build();
    setTime(kWarmIdle);
    EXPECT_EQ(test({0x05, 0x08, 0x00, 0x70, 0x00})[0], 0xE5);
    // 0x70 = 112 steps; 21H2 reports 512 × A ÷ 255 steps, and 512 × 56 ÷ 255 = 112.
    EXPECT_EQ(liveByte(29), 56);
    test({0x05, 0x00, 0x00, 0x70, 0x00});
    EXPECT_NE(liveByte(29), 56);
}

TEST_F(ActuatorTestsTest, EngineStateRejections) {
    build();
    setTime(kColdIdle);
    EXPECT_EQ(test({0x05, 0x08, 0x00, 0x70, 0x00}), kRefused);  // air volume on a cold running engine
    EXPECT_EQ(test({0x05, 0x20, 0x00, 0x70, 0x00}), kRefused);  // resets need the engine stopped
    EXPECT_EQ(test({0x03, 0x08, 0x00, 0x00, 0x00}), kRefused);
    setTime(kStopped);
    EXPECT_EQ(test({0x05, 0x80, 0x00, 0x78, 0x00}), kRefused);  // idle speed without idling
    EXPECT_EQ(test({0x05, 0x08, 0x00, 0x70, 0x00})[0], 0xE5);  // air volume with the engine stopped
    EXPECT_EQ(test({0x05, 0x20, 0x00, 0x70, 0x00})[0], 0xE5);

    // Riding: the valves are not driven; a running test is stopped by the refusal of its next
    // repetition.
    setTime(kWarmIdle);
    test({0x03, 0x80, 0x80, 0x00, 0x00});
    setTime(kRidingLater);
    EXPECT_EQ(liveByte(46), 255);
    EXPECT_EQ(test({0x03, 0x80, 0x80, 0x00, 0x00}), kRefused);
    EXPECT_EQ(test({0x04, 0x80, 0x00, 0x00, 0x00}), kRefused);
    EXPECT_LT(liveByte(46), 255);
    // Switching off and the switched actuators are never refused for the engine state.
    EXPECT_EQ(test({0x03, 0x00, 0x00, 0x00, 0x00})[0], 0xE5);
    EXPECT_EQ(test({0x06, 0x80, 0x80, 0x00, 0x00})[0], 0xE5);
    EXPECT_EQ(test({0x01, 0x80, 0x00, 0x00, 0x00})[0], 0xE5);
}

// The engine-state limits at their edges, straight on the service: 2,000 rpm is still at rest,
// a little more is not; 60 °C is warm, a little less is cold.
TEST(ActuatorTestsAtTheLimits, ExactlyTwoThousandRpmIsAtRestAndSixtyDegreesIsWarm) {
    const auto answer = [](std::initializer_list<std::uint8_t> bytes, EngineConditions engine) {
        ActuatorTests tests(std::string(), false, false);
        const std::vector<std::uint8_t> request(bytes);
        return tests.request(request, 100.0, engine);
    };
    const std::initializer_list<std::uint8_t> idleSpeed{0xA5, 0x05, 0x80, 0x00, 0x78, 0x00};
    const std::initializer_list<std::uint8_t> secondary{0xA5, 0x03, 0x80, 0x80, 0x00, 0x00};
    const std::initializer_list<std::uint8_t> airVolume{0xA5, 0x05, 0x08, 0x00, 0x70, 0x00};
    for (const auto& request : {idleSpeed, secondary}) {
        EXPECT_EQ(answer(request, {ActuatorTests::kAtRestRpm, 80.0}).at(0), 0xE5);
        EXPECT_EQ(answer(request, {ActuatorTests::kAtRestRpm + 0.5, 80.0}), kRefused);
    }
    EXPECT_EQ(answer(airVolume, {ActuatorTests::kAtRestRpm, ActuatorTests::kWarmCoolant}).at(0), 0xE5);
    EXPECT_EQ(answer(airVolume, {1200.0, ActuatorTests::kWarmCoolant - 0.5}), kRefused);
    EXPECT_EQ(answer(airVolume, {ActuatorTests::kAtRestRpm + 0.5, ActuatorTests::kWarmCoolant}), kRefused);
    // The positive answer echoes the test id and all four parameters.
    EXPECT_EQ(answer(idleSpeed, {1200.0, 80.0}), (ServiceBytes{0xE5, 0x05, 0x80, 0x00, 0x78, 0x00}));

    // The idle target is p3 steps of 12.5 rpm: 0x78 steps are 1,500 rpm.
    ActuatorTests tests(std::string(), false, false);
    const std::vector<std::uint8_t> request{0xA5, 0x05, 0x80, 0x11, 0x78, 0x00};
    ASSERT_EQ(tests.request(request, 100.0, {1200.0, 80.0}).at(0), 0xE5);
    ASSERT_TRUE(tests.effects().idleSpeed.has_value());
    EXPECT_DOUBLE_EQ(tests.effects().idleSpeed->target, 1500.0);
}

// The module holds one test request at a time: a test of another actuator, or a reset, ends the
// running test, whose actuator then reads as on an ECM that was never tested.
TEST_F(ActuatorTestsTest, StartingAnotherTestEndsTheRunningOne) {
    build();
    auto untouched = makeUnit(defaultProfile(UnitKind::Engine, "21H2"), clock_);
    const auto normalByte = [&](std::size_t frameByte) {
        return untouched->answer(std::vector<std::uint8_t>{0x21, 0x08})[at(frameByte)];
    };
    setTime(kColdIdle);  // the fan, the purge valve and the PAIR valve rest under normal control
    const std::uint8_t pairBit = 0x01, evapBit = 0x08, fanBit = 0x04;

    ASSERT_EQ(test({0x01, 0x80, 0x00, 0x00, 0x00})[0], 0xE5);  // PAIR On
    ASSERT_EQ(liveByte(51) & pairBit, pairBit);
    ASSERT_EQ(test({0x07, 0x80, 0x00, 0x00, 0x00})[0], 0xE5);  // EVAP On
    EXPECT_EQ(liveByte(50) & evapBit, evapBit);
    EXPECT_EQ(liveByte(51), normalByte(51));

    ASSERT_EQ(test({0x01, 0x40, 0x00, 0x00, 0x00})[0], 0xE5);  // steering damper On
    EXPECT_EQ(liveByte(50), normalByte(50));                    // the purge valve is back
    ASSERT_NE(liveByte(47), normalByte(47));
    ASSERT_EQ(test({0x06, 0x80, 0x80, 0x00, 0x00})[0], 0xE5);  // cooling fan Start
    EXPECT_EQ(liveByte(47), normalByte(47));
    EXPECT_EQ(liveByte(50) & fanBit, fanBit);

    // A valve driven to its end returns to where normal control has it.
    setTime(kWarmIdle);
    ASSERT_EQ(test({0x04, 0x80, 0x80, 0x00, 0x00})[0], 0xE5);  // exhaust valve Open
    EXPECT_EQ(liveByte(50), normalByte(50));                    // the fan is back
    clock_->advance(2.0);
    test({0x04, 0x80, 0x80, 0x00, 0x00});  // repeated while it runs: it stays open
    ASSERT_EQ(liveByte(48), 255);
    ASSERT_NE(normalByte(48), 255);
    ASSERT_EQ(test({0x05, 0x80, 0x00, 0x78, 0x00})[0], 0xE5);  // idle speed target
    EXPECT_EQ(liveByte(48), normalByte(48));

    // A reset replaces the test request as well.
    setTime(kWarmStopped);
    ASSERT_EQ(test({0x03, 0x80, 0x80, 0x00, 0x00})[0], 0xE5);  // secondary throttle Open
    clock_->advance(2.0);
    ASSERT_EQ(liveByte(46), 255);
    ASSERT_EQ(test({0x05, 0x20, 0x00, 0x70, 0x00})[0], 0xE5);  // ISC learned value reset
    EXPECT_EQ(liveByte(46), normalByte(46));
}

TEST_F(ActuatorTestsTest, TestsTheModelLacksAreNotSupported) {
    build(UnitKind::Engine, "12F0");  // no secondary throttle, exhaust valve, damper, fan, PAIR
    setTime(kWarmIdle);
    EXPECT_EQ(test({0x06, 0x80, 0x80, 0x00, 0x00}), kNotSupported);
    EXPECT_EQ(test({0x03, 0x80, 0x00, 0x00, 0x00}), kNotSupported);
    EXPECT_EQ(test({0x04, 0x80, 0x80, 0x00, 0x00}), kNotSupported);
    EXPECT_EQ(test({0x01, 0x80, 0x00, 0x00, 0x00}), kNotSupported);
    EXPECT_EQ(test({0x01, 0x40, 0x00, 0x00, 0x00}), kNotSupported);
    EXPECT_EQ(test({0x09, 0x80, 0x00, 0x00, 0x00}), kNotSupported);  // no pulley on an engine ECM
    EXPECT_EQ(test({0x0A, 0x80, 0x00, 0x00, 0x00}), kNotSupported);
    EXPECT_EQ(test({0x07}), kNotSupported);  // too short to be a test
    EXPECT_EQ(test({0x05, 0x80, 0x00, 0x78, 0x00})[0], 0xE5);  // it has the idle control
}

TEST_F(ActuatorTestsTest, LearnedValueResetsShowTheirEffect) {
    build();
    std::shared_ptr<ManualSimClock> otherClock = std::make_shared<ManualSimClock>();
    auto untouched = makeUnit(defaultProfile(UnitKind::Engine, "21H2"), otherClock);
    const auto liveOf = [](VirtualUnit& unit) { return unit.answer(std::vector<std::uint8_t>{0x21, 0x08}); };

    setTime(kWarmStopped);
    EXPECT_EQ(test({0x05, 0x20, 0x00, 0x70, 0x00}), (ServiceBytes{0xE5, 0x05, 0x20, 0x00, 0x70, 0x00}));
    EXPECT_EQ(test({0x03, 0x08, 0x00, 0x00, 0x00})[0], 0xE5);
    setTime(kRunningAgain);
    otherClock->set(kRunningAgain);
    const ServiceBytes reset = live();
    const ServiceBytes kept = liveOf(*untouched);
    // The idle air valve lost its learned steps and is learning them again.
    EXPECT_LT(reset[at(29)], kept[at(29)]);
    // The closed throttle reads lower once the sensor's learned value is reset.
    EXPECT_LT(reset[at(19)], kept[at(19)]);

    // The combined unit resets its pulley position sensor: the reported ratio matches its target.
    build(UnitKind::EngineTransmission, "");
    setTime(kWarmStopped);
    const auto ratioError = [&] {
        const ServiceBytes block = live(0x09);
        return static_cast<int>(block[at(21)]) - static_cast<int>(block[at(20)]);
    };
    EXPECT_GE(ratioError(), 3);
    EXPECT_EQ(test({0x09, 0x80, 0x00, 0x00, 0x00})[0], 0xE5);
    EXPECT_LE(std::abs(ratioError()), 2);
    setTime(kRiding);
    EXPECT_EQ(test({0x09, 0x80, 0x00, 0x00, 0x00}), kRefused);
}

}  // namespace
}  // namespace quilldar::sim
