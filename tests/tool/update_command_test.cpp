#include <gtest/gtest.h>

#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "support/tool_run.h"

namespace {

using quilldar::testing::runTool;

// The program keeps quiet when the update server cannot be reached; the command says so and
// fails, so that a script never takes an unreachable server for an up-to-date installation.
TEST(UpdateCommand, AServerThatCannotBeReachedIsAFailureWithItsReason) {
    QTemporaryDir dir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUILLDAR_SETTINGS_DIR"), dir.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    // Port 1 of this computer: nothing listens there.
    environment.insert(QStringLiteral("QUILLDAR_UPDATE_URL"), QStringLiteral("http://127.0.0.1:1/software/"));
    const auto run = runTool({"update"}, environment);
    EXPECT_EQ(run.exitCode, 1) << run.out.toStdString() << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("Not fetched: http://127.0.0.1:1/software/")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("connect")) << run.err.toStdString();
}

}  // namespace
