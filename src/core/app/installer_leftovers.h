#pragma once

#include <QString>
#include <QStringList>

namespace quilldar::app {

// Files an update leaves behind. At start-up the downloaded installer and its
// notes go; at shutdown, unless a new installer waits to run, the installer and its start script.
QStringList leftoversAtStartUp();
QStringList leftoversAtShutdown();

// Deletes those of the files that exist in the user's own data folder, where downloads go, or in
// the install folder; a file that cannot be read or deleted is left alone. Returns the names
// deleted.
QStringList removeLeftovers(const QString& installFolder, const QStringList& names);

}  // namespace quilldar::app
