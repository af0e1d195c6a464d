#include "update/installer_hand_over.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "app/installer_leftovers.h"
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

TEST(HandOverScript, IsWrittenIntoTheInstallFolderAndStartedThere) {
    QTemporaryDir install;
    std::vector<Launch> launches;
    const Launcher recorder = [&](const QString& program, const QStringList& arguments, const QString& folder) {
        launches.push_back({program, arguments, folder});
        return true;
    };
    EXPECT_TRUE(handOverInstaller(install.path() + "/", recorder));
    const QString script = QDir(install.path()).filePath(QString::fromLatin1(kHandOverScriptName));
#ifdef Q_OS_WIN
    EXPECT_EQ(fileContent(script), windowsHandOverScript());
#else
    EXPECT_EQ(fileContent(script), linuxHandOverScript());
#endif
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_TRUE(launches[0].arguments.contains(QString::fromLatin1(kHandOverScriptName)));
    EXPECT_EQ(QDir(launches[0].folder), QDir(install.path()));

    // A script that cannot be written is not started.
    launches.clear();
    EXPECT_FALSE(handOverInstaller(install.filePath(QStringLiteral("no/such/folder/")), recorder));
    EXPECT_TRUE(launches.empty());
}

TEST(HandOverScript, ShutdownWithoutAnInstallDeletesTheScriptAndInstaller) {
    QTemporaryDir install;
    for (const char* name : {kHandOverScriptName, kInstallerName}) {
        QFile file(install.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QStringList removed = app::removeLeftovers(install.path(), app::leftoversAtShutdown());
    EXPECT_EQ(removed.size(), 2);
    EXPECT_TRUE(QDir(install.path()).isEmpty(QDir::Files));
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
    ASSERT_TRUE(handOverInstaller(install.path() + "/", inShell));
    ASSERT_TRUE(shell.waitForFinished(60000));
    EXPECT_EQ(shell.exitCode(), 0);
    EXPECT_EQ(fileContent(opened).trimmed(),
              (QDir(install.path()).canonicalPath() + " ./" + QString::fromLatin1(kInstallerName)).toUtf8());
}
#endif

}  // namespace
}  // namespace quilldar::update
