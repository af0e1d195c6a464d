#include "gui/app/quilldar_app.h"

#include <gtest/gtest.h>

namespace quilldar::gui {
namespace {

TEST(CommandLine, RecordingAndSimulatedModule) {
    CommandLine line = parseCommandLine({"quilldar"});
    EXPECT_FALSE(line.simulate);
    EXPECT_TRUE(line.recording.isEmpty());
    EXPECT_TRUE(line.error.isEmpty());

    line = parseCommandLine({"quilldar", "--simulate=abs:27G0", "ride.QLS"});
    ASSERT_TRUE(line.simulate);
    EXPECT_EQ(*line.simulate, "abs:27G0");
    EXPECT_EQ(line.recording, "ride.QLS");

    line = parseCommandLine({"quilldar", "--simulate"});
    ASSERT_TRUE(line.simulate);
    EXPECT_TRUE(line.simulate->empty());
}

TEST(CommandLine, UnknownOptionIsAnErrorNotARecording) {
    const CommandLine line = parseCommandLine({"quilldar", "--simulat"});
    EXPECT_FALSE(line.error.isEmpty());
    EXPECT_TRUE(line.recording.isEmpty());
}

}  // namespace
}  // namespace quilldar::gui
