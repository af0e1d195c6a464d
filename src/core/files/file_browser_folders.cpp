#include "files/file_browser_folders.h"

#include "settings/settings.h"
#include "settings/settings_store.h"

namespace quilldar::files {

QString browserStartFolder(FileBrowserMode mode, settings::Settings& settings,
                           settings::SettingsStore& store) {
    if (mode != FileBrowserMode::Export) return settings.openSave1;
    settings.openSave = store.readOpenSave();
    return settings.openSave.isEmpty() ? settings.openSave1 : settings.openSave;
}

bool rememberBrowserFolder(FileBrowserMode mode, const QString& folder, settings::Settings& settings,
                           settings::SettingsStore& store) {
    if (mode == FileBrowserMode::Export) {
        settings.openSave = folder;
        return store.storeOpenSave(folder);
    }
    settings.openSave1 = folder;
    return store.storeOpenSave1(folder);
}

}  // namespace quilldar::files
