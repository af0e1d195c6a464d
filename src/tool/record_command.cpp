#include "tool/record_command.h"

#include <QDir>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

#include "app/session_controller.h"
#include "app/tab_map.h"
#include "context/app_context.h"
#include "files/temporary_recording.h"
#include "link/hidapi_transport.h"
#include "settings/languages.h"
#include "settings/settings_store.h"
#include "sim/simulation_spec.h"
#include "tool/console_message_sink.h"
#include "tool/headless_main_view.h"
#include "tool/live_csv_stream.h"
#include "tool/stored_settings.h"
#include "pages/graph_channels.h"
#include "pages/page_texts.h"

namespace quilldar::tool {

namespace {

std::atomic<bool> stopRequested{false};

extern "C" void requestStop(int) { stopRequested.store(true); }

void printError(const QString& text) { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); }

// Ctrl-C and SIGTERM end the session as Disconnect does; the tick in progress finishes first.
void catchStopSignals() {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

QString sessionEndText(app::SessionEnd end, bool stopped) {
    switch (end) {
        case app::SessionEnd::UnitDisconnected: return QStringLiteral("Communication error occurred");
        case app::SessionEnd::LinkLost: return QStringLiteral("the interface module stopped answering; the link was lost");
        case app::SessionEnd::UserDisconnect:
            return stopped ? QStringLiteral("Disconnect on request") : QStringLiteral("Disconnect at the end of the duration");
        case app::SessionEnd::None: break;
    }
    return QStringLiteral("still connected");
}

}  // namespace

int runRecord(const RecordOptions& options) {
    QString error;
    const auto unit = sim::parseSimulationSpec(options.unit, error);
    if (!unit) {
        printError(error);
        return 2;
    }
    const int unitTab = static_cast<int>(unit->unit);
    int pageTab = 0;
    if (options.page) {
        const auto pages = app::pageTabMap(static_cast<std::uint16_t>(unitTab + 1), false);
        const auto found = std::find(pages.begin(), pages.end(), *options.page);
        if (found == pages.end()) {
            printError(QStringLiteral("Page %1 is not shown for this unit.").arg(*options.page));
            return 2;
        }
        pageTab = static_cast<int>(found - pages.begin());
    }
    ConsoleMessageSink messages;
    std::unique_ptr<link::HidTransport> transport;
    if (options.simulate) {
        auto spec = options.simulate->empty() ? unit : sim::parseSimulationSpec(*options.simulate, error);
        if (!spec) {
            printError(error);
            return 2;
        }
        transport = sim::buildSimulatedModule(*spec, std::make_shared<sim::SteadySimClock>());
    } else {
        transport = std::make_unique<link::HidApiTransport>(messages);
    }

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
    app::AppContext context(std::move(transport));
    context.settingsStore().setReadOnly(true);
    context.languageTable().fill(settings::kEnglish, context.settings());
    files::TemporaryRecording recording(scratchFolder);
    HeadlessMainView view;
    app::SessionController session(context, view, recording);
    app::AppState& state = context.state();
    catchStopSignals();
    // With the values on standard output, the command's own lines go to standard error.
    std::FILE* status = options.csv == "-" ? stderr : stdout;

    // The poll timer: a tick every 100 ms, as in the window.
    auto next = std::chrono::steady_clock::now();
    const auto pace = [&] {
        next += std::chrono::milliseconds(app::SessionController::kPollPeriodMs);
        std::this_thread::sleep_until(next);
    };
    session.tabClicked(unitTab);
    bool told = false;
    while (!stopRequested.load() && !state.adapterRejected && !(state.powerStable && state.isLinkOpen())) {
        session.tick();
        if (!told && !state.powerStable) {
            std::fprintf(status, "Waiting for the interface module and vehicle power...\n");
            std::fflush(status);
            told = true;
        }
        pace();
    }
    if (!stopRequested.load() && state.powerStable && state.isLinkOpen()) session.connectCommand();
    if (!state.connected) {
        std::fprintf(status, "No session: %s\n", stopRequested.load() ? "stopped before the connection was made"
                                        : state.adapterRejected ? "the interface module is of a type this program does not work with"
                                                                : "Communication failed");
        return 1;
    }
    std::fprintf(status, "Connected: %s, ECM ID %s, model %s\n", sim::unitName(unit->unit),
                 context.ecm().partNumber.toUtf8().constData(), context.ecm().code.toUtf8().constData());
    std::fflush(status);

    // The unit's channels as they arrive, for other tools to read.
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> csvFile(nullptr, &std::fclose);
    std::unique_ptr<LiveCsvStream> csv;
    if (!options.csv.empty()) {
        // A reader of the stream that goes away must not end the recorder: writes then fail
        // instead of raising SIGPIPE.
        std::signal(SIGPIPE, SIG_IGN);
        std::FILE* out = stdout;
        if (options.csv != "-") {
            csvFile.reset(std::fopen(options.csv.c_str(), "w"));
            if (!csvFile) {
                printError(QStringLiteral("Cannot write %1; the session goes on without it.").arg(QString::fromStdString(options.csv)));
            }
            out = csvFile.get();
        }
        if (out != nullptr) {
            std::vector<int> channels;
            for (const pages::GraphChannel* channel :
                 pages::offeredChannels(pages::familyOfUnit(state.systemKind), context.ecm().code.toStdString()))
                channels.push_back(channel->number);
            // In the units the program would show, from the stored settings (never written).
            settings::Settings stored = readStoredSettings();
            csv = std::make_unique<LiveCsvStream>(out, channels, context.languageTable(), context.ecm().code.toStdString(),
                                                  state.altListVariant != 0, pages::unitSettings(stored));
            csv->start();
            session.setReplyObserver([&csv, &state](const link::Report& reply) { csv->take(reply, state.recordCount); });
        }
    }

    const auto started = std::chrono::steady_clock::now();
    const auto due = [&] {
        return options.durationSeconds &&
               std::chrono::steady_clock::now() - started >= std::chrono::duration<double>(*options.durationSeconds);
    };
    int tick = 0;
    bool errorPageSwitchDue = state.autoErrorPage != 0;
    while (state.connected && !stopRequested.load() && !due()) {
        ++tick;
        session.tick();
        if (!state.connected) break;
        const bool switchedToErrorCodes = errorPageSwitchDue && state.autoErrorPage == 0;
        errorPageSwitchDue = state.autoErrorPage != 0;
        if (tick == 1 || switchedToErrorCodes) session.tabClicked(pageTab);
        pace();
    }
    if (state.connected) session.connectCommand();  // Disconnect
    session.setReplyObserver({});
    std::fprintf(status, "Session ended at tick %d: %s\n", tick,
                sessionEndText(session.lastSessionEnd(), stopRequested.load()).toUtf8().constData());
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
    std::fprintf(status, "Saved %u records to %s\n", records, options.output.c_str());
    return 0;
}

}  // namespace quilldar::tool
