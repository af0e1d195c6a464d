#pragma once

#include <QDir>

#include "settings/settings.h"
#include "settings/settings_store.h"

namespace quilldar::tool {

// The settings the program would use in the current folder, read and never written; a store
// that cannot be read leaves the defaults.
inline settings::Settings readStoredSettings() {
    settings::Settings stored = settings::SettingsStore::defaults(QDir::currentPath());
    settings::SettingsStore store;
    store.setReadOnly(true);
    store.setReporter([](const QString&) {});
    store.load(stored, QDir::currentPath());
    return stored;
}

}  // namespace quilldar::tool
