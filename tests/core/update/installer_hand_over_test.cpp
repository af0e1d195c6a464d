#include "update/installer_hand_over.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "app/installer_leftovers.h"
#include "platform/user_data_folder.h"
#include "update/update_files.h"

namespace quilldar::update {
namespace {

QByteArray fileContent(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(HandOverScript, WindowsBatchFileIsTwoLinesWithoutAFinalLineEnd) {
    EXPECT_EQ(windowsHandOverScript(), QByteArray("timeout 3 > nul\r\nSetup_Quilldar.exe"));
}

struct Launch {
    QString program;
    QStringList arguments;
    QString folder;
};

// Beside the downloaded installer: in the user's own data folder where the system has one (an
// installed copy's folder is not the user's to write), else in the install folder.
TEST(HandOverScript, IsWrittenBesideTheDownloadedInstallerAndStartedThere) {
    QTemporaryDir install;
    const QString downloads = platform::downloadFolder(install.path() + "/");
    ASSERT_TRUE(QDir().mkpath(downloads));
#ifndef Q_OS_WIN
    EXPECT_EQ(QDir(downloads), QDir(platform::userDataFolder()));
#endif
    std::vector<Launch> launches;
    const Launcher recorder = [&](const QString& program, const QStringList& arguments, const QString& folder) {
        launches.push_back({program, arguments, folder});
        return true;
    };
    EXPECT_TRUE(handOverInstaller(install.path() + "/", recorder));
    const QString script = QDir(downloads).filePath(QString::fromLatin1(kHandOverScriptName));
#ifdef Q_OS_WIN
    EXPECT_EQ(fileContent(script), windowsHandOverScript());
#else
    EXPECT_EQ(fileContent(script), linuxHandOverScript());
#endif
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_TRUE(launches[0].arguments.contains(QString::fromLatin1(kHandOverScriptName)));
    EXPECT_EQ(QDir(launches[0].folder), QDir(downloads));
    EXPECT_TRUE(QDir(install.path()).isEmpty(QDir::Files | QDir::Hidden));
    QFile::remove(script);

    // A script that cannot be written is not started: a folder stands in its way.
    launches.clear();
    ASSERT_TRUE(QDir().mkpath(script));
    EXPECT_FALSE(handOverInstaller(install.path() + "/", recorder));
    EXPECT_TRUE(launches.empty());
    QDir(script).removeRecursively();
}

// From the download folder, and from the install folder where an older version left them.
TEST(HandOverScript, ShutdownWithoutAnInstallDeletesTheScriptAndInstaller) {
    QTemporaryDir install;
    const QString downloads = platform::downloadFolder(install.path() + "/");
    ASSERT_TRUE(QDir().mkpath(downloads));
    for (const QString& folder : {install.path(), downloads}) {
        for (const char* name : {kHandOverScriptName, kInstallerName}) {
            QFile file(QDir(folder).filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
    const QStringList removed = app::removeLeftovers(install.path(), app::leftoversAtShutdown());
    EXPECT_EQ(removed.size(), 2);
    EXPECT_TRUE(QDir(install.path()).isEmpty(QDir::Files));
    EXPECT_TRUE(QDir(downloads).isEmpty(QDir::Files));
}

#ifndef Q_OS_WIN
// The script really runs: with a stand-in for xdg-open on the path, it waits, then opens the
// downloaded package from the install folder.
TEST(HandOverScript, LinuxScriptOpensThePackageWithTheDesktopInstaller) {
    QTemporaryDir install;
    QTemporaryDir tools;
    const QString opened = tools.filePath(QStringLiteral("opened"));
    const QString fakeOpener = tools.filePath(QStringLiteral("xdg-open"));
    {
        QFile file(fakeOpener);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("#!/bin/sh\necho \"$PWD $1\" > '%1'\n").arg(opened).toUtf8());
    }
    QFile::setPermissions(fakeOpener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcess shell;
    const Launcher inShell = [&](const QString& program, const QStringList& arguments, const QString& folder) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PATH"), tools.path() + ":/usr/bin:/bin");
        shell.setProcessEnvironment(environment);
        shell.setWorkingDirectory(folder);
        shell.start(program, arguments);
        return shell.waitForStarted(10000);
    };
    const QString downloads = platform::downloadFolder(install.path() + "/");
    ASSERT_TRUE(QDir().mkpath(downloads));
    ASSERT_TRUE(handOverInstaller(install.path() + "/", inShell));
    ASSERT_TRUE(shell.waitForFinished(60000));
    EXPECT_EQ(shell.exitCode(), 0);
    EXPECT_EQ(fileContent(opened).trimmed(),
              (QDir(downloads).canonicalPath() + " ./" + QString::fromLatin1(kInstallerName)).toUtf8());
    QFile::remove(QDir(downloads).filePath(QString::fromLatin1(kHandOverScriptName)));
}
#endif

}  // namespace
}  // namespace quilldar::update
