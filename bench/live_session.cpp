// A live engine session of the real main window on the offscreen platform, in real time, against
// the simulated module answering like a vehicle line (about 60 ms per response). Prints the share
// of one core the whole process used, the longest time the window went without painting (a thread
// asks a small window to repaint every 10 ms), and the longest time a 10 ms timer waited: timers
// wait for the end of the module's wait, which the poll tick runs on the GUI thread.
// With --slow the module answers every command 1,600 ms late from the moment the session is
// connected: every wait then fails at its deadline, the session ends, and the link is reopened and
// greeted over and over; the window must keep running its event loop through all of it.
// With --usb the module is reached through the program's hidapi transport, with the hidapi
// simulation library behind it: the module then runs in the library's own thread, answering on
// its own rhythm (one response per 150 ms), and every report crosses the hidapi calls a real
// module's would.
// With --quiet nothing asks for repaints: the CPU share is the session's own, without the
// probe's hundred repaints and wake-ups a second (the waits are then not measured).
// Usage: quilldar_live_session [SECONDS] [--slow | --usb] [--quiet]   (default 60)

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <thread>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "process_cpu.h"

#include "gui/app/quilldar_dlg.h"
#include "link/hidapi_transport.h"
#include "link/link_handshake.h"
#include "state/message_sink.h"
#include "sim/simulated_module.h"
#include "sim/unit_catalogue.h"

namespace {

// Records the longest gap between two of its paints.
class PaintProbe : public QWidget {
public:
    qint64 longestGap = 0;
    int gapsOver25 = 0;
    int paints = 0;
    bool measuring = false;

protected:
    void paintEvent(QPaintEvent*) override {
        if (measuring && sincePaint_.isValid()) {
            const qint64 gap = sincePaint_.elapsed();
            longestGap = std::max(longestGap, gap);
            if (gap > 25) ++gapsOver25;
            ++paints;
        }
        sincePaint_.start();
    }

private:
    QElapsedTimer sincePaint_;
};

class PrintingSink : public quilldar::app::MessageSink {
public:
    void showMessage(const QString& text, const QString&) override {
        std::fprintf(stderr, "message: %s\n", text.toUtf8().constData());
    }
};

}  // namespace

