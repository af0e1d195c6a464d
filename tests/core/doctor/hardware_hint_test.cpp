#include "doctor/hardware_hint.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "settings/language_table.h"
#include "settings/languages.h"
#include "support/sim_link_fixture.h"

namespace quilldar::doctor {
namespace {

using Clock = HardwareHintWatch::Clock;
using std::chrono::seconds;

class HardwareHintTest : public testing::SimLinkTest {
protected:
    HardwareHintTest() { texts_.fill(settings::kEnglish, settings_); }
    bool update(Clock::time_point at) { return watch_.update(state(), link(), context_->transport(), at); }
    QString word() const { return watch_.current() ? watch_.current()->word : QString(); }

    const Clock::time_point t0_ = Clock::now();
    QTemporaryDir ruleFolder_;
    settings::Settings settings_;
    settings::LanguageTable texts_;
    HardwareHintWatch watch_{{ruleFolder_.path()}, texts_};
};

// The hint speaks the window's language and follows it when it changes.
TEST_F(HardwareHintTest, TheHintFollowsTheLanguage) {
    module().unplug();
    EXPECT_FALSE(link().ReopenInterface());
    EXPECT_TRUE(update(t0_));
    EXPECT_EQ(word(), "No USB");
    texts_.fill(settings::kGerman, settings_);
    EXPECT_TRUE(update(t0_ + seconds(1)));  // the same finding, in other words
    EXPECT_EQ(word(), texts_.text(settings::MainText::CheckWordNoUsb));
    EXPECT_NE(word(), "No USB");
    EXPECT_TRUE(watch_.current()->tooltip.startsWith(texts_.text(settings::MainText::CheckDevice).arg("04d8:05f1")));
    EXPECT_FALSE(watch_.current()->tooltip.contains("not found among"));
}

TEST_F(HardwareHintTest, NoModuleFoundIsSaidAtOnceWithTheDoctorsLineAsTooltip) {
    module().unplug();
    EXPECT_FALSE(link().ReopenInterface());
    EXPECT_TRUE(update(t0_));
    EXPECT_EQ(word(), "No USB");
    EXPECT_TRUE(watch_.current()->tooltip.startsWith("USB device 04d8:05f1: not found"));
    EXPECT_TRUE(watch_.current()->tooltip.contains("Fix: "));
    EXPECT_FALSE(update(t0_ + seconds(1)));  // unchanged: nothing to repaint

    // Plugged in and opened: the hint goes, and the window shows what the module tells.
    module().replug();
    ASSERT_TRUE(link().ReopenInterface());
    state().powerStable = 1;
    EXPECT_TRUE(update(t0_ + seconds(2)));
    EXPECT_FALSE(watch_.current());
}

TEST_F(HardwareHintTest, NoPowerIsSaidOnlyAfterConnectStayedUnavailableForTenSeconds) {
    ASSERT_TRUE(link().ReopenInterface());
    state().powerStable = 0;
    EXPECT_FALSE(update(t0_));
    EXPECT_FALSE(update(t0_ + seconds(9)));
    EXPECT_FALSE(watch_.current());
    EXPECT_TRUE(update(t0_ + seconds(10)));
    EXPECT_EQ(word(), "No power");

    // Power comes: Connect is available, the hint goes and the ten seconds start afresh next time.
    state().powerStable = 1;
    EXPECT_TRUE(update(t0_ + seconds(11)));
    state().powerStable = 0;
    EXPECT_FALSE(update(t0_ + seconds(12)));
    EXPECT_FALSE(update(t0_ + seconds(21)));
    EXPECT_TRUE(update(t0_ + seconds(22)));
}

TEST_F(HardwareHintTest, RejectedOrSilentModuleIsNamedAfterTenSeconds) {
    ASSERT_TRUE(link().ReopenInterface());
    state().adapterRejected = 1;
    link().dropLink();
    update(t0_);
    EXPECT_FALSE(watch_.current());
    update(t0_ + seconds(10));
    EXPECT_EQ(word(), "Wrong type");

    state().adapterRejected = 0;  // a module whose link dropped after it had opened
    update(t0_ + seconds(11));
    EXPECT_EQ(word(), "No reply");
}

TEST_F(HardwareHintTest, SessionPlaybackAndOfflineModeShowNoHint) {
    module().unplug();
    link().ReopenInterface();
    for (auto flag : {&app::AppState::connected, &app::AppState::playback}) {
        state().*flag = 1;
        update(t0_ + seconds(30));
        EXPECT_FALSE(watch_.current());
        state().*flag = 0;
    }
    state().offlineInstance = 1;
    update(t0_ + seconds(30));
    EXPECT_FALSE(watch_.current());
}

}  // namespace
}  // namespace quilldar::doctor
