// The main of the core and tool tests: whatever a test does with settings lands in a temporary
// folder, never in the user's own files; the tool runs started by tests inherit it.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QtGlobal>
#include <clocale>

#include "support/desktop_locale.h"

int main(int argc, char** argv) {
    QTemporaryDir settingsFolder;
    // A folder of this process's own: test processes run side by side and must not read what
    // another one stored.
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
    // The desktop's locale applies, as it does once the program's application object exists.
    std::setlocale(LC_ALL, "");
    if (!quilldar::testing::desktopLocaleIsInForce()) return 1;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
