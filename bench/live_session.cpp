// A live engine session of the real main window on the offscreen platform, in real time, against
// the simulated module answering like a vehicle line (about 60 ms per response). Prints the share
// of one core the whole process used, the longest time the window went without painting (a thread
// asks a small window to repaint every 10 ms), and the longest time a 10 ms timer waited: timers
// wait for the end of the module's wait, which the poll tick runs on the GUI thread.
// With --slow the module answers every command 1,600 ms late from the moment the session is
// connected: every wait then fails at its deadline, the session ends, and the link is reopened and
// greeted over and over; the window must keep running its event loop through all of it.
// Usage: quilldar_live_session [SECONDS] [--slow]   (default 60)

#include <QApplication>
#include <QElapsedTimer>
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
#include "link/link_handshake.h"
#include "sim/simulated_module.h"
#include "sim/unit_catalogue.h"

namespace {

// Records the longest gap between two of its paints.
class PaintProbe : public QWidget {
public:
    qint64 longestGap = 0;
    bool measuring = false;

protected:
    void paintEvent(QPaintEvent*) override {
        if (measuring && sincePaint_.isValid()) longestGap = std::max(longestGap, sincePaint_.elapsed());
        sincePaint_.start();
    }

private:
    QElapsedTimer sincePaint_;
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
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--slow") == 0) {
            slow = true;
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
    app::AppContext context(std::move(module));
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
    std::atomic<bool> probing{true};
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
    std::uint32_t recordsAtEnd = 0;
    double cpuStart = 0;
    QElapsedTimer wall;
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
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
        longestGap = std::max(longestGap, sinceBeat.restart());
        if (wall.elapsed() >= seconds * 1000LL) {
            // Before quitting closes the window, which gives the unsaved records up.
            recordsAtEnd = context.state().recordCount;
            QApplication::quit();
        }
    });
    heartbeat.start(10);
    QTimer::singleShot((seconds + 30) * 1000, [] { QApplication::quit(); });
    application.exec();
    probing = false;
    repaints.join();

    if (!measuring) {
        std::fprintf(stderr, "the session never connected\n");
        return 1;
    }
    const double cpu = processCpuSeconds() - cpuStart;
    const double wallSeconds = wall.elapsed() / 1000.0;
    std::printf("live engine session%s: %.1f s, %u records\n", slow ? " with replies 1,600 ms late" : "",
                wallSeconds, recordsAtEnd);
    std::printf("process CPU: %.3f s = %.2f %% of one core\n", cpu, 100.0 * cpu / wallSeconds);
    std::printf("longest time without painting: %lld ms\n", static_cast<long long>(probe.longestGap));
    std::printf("longest wait of a 10 ms timer: %lld ms\n", static_cast<long long>(longestGap));
    return 0;
}
