#pragma once

#include <QString>

#include "files/file_browser_mode.h"

namespace quilldar::settings {
struct Settings;
class SettingsStore;
}  // namespace quilldar::settings

namespace quilldar::files {

// The folder the browser starts in: the last folder of recordings ("OpenSave1") when opening or
// saving one; the last export folder ("OpenSave", read when needed) for exports, or the
// recordings' folder when no export was made yet.
QString browserStartFolder(FileBrowserMode mode, settings::Settings& settings,
                           settings::SettingsStore& store);

// Keeps the folder the user chose, in memory and in the stored settings: "OpenSave1" for
// recordings, "OpenSave" for exports. False when it could not be stored (the store reports why).
bool rememberBrowserFolder(FileBrowserMode mode, const QString& folder, settings::Settings& settings,
                           settings::SettingsStore& store);

}  // namespace quilldar::files
