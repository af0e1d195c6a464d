#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>

#include "app/display_scale.h"
#include "app/tab_map.h"
#include "platform/instance_lock.h"

namespace quilldar::app {
namespace {

TEST(TabMap, EveryUnitGetsItsOwnPages) {
    using Pages = std::vector<std::uint16_t>;
    EXPECT_EQ(pageTabMap(0, false), (Pages{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(pageTabMap(1, false), (Pages{0, 5, 6, 7}));
    EXPECT_EQ(pageTabMap(1, true), (Pages{0, 5, 7}));
    EXPECT_EQ(pageTabMap(2, false), (Pages{1, 5}));
    EXPECT_EQ(pageTabMap(3, false), (Pages{2, 5, 6, 7}));
    EXPECT_EQ(pageTabMap(4, false), (Pages{3, 5}));
    EXPECT_EQ(pageTabMap(5, true), (Pages{4, 5}));
    EXPECT_EQ(pageForTab(1, true, 2), 7);
    EXPECT_EQ(pageForTab(1, false, 2), 6);
    EXPECT_EQ(pageForTab(4, false, 2), -1);
    EXPECT_EQ(pageForTab(0, false, -1), -1);
    EXPECT_EQ(firstPageOf(3), 2);
    EXPECT_EQ(firstPageOf(0), 0);
}

TEST(DisplayScale, DensityChoosesScaleArtworkAndBlanks) {
    EXPECT_EQ(uiScaleForDpi(96), 1.0);
    EXPECT_EQ(uiScaleForDpi(120), 1.25);
    EXPECT_EQ(uiScaleForDpi(143), 1.25);
    EXPECT_EQ(uiScaleForDpi(144), 1.5);
    EXPECT_EQ(uiScaleForDpi(192), 2.0);
    EXPECT_EQ(uiScaleForDpi(240), 1.0);
    EXPECT_EQ(headerImageSize(1.0), QSize(220, 53));
    EXPECT_EQ(headerImageSize(1.25), QSize(275, 66));
    EXPECT_EQ(headerImageSize(2.0), QSize(330, 79));
    EXPECT_EQ(tabNameLeadingBlanks(1.0), 2);
    EXPECT_EQ(tabNameLeadingBlanks(1.25), 3);
}

TEST(InstanceLock, SecondCopyRunsOfflineUntilTheFirstEnds) {
    QTemporaryDir folder;
    platform::InstanceLock first(folder.path());
    platform::InstanceLock second(folder.path());
    EXPECT_TRUE(first.acquire());
    EXPECT_FALSE(second.acquire());
    first.release();
    EXPECT_TRUE(second.acquire());
}

TEST(InstanceLock, AnAcquisitionStartedAheadGivesTheSameAnswers) {
    QTemporaryDir folder;
    platform::InstanceLock first(folder.path());
    platform::InstanceLock second(folder.path());
    first.startAcquiring();
    // Taken beside the caller: another copy finds it taken before the first has asked.
    const QString file = QDir(folder.path()).filePath(QStringLiteral("Quilldar Morvalin.lock"));
    for (int wait = 0; wait < 1000 && !QFileInfo::exists(file); ++wait) QThread::msleep(2);
    second.startAcquiring();
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(first.acquire());
    first.release();
    EXPECT_TRUE(second.acquire());
    // One that was started and never asked is released all the same: a third copy gets it.
    second.release();
    {
        platform::InstanceLock abandoned(folder.path());
        abandoned.startAcquiring();
    }
    platform::InstanceLock third(folder.path());
    EXPECT_TRUE(third.acquire());
}

TEST(InstanceLock, LockLeftByACrashedCopyIsTakenOver) {
    QTemporaryDir folder;
    {
        // What a copy that was killed leaves behind: a lock naming a process that is gone.
        QFile stale(QDir(folder.path()).filePath(QStringLiteral("Quilldar Morvalin.lock")));
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write(QByteArray::number(0x3FFFFFFF) + "\nquilldar\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    }
    platform::InstanceLock lock(folder.path());
    EXPECT_TRUE(lock.acquire());
}

}  // namespace
}  // namespace quilldar::app
