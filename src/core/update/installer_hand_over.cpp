#include "update/installer_hand_over.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include "platform/user_data_folder.h"
#include "update/update_files.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace quilldar::update {

QByteArray windowsHandOverScript() { return QByteArray("timeout 3 > nul\r\nSetup_Quilldar.exe"); }

QByteArray linuxHandOverScript() {
    return QByteArray("#!/bin/sh\nsleep 3\nexec xdg-open ./Setup_Quilldar.deb\n");
}

Launcher detachedLauncher() {
    return [](const QString& program, const QStringList& arguments, const QString& workingFolder) {
        QProcess process;
        process.setProgram(program);
        process.setArguments(arguments);
        process.setWorkingDirectory(workingFolder);
        process.setStandardInputFile(QProcess::nullDevice());
#ifdef Q_OS_WIN
        process.setCreateProcessArgumentsModifier(
            [](QProcess::CreateProcessArguments* args) { args->flags |= CREATE_NO_WINDOW; });
#endif
        return process.startDetached();
    };
}

bool handOverInstaller(const QString& installDir, const Launcher& launcher) {
    // The installer was downloaded into the download folder; the script goes beside it.
    const QString folder = platform::downloadFolder(installDir);
    if (folder.isEmpty()) return false;
    const QString scriptPath = QDir(folder).filePath(QString::fromLatin1(kHandOverScriptName));
    QFile script(scriptPath);
    if (!script.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
#ifdef Q_OS_WIN
    const QByteArray text = windowsHandOverScript();
#else
    const QByteArray text = linuxHandOverScript();
#endif
    const bool written = script.write(text) == text.size();
    script.close();
    if (!written) return false;
#ifdef Q_OS_WIN
    return launcher(QStringLiteral("cmd.exe"), {QStringLiteral("/c"), QString::fromLatin1(kHandOverScriptName)},
                    folder);
#else
    return launcher(QStringLiteral("/bin/sh"), {QString::fromLatin1(kHandOverScriptName)}, folder);
#endif
}

}  // namespace quilldar::update
