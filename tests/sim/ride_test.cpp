#include "sim/ride_script.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "link/hid_link.h"
#include "link/kwp_frame.h"
#include "link/module_commands.h"
#include "sim/simulation_spec.h"
#include "sim/unit_catalogue.h"
#include "sim/unit_live_data.h"
#include "vehicle/ecm_model_table.h"
#include "vehicle/engine_channels.h"

namespace quilldar::sim {
namespace {

// Service bytes start at frame byte 4: frame byte k is reply[k - 4].
constexpr std::size_t at(std::size_t frameByte) { return frameByte - 4; }

// A fast simulated session: 2,000 ticks of 0.15 s, five minutes of the ride.
constexpr int kTicks = 2000;
constexpr double kTick = 0.15;

std::vector<ServiceBytes> ride(VirtualUnit& unit, ManualSimClock& clock, std::uint8_t identifier) {
    std::vector<ServiceBytes> blocks;
    clock.set(0.0);
    for (int tick = 0; tick < kTicks; ++tick, clock.advance(kTick))
        blocks.push_back(unit.answer(std::vector<std::uint8_t>{0x21, identifier}));
    return blocks;
}

std::set<int> valuesOf(const std::vector<ServiceBytes>& blocks, std::size_t frameByte, std::uint8_t mask = 0xFF) {
    std::set<int> values;
    for (const ServiceBytes& block : blocks) values.insert(block.at(at(frameByte)) & mask);
    return values;
}

void expectMoving(const std::vector<ServiceBytes>& blocks, std::initializer_list<std::size_t> frameBytes) {
    for (std::size_t frameByte : frameBytes) EXPECT_GE(valuesOf(blocks, frameByte).size(), 3u) << "frame byte " << frameByte;
}

void expectSwitching(const std::vector<ServiceBytes>& blocks, std::size_t frameByte, std::uint8_t mask) {
    EXPECT_EQ(valuesOf(blocks, frameByte, mask).size(), 2u) << "frame byte " << frameByte << " bit " << int(mask);
}

// Every channel an engine model reports, read with that model's formulas, takes several values.
void expectEngineChannelsMove(const std::vector<ServiceBytes>& blocks, std::string_view digits) {
    for (int position = 0; position < vehicle::position::kNumericCount; ++position) {
        const int d = digits[static_cast<std::size_t>(position)] - '0';
        // Intake air type 3 is a constant whatever the byte says.
        if (d == 0 || (position == vehicle::position::kIntakeAir && d == 3)) continue;
        const vehicle::EngineChannel& channel = vehicle::numericChannel(position);
        std::set<double> values;
        for (const ServiceBytes& block : blocks) {
            const auto c = vehicle::convertChannel(position, d, block.at(at(channel.firstByte)),
                                                   channel.secondByte ? block.at(at(channel.secondByte)) : 0,
                                                   vehicle::UnitSettings{});
            if (c.ok()) values.insert(c.value);
        }
        EXPECT_GE(values.size(), 3u) << "capability position " << position;
    }
    expectMoving(blocks, {vehicle::kInjectionFirstByte, vehicle::kInjectionFirstByte + 1u, vehicle::kAdvanceByte});
    // The switches the ride works: neutral, clutch, starter, purge valve, PAIR valve, side stand.
    for (int position : {20, 24, 25, 26, 29, 30}) {
        const vehicle::SwitchBit* bit = vehicle::switchBit(position, digits[static_cast<std::size_t>(position)] - '0');
        if (bit != nullptr) expectSwitching(blocks, bit->frameByte, bit->mask);
    }
    // Values that stand still for 18 s out of 30 were the old fault: while the engine turns,
    // no two seconds pass without a change in the block.
    int unchanged = 0;
    for (std::size_t i = 1; i < blocks.size(); ++i) {
        const bool turning = blocks[i].at(at(17)) != 0 || blocks[i].at(at(18)) != 0;
        unchanged = turning && blocks[i] == blocks[i - 1] ? unchanged + 1 : 0;
        ASSERT_LE(unchanged * kTick, 2.0) << "tick " << i;
    }
}

void expectTransmissionMoves(const std::vector<ServiceBytes>& blocks) {
    expectMoving(blocks, {13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 27, 31});
    expectSwitching(blocks, 51, 0x01);
    expectSwitching(blocks, 51, 0x02);
    expectSwitching(blocks, 52, 0x08);
}

class RideTest : public ::testing::Test {
protected:
    std::unique_ptr<VirtualUnit> unit(UnitKind kind, const std::string& model = {}, bool second = false) {
        UnitProfile profile = defaultProfile(kind, model);
        profile.secondScheme = second;
        return makeUnit(profile, clock_);
    }
    std::shared_ptr<ManualSimClock> clock_ = std::make_shared<ManualSimClock>();
};

TEST_F(RideTest, AFastRideMovesEveryEngineChannel) {
    for (const char* model : {"12F0", "21H2", "14G0", "31G0", "26G0"}) {
        SCOPED_TRACE(model);
        auto ecm = unit(UnitKind::Engine, model);
        expectEngineChannelsMove(ride(*ecm, *clock_, 0x08), vehicle::findModel(vehicle::ModelList::Engine, model)->capabilities);
    }
    auto alt = unit(UnitKind::Engine, "13K0", true);
    expectEngineChannelsMove(ride(*alt, *clock_, 0x00),
                             vehicle::findModel(vehicle::ModelList::Engine, "13K0")->capabilities);
}

TEST_F(RideTest, AFastRideMovesTheCombinedUnitAndTheTransmission) {
    auto combined = unit(UnitKind::EngineTransmission);
    expectEngineChannelsMove(ride(*combined, *clock_, 0x08),
                             vehicle::findModel(vehicle::ModelList::EngineTransmission, "26J0")->capabilities);
    expectTransmissionMoves(ride(*combined, *clock_, 0x09));
    auto gearbox = unit(UnitKind::Transmission);
    expectTransmissionMoves(ride(*gearbox, *clock_, 0x08));
}

TEST_F(RideTest, AFastRideMovesTheAbsAndTheSteering) {
    for (const char* model : {"27G0", "10G0"}) {
        SCOPED_TRACE(model);
        auto abs = unit(UnitKind::Abs, model);
        const auto wheels = ride(*abs, *clock_, 0x00);
        expectMoving(wheels, {13, 14, 18});
        if (std::string(model) == "10G0") expectSwitching(wheels, 21, 0x01);  // brake switch
        if (std::string(model) == "27G0") {
            const auto status = ride(*abs, *clock_, 0x08);
            expectSwitching(status, 20, 0x04);
            expectSwitching(status, 21, 0x40);  // the ABS motor runs in the hardest braking
        }
    }
    auto eps = unit(UnitKind::Eps);
    const auto steering = ride(*eps, *clock_, 0x08);
    expectMoving(steering, {13, 15, 16, 17, 18, 19, 20, 22, 23});
    expectSwitching(steering, 24, 0x02);
    expectSwitching(steering, 24, 0x10);
}

TEST(RideScript, FollowsTheScript) {
    const RideScript script;
    EXPECT_FALSE(script.at(RideScript::kStarterOn - 1.0).engineTurning());
    EXPECT_TRUE(script.at(RideScript::kStarterOn + 1.0).cranking);
    const RideState cold = script.at(RideScript::kEngineStarts + 5.0);
    EXPECT_TRUE(cold.idling);
    EXPECT_GT(cold.engineSpeed, 1400.0);  // fast idle while cold
    EXPECT_LT(cold.coolant, 40.0);

    // Pulling away goes up through the gears and never down.
    const double start = RideScript::kFirstRide + RideScript::kRideLength;
    int gear = 0;
    double top = 0.0;
    for (double t = start + RideScript::kPullAway; t < start + RideScript::kBrake; t += 0.1) {
        const RideState s = script.at(t);
        EXPECT_GE(s.gear, gear);
        gear = s.gear;
        top = std::max(top, s.vehicleSpeed);
    }
    EXPECT_EQ(gear, 5);
    EXPECT_GT(top, 80.0);
    bool hardBraking = false;
    for (double t = start + RideScript::kBrake; t < start + RideScript::kStand; t += 0.1)
        hardBraking = hardBraking || script.at(t).hardBraking;
    EXPECT_TRUE(hardBraking);
    EXPECT_EQ(script.at(start + RideScript::kStand + 1.0).vehicleSpeed, 0.0);
    EXPECT_FALSE(script.at(start + RideScript::kEngineOff + 1.0).engineTurning());
    EXPECT_TRUE(script.at(start + RideScript::kEngineOff + 1.0).sideStandDown);
    // The engine warms up over the ride and the charging system lifts the battery voltage.
    EXPECT_GT(script.at(300.0).coolant, 70.0);
    EXPECT_GT(script.at(start + RideScript::kCruise + 5.0).battery, script.at(1.0).battery + 1.0);
}

TEST_F(RideTest, TheSameSeedGivesTheSameRide) {
    UnitProfile profile = defaultProfile(UnitKind::Engine, "21H2");
    auto first = makeUnit(profile, clock_);
    auto second = makeUnit(profile, clock_);
    profile.seed = 7;
    auto other = makeUnit(profile, clock_);
    EXPECT_EQ(ride(*first, *clock_, 0x08), ride(*second, *clock_, 0x08));
    EXPECT_NE(ride(*first, *clock_, 0x08), ride(*other, *clock_, 0x08));
}

// The tool drives the ride with a clock it advances itself, one step per session tick.
TEST(SimulatedRide, TheModuleFollowsAManualClock) {
    auto clock = std::make_shared<ManualSimClock>();
    SimulationSpec spec;
    spec.model = "21H2";
    auto module = buildSimulatedModule(spec, clock);
    VirtualControlUnit* ecm = module->vehicle().unitAt(0x12);
    ASSERT_NE(ecm, nullptr);
    const auto live = [&] { return ecm->answer(std::vector<std::uint8_t>{0x21, 0x08}); };
    const ServiceBytes standing = live();
    EXPECT_EQ(standing, live());  // nothing moves until the clock does
    for (int tick = 0; tick < 400; ++tick) clock->advance(kTick);  // 60 s: under way
    const ServiceBytes riding = live();
    EXPECT_GT(riding.at(at(16)), 0);  // vehicle speed
    EXPECT_NE(standing, riding);
}

// The module the program starts answers at a K-line unit's pace: once polling, a response every
// 0.15 s, the time a record stands for, so a recording's time keeps up with the clock. Measured
// over three seconds of responses read as the link's reader reads them.
TEST(SimulatedRide, TheModuleRelaysOneResponsePerRecordTime) {
    SimulationSpec spec;
    auto module = buildSimulatedModule(spec, std::make_shared<ManualSimClock>());
    ASSERT_EQ(module->open(link::kModuleVendorId, link::kModuleProductId), link::OpenOutcome::Opened);
    link::Report command{};
    const auto send = [&] { ASSERT_TRUE(module->write(command)); };
    link::commands::initLine(command, 0);
    send();
    link::commands::initWakeUp(command, link::address::kEngine);
    send();
    link::commands::defineSlot(command, 3, link::buildRequest(link::address::kEngine, {0x21, 0x08}));
    send();
    link::commands::list(command, {3});
    send();
    link::commands::start(command);
    send();

    using Clock = std::chrono::steady_clock;
    constexpr int kResponses = 20;
    link::Report report{};
    int responses = 0;
    Clock::time_point first;
    Clock::time_point last;
    while (responses <= kResponses) {
        ASSERT_EQ(module->read(report, 2000), link::ReadOutcome::Report);
        if (link::frameByte(report, 4) != 0x61) continue;  // the list's count, "Start OK"
        last = Clock::now();
        if (responses++ == 0) first = last;
    }
    const double seconds = std::chrono::duration<double>(last - first).count();
    const double recorded = kResponses * kTick;
    // Never faster than the line (the fault this catches); a busy machine may only make it slower.
    EXPECT_GT(seconds, 0.9 * recorded);
    EXPECT_LT(seconds, 3.0 * recorded);
}

}  // namespace
}  // namespace quilldar::sim

