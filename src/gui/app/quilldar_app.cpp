#include "gui/app/quilldar_app.h"

#include <QTimer>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>
#include <optional>

#include "context/app_context.h"
#include "gui/app/font_configuration_ahead.h"
#include "gui/app/message_box_sink.h"
#include "gui/app/quilldar_dlg.h"
#include "gui/app/start_beside.h"
#include "gui/app/startup_role.h"
#include "graph/ride_prefetch.h"
#include "link/hidapi_transport.h"
#include "pages/page_texts.h"
#include "platform/instance_lock.h"
#include "platform/number_format.h"
#include "sim/simulation_spec.h"
#include "update/transfer_library.h"

namespace quilldar::gui {

namespace {

// Put on the clipboard before the start, this text makes the Engine page copy its engine speed
// and throttle to the clipboard at every update.
constexpr const char* kClipboardTrigger = "Rask-Veno DBGOut";

// The words of text in lines of at most 78 characters, each indented by six spaces.
QString indentedLines(const QString& text) {
    const QString indent(6, QLatin1Char(' '));
    QString out;
    QString line = indent;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (line.size() > indent.size() && line.size() + 1 + word.size() > 78) {
            out += line + QLatin1Char('\n');
            line = indent;
        }
        if (line.size() > indent.size()) line += QLatin1Char(' ');
        line += word;
    }
    return out + line + QLatin1Char('\n');
}

}  // namespace

QString usageText() {
    return QStringLiteral(
               "Usage: quilldar [--simulate[=UNIT[:MODEL]] [--fault NAME[@TICK]]...]\n"
               "                [RECORDING | --graph RECORDING [--reference RECORDING]]\n"
               "\n"
               "Diagnoses the control units of motorcycles and ATVs through the Quilldar USB\n"
               "interface module (USB id 04d8:05f1): live data, trouble codes, recordings.\n"
               "\n"
               "  RECORDING\n"
               "      Open a saved recording (.QLS) in playback.\n"
               "  --graph RECORDING\n"
               "      Open the recording and its graph view at once.\n"
               "  --reference RECORDING\n"
               "      With --graph: lay this recording over the graph as its reference.\n"
               "  --simulate[=UNIT[:MODEL]]\n"
               "      Use the built-in simulated interface module instead of the real one.\n"
               "      UNIT: engine, transmission, combined, abs or eps; MODEL: a model code\n"
               "      such as 12F0; engine:13K0:alt is an engine of the second\n"
               "      identification scheme.\n"
               "  --fault NAME[@TICK]\n"
               "      With --simulate, repeatable: the module shows a fault before poll tick\n"
               "      TICK of the live session (none: at start-up). NAME is one of:\n"
               "%1"
               "  -h, --help\n"
               "      Show this text and exit.\n"
               "\n"
               "When the module does not connect, quilldar-tool doctor says why.\n")
        .arg(indentedLines(sim::faultNames() + QLatin1Char('.')));
}

bool helpRequested(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QLatin1String arg(argv[i]);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) return true;
    }
    return false;
}

// A copy on the simulated module never takes the single-instance lock. Told from the raw
// arguments, before the command line is read: when in doubt the lock is taken later, as it was.
bool mayUseTheModule(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (QLatin1String(argv[i]).startsWith(QLatin1String("--simulate"))) return false;
    }
    return true;
}

CommandLine parseCommandLine(const QStringList& arguments) {
    static const QString kUsage = QStringLiteral(
        "Usage: quilldar [--simulate[=UNIT[:MODEL]] [--fault NAME[@TICK]]...] "
        "[RECORDING | --graph RECORDING [--reference RECORDING]]");
    CommandLine line;
    const auto setGraph = [&line](const QString& path) {
        line.graph = true;
        line.recording = path;
    };
    const auto addFault = [&line](const QString& value) {
        QString reason;
        if (const auto fault = sim::parseScheduledFault(value.toStdString(), reason)) {
            line.faults.add(*fault);
        } else {
            line.error = reason + QLatin1Char('\n') + kUsage;
        }
    };
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg == QLatin1String("--simulate")) {
            line.simulate = std::string();
        } else if (arg.startsWith(QLatin1String("--simulate="))) {
            line.simulate = arg.mid(11).toStdString();
        } else if (arg == QLatin1String("--fault") && i + 1 < arguments.size()) {
            addFault(arguments.at(++i));
        } else if (arg.startsWith(QLatin1String("--fault="))) {
            addFault(arg.mid(8));
        } else if (arg == QLatin1String("--graph")) {
            if (i + 1 < arguments.size()) {
                setGraph(arguments.at(++i));
            } else {
                line.error = QStringLiteral("--graph needs a recording.\n") + kUsage;
            }
        } else if (arg.startsWith(QLatin1String("--graph="))) {
            setGraph(arg.mid(8));
        } else if (arg == QLatin1String("--reference")) {
            if (i + 1 < arguments.size()) {
                line.reference = arguments.at(++i);
            } else {
                line.error = QStringLiteral("--reference needs a recording.\n") + kUsage;
            }
        } else if (arg.startsWith(QLatin1String("--reference="))) {
            line.reference = arg.mid(12);
        } else if (arg.startsWith(QLatin1String("--"))) {
            line.error = QStringLiteral("Unknown option %1.\n").arg(arg) + kUsage;
        } else if (line.recording.isEmpty()) {
            line.recording = arg;
        }
    }
    if (line.error.isEmpty() && !line.reference.isEmpty() && !line.graph)
        line.error = QStringLiteral("--reference needs --graph.\n") + kUsage;
    if (line.error.isEmpty() && !line.faults.empty() && !line.simulate)
        line.error = QStringLiteral("--fault needs the simulated module (--simulate).\n") + kUsage;
    return line;
}

