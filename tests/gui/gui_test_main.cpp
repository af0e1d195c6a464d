// Widget tests need a QApplication; they run on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "platform/number_format.h"
#include "support/desktop_locale.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The windows store settings as they change; never into the user's own files.
    QTemporaryDir settingsFolder;
    // A folder of this process's own: test processes run side by side (the same tests again under
    // other locales among them) and must not read what another one stored.
    qputenv("QUILLDAR_SETTINGS_DIR", settingsFolder.path().toUtf8());
    // Nor into the user's own data folder, where downloads go and data files are looked for
    // first: each run has an empty one.
    QTemporaryDir dataFolder;
    qputenv("XDG_DATA_HOME", dataFolder.path().toUtf8());
    // Tests never reach the real update server: anything that asks without naming a local
    // server of its own gets a closed local port.
    qputenv("QUILLDAR_UPDATE_URL", "http://127.0.0.1:9/software/obd/");
    // Requests to the local test servers never go through a proxy of the environment.
    qputenv("no_proxy", "127.0.0.1,localhost");
    qputenv("NO_PROXY", "127.0.0.1,localhost");
    QApplication app(argc, argv);
    // The windows run as in the program: the desktop's locale (set by the application object from
    // the environment) applies to everything but numbers.
    quilldar::platform::useProgramNumberFormat();
    if (!quilldar::testing::desktopLocaleIsInForce()) return 1;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
