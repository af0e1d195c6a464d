// Widget tests need a QApplication; they run on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The windows store settings as they change; never into the user's own files.
    QTemporaryDir settingsFolder;
    if (qEnvironmentVariableIsEmpty("QUILLDAR_SETTINGS_DIR")) qputenv("QUILLDAR_SETTINGS_DIR", settingsFolder.path().toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
