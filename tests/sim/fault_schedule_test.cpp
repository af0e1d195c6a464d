#include "sim/fault_schedule.h"

#include <gtest/gtest.h>

#include "link/module_commands.h"
#include "link/module_replies.h"
#include "sim/simulated_module.h"
#include "sim/unit_catalogue.h"

namespace quilldar::sim {
namespace {

TEST(FaultSchedule, ParsesEveryNameWithAndWithoutATick) {
    const struct {
        const char* text;
        Fault fault;
        int tick;
    } cases[] = {
        {"power", Fault::Power, 0},           {"unplug@12", Fault::Unplug, 12},
        {"replug@40", Fault::Replug, 40},     {"mute@3", Fault::Mute, 3},
        {"slow@0", Fault::Slow, 0},           {"stale", Fault::Stale, 0},
        {"tmr", Fault::Tmr, 0},               {"connect-error", Fault::ConnectError, 0},
        {"disconnected@10", Fault::Disconnected, 10}, {"bad-checksum@5", Fault::BadChecksum, 5},
        {"long-frame@7", Fault::LongFrame, 7}, {"MODULE-TYPE", Fault::ModuleType, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        QString error;
        const auto parsed = parseScheduledFault(c.text, error);
        ASSERT_TRUE(parsed) << error.toStdString();
        EXPECT_EQ(parsed->fault, c.fault);
        EXPECT_EQ(parsed->tick, c.tick);
    }
}

TEST(FaultSchedule, BadValuesSayWhatIsWrong) {
    for (const char* text : {"fire", "", "mute@", "mute@-1", "mute@ten", "@5"}) {
        SCOPED_TRACE(text);
        QString error;
        EXPECT_FALSE(parseScheduledFault(text, error));
        EXPECT_FALSE(error.isEmpty());
    }
    QString error;
    parseScheduledFault("fire", error);
    EXPECT_TRUE(error.contains(QStringLiteral("connect-error")));  // the list of names
}

TEST(FaultSchedule, StrikesOnlyTheFaultsOfTheTick) {
    auto vehicle = std::make_unique<VirtualVehicle>();
    vehicle->addUnit(makeUnit(defaultProfile(UnitKind::Engine), std::make_shared<ManualSimClock>()));
    VirtualVehicle& shared = *vehicle;
    SimulatedModule module(std::move(vehicle), ModuleTiming{std::chrono::milliseconds(0), std::chrono::milliseconds(1)});
    FaultSchedule schedule;
    schedule.add({Fault::Power, 3});
    schedule.add({Fault::Unplug, 5});
    EXPECT_EQ(schedule.lastTick(), 5);

    schedule.strike(2, module);
    EXPECT_TRUE(shared.powered());
    schedule.strike(3, module);
    EXPECT_FALSE(shared.powered());
    EXPECT_EQ(module.open(0x04D8, 0x05F1), link::OpenOutcome::Opened);
    schedule.strike(5, module);
    link::Report command{};
    link::commands::power(command);
    EXPECT_FALSE(module.write(command));
    EXPECT_EQ(module.open(0x04D8, 0x05F1), link::OpenOutcome::NotFound);
}

TEST(FaultSchedule, SessionTicksCountFromTheFirstConnectedTickAndGoOnAfterTheSession) {
    auto vehicle = std::make_unique<VirtualVehicle>();
    VirtualVehicle& shared = *vehicle;
    SimulatedModule module(std::move(vehicle));
    FaultSchedule schedule;
    schedule.add({Fault::Power, 2});
    schedule.add({Fault::Unplug, 4});
    EXPECT_EQ(schedule.beforePollTick(false, module), 0);  // waiting for power
    EXPECT_EQ(schedule.beforePollTick(false, module), 0);
    EXPECT_EQ(schedule.beforePollTick(true, module), 1);
    EXPECT_TRUE(shared.powered());
    EXPECT_EQ(schedule.beforePollTick(true, module), 2);
    EXPECT_FALSE(shared.powered());
    EXPECT_EQ(schedule.beforePollTick(false, module), 3);  // the session has ended
    EXPECT_EQ(module.open(0x04D8, 0x05F1), link::OpenOutcome::Opened);
    EXPECT_EQ(schedule.beforePollTick(false, module), 4);
    EXPECT_EQ(module.open(0x04D8, 0x05F1), link::OpenOutcome::NotFound);
}

TEST(FaultSchedule, ModuleTypeFaultChangesTheTypeReply) {
    auto vehicle = std::make_unique<VirtualVehicle>();
    SimulatedModule module(std::move(vehicle), ModuleTiming{std::chrono::milliseconds(0), std::chrono::milliseconds(1)});
    injectFault(module, Fault::ModuleType);
    ASSERT_EQ(module.open(0x04D8, 0x05F1), link::OpenOutcome::Opened);
    link::Report command{};
    link::commands::getType(command);
    ASSERT_TRUE(module.write(command));
    link::Report reply{};
    ASSERT_EQ(module.read(reply, 100), link::ReadOutcome::Report);
    EXPECT_TRUE(link::payloadStartsWith(reply, "Tp"));
    EXPECT_NE(link::frameByte(reply, 2), '1');
}

}  // namespace
}  // namespace quilldar::sim