int main(int argc, char** argv) {
    using namespace quilldar;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir scratch;
    qputenv("QUILLDAR_SETTINGS_DIR", scratch.path().toUtf8());
    QApplication application(argc, argv);
    int seconds = 60;
    bool slow = false;
    bool usb = false;
    bool quiet = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--slow") == 0) {
            slow = true;
        } else if (std::strcmp(argv[i], "--quiet") == 0) {
            quiet = true;
        } else if (std::strcmp(argv[i], "--usb") == 0) {
            usb = true;
        } else {
            seconds = std::atoi(argv[i]);
        }
    }

    auto vehicle = std::make_unique<sim::VirtualVehicle>();
    // No stored trouble codes: the session stays on the Engine page, the busiest one.
    sim::UnitProfile profile = sim::defaultProfile(sim::UnitKind::Engine);
    profile.troubleCodes.clear();
    vehicle->addUnit(sim::makeUnit(profile, std::make_shared<sim::SteadySimClock>()));
    auto module = std::make_unique<sim::SimulatedModule>(
        std::move(vehicle), sim::ModuleTiming{std::chrono::milliseconds(5), std::chrono::milliseconds(60)});
    sim::SimulatedModule& simulated = *module;
    PrintingSink transportMessages;
    std::unique_ptr<link::HidTransport> transport = std::move(module);
    if (usb) {
        if (slow) {
            std::fprintf(stderr, "--slow and --usb cannot be combined\n");
            return 2;
        }
        qputenv("QUILLDAR_HIDAPI_SIM", "engine");
        transport = std::make_unique<link::HidApiTransport>(transportMessages, QUILLDAR_HIDAPI_SIM_LIBRARY);
    }
    app::AppContext context(std::move(transport));
    context.languageTable().fill(context.settings().languageIndex, context.settings());
    gui::CQuilldarDlg window(context, scratch.path());
    window.setPresenters([](QWidget*, const QString&, const QString&) { return true; },
                         [](QWidget*, const QString&, const QString& text) {
                             std::fprintf(stderr, "message: %s\n", text.toUtf8().constData());
                         });
    window.show();
    window.start();

    // Press Connect as soon as it is enabled.
    QTimer connector;
    QObject::connect(&connector, &QTimer::timeout, [&] {
        QPushButton* connect = window.button(app::MainControl::Connect);
        if (!context.state().connected && connect->isEnabled()) connect->click();
    });
    connector.start(200);

    PaintProbe probe;
    probe.resize(20, 20);
    probe.show();
    std::atomic<bool> probing{!quiet};
    std::thread repaints([&] {
        while (probing) {
            QMetaObject::invokeMethod(&probe, [&probe] { probe.update(); }, Qt::QueuedConnection);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });

    // A 10 ms heartbeat: the gap between two beats is how long a timer waited.
    QElapsedTimer sinceBeat;
    qint64 longestGap = 0;
    bool measuring = false;
    bool finished = false;
    double cpuAtEnd = 0, wallAtEnd = 0;
    bool wasConnected = true;
    int sessionsEnded = 0;
    std::uint32_t recordsAtEnd = 0;
    double cpuStart = 0;
    QElapsedTimer wall;
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        // A close asked for while a tick waits for the module is refused: ask again.
        if (finished) return QApplication::quit();
        if (!measuring && context.state().connected) {
            measuring = true;
            if (slow) simulated.setReplyDelay(std::chrono::milliseconds(1600));
            cpuStart = processCpuSeconds();
            probe.measuring = true;
            wall.start();
            sinceBeat.start();
            return;
        }
        if (!measuring) return;
        if (wasConnected && !context.state().connected) {
            ++sessionsEnded;
            const auto* line = window.findChild<QLabel*>(QStringLiteral("sessionEndLine"));
            if (line != nullptr) std::fprintf(stderr, "%s\n", line->toolTip().toUtf8().constData());
        }
        wasConnected = context.state().connected != 0;
        longestGap = std::max(longestGap, sinceBeat.restart());
        if (wall.elapsed() >= seconds * 1000LL) {
            // Before quitting closes the window, which gives the unsaved records up; a beat
            // may still come after the close.
            finished = true;
            recordsAtEnd = context.state().recordCount;
            cpuAtEnd = processCpuSeconds();
            wallAtEnd = wall.elapsed() / 1000.0;
            QApplication::quit();
        }
    });
    heartbeat.start(quiet ? 100 : 10);
    QTimer::singleShot((seconds + 30) * 1000, [] { QApplication::quit(); });
    application.exec();
    probing = false;
    repaints.join();

    if (!finished) {
        std::fprintf(stderr, measuring ? "the session did not end in time\n" : "the session never connected\n");
        return 1;
    }
    const double cpu = cpuAtEnd - cpuStart;
    const double wallSeconds = wallAtEnd;
    std::printf("live engine session%s: %.1f s, %u records\n",
                slow ? " with replies 1,600 ms late" : usb ? " over the hidapi transport" : "",
                wallSeconds, recordsAtEnd);
    if (sessionsEnded > 0) std::printf("sessions the module ended: %d\n", sessionsEnded);
    std::printf("process CPU: %.3f s = %.2f %% of one core\n", cpu, 100.0 * cpu / wallSeconds);
    if (quiet) return 0;
    std::printf("longest time without painting: %lld ms (%d paints, %d gaps over 25 ms)\n",
                static_cast<long long>(probe.longestGap), probe.paints, probe.gapsOver25);
    std::printf("longest wait of a 10 ms timer: %lld ms\n", static_cast<long long>(longestGap));
    return 0;
}
