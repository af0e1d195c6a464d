#pragma once

#include <QString>
#include <optional>

#include "files/file_browser_mode.h"

class QWidget;

namespace quilldar::app {
class AppContext;
}

namespace quilldar::gui {

// Runs the program's file browser (CDlgOpenSave) modally and returns the full path the user
// chose, or nothing on Cancel.
//
//   Open    lists recordings (".QLS"); returns an existing file.
//   Save    names a recording; defaultName, when given, stands in the name field. Returns the
//           folder joined with the typed name after the naming rule (the extension exactly once),
//           after the user agreed to overwrite an existing file and never inside a folder the
//           user may not save into.
//   Export  names a CSV file (".CSV") in the same way.
//
// It starts in the last folder of its kind ("OpenSave1" for recordings, "OpenSave" for exports,
// falling back to the recordings' folder) and, on OK, stores the chosen folder back into that
// value and into the settings in memory. The dialog takes the language table's texts and the
// program's dark look; the browser's memory of the last folder it could list lives in the
// context for the whole run.
std::optional<QString> runFileBrowser(QWidget* parent, app::AppContext& context,
                                      files::FileBrowserMode mode,
                                      const QString& defaultName = QString());

}  // namespace quilldar::gui