namespace quilldar::sim {
namespace {

// Road speed per 1,000 rpm in gears 1 to 5 of the simulated motorcycle, and the speeds at which
// it shifts from one gear to the next.
constexpr double kKmhPer1000[] = {3.5, 6.0, 8.5, 10.5, 12.5};
constexpr double kShiftSpeeds[] = {19.0, 38.0, 57.0, 76.0};

// Wherever the clutch is engaged and the engine is neither held up by a slipping clutch (2,800
// rpm while setting off) nor idling, the engine turns as fast as the road speed and the gear
// make it; the gear is the one for the speed; standing still is neutral.
TEST(RideScript, EngineSpeedFollowsRoadSpeedInEachGear) {
    const RideScript script;
    const double start = RideScript::kFirstRide + RideScript::kRideLength;
    std::set<int> checkedGears;
    for (double t = start + RideScript::kPullAway; t < start + RideScript::kStand; t += 0.05) {
        const RideState s = script.at(t);
        if (s.vehicleSpeed <= 0.0) {
            if (s.braking) EXPECT_EQ(s.gear, 0) << "at " << t;  // stopped: neutral
            continue;
        }
        int gear = 1;
        for (double limit : kShiftSpeeds) gear += s.vehicleSpeed >= limit ? 1 : 0;
        EXPECT_EQ(s.gear, gear) << "at " << t << " s, " << s.vehicleSpeed << " km/h";
        if (s.clutchPulled || s.gear == 0 || s.engineSpeed <= 2800.0 + 1e-9 || s.engineSpeed <= s.idleTarget + 40.0)
            continue;
        EXPECT_NEAR(s.vehicleSpeed / s.engineSpeed * 1000.0, kKmhPer1000[s.gear - 1], 1e-9) << "at " << t;
        checkedGears.insert(s.gear);
    }
    EXPECT_EQ(checkedGears, (std::set<int>{1, 2, 3, 4, 5}));
}

// The front wheel slips only while the rider brakes hard, a few seconds in the middle of the
// braking, never at its first moment, while riding on or at a gentle brake; the ABS reports the
// slipping front wheel slower than the rear one.
TEST(RideScript, FrontWheelSlipsOnlyUnderHardBraking) {
    const RideScript script;
    int slipping = 0;
    for (double t = RideScript::kFirstRide; t < RideScript::kFirstRide + 2 * RideScript::kRideLength; t += 0.05) {
        const RideState s = script.at(t);
        if (s.hardBraking) EXPECT_TRUE(s.braking) << "at " << t;
        if (s.frontSlip > 0.0) {
            EXPECT_TRUE(s.hardBraking) << "at " << t;
            ++slipping;
        }
        const double intoRide = std::fmod(t - RideScript::kFirstRide, RideScript::kRideLength);
        if (intoRide < RideScript::kBrake + 1.0) EXPECT_FALSE(s.hardBraking) << "at " << t;
        if (s.frontSlip > 0.02 && s.vehicleSpeed > 20.0) {
            // The block starts at frame byte 6.
            const ServiceBytes wheels = live::absWheelBlock(script, t, "27G0");
            EXPECT_LT(wheels.at(13 - 6), wheels.at(14 - 6)) << "front against rear at " << t;
        }
    }
    EXPECT_GT(slipping, 20);
}

}  // namespace
}  // namespace quilldar::sim
