#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <QPushButton>

#include <memory>

#include "context/app_context.h"
#include "gui/app/my_tab_ctrl.h"
#include "gui/app/quilldar_dlg.h"
#include "link/link_handshake.h"
#include "settings/languages.h"
#include "sim/simulated_module.h"
#include "sim/unit_catalogue.h"

namespace quilldar::gui {

using app::MainControl;

// The real main window on a simulated engine module that answers at once, in English, with
// questions answered from a script (Yes when the script is empty) and messages collected.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        auto vehicle = std::make_unique<sim::VirtualVehicle>();
        vehicle->addUnit(sim::makeUnit(sim::defaultProfile(sim::UnitKind::Engine), std::make_shared<sim::ManualSimClock>()));
        auto module = std::make_unique<sim::SimulatedModule>(
            std::move(vehicle), sim::ModuleTiming{std::chrono::milliseconds(0), std::chrono::milliseconds(2)});
        module_ = module.get();
        context_ = std::make_unique<app::AppContext>(std::move(module));
        context_->settings().languageIndex = settings::kEnglish;
        context_->languageTable().fill(settings::kEnglish, context_->settings());
        // The update check of the first tick has its own tests.
        context_->state().updateCheckPending = 0;
        window_ = std::make_unique<CQuilldarDlg>(*context_, folder_.path());
        window_->setPresenters(
            [this](QWidget*, const QString&, const QString& text) {
                questions_ << text;
                const bool answer = answers_.isEmpty() || answers_.takeFirst();
                return answer;
            },
            [this](QWidget*, const QString&, const QString& text) { messages_ << text; });
        window_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }

    void ticks(int count) {
        for (int i = 0; i < count; ++i) window_->pollTick();
    }
    void connectEngine() {
        ticks(link::kPowerStableCount + 1);
        ASSERT_TRUE(window_->button(MainControl::Connect)->isEnabled());
        QTest::mouseClick(window_->button(MainControl::Connect), Qt::LeftButton);
        ASSERT_EQ(context_->state().connected, 1);
    }
    QStringList tabTexts() {
        QStringList texts;
        for (int tab = 0; tab < window_->tabs().tabCount(); ++tab) texts << window_->tabs().tabText(tab).trimmed();
        return texts;
    }

    QTemporaryDir folder_;
    sim::SimulatedModule* module_ = nullptr;
    std::unique_ptr<app::AppContext> context_;
    std::unique_ptr<CQuilldarDlg> window_;
    QStringList questions_;
    QList<bool> answers_;
    QStringList messages_;
};


}  // namespace quilldar::gui
