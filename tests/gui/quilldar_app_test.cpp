#include "gui/app/quilldar_app.h"
#include "gui/app/program_icon.h"

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

TEST(CommandLine, FaultsNeedTheSimulatedModuleAndAKnownName) {
    CommandLine line = parseCommandLine({"quilldar", "--simulate", "--fault", "mute@30", "--fault=replug@50"});
    EXPECT_TRUE(line.error.isEmpty()) << line.error.toStdString();
    EXPECT_FALSE(line.faults.empty());
    EXPECT_EQ(line.faults.lastTick(), 50);
    EXPECT_TRUE(line.recording.isEmpty());

    line = parseCommandLine({"quilldar", "--fault", "mute"});
    EXPECT_TRUE(line.error.contains(QStringLiteral("--simulate")));
    line = parseCommandLine({"quilldar", "--simulate", "--fault", "fire"});
    EXPECT_TRUE(line.error.contains(QStringLiteral("No fault called 'fire'")));
}

TEST(CommandLine, GraphOpensTheRecordingWithItsGraphView) {
    CommandLine line = parseCommandLine({"quilldar", "--graph", "ride.QLS"});
    EXPECT_TRUE(line.error.isEmpty()) << line.error.toStdString();
    EXPECT_TRUE(line.graph);
    EXPECT_EQ(line.recording, "ride.QLS");
    line = parseCommandLine({"quilldar", "--graph=ride.QLS"});
    EXPECT_TRUE(line.graph);
    EXPECT_EQ(line.recording, "ride.QLS");
    EXPECT_FALSE(parseCommandLine({"quilldar", "ride.QLS"}).graph);
    line = parseCommandLine({"quilldar", "--graph"});
    EXPECT_TRUE(line.error.contains(QStringLiteral("--graph needs a recording")));
}

TEST(CommandLine, AReferenceGoesWithTheGraph) {
    CommandLine line = parseCommandLine({"quilldar", "--graph", "ride.QLS", "--reference", "good.QLS"});
    EXPECT_TRUE(line.error.isEmpty()) << line.error.toStdString();
    EXPECT_EQ(line.recording, "ride.QLS");
    EXPECT_EQ(line.reference, "good.QLS");
    EXPECT_EQ(parseCommandLine({"quilldar", "--graph=ride.QLS", "--reference=good.QLS"}).reference, "good.QLS");
    EXPECT_TRUE(parseCommandLine({"quilldar", "ride.QLS", "--reference", "good.QLS"})
                    .error.contains(QStringLiteral("--reference needs --graph")));
    EXPECT_TRUE(parseCommandLine({"quilldar", "--graph", "ride.QLS", "--reference"})
                    .error.contains(QStringLiteral("--reference needs a recording")));
}

TEST(CommandLine, UnknownOptionIsAnErrorNotARecording) {
    const CommandLine line = parseCommandLine({"quilldar", "--simulat"});
    EXPECT_FALSE(line.error.isEmpty());
    EXPECT_TRUE(line.recording.isEmpty());
}

}  // namespace
}  // namespace quilldar::gui

// The icon comes from named files (the source tree's, here), the sizes up to 128 pixels that the
// package installs, without a look-up in the desktop's icon theme.
TEST(ProgramIcon, EverySizeFromTheNamedFiles) {
    const QIcon icon = quilldar::gui::programIcon();
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (const int size : {16, 32, 48, 128}) EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    EXPECT_FALSE(sizes.contains(QSize(256, 256)));
    EXPECT_FALSE(icon.pixmap(48, 48).isNull());
}
