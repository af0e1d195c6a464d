#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace quilldar::app {
class AppContext;
}

namespace quilldar::gui {

// How the update check asks and tells: message boxes in the program, a script in tests. The same
// shapes as the main window's presenters, so the window can pass its own.
struct UpdatePrompts {
    std::function<bool(QWidget* parent, const QString& caption, const QString& text)> ask;
    std::function<void(QWidget* parent, const QString& caption, const QString& text)> tell;
};
// Yes/No and OK message boxes; "\n\r" in a text is shown as one line break.
UpdatePrompts messageBoxPrompts();

// The update check of the first poll tick. The caller stops the poll timer before and, unless
// this returns true, restarts it at 100 ms and clears updateCheckPending.
//
// Asks the server named by updateServerUrl() for its version file (unseen, bounded to a few
// seconds; silent when there is no network or server), offers a new program version and
// downloads its installer into the download folder (platform::downloadFolder: the user's own
// data folder on Linux) when the user says Yes (only from an https
// server), and refreshes the FAQ documents there when their version differs from "FAQ". Downloads
// after the version file run in the download window, with its progress.
//
// Returns true when the installer arrived and the user chose to install: installPending is then
// set, and the caller runs the main window's shutdown, which ends in handOverInstaller().
bool runUpdateCheck(QWidget* parent, app::AppContext& context, const UpdatePrompts& prompts = messageBoxPrompts());

}  // namespace quilldar::gui
