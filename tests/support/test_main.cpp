// The main of the core and tool tests: whatever a test does with settings lands in a temporary
// folder, never in the user's own files; the tool runs started by tests inherit it.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QtGlobal>

int main(int argc, char** argv) {
    QTemporaryDir settingsFolder;
    if (qEnvironmentVariableIsEmpty("QUILLDAR_SETTINGS_DIR"))
        qputenv("QUILLDAR_SETTINGS_DIR", settingsFolder.path().toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
