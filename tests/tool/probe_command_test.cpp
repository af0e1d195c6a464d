#include <gtest/gtest.h>

#include "support/tool_run.h"

namespace quilldar {
namespace {

using testing::runTool;
using testing::ToolRun;

TEST(ProbeCommand, SimulatedModuleIsReadyWithStablePower) {
    const ToolRun run = runTool({"probe", "--simulate=engine:12F0"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("Hardware ID: Q21")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("Hardware SN: 004217"));
    EXPECT_TRUE(run.out.contains("Type: 1"));
    EXPECT_TRUE(run.out.contains("Vehicle power: stable"));
}

TEST(ProbeCommand, BadOptionsExitWithUsage) {
    ToolRun run = runTool({"probe", "--frobnicate"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("Usage:"));
    run = runTool({"probe", "--simulate=boat"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("boat"));
    run = runTool({});
    EXPECT_EQ(run.exitCode, 2);
}

TEST(ProbeCommand, NoModuleNamesTheUsbIdLookedFor) {
    // The test machines have no interface module plugged in.
    const ToolRun run = runTool({"probe"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("04d8:05f1")) << run.err.toStdString();
}

}  // namespace
}  // namespace quilldar
