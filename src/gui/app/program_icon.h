#pragma once

#include <QIcon>

namespace quilldar::gui {

// The program's icon (the window's and the task bar's): the sizes the package installs under
// share/icons/hicolor beside the program's folder, or in the source tree when it runs from its
// build. Named files are found at once; a look-up in the desktop's icon theme (QIcon::fromTheme)
// reads the theme's index and costs about 5 ms of every start, so it is the last resort.
QIcon programIcon();

}  // namespace quilldar::gui
