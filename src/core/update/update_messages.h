#pragma once

namespace quilldar::update {

// The update check's own texts, shown when a download cannot be stored or is not what it
// claims to be. Each says what failed and what the user keeps. %1 is a folder or file, %2 the
// system's reason.
namespace message {
inline constexpr const char* kVersionFileNotStored =
    "The update check could not save its version file in %1 (%2).\n"
    "No update was fetched: your program and your FAQ documents stay as they are.";
inline constexpr const char* kInstallerNotStored =
    "The new version could not be saved in %1 (%2).\n"
    "Your installed version stays as it is.";
inline constexpr const char* kFaqNotStored =
    "The new FAQ documents could not be saved in %1 (%2).\n"
    "Your current FAQ documents are kept.";
inline constexpr const char* kFaqNotPdf =
    "The server sent something other than a PDF document for %1.\n"
    "Your current FAQ documents are kept.";
}  // namespace message

}  // namespace quilldar::update
