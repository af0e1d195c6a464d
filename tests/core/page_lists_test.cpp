#include "link/page_lists.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "link/connect_unit.h"
#include "link/hid_link.h"
#include "link/link_handshake.h"
#include "support/sim_link_fixture.h"

namespace quilldar::link {
namespace {

class SilentObserver : public ConnectObserver {
public:
    void showPartNumber(const QString&) override {}
    void communicationFailed() override { ADD_FAILURE() << "connect failed"; }
    void recordReport() override {}
};

class PageListTest : public testing::SimLinkTest {
protected:
    void connect(ControlUnit unit) {
        ASSERT_TRUE(link().ReopenInterface());
        ASSERT_TRUE(LinkHandshake(link(), state(), moduleIdentity_));
        ConnectUnit(link(), state(), unit, identity_, observer_);
        ASSERT_EQ(state().connected, 1);
        listsBefore_ = listCount();
    }
    int listCount() {
        int lists = 0;
        for (const Report& sent : module().commandsReceived()) lists += payloadStartsWith(sent, "List");
        return lists;
    }
    // Lists sent since the last call.
    int newLists() {
        const int now = listCount();
        const int added = now - listsBefore_;
        listsBefore_ = now;
        return added;
    }
    void showPage(std::uint16_t page) {
        state().currentPage = page;
        ASSERT_TRUE(SelectPageList(link(), state()));
    }

    ModuleIdentity moduleIdentity_;
    EcmIdentity identity_;
    SilentObserver observer_;
    int listsBefore_ = 0;
};

TEST_F(PageListTest, EachPageSendsItsListOnceAndStayingSendsNothing) {
    connect(ControlUnit::Engine);
    showPage(page::kEngine);
    EXPECT_EQ(newLists(), 0);  // the connect sequence left live data running

    showPage(page::kErrorCodes);
    EXPECT_EQ(newLists(), 1);
    EXPECT_EQ(state().listState, list_state::kErrorCodes);
    EXPECT_EQ(module().pollingList(), (std::vector<std::uint8_t>{5, 5, 3}));
    showPage(page::kErrorCodes);
    EXPECT_EQ(newLists(), 0);

    showPage(page::kEngine);
    EXPECT_EQ(newLists(), 1);
    EXPECT_EQ(state().listState, list_state::kLiveData);
    EXPECT_EQ(module().pollingList(), (std::vector<std::uint8_t>{3}));

    showPage(page::kFreezeFrame);
    EXPECT_EQ(state().listState, list_state::kFreezeFrame);
    EXPECT_EQ(module().pollingList(),
              (std::vector<std::uint8_t>{6, 7, 8, 9, 11, 10, 3, 12, 13, 14, 15, 17, 16, 3}));

    // The active tests keep whatever list runs.
    newLists();
    showPage(page::kActiveTests);
    EXPECT_EQ(newLists(), 0);
}

TEST_F(PageListTest, SecondSchemeListsUseSlot23) {
    sim::UnitProfile profile = sim::defaultProfile(sim::UnitKind::Engine, "13K0");
    profile.secondScheme = true;
    build(profile);
    connect(ControlUnit::Engine);
    showPage(page::kFreezeFrame);
    EXPECT_EQ(module().pollingList(),
              (std::vector<std::uint8_t>{6, 7, 8, 9, 11, 10, 23, 12, 13, 14, 15, 17, 16, 23}));
    showPage(page::kErrorCodes);
    EXPECT_EQ(module().pollingList(), (std::vector<std::uint8_t>{5, 5, 23}));
}

TEST_F(PageListTest, CombinedUnitListsCarryTheSecondBlock) {
    build(sim::defaultProfile(sim::UnitKind::EngineTransmission));
    connect(ControlUnit::EngineTransmission);
    state().listState = list_state::kNone;
    showPage(page::kEngineTransmission);
    EXPECT_EQ(module().pollingList(), (std::vector<std::uint8_t>{3, 18, 3, 18}));
    showPage(page::kFreezeFrame);
    EXPECT_EQ(module().pollingList(),
              (std::vector<std::uint8_t>{6, 7, 8, 9, 11, 10, 3, 12, 13, 14, 15, 17, 16, 3, 18}));
}

TEST_F(PageListTest, FailedWaitLeavesTheListStateForTheNextTry) {
    connect(ControlUnit::Engine);
    module().setMute(true);
    // A response the reader took off the module just before the mute arrives before the list is
    // sent and so cannot answer it.
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    state().currentPage = page::kErrorCodes;
    EXPECT_FALSE(SelectPageList(link(), state()));
    EXPECT_EQ(state().listState, list_state::kLiveData);
    EXPECT_FALSE(state().isLinkOpen());
}

TEST_F(PageListTest, ClearingCodesEmptiesTheUnitAndPutsTheListBackNextTick) {
    connect(ControlUnit::Engine);
    ASSERT_TRUE(ClearTroubleCodes(link(), state()));
    EXPECT_EQ(state().listState, list_state::kNone);
    EXPECT_EQ(module().pollingList(), (std::vector<std::uint8_t>{4, 3}));
    // The live data reports no stored codes any more.
    bool sawZeroCount = false;
    for (int i = 0; i < 10 && link().WaitReport() && !sawZeroCount; ++i) {
        const Report r = reply();
        if (frameByte(r, 4) == 0x61) sawZeroCount = frameByte(r, 6) == 0;
    }
    EXPECT_TRUE(sawZeroCount);
    showPage(page::kEngine);
    EXPECT_EQ(module().pollingList(), (std::vector<std::uint8_t>{3}));

    state().systemKind = 0;
    EXPECT_FALSE(ClearTroubleCodes(link(), state()));
}

Report liveReply(std::uint8_t source, std::uint8_t identifier, std::uint8_t count) {
    Report r{};
    const Frame frame = buildResponse(source, std::vector<std::uint8_t>{0x61, identifier, count, 0, 0});
    std::copy(frame.begin(), frame.end(), r.begin() + 1);
    return r;
}

TEST(DtcCount, TakenOnlyFromTheBlocksThatCarryIt) {
    app::AppState state;
    extractDtcCount(liveReply(address::kAbs, 0x00, 4), state);
    EXPECT_EQ(state.dtcCount, 4);
    extractDtcCount(liveReply(address::kAbs, 0x08, 9), state);
    EXPECT_EQ(state.dtcCount, 4);
    extractDtcCount(liveReply(address::kEngine, 0x00, 2), state);
    EXPECT_EQ(state.dtcCount, 2);
    extractDtcCount(liveReply(address::kEngineTransmission, 0x09, 7), state);
    EXPECT_EQ(state.dtcCount, 2);
    extractDtcCount(liveReply(address::kEps, 0x08, 1), state);
    EXPECT_EQ(state.dtcCount, 1);
    Report negative = liveReply(address::kEngine, 0x08, 3);
    negative[5] = 0x7F;
    extractDtcCount(negative, state);
    EXPECT_EQ(state.dtcCount, 1);
}

}  // namespace
}  // namespace quilldar::link
