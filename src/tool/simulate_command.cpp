#include "tool/simulate_command.h"

#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <thread>

#include "app/app_context.h"
#include "app/session_controller.h"
#include "app/tab_map.h"
#include "files/temporary_recording.h"
#include "link/link_handshake.h"
#include "sim/simulation_spec.h"
#include "tool/headless_main_view.h"

namespace quilldar::tool {

namespace {

void printError(const QString& text) { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); }

// Without --realtime the module answers at once and, once connected, relays a response every
// 20 µs: faster than any vehicle line, slow enough that no reply is pushed out of the link's
// history before it is read.
constexpr sim::ModuleTiming kFastModule{std::chrono::milliseconds(0), std::chrono::milliseconds(1)};
constexpr std::chrono::microseconds kFastLine{20};
// Enough ticks for thirty "Power OK" replies and the greeting.
constexpr int kMaxPowerTicks = 100;

class TickPacer {
public:
    explicit TickPacer(bool realtime) : realtime_(realtime) {}
    void wait() {
        if (!realtime_) return;
        next_ += std::chrono::milliseconds(app::SessionController::kPollPeriodMs);
        std::this_thread::sleep_until(next_);
    }

private:
    bool realtime_;
    std::chrono::steady_clock::time_point next_ = std::chrono::steady_clock::now();
};

}  // namespace

int runSimulate(const SimulateOptions& options) {
    QString error;
    // The same UNIT:MODEL:alt text the program's --simulate takes, checked the same way.
    std::string specText = options.unit + ":" + options.model;
    if (options.secondScheme) specText += ":alt";
    const auto spec = sim::parseSimulationSpec(specText, error);
    if (!spec) {
        printError(error);
        return 2;
    }
    if (options.ticks < 1) {
        printError(QStringLiteral("--ticks must be at least 1."));
        return 2;
    }
    const int unitTab = static_cast<int>(spec->unit);
    const auto systemKind = static_cast<std::uint16_t>(unitTab + 1);
    int pageTab = 0;
    if (options.page) {
        const auto pages = app::pageTabMap(systemKind, spec->secondScheme);
        const auto found = std::find(pages.begin(), pages.end(), *options.page);
        if (found == pages.end()) {
            printError(QStringLiteral("Page %1 is not shown for this unit.").arg(*options.page));
            return 2;
        }
        pageTab = static_cast<int>(found - pages.begin());
    }

    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        printError(QStringLiteral("Cannot create a temporary folder: %1").arg(scratch.errorString()));
        return 1;
    }
    auto owned = sim::buildSimulatedModule(*spec, std::make_shared<sim::SteadySimClock>(),
                                           options.realtime ? sim::ModuleTiming{} : kFastModule);
    sim::SimulatedModule& module = *owned;
    app::AppContext context(std::move(owned));
    files::TemporaryRecording recording(scratch.path());
    HeadlessMainView view;
    app::SessionController session(context, view, recording);
    app::AppState& state = context.state();
    TickPacer pacer(options.realtime);

    view.selectTab(unitTab);
    for (int tick = 0; tick < kMaxPowerTicks && !state.powerStable; ++tick) {
        session.tick();
        pacer.wait();
    }
    session.tick();
    session.connectCommand();
    if (!state.connected) {
        printError(QStringLiteral("The simulated %1 unit did not connect.").arg(QString::fromLatin1(sim::unitName(spec->unit))));
        return 1;
    }
    if (!options.realtime) module.setLineInterval(kFastLine);
    std::printf("Connected: %s, ECM ID %s, model %s\n", sim::unitName(spec->unit),
                context.ecm().partNumber.toUtf8().constData(), context.ecm().code.toUtf8().constData());

    for (int tick = 0; tick < options.ticks; ++tick) {
        session.tick();
        // The page asked for is shown from the first tick on, once the tab strip was rebuilt.
        if (tick == 0 && options.page) session.tabClicked(pageTab);
        pacer.wait();
    }
    session.connectCommand();  // Disconnect
    if (view.messages > 0 && view.lastMessage == app::Message::RecordingFailed) {
        printError(QStringLiteral("The session could not be recorded: %1").arg(view.lastDetail));
        return 1;
    }
    const std::uint32_t records = state.recordCount;
    if (!recording.saveRecording(QString::fromStdString(options.output), state)) {
        printError(QStringLiteral("The recording could not be saved to %1: %2")
                       .arg(QString::fromStdString(options.output), recording.lastError()));
        return 1;
    }
    std::printf("Saved %u records to %s\n", records, options.output.c_str());
    return 0;
}

}  // namespace quilldar::tool
