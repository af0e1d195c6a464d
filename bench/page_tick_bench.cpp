// The cost of one tick of each data page window on live frames: the page's decoding plus the
// repaint of the cells that changed, on the offscreen platform. Frames come from the virtual
// units a tenth of a second apart, so values change as they do in a session.
// Usage: quilldar_page_tick_bench [TICKS]   (default 5000 per page)
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <memory>

#include "context/app_context.h"
#include "gui/pages/dlg_dialog1.h"
#include "gui/pages/dlg_dialog2.h"
#include "gui/pages/dlg_dialog3.h"
#include "gui/pages/dlg_dialog4.h"
#include "gui/pages/dlg_dialog5.h"
#include "gui/widgets/page_grid.h"
#include "link/kwp_frame.h"
#include "sim/simulated_module.h"
#include "sim/unit_catalogue.h"

namespace {

using namespace quilldar;

// The unit's replies to its live-data requests at the time its clock shows.
std::vector<link::Report> liveFrames(sim::VirtualUnit& unit) {
    std::vector<link::Report> frames;
    for (const std::uint8_t identifier : {0x08, 0x09, 0x00}) {
        const sim::ServiceBytes answer = unit.answer(std::vector<std::uint8_t>{0x21, identifier});
        if (answer.empty() || answer[0] != 0x61) continue;
        const link::Frame frame = link::buildResponse(unit.address(), answer);
        link::Report report{};
        std::copy(frame.begin(), frame.end(), report.begin() + 1);
        frames.push_back(report);
    }
    return frames;
}

struct Case {
    const char* name;
    sim::UnitKind kind;
    const char* model;
    std::function<gui::DataPageWindow*(app::AppContext&)> make;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir scratch;
    qputenv("QUILLDAR_SETTINGS_DIR", scratch.path().toUtf8());
    QApplication application(argc, argv);
    const int ticks = argc > 1 ? std::atoi(argv[1]) : 5000;

    const Case cases[] = {
        {"Engine (12F0)", sim::UnitKind::Engine, "12F0", [](app::AppContext& c) { return new gui::CDlgDialog1(c); }},
        {"Transmission", sim::UnitKind::Transmission, "20J0", [](app::AppContext& c) { return new gui::CDlgDialog2(c); }},
        {"Engine & Transmission (26J0)", sim::UnitKind::EngineTransmission, "26J0",
         [](app::AppContext& c) { return new gui::CDlgDialog3(c); }},
        {"ABS (27G0)", sim::UnitKind::Abs, "27G0", [](app::AppContext& c) { return new gui::CDlgDialog4(c); }},
        {"EPS (31H0)", sim::UnitKind::Eps, "31H0", [](app::AppContext& c) { return new gui::CDlgDialog5(c); }},
    };
    std::printf("%-30s %12s %14s\n", "page", "us per tick", "cells per tick");
    for (const Case& c : cases) {
        auto clock = std::make_shared<sim::ManualSimClock>();
        auto unit = sim::makeUnit(sim::defaultProfile(c.kind, c.model), clock);
        // A minute of frames, a tenth of a second apart.
        std::vector<link::Report> frames;
        for (int i = 0; i < 600; ++i) {
            clock->set(i * 0.1);
            for (const link::Report& r : liveFrames(*unit)) frames.push_back(r);
        }
        app::AppContext context(std::make_unique<sim::SimulatedModule>(std::make_unique<sim::VirtualVehicle>()));
        context.languageTable().fill(context.settings().languageIndex, context.settings());
        context.ecm().code = QString::fromLatin1(c.model);
        std::unique_ptr<gui::DataPageWindow> page(c.make(context));
        page->timer().stop();
        page->resize(1000, 450);
        page->show();
        QApplication::processEvents();

        long long repainted = 0;
        QElapsedTimer timer;
        timer.start();
        for (int tick = 0; tick < ticks; ++tick) {
            context.receiveReport() = frames[static_cast<std::size_t>(tick) % frames.size()];
            page->tick();
            repainted += page->grid().lastRepaintedCells();
            QApplication::processEvents();  // paints the cells the tick invalidated
        }
        const double micros = timer.nsecsElapsed() / 1000.0 / ticks;
        std::printf("%-30s %12.1f %14.1f\n", c.name, micros, static_cast<double>(repainted) / ticks);
    }
    return 0;
}
