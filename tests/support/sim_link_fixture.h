#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "context/app_context.h"
#include "sim/sim_clock.h"
#include "sim/simulated_module.h"
#include "sim/unit_catalogue.h"

namespace quilldar::testing {

// An application context whose link runs its real threads against the simulated module with one
// virtual unit (an engine ECM unless the test builds another), answering at once unless a test slows it down.
class SimLinkTest : public ::testing::Test {
protected:
    static constexpr sim::ModuleTiming kFast{std::chrono::milliseconds(0), std::chrono::milliseconds(2)};

    void SetUp() override { build(sim::defaultProfile(sim::UnitKind::Engine)); }

    void build(const sim::UnitProfile& profile, sim::ModuleTiming timing = kFast) {
        build(std::vector<sim::UnitProfile>{profile}, timing);
    }
    // A vehicle with several units on the line, each at its own address.
    void build(const std::vector<sim::UnitProfile>& profiles, sim::ModuleTiming timing = kFast) {
        context_.reset();
        clock_ = std::make_shared<sim::ManualSimClock>();
        auto vehicle = std::make_unique<sim::VirtualVehicle>();
        for (const sim::UnitProfile& profile : profiles) vehicle->addUnit(sim::makeUnit(profile, clock_));
        auto module = std::make_unique<sim::SimulatedModule>(std::move(vehicle), timing);
        module_ = module.get();
        context_ = std::make_unique<app::AppContext>(std::move(module));
    }

    app::AppState& state() { return context_->state(); }
    link::HidLink& link() { return context_->link(); }
    link::Report& command() { return link().transmitReport(); }
    sim::SimulatedModule& module() { return *module_; }
    link::Report reply() { return link().reply(); }

    std::shared_ptr<sim::ManualSimClock> clock_;
    sim::SimulatedModule* module_ = nullptr;
    std::unique_ptr<app::AppContext> context_;
};

}  // namespace quilldar::testing
