#pragma once

#include <QString>
#include <array>

namespace quilldar::update {

// The files of an update, by their names on the server and in the install folder.
inline constexpr const char* kVersionFileName = "Quilldar.txt";
#ifdef Q_OS_WIN
inline constexpr const char* kInstallerName = "Setup_Quilldar.exe";
inline constexpr const char* kHandOverScriptName = "run.bat";
#else
// On Linux the program is installed from a Debian package, opened by the desktop's software
// installer.
inline constexpr const char* kInstallerName = "Setup_Quilldar.deb";
inline constexpr const char* kHandOverScriptName = "run.sh";
#endif
// Downloaded in this order, each only after the one before it arrived.
inline constexpr std::array<const char*, 3> kFaqDocumentNames = {
    "FAQ_Quilldar.pdf", "FAQ_Quilldar_ru.pdf", "FAQ_Quilldar_de.pdf"};

// The version of this program as the version file names it, and of the FAQ documents shipped
// with it.
inline constexpr const char* kProgramVersion = "2034";

}  // namespace quilldar::update
