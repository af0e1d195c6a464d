#pragma once

#include <QString>

namespace quilldar::platform {
class InstanceLock;
}

namespace quilldar::gui {

// What a copy of the program owns, decided once at start-up.
struct StartupRole {
    // Another copy owns the interface module: this one works on recordings only.
    bool offline = false;
    // The scratch file this copy records into, in the start-up folder.
    QString scratchFileName;
    // This copy takes over what a run that ended without saving left in the scratch file.
    bool adoptsLeftovers = false;
};

// The instance lock guards the real interface module, and the start-up folder's scratch file with
// it: the copy that takes the lock owns both, a later copy runs offline. A copy on the simulated
// module has a module of its own, so it neither takes the lock nor heeds it, and records into a
// scratch file named after its process, which no other copy writes.
StartupRole decideStartupRole(bool simulatedModule, platform::InstanceLock& lock, qint64 processId);

}  // namespace quilldar::gui
