#pragma once

#include <QIcon>
#include <QImage>
#include <QList>
#include <QStringList>

namespace quilldar::gui {

// The program's icon (the window's and the task bar's): the sizes up to 128 pixels that the
// package installs under share/icons/hicolor beside the program's folder, or in the source tree when it runs from its
// build. Named files are found at once; a look-up in the desktop's icon theme (QIcon::fromTheme)
// reads the theme's index and costs about 5 ms of every start, so it is the last resort.
QIcon programIcon();

// The same in two steps, so that the images are read beside the start: the folders to look in
// (on the application's thread), then the images of the first folder that has any (on any
// thread), then the icon made of them (on the application's thread).
QStringList programIconFolders();
QList<QImage> programIconImages(const QStringList& folders);
QIcon programIcon(const QList<QImage>& images);

}  // namespace quilldar::gui
