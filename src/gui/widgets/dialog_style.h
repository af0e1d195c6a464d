#pragma once

#include <QString>

namespace quilldar::gui {

// The dark look the program's dialogs share with the main window, for a dialog that may be shown
// without it (a dialog inside the main window takes the same colours from it).
QString dialogStyleSheet();

}  // namespace quilldar::gui
