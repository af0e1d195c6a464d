#include "sim/simulation_spec.h"

#include <gtest/gtest.h>

namespace quilldar::sim {
namespace {

TEST(SimulationSpec, ParsesUnitModelAndScheme) {
    QString error;
    auto spec = parseSimulationSpec("", error);
    ASSERT_TRUE(spec);
    EXPECT_EQ(spec->unit, UnitKind::Engine);
    EXPECT_TRUE(spec->model.empty());

    spec = parseSimulationSpec("engine:27GA", error);
    ASSERT_TRUE(spec);
    EXPECT_EQ(spec->model, "27GA");
    EXPECT_FALSE(spec->secondScheme);

    spec = parseSimulationSpec("abs:10G0", error);
    ASSERT_TRUE(spec);
    EXPECT_EQ(spec->unit, UnitKind::Abs);
    EXPECT_EQ(spec->model, "10G0");

    spec = parseSimulationSpec("Engine:13K0:alt", error);
    ASSERT_TRUE(spec);
    EXPECT_TRUE(spec->secondScheme);
}

TEST(SimulationSpec, RejectsWhatItCannotSimulate) {
    for (const char* bad : {"boat", "engine:12F", "engine:12F0:x", "engine:1 F0", "a:b:c:d", "abs:27G0:alt"}) {
        QString error;
        EXPECT_FALSE(parseSimulationSpec(bad, error)) << bad;
        EXPECT_FALSE(error.isEmpty()) << bad;
    }
}

}  // namespace
}  // namespace quilldar::sim
