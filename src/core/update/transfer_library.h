#pragma once

namespace quilldar::update {

// Loads the library the update check transfers its files with (libcurl), if it is not loaded
// yet; false when it cannot be. Safe from any thread: a start-up may do it beside its windows.
bool loadTransferLibrary();

}  // namespace quilldar::update
