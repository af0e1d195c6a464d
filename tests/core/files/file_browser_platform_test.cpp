#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "files/file_browser_folders.h"
#include "platform/protected_folders.h"
#include "platform/user_drives.h"
#include "settings/registry.h"
#include "settings/settings_store.h"

namespace quilldar {
namespace {

TEST(ProtectedFoldersTest, WindowsRefusesTheSystemDriveTopAndItsWindowsFolder) {
    using platform::isProtectedWindowsFolder;
    EXPECT_TRUE(isProtectedWindowsFolder(QStringLiteral("C:")));
    EXPECT_TRUE(isProtectedWindowsFolder(QStringLiteral("c:/")));
    EXPECT_TRUE(isProtectedWindowsFolder(QStringLiteral("C:\\Windows\\Temp")));
    EXPECT_TRUE(isProtectedWindowsFolder(QStringLiteral("c:/windows")));
    EXPECT_FALSE(isProtectedWindowsFolder(QStringLiteral("C:\\Win")));
    EXPECT_FALSE(isProtectedWindowsFolder(QStringLiteral("C:\\Users\\rider")));
    EXPECT_FALSE(isProtectedWindowsFolder(QStringLiteral("D:")));
}

TEST(ProtectedFoldersTest, ElsewhereTheRootAndTheSystemFoldersAreRefused) {
    using platform::isProtectedSystemFolder;
    for (const char* folder : {"/", "/usr", "/usr/lib", "/etc", "/proc/1", "/var/lib", "/run"}) {
        EXPECT_TRUE(isProtectedSystemFolder(QLatin1String(folder))) << folder;
    }
    for (const char* folder : {"/home/rider", "/root", "/tmp", "/run/media/rider/STICK",
                               "/media/rider/STICK", "/var/tmp", "/usrdata", "/etcetera"}) {
        EXPECT_FALSE(isProtectedSystemFolder(QLatin1String(folder))) << folder;
    }
#ifndef Q_OS_WIN
    EXPECT_TRUE(platform::isProtectedFolder(QStringLiteral("/usr/share")));
    QTemporaryDir writable;
    EXPECT_FALSE(platform::isProtectedFolder(QDir::cleanPath(writable.path())));
#endif
}

TEST(UserDrivesTest, TheRootAndTheHomeFolderAreOfferedOnceEach) {
    const std::vector<platform::UserDrive> drives = platform::userDrives();
    ASSERT_FALSE(drives.empty());
#ifndef Q_OS_WIN
    EXPECT_EQ(drives.front().root, "/");
    const QString home = QDir::cleanPath(QDir::homePath());
    int homes = 0;
    for (const platform::UserDrive& drive : drives) {
        EXPECT_TRUE(platform::canListFolder(drive.root)) << drive.root.toStdString();
        homes += drive.root == home ? 1 : 0;
    }
    EXPECT_EQ(homes, 1);
#endif
    EXPECT_FALSE(platform::canListFolder(QStringLiteral("/no/such/folder")));
    EXPECT_FALSE(platform::canListFolder(QString()));
}

class BrowserFoldersTest : public ::testing::Test {
protected:
    QString stored(const QString& name) {
        settings::CRegistry machine(location_, settings::RegistryRoot::LocalMachine);
        return machine.value(name);
    }

    QTemporaryDir folder_;
    settings::RegistryLocation location_ = settings::RegistryLocation::inFolder(folder_.path());
    settings::SettingsStore store_{location_};
    settings::Settings settings_;
};

TEST_F(BrowserFoldersTest, RecordingsAndExportsKeepTheirOwnFolder) {
    using files::FileBrowserMode;
    settings_.openSave1 = QStringLiteral("/data/rides");
    EXPECT_EQ(files::browserStartFolder(FileBrowserMode::Export, settings_, store_), "/data/rides")
        << "before the first export the recordings' folder";

    EXPECT_TRUE(files::rememberBrowserFolder(FileBrowserMode::Export, QStringLiteral("/data/csv"),
                                             settings_, store_));
    EXPECT_EQ(stored(QStringLiteral("OpenSave")), "/data/csv");
    EXPECT_EQ(settings_.openSave1, "/data/rides");
    EXPECT_EQ(files::browserStartFolder(FileBrowserMode::Export, settings_, store_), "/data/csv");

    EXPECT_TRUE(files::rememberBrowserFolder(FileBrowserMode::Save, QStringLiteral("/data/new"),
                                             settings_, store_));
    EXPECT_EQ(stored(QStringLiteral("OpenSave1")), "/data/new");
    EXPECT_EQ(settings_.openSave1, "/data/new");
    EXPECT_EQ(files::browserStartFolder(FileBrowserMode::Open, settings_, store_), "/data/new");
    EXPECT_EQ(stored(QStringLiteral("OpenSave")), "/data/csv");
}

}  // namespace
}  // namespace quilldar
