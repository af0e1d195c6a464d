#include <gtest/gtest.h>

#include "state/app_state.h"

namespace quilldar::app {
namespace {

TEST(AppState, FreshRecordHasTheStartValues) {
    const AppState s;
    EXPECT_EQ(s.listState, 100);
    EXPECT_EQ(s.lastShownPage, 100);
    EXPECT_EQ(s.autoErrorPage, 1);
    EXPECT_EQ(s.updateCheckPending, 1);
    EXPECT_DOUBLE_EQ(s.uiScale, 1.0);
    EXPECT_EQ(s.linkOpen.load(), 0);
    const int others = s.connected + s.systemKind + s.builtKind + s.playback + s.paused +
                       s.autoPaused + static_cast<int>(s.recordCount) +
                       static_cast<int>(s.playPosition) + s.recordingOpen + s.dtcCount +
                       s.currentPage + s.handshakePending + s.powerStable + s.powerOkCount +
                       s.adapterRejected + s.offlineInstance + s.exiting + s.installPending +
                       s.fileDialogOpen + s.nearEnd + s.altListVariant + s.clipboardOutput;
    EXPECT_EQ(others, 0);
}

TEST(AppState, FieldWidthsHoldTheirRanges) {
    AppState s;
    s.recordCount = 0xFFFFFFFFu;  // recordings longer than 65535 records must not wrap
    EXPECT_EQ(s.recordCount, 0xFFFFFFFFu);
    static_assert(sizeof(s.recordCount) == 4 && sizeof(s.playPosition) == 4);
    static_assert(sizeof(s.listState) == 2 && sizeof(s.powerOkCount) == 2);
    static_assert(sizeof(s.powerStable) == 1 && sizeof(s.autoErrorPage) == 1);
    static_assert(std::atomic<std::uint16_t>::is_always_lock_free);
}

}  // namespace
}  // namespace quilldar::app
