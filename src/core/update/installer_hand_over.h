#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace quilldar::update {

// The script that starts the downloaded installer once the program has ended.
// Windows, "run.bat": "timeout 3 > nul", CR LF, "Setup_Quilldar.exe" with no line end after it.
QByteArray windowsHandOverScript();
// Linux, "run.sh": waits three seconds, then opens the downloaded package with the desktop's
// software installer (xdg-open).
QByteArray linuxHandOverScript();

// Starts a program detached from this one, in the working folder, without a window.
using Launcher = std::function<bool(const QString& program, const QStringList& arguments, const QString& workingFolder)>;
Launcher detachedLauncher();

// The shutdown's hand-over when an installer waits to run: writes the platform's script into the
// folder the installer was downloaded into (platform::downloadFolder of the install folder: the
// user's own data folder on Linux) and starts it there, detached, so that it outlives the
// program. False when the script could not be written or started; the installer then stays
// where it is, and the next start deletes it.
bool handOverInstaller(const QString& installDir, const Launcher& launcher = detachedLauncher());

}  // namespace quilldar::update
