#include "tool/simulate_command.h"

#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <optional>
#include <thread>

#include "context/app_context.h"
#include "app/session_controller.h"
#include "app/tab_map.h"
#include "files/recording_file.h"
#include "files/temporary_recording.h"
#include "link/link_handshake.h"
#include "settings/language_table.h"
#include "sim/simulation_spec.h"
#include "tool/headless_main_view.h"
#include "tool/module_log_transport.h"

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

// Between ticks: sleeps to the next 100 ms in real time, else moves the ride on by the time one
// record stands for.
class TickPacer {
public:
    TickPacer(bool realtime, sim::ManualSimClock& rideClock) : realtime_(realtime), rideClock_(rideClock) {}
    void wait() {
        if (!realtime_) {
            rideClock_.advance(files::kSecondsPerRecord);
            return;
        }
        next_ += std::chrono::milliseconds(app::SessionController::kPollPeriodMs);
        std::this_thread::sleep_until(next_);
    }

private:
    bool realtime_;
    sim::ManualSimClock& rideClock_;
    std::chrono::steady_clock::time_point next_ = std::chrono::steady_clock::now();
};

}  // namespace

namespace {

QString englishText(settings::MainText slot) {
    return QString::fromUtf16(settings::slotDefinitions(settings::TextGroup::MainWindow)[static_cast<std::size_t>(slot)].english);
}

// Why the connection could not be made, in the words the program would use.
QString whyNoSession(const app::AppState& state, const HeadlessMainView& view, const link::ModuleIdentity& module) {
    if (view.messages > 0 && view.lastMessage == app::Message::CommunicationFailed)
        return englishText(settings::MainText::CommunicationFailed);
    if (state.adapterRejected)
        return QStringLiteral("the interface module is of type '%1', not a type this program works with")
            .arg(module.type);
    if (!state.powerStable) return QStringLiteral("no vehicle power, so Connect never became available");
    return QStringLiteral("the interface module stopped answering during the connection");
}

QString howSessionEnded(app::SessionEnd end) {
    switch (end) {
        case app::SessionEnd::UnitDisconnected: return englishText(settings::MainText::CommunicationError);
        case app::SessionEnd::LinkLost:
            return QStringLiteral("the interface module stopped answering; the link was lost");
        case app::SessionEnd::UserDisconnect: return QStringLiteral("Disconnect after the last tick");
        case app::SessionEnd::None: break;
    }
    return QStringLiteral("still connected");
}

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
    // Without --page the unit's data page, the first tab of its session.
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

    // The scratch file goes to the folder asked for, where it stays if the run is killed;
    // otherwise to a temporary folder that goes with the run.
    std::optional<QTemporaryDir> temporary;
    QString scratchFolder = QString::fromStdString(options.scratchDir);
    if (scratchFolder.isEmpty()) {
        temporary.emplace();
        if (!temporary->isValid()) {
            printError(QStringLiteral("Cannot create a temporary folder: %1").arg(temporary->errorString()));
            return 1;
        }
        scratchFolder = temporary->path();
    }
    // In real time the ride follows the wall clock; otherwise each tick is 0.15 s of the ride, the
    // time a record stands for, however fast the ticks run.
    const auto rideClock = std::make_shared<sim::ManualSimClock>();
    std::shared_ptr<const sim::SimClock> clock = rideClock;
    if (options.realtime) clock = std::make_shared<sim::SteadySimClock>();
    auto owned = sim::buildSimulatedModule(*spec, clock, options.realtime ? sim::ModuleTiming{} : kFastModule);
    sim::SimulatedModule& module = *owned;
    std::unique_ptr<link::HidTransport> transport = std::move(owned);
    if (!options.moduleLog.empty()) {
        auto logged = std::make_unique<ModuleLogTransport>(std::move(transport));
        if (!logged->openLog(QString::fromStdString(options.moduleLog), error)) {
            printError(QStringLiteral("Cannot open the module log %1: %2")
                           .arg(QString::fromStdString(options.moduleLog), error));
            return 1;
        }
        transport = std::move(logged);
    }
    app::AppContext context(std::move(transport));
    // The tool reads the program's settings and never writes them.
    context.settingsStore().setReadOnly(true);
    files::TemporaryRecording recording(scratchFolder);
    HeadlessMainView view;
    app::SessionController session(context, view, recording);
    app::AppState& state = context.state();
    TickPacer pacer(options.realtime, *rideClock);

    options.faults.strike(0, module);
    // The unit's tab is selected, as a user would before pressing Connect: the identification
    // records carry its page.
    session.tabClicked(unitTab);
    for (int tick = 0; tick < kMaxPowerTicks && !state.powerStable && !state.adapterRejected; ++tick) {
        session.tick();
        pacer.wait();
    }
    session.tick();
    // Connect is pressed only when the window would offer it.
    if (state.powerStable && state.isLinkOpen()) session.connectCommand();
    if (!state.connected) {
        std::printf("No session: %s\n", whyNoSession(state, view, context.module()).toUtf8().constData());
        return 1;
    }
    if (!options.realtime) module.setLineInterval(kFastLine);
    std::printf("Connected: %s, ECM ID %s, model %s\n", sim::unitName(spec->unit),
                context.ecm().partNumber.toUtf8().constData(), context.ecm().code.toUtf8().constData());

    sim::FaultSchedule faults = options.faults;
    int lastTick = options.ticks;
    bool errorPageSwitchDue = state.autoErrorPage != 0;
    for (int tick = 1; tick <= options.ticks; ++tick) {
        faults.beforePollTick(true, module);
        // Ticks without pauses outrun the module; each takes the freshest reply, as it would at the
        // pace of the real line (one sent before the tick's faults struck ends the session a tick
        // later).
        if (!options.realtime) context.link().discardArrived();
        session.tick();
        if (!state.connected) {
            lastTick = tick;
            break;
        }
        // The page asked for is shown from the first tick on, once the tab strip was rebuilt. The
        // first reply that counts stored trouble codes switches the session to the Error codes
        // page, once; the tool then clicks the page's tab again, as a user would.
        const bool switchedToErrorCodes = errorPageSwitchDue && state.autoErrorPage == 0;
        errorPageSwitchDue = state.autoErrorPage != 0;
        if (tick == 1 || switchedToErrorCodes) session.tabClicked(pageTab);
        pacer.wait();
    }
    if (state.connected) session.connectCommand();  // Disconnect
    std::printf("Session ended at tick %d: %s\n", lastTick,
                howSessionEnded(session.lastSessionEnd()).toUtf8().constData());
    // When the recording failed part-way, the records kept before the failure are still saved,
    // as Save As would after such a session; the exit status says the recording is incomplete.
    if (view.recordingFailed)
        printError(QStringLiteral("The session could not be recorded: %1").arg(view.lastDetail));
    const std::uint32_t records = state.recordCount;
    if (records == 0 || !state.recordingOpen) {
        printError(QStringLiteral("Nothing was recorded, so nothing was saved."));
        return 1;
    }
    if (!recording.saveRecording(QString::fromStdString(options.output), state)) {
        printError(QStringLiteral("The recording could not be saved to %1: %2")
                       .arg(QString::fromStdString(options.output), recording.lastError()));
        return 1;
    }
    std::printf("Saved %u records to %s\n", records, options.output.c_str());
    return view.recordingFailed ? 1 : 0;
}

}  // namespace quilldar::tool
