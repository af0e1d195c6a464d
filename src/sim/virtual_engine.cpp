#include "sim/virtual_engine.h"

#include "sim/unit_live_data.h"
#include "vehicle/ecm_model_table.h"

namespace quilldar::sim {

namespace {

// A model's digits in one list, or the digits its live data uses when the list lacks it.
std::string digitsIn(vehicle::ModelList list, const std::string& modelCode, const std::string& fallback) {
    const auto* entry = vehicle::findModel(list, modelCode);
    return entry != nullptr ? std::string(entry->capabilities) : fallback;
}

}  // namespace

VirtualEngine::VirtualEngine(const Setup& setup)
    : model_(setup.cylinders, capabilitiesOf(setup.modelCode, setup.combined), setup.seed),
      tests_(digitsIn(vehicle::ModelList::ActiveTests, setup.modelCode, model_.encoder().capabilities()),
             setup.secondScheme, setup.combined),
      frames_(std::make_shared<FreezeFrames>(
          digitsIn(vehicle::ModelList::ShowDataWhenTrouble, setup.modelCode, model_.encoder().capabilities()),
          setup.seed)) {}

void VirtualEngine::install(VirtualUnit& unit, std::shared_ptr<VirtualEngine> engine, std::uint8_t liveIdentifier) {
    unit.setLocalData(liveIdentifier, [engine](double t) { return engine->liveData(t); }, true);
    FreezeFrames::install(unit, engine->frames_);
    unit.setServiceHandler(ActuatorTests::kService, [engine, &unit](std::span<const std::uint8_t> request) {
        return engine->actuatorTest(request, unit.seconds());
    });
}

ServiceBytes VirtualEngine::liveData(double t) const {
    const auto block = model_.liveBlock(t, 0, tests_.effects());
    return ServiceBytes(block.begin(), block.end());
}

ServiceBytes VirtualEngine::actuatorTest(std::span<const std::uint8_t> request, double t) {
    const EngineRunningModel::Values now = model_.values(t, tests_.effects());
    return tests_.request(request, t, EngineConditions{now.engineSpeed, now.coolant});
}

double VirtualEngine::pulleyLearnedError(double t) const {
    return ActuatorEffects::resetBy(tests_.effects().pulleyLearnedReset, t) ? 0.0 : live::kPulleyLearnedError;
}

}  // namespace quilldar::sim