int CQuilldarApp::run(int argc, char** argv) {
    // Answered before any window system is touched, so that it works without a display (the
    // manual page is made from it at build time).
    if (helpRequested(argc, argv)) {
        std::fputs(usageText().toUtf8().constData(), stdout);
        return 0;
    }
    // Both wait for the disk beside the making of the application object: the lock file is
    // flushed to it, and the font configuration is read from it.
    platform::InstanceLock lock(QDir::tempPath());
    if (mayUseTheModule(argc, argv)) lock.startAcquiring();
    FontConfigurationAhead fontConfiguration;
    QApplication application(argc, argv);
    fontConfiguration.wait();
    StartBeside beside;
    platform::useProgramNumberFormat();
    QApplication::setApplicationName(QStringLiteral("Quilldar"));
    // The desktop entry and the icon the package installs: the window's icon in the task bar.
    QGuiApplication::setDesktopFileName(QStringLiteral("quilldar"));
    QApplication::setOrganizationName(QStringLiteral("Morvalin"));

    const CommandLine line = parseCommandLine(QApplication::arguments());
    if (!line.error.isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Quilldar"), line.error);
        return 2;
    }
    MessageBoxSink messages;
    std::unique_ptr<link::HidTransport> transport;
    sim::SimulatedModule* simulated = nullptr;
    std::optional<sim::SimulationSpec> spec;
    if (line.simulate) {
        QString error;
        spec = sim::parseSimulationSpec(*line.simulate, error);
        if (!spec) {
            QMessageBox::critical(nullptr, QStringLiteral("Quilldar"), error);
            return 2;
        }
        auto module = sim::buildSimulatedModule(*spec, std::make_shared<sim::SteadySimClock>());
        simulated = module.get();
        transport = std::move(module);
    } else {
        transport = std::make_unique<link::HidApiTransport>(messages);
    }

    const QString startupFolder = QDir::current().absolutePath();
    app::AppContext context(std::move(transport));
    context.settingsStore().load(context.settings(), startupFolder);
    context.languageTable().fill(context.settings().languageIndex, context.settings());
    // The graph's recording is decoded while the windows are built. The same thread then loads
    // the transfer library of the first tick's update check while the graph is drawn, when the
    // window's own thread needs only one core. This function keeps the decoder until the end,
    // so that the graph never waits for that loading when it lets go of the ride.
    std::shared_ptr<graph::RidePrefetch> graphPrefetch;
    if (line.graph && !line.recording.isEmpty())
        graphPrefetch = std::make_shared<graph::RidePrefetch>(
            line.recording, context.settings().chartChannels, context.languageTable(),
            pages::unitSettings(context.settings()), [] { update::loadTransferLibrary(); });

    const StartupRole role = decideStartupRole(simulated != nullptr, lock, QCoreApplication::applicationPid());
    context.state().offlineInstance = role.offline ? 1 : 0;
    CQuilldarDlg window(context, startupFolder, role.scratchFileName);
    if (simulated != nullptr && !line.faults.empty()) {
        line.faults.strike(0, *simulated);
        window.setBeforeTick([faults = line.faults, simulated, &state = context.state()]() mutable {
            faults.beforePollTick(state.connected != 0, *simulated);
        });
    }
    // A recording named on the command line opens first; the records of a run that ended
    // without saving them are offered for saving once no recording plays.
    if (!line.recording.isEmpty()) window.openAtStart(line.recording);
    if (role.adoptsLeftovers) window.controller().adoptLeftoverRecordingWhenIdle();
    // The tab picks the unit that Connect connects to: a simulated unit's copy starts on its tab
    // (engine, transmission, combined, ABS, EPS are the first five tabs in that order).
    if (spec) window.controller().tabClicked(static_cast<int>(spec->unit));
    // The clipboard is read once the window has painted itself: reading it waits for the display
    // and, when another program holds the clipboard, for that program. No session starts before.
    window.runAfterFirstPaint([&state = context.state()] {
        if (QGuiApplication::clipboard()->text() == QLatin1String(kClipboardTrigger)) state.clipboardOutput = 1;
    });
    // The first tick's update check runs on the window's thread: libcurl and its two dozen
    // libraries are loaded beside it instead, once the window shows, so that the check does
    // not hold the window up for them.
    if (context.state().updateCheckPending) window.runAfterFirstPaint([&beside] { beside.loadTransferLibrary(); });
    // Before the window shows: the task bar takes the icon the window has then.
    QApplication::setWindowIcon(beside.programIcon());
    window.start();
    window.show();
    // The graph of the recording once the window runs, if it could be opened.
    if (line.graph && context.state().playback) {
        window.setGraphReference(line.reference);
        window.setGraphPrefetch(graphPrefetch);
        QTimer::singleShot(0, &window, [&window] { window.showGraph(); });
    }
    window.exec();
    lock.release();
    return 0;
}

}  // namespace quilldar::gui
