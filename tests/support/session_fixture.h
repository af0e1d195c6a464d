#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "app/session_controller.h"
#include "files/temporary_recording.h"
#include "link/link_handshake.h"
#include "settings/languages.h"
#include "support/fake_main_view.h"
#include "support/sim_link_fixture.h"

namespace quilldar::testing {

// The session controller over a fake main window and the simulated module, with the temporary
// recording in a scratch folder.
class SessionTest : public SimLinkTest {
protected:
    void SetUp() override { use(sim::defaultProfile(sim::UnitKind::Engine)); }

    void use(const sim::UnitProfile& profile) { use(std::vector<sim::UnitProfile>{profile}); }
    void use(const std::vector<sim::UnitProfile>& profiles) {
        controller_.reset();
        build(profiles);
        context_->languageTable().fill(settings::kEnglish, context_->settings());
        recording_ = std::make_unique<files::TemporaryRecording>(folder_.path());
        controller_ = std::make_unique<app::SessionController>(*context_, view_, *recording_);
    }
    app::SessionController& controller() { return *controller_; }

    void ticks(int count) {
        for (int i = 0; i < count; ++i) controller().tick();
    }
    // Ticks until vehicle power is stable and Connect can be pressed.
    void powerUp() {
        ticks(link::kPowerStableCount + 1);
        ASSERT_TRUE(view_.enabled(app::MainControl::Connect));
    }
    void connectOnTab(int tab) {
        powerUp();
        view_.selected = tab;
        controller().tick();
        controller().connectCommand();
        ASSERT_EQ(state().connected, 1);
    }
    int listsSentSince(std::size_t& seen) {
        const auto sent = module().commandsReceived();
        int lists = 0;
        for (std::size_t i = seen; i < sent.size(); ++i) lists += link::payloadStartsWith(sent[i], "List");
        seen = sent.size();
        return lists;
    }

    QTemporaryDir folder_;
    FakeMainView view_;
    std::unique_ptr<files::TemporaryRecording> recording_;
    std::unique_ptr<app::SessionController> controller_;
};

}  // namespace quilldar::testing
