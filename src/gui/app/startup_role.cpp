#include "gui/app/startup_role.h"

#include "files/temporary_recording.h"
#include "platform/instance_lock.h"

namespace quilldar::gui {

StartupRole decideStartupRole(bool simulatedModule, platform::InstanceLock& lock, qint64 processId) {
    StartupRole role;
    if (simulatedModule) {
        role.scratchFileName = QStringLiteral("Quilldar_Temp_Simulated_%1.QLT").arg(processId);
        return role;
    }
    role.scratchFileName = QString::fromLatin1(files::TemporaryRecording::kFileName);
    role.offline = !lock.acquire();
    // A second copy leaves the leftovers to the first, which may still be writing them.
    role.adoptsLeftovers = !role.offline;
    return role;
}

}  // namespace quilldar::gui
