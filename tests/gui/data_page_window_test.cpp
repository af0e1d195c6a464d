#include "gui/pages/dlg_dialog1.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include "gui/widgets/page_grid.h"
#include "link/kwp_frame.h"
#include "settings/languages.h"
#include "sim/simulated_module.h"
#include "sim/unit_catalogue.h"

namespace quilldar::gui {
namespace {

// A live-data reply of a 12F0 engine whose only content is a battery byte.
link::Report batteryReply(std::uint8_t battery) {
    std::vector<std::uint8_t> service{0x61, 0x08};
    service.resize(2 + 49, 0);
    service[24 - 4] = battery;  // frame byte 24
    const link::Frame frame = link::buildResponse(link::address::kEngine, service);
    link::Report report{};
    std::copy(frame.begin(), frame.end(), report.begin() + 1);
    return report;
}

class EnginePageWindowTest : public ::testing::Test {
protected:
    EnginePageWindowTest() {
        auto vehicle = std::make_unique<sim::VirtualVehicle>();
        context_ = std::make_unique<app::AppContext>(std::make_unique<sim::SimulatedModule>(std::move(vehicle)));
        context_->settings().entries[settings::entry::kHighlightPeriod] = 1;  // one second: ten ticks
        context_->languageTable().fill(settings::kEnglish, context_->settings());
        context_->ecm().code = QStringLiteral("12F0");
        page_ = std::make_unique<CDlgDialog1>(*context_);
        page_->timer().stop();  // the test ticks by hand
        page_->resize(900, 400);
        page_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(page_.get()));
    }

    static constexpr int kBatteryRow = 8;
    std::unique_ptr<app::AppContext> context_;
    std::unique_ptr<CDlgDialog1> page_;
};

TEST_F(EnginePageWindowTest, ChangedValueIsHighlightedForThePeriodThenWhite) {
    const vehicle::Colour highlight = context_->settings().highlightColour;
    context_->receiveReport() = batteryReply(160);
    page_->tick();
    EXPECT_EQ(page_->model().cellText(kBatteryRow), "12.5");
    EXPECT_EQ(page_->model().cellColour(kBatteryRow), highlight);
    // The same value for the period: still highlighted, then white.
    for (int tick = 0; tick < 9; ++tick) page_->tick();
    EXPECT_EQ(page_->model().cellColour(kBatteryRow), highlight);
    page_->tick();
    page_->tick();
    EXPECT_EQ(page_->model().cellColour(kBatteryRow), vehicle::kWhite);
    // A tick without changes repaints nothing.
    page_->tick();
    EXPECT_EQ(page_->grid().lastRepaintedCells(), 0);

    // A new value is highlighted again and only its cell is repainted.
    context_->receiveReport() = batteryReply(170);
    page_->tick();
    EXPECT_EQ(page_->model().cellColour(kBatteryRow), highlight);
    EXPECT_LE(page_->grid().lastRepaintedCells(), 3);
}

TEST_F(EnginePageWindowTest, LanguageSwitchResetsEveryCellAndRelabels) {
    context_->receiveReport() = batteryReply(160);
    page_->tick();
    context_->settings().languageIndex = settings::kGerman;
    context_->languageTable().fill(settings::kGerman, context_->settings());
    context_->receiveReport() = link::Report{};
    page_->tick();
    EXPECT_EQ(page_->model().cellText(kBatteryRow), "---");
    EXPECT_EQ(page_->model().cellColour(kBatteryRow), vehicle::kPlaceholderGrey);
    EXPECT_NE(page_->model().label(0), "Engine speed");
}

TEST_F(EnginePageWindowTest, ANewPageIsLabelledBeforeItsFirstTickAndThatTickLaysNothingOutAgain) {
    // Shown before any tick: the labels and placeholders of the language are there.
    EXPECT_EQ(page_->model().label(0), "Engine speed");
    EXPECT_EQ(page_->model().cellText(kBatteryRow), "---");
    page_->tick();
    EXPECT_EQ(page_->grid().lastRepaintedCells(), 0);
}

TEST_F(EnginePageWindowTest, ClipboardOutputCarriesEngineSpeedAndThrottle) {
    context_->state().clipboardOutput = 1;
    page_->tick();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "RPM:0: TPS:0:");
}

}  // namespace
}  // namespace quilldar::gui
