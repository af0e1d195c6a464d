#pragma once

#include <QString>

#include "update/file_download.h"

namespace quilldar::update {

// What the update check needs of the screen: questions, messages and the download window.
// Texts arrive in the active language, with "\n\r" for a line break. Tests pass a fake that
// answers from a script and downloads without a window.
class UpdateView {
public:
    virtual ~UpdateView() = default;
    virtual bool askYesNo(const QString& caption, const QString& text) = 0;
    virtual void showMessage(const QString& caption, const QString& text) = 0;
    // Fetches the URL into the local file, in the download window: with its "Please wait while
    // downloading..." and the progress when showMessage is set, else without showing it. Done
    // when the whole file arrived and was stored.
    virtual DownloadResult download(const QString& url, const QString& localPath, bool showMessage) = 0;
    // Lets the desktop open a file (the uninstall shortcut of an older version).
    virtual void openFile(const QString& path) = 0;
};

}  // namespace quilldar::update
