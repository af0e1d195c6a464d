#include "gui/app/quilldar_app.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMessageBox>

#include "app/app_context.h"
#include "gui/app/message_box_sink.h"
#include "gui/app/quilldar_dlg.h"
#include "link/hidapi_transport.h"
#include "platform/instance_lock.h"
#include "sim/simulation_spec.h"

namespace quilldar::gui {

namespace {

// Put on the clipboard before the start, this text makes the Engine page copy its engine speed
// and throttle to the clipboard at every update.
constexpr const char* kClipboardTrigger = "Rask-Veno DBGOut";

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    static const QString kUsage = QStringLiteral(
        "Usage: quilldar [--simulate[=UNIT[:MODEL]] [--fault NAME[@TICK]]...] [RECORDING]");
    CommandLine line;
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
        } else if (arg.startsWith(QLatin1String("--"))) {
            line.error = QStringLiteral("Unknown option %1.\n").arg(arg) + kUsage;
        } else if (line.recording.isEmpty()) {
            line.recording = arg;
        }
    }
    if (line.error.isEmpty() && !line.faults.empty() && !line.simulate)
        line.error = QStringLiteral("--fault needs the simulated module (--simulate).\n") + kUsage;
    return line;
}

int CQuilldarApp::run(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quilldar"));
    QApplication::setOrganizationName(QStringLiteral("Morvalin"));

    const CommandLine line = parseCommandLine(QApplication::arguments());
    if (!line.error.isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Quilldar"), line.error);
        return 2;
    }
    MessageBoxSink messages;
    std::unique_ptr<link::HidTransport> transport;
    sim::SimulatedModule* simulated = nullptr;
    if (line.simulate) {
        QString error;
        const auto spec = sim::parseSimulationSpec(*line.simulate, error);
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

    CQuilldarDlg window(context, startupFolder);
    if (simulated != nullptr && !line.faults.empty()) {
        line.faults.strike(0, *simulated);
        window.setBeforeTick([faults = line.faults, simulated, &state = context.state()]() mutable {
            faults.beforePollTick(state.connected != 0, *simulated);
        });
    }
    // The first copy owns the interface module; later copies work offline on recordings.
    platform::InstanceLock lock(QDir::tempPath());
    if (!lock.acquire()) {
        context.state().offlineInstance = 1;
    } else {
        // The records of a run that ended without saving them are offered for saving again; a
        // second copy leaves them to the first, which may still be writing them.
        window.controller().adoptLeftoverRecording();
    }
    if (!line.recording.isEmpty()) window.openAtStart(line.recording);
    if (QGuiApplication::clipboard()->text() == QLatin1String(kClipboardTrigger))
        context.state().clipboardOutput = 1;
    window.start();
    window.show();
    window.exec();
    lock.release();
    return 0;
}

}  // namespace quilldar::gui
