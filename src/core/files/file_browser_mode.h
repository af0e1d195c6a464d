#pragma once

#include <QString>

namespace quilldar::files {

// "Open" lists recordings to play back; "Save" names a recording to save; "Export" names a CSV
// file. "Save" and "Export" together are the save mode.
enum class FileBrowserMode { Open, Save, Export };

inline bool isSaveMode(FileBrowserMode mode) { return mode != FileBrowserMode::Open; }

// ".QLS" for recordings, ".CSV" for exports.
QString extensionOf(FileBrowserMode mode);

// What the browser keeps between two runs of the dialog in one run of the program.
struct FileBrowserMemory {
    // The last folder that could be listed: where the browser goes when a folder cannot be listed.
    QString lastGoodFolder;
};

}  // namespace quilldar::files
