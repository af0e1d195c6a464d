#include "sim/engine_running_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "link/kwp_frame.h"
#include "pages/engine_page_model.h"
#include "sim/ride_script.h"
#include "vehicle/ecm_model_table.h"
#include "vehicle/engine_channels.h"
#include "vehicle/english_texts.h"

namespace quilldar::sim {
namespace {

link::Report liveReport(const EngineRunningModel::Block& block) {
    std::vector<std::uint8_t> service{0x61, 0x08};
    service.insert(service.end(), block.begin(), block.end());
    const link::Frame frame = link::buildResponse(link::address::kEngine, service);
    link::Report report{};
    std::copy(frame.begin(), frame.end(), report.begin() + 1);
    return report;
}

// Every listed engine model's virtual ECM must make the Engine page show the engine's physical
// values: the sim encodes with the formula the model's digits select.
TEST(EngineRunningModel, EveryModelDecodesToThePhysicalValues) {
    constexpr double kSeconds = 20.0;  // warm-ish, in the middle of a throttle blip
    for (const vehicle::EcmModelEntry& entry : vehicle::modelList(vehicle::ModelList::Engine)) {
        SCOPED_TRACE(std::string(entry.code));
        const EngineRunningModel engine(2, std::string(entry.capabilities));
        const EngineRunningModel::Values expected = engine.values(kSeconds);
        link::Report report = liveReport(engine.liveBlock(kSeconds, 0));

        vehicle::LiveValueSlots liveValues;
        pages::CurrentValuesTable table;
        pages::EnginePageModel page(liveValues, table);
        page.reset(vehicle::englishEngineTexts(), vehicle::englishUnitTexts(vehicle::UnitSettings{}), 5);
        ASSERT_TRUE(page.refresh(report, {entry.code, false, false, vehicle::UnitSettings{}}));

        const auto near = [&](int position, double value, double tolerance) {
            if (vehicle::digit(entry, static_cast<std::size_t>(position)) == 0) return;
            const int slot = vehicle::numericChannel(position).slot;
            EXPECT_NEAR(liveValues.latest(static_cast<std::size_t>(slot)), value, tolerance) << "position " << position;
        };
        near(vehicle::position::kEngineSpeed, expected.engineSpeed, 60.0);
        near(vehicle::position::kCoolant, expected.coolant, 2.0);
        near(vehicle::position::kBattery, expected.battery, 0.1);
        // Two cylinders: the third and fourth rows keep their placeholder.
        EXPECT_EQ(page.cellText(17), "---");
        EXPECT_NE(page.cellText(15), "---");
    }
}

// The neutral switch grounds its terminal in neutral: the Engine page reads "GND" while the ride
// stands in neutral and "Open" in gear, whichever bit the model's digit selects.
TEST(EngineRunningModel, NeutralSwitchReadsGndInNeutralAndOpenInGear) {
    constexpr int kNeutralSwitch = 20;  // capability position of the neutral switch signal
    const int neutralRow = vehicle::switchRow(kNeutralSwitch);
    int models = 0;
    for (const vehicle::EcmModelEntry& entry : vehicle::modelList(vehicle::ModelList::Engine)) {
        if (vehicle::digit(entry, kNeutralSwitch) == 0) continue;
        SCOPED_TRACE(std::string(entry.code));
        ++models;
        const EngineRunningModel engine(2, std::string(entry.capabilities));
        vehicle::LiveValueSlots liveValues;
        pages::CurrentValuesTable table;
        pages::EnginePageModel page(liveValues, table);
        page.reset(vehicle::englishEngineTexts(), vehicle::englishUnitTexts(vehicle::UnitSettings{}), 5);
        int inNeutral = 0;
        int inGear = 0;
        // The warm-up idle and the first ride, pulling away through the gears.
        for (double t = 1.0; t < RideScript::kFirstRide + RideScript::kRideLength; t += 0.5) {
            link::Report report = liveReport(engine.liveBlock(t, 0));
            ASSERT_TRUE(page.refresh(report, {entry.code, false, false, vehicle::UnitSettings{}}));
            const bool neutral = engine.values(t).gear == 0.0;
            (neutral ? inNeutral : inGear) += 1;
            EXPECT_EQ(page.cellText(neutralRow), neutral ? "GND" : "Open") << "at " << t << " s";
        }
        EXPECT_GT(inNeutral, 0);
        EXPECT_GT(inGear, 0);
    }
    EXPECT_GT(models, 0);
}

}  // namespace
}  // namespace quilldar::sim

namespace quilldar::sim {
namespace {

// Through the first ride, as the Engine page reads it: the gear channel is the ride's gear (or
// its range: 1 for first and second, 2 from third on, for models that report a range), and the
// injection time of cylinder 1 is the model's to the microsecond, split into its two bytes.
TEST(EngineRunningModel, GearAndInjectionTimeReadAsTheRideHasThem) {
    std::set<int> gearsSeen;
    for (const vehicle::EcmModelEntry& entry : vehicle::modelList(vehicle::ModelList::Engine)) {
        const int gearType = vehicle::digit(entry, vehicle::position::kGear);
        if (gearType != 1 && gearType != 2) continue;  // other types read the gear another way
        SCOPED_TRACE(std::string(entry.code));
        const EngineRunningModel engine(2, std::string(entry.capabilities));
        vehicle::LiveValueSlots liveValues;
        pages::CurrentValuesTable table;
        pages::EnginePageModel page(liveValues, table);
        page.reset(vehicle::englishEngineTexts(), vehicle::englishUnitTexts(vehicle::UnitSettings{}), 5);
        const std::size_t gearSlot = static_cast<std::size_t>(vehicle::numericChannel(vehicle::position::kGear).slot);
        for (double t = RideScript::kFirstRide + 2.0; t < RideScript::kFirstRide + RideScript::kBrake; t += 0.75) {
            const EngineRunningModel::Values expected = engine.values(t);
            link::Report report = liveReport(engine.liveBlock(t, 0));
            page.refresh(report, {entry.code, false, false, vehicle::UnitSettings{}});
            const int gear = static_cast<int>(expected.gear);
            gearsSeen.insert(gear);
            if (gearType == 1) {
                EXPECT_EQ(liveValues.latest(gearSlot), gear) << "at " << t << " s";
            } else {
                // The range stands in the gear byte as the page's N / Low / High read it.
                const int byte = vehicle::numericChannel(vehicle::position::kGear).firstByte;
                const int range = gear == 0 ? 0 : gear <= 2 ? 1 : 2;
                EXPECT_EQ(engine.liveBlock(t, 0)[static_cast<std::size_t>(byte - EngineRunningModel::kFirstFrameByte)], range)
                    << "at " << t << " s in gear " << gear;
            }
            if (expected.injectionMs > 0.0) {
                bool ok = false;  // the row of the first cylinder; a unit may follow the number
                const QString text = page.cellText(15);
                const double injection = text.left(text.indexOf(u' ')).toDouble(&ok);
                if (ok) {
                    EXPECT_NEAR(injection, expected.injectionMs, 0.0015) << "at " << t << " s";
                }
            }
        }
    }
    EXPECT_EQ(gearsSeen, (std::set<int>{0, 1, 2, 3, 4, 5}));
}

}  // namespace
}  // namespace quilldar::sim
