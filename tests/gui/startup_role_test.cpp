// Which copy owns the real module and the start-up folder's scratch file, and what a copy on the
// simulated module does beside them.

#include "gui/app/startup_role.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "files/temporary_recording.h"
#include "platform/instance_lock.h"

namespace quilldar::gui {
namespace {

TEST(StartupRole, ASimulatedCopyNeitherTakesTheModuleLockNorGoesOfflineBecauseOfIt) {
    QTemporaryDir folder;
    platform::InstanceLock first(folder.path());
    ASSERT_TRUE(first.acquire());  // a copy on the real module runs

    platform::InstanceLock simulatedLock(folder.path());
    const StartupRole simulated = decideStartupRole(true, simulatedLock, 4242);
    EXPECT_FALSE(simulated.offline);
    EXPECT_FALSE(simulated.adoptsLeftovers);  // the folder's leftovers belong to the owner
    EXPECT_NE(simulated.scratchFileName, QString::fromLatin1(files::TemporaryRecording::kFileName));
    EXPECT_TRUE(simulated.scratchFileName.contains("4242"));  // one per copy

    // A simulated copy that starts first leaves the lock to a copy on the real module.
    first.release();
    platform::InstanceLock anotherSimulated(folder.path());
    decideStartupRole(true, anotherSimulated, 4243);
    platform::InstanceLock real(folder.path());
    const StartupRole owner = decideStartupRole(false, real, 4244);
    EXPECT_FALSE(owner.offline);
    EXPECT_TRUE(owner.adoptsLeftovers);
    EXPECT_EQ(owner.scratchFileName, QString::fromLatin1(files::TemporaryRecording::kFileName));

    platform::InstanceLock secondReal(folder.path());
    EXPECT_TRUE(decideStartupRole(false, secondReal, 4245).offline);
}

}  // namespace
}  // namespace quilldar::gui
