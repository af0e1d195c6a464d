// Real clicks on the real main window under an X server: how long each waits before the window
// handles it, with a module that answers at once and with one that answers every command 1,600 ms
// late (each wait then fails at its deadline and the link greets the module again at the next
// tick, for as long as the run lasts).
//
// xdotool presses the mouse through the X server, alternately on the first two tabs, one click
// at a time; the time runs from the start of xdotool (its own start-up, a few milliseconds, counts
// in) until the tab bar receives the press. At the end it clicks Settings, closes the dialog once
// it is shown, and presses Escape, which must close the window.
//
// Prints the clicks handled, the median and the longest wait. Exits 0 when every click, Settings
// and Escape were handled; 2 when one waited more than 5 s, far longer than any wait of the link,
// or was never handled (the window held it back); 1 when the run could not be made.
// Usage: quilldar_click_latency [SECONDS] [--slow]   (default 60; run under X, QT_QPA_PLATFORM=xcb)

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "gui/app/my_tab_ctrl.h"
#include "gui/app/quilldar_dlg.h"
#include "gui/settings/dlg_settings.h"
#include "sim/simulated_module.h"
#include "sim/unit_catalogue.h"

namespace {

// Records when a press reaches a tab bar. The clicking thread sets sentAt and waiting; the
// window's thread reads them when the press comes.
class PressWatch : public QObject {
public:
    explicit PressWatch(const QElapsedTimer& clock) : clock_(clock) {}
    std::atomic<qint64> sentAt{-1};
    std::atomic<bool> waiting{false};
    std::vector<qint64> latencies;  // the window's thread only

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (waiting && event->type() == QEvent::MouseButtonPress && qobject_cast<QTabBar*>(watched) != nullptr) {
            latencies.push_back(clock_.elapsed() - sentAt);
            waiting = false;
        }
        return false;
    }

private:
    const QElapsedTimer& clock_;
};

void xdotool(const std::string& arguments) {
    const std::string command = "xdotool " + arguments;
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "failed: %s\n", command.c_str());
}

std::string clickAt(QPoint at) {
    return "mousemove " + std::to_string(at.x()) + " " + std::to_string(at.y()) + " click 1";
}

}  // namespace

int main(int argc, char** argv) {
    using namespace quilldar;
    QTemporaryDir scratch;
    qputenv("QUILLDAR_SETTINGS_DIR", scratch.path().toUtf8());
    qputenv("QUILLDAR_UPDATE_URL", "http://127.0.0.1:9/");
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
    vehicle->addUnit(sim::makeUnit(sim::defaultProfile(sim::UnitKind::Engine), std::make_shared<sim::SteadySimClock>()));
    auto module = std::make_unique<sim::SimulatedModule>(
        std::move(vehicle), sim::ModuleTiming{std::chrono::milliseconds(5), std::chrono::milliseconds(60)});
    if (slow) module->setReplyDelay(std::chrono::milliseconds(1600));
    app::AppContext context(std::move(module));
    context.languageTable().fill(context.settings().languageIndex, context.settings());
    gui::CQuilldarDlg window(context, scratch.path());
    window.setPresenters([](QWidget*, const QString&, const QString&) { return true; },
                         [](QWidget*, const QString&, const QString&) {});
    window.show();
    window.start();

    QElapsedTimer clock;
    clock.start();
    PressWatch watch(clock);
    application.installEventFilter(&watch);
    auto* tabBar = window.tabs().findChild<QTabBar*>();
    QPushButton* settingsButton = window.button(app::MainControl::Settings);
    std::atomic<qint64> settingsShown{-1};
    std::atomic<bool> escapeSent{false};
    // A wait of the link lasts 2 s at most: a click that waited far longer was held across waits.
    constexpr qint64 kHeldBackMs = 5000;
    std::atomic<bool> heldBack{false};
    qint64 settingsSent = -1;

    // The clicks come from a thread of their own, on its own schedule, as a user's would: the
    // window's timers wait while it waits for the module, and must not pace the clicks.
    std::thread clicker;
    QTimer::singleShot(1500, [&] {
        const std::array<QPoint, 2> tabs = {tabBar->mapToGlobal(tabBar->tabRect(1).center()),
                                            tabBar->mapToGlobal(tabBar->tabRect(0).center())};
        const QPoint settings = settingsButton->mapToGlobal(settingsButton->rect().center());
        clicker = std::thread([&, tabs, settings] {
            // One tab click every 1.3 s (against the 100 ms tick and the 2 s waits), each once the
            // last one has been handled.
            for (int next = 0; clock.elapsed() < seconds * 1000LL; next = 1 - next) {
                while (watch.waiting && clock.elapsed() < seconds * 1000LL)
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
                watch.sentAt = clock.elapsed();
                watch.waiting = true;
                xdotool(clickAt(tabs[next]));
                std::this_thread::sleep_for(std::chrono::milliseconds(1300));
            }
            // A click still waiting long after any wait of the link could have ended was held back.
            heldBack = watch.waiting && clock.elapsed() - watch.sentAt > kHeldBackMs;
            // Then Settings, closed as soon as it shows, and Escape, which must close the window.
            while (watch.waiting && clock.elapsed() < (seconds + 10) * 1000LL)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            settingsSent = clock.elapsed();
            xdotool(clickAt(settings));
            while (settingsShown < 0 && clock.elapsed() < (seconds + 20) * 1000LL)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            escapeSent = true;
            xdotool("key Escape");
        });
    });
    // The dialog's own loop runs this timer: it is not the waiting loop.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<gui::CDlgSettings*>(QApplication::activeModalWidget())) {
            settingsShown = clock.elapsed();
            dialog->reject();
        }
    });
    closer.start(20);
    QObject::connect(&application, &QApplication::lastWindowClosed, [] { QApplication::quit(); });
    // However the window holds its input, the run ends: what was not handled by then counts as
    // held back.
    QTimer::singleShot((seconds + 30) * 1000, [] { QApplication::quit(); });
    application.exec();
    if (clicker.joinable()) clicker.join();

    const bool escapeHandled = escapeSent && !window.isVisible();
    std::vector<qint64> sorted = watch.latencies;
    std::sort(sorted.begin(), sorted.end());
    std::printf("%s module, %d s: %zu tab clicks handled%s", slow ? "slow (1,600 ms)" : "normal", seconds,
                sorted.size(), heldBack ? ", one held back for more than 5 s" : "");
    if (!sorted.empty())
        std::printf("; click to handling: median %lld ms, longest %lld ms",
                    static_cast<long long>(sorted[sorted.size() / 2]), static_cast<long long>(sorted.back()));
    std::printf("\nSettings: %s; Escape: %s\n",
                settingsShown >= 0 ? (std::to_string(settingsShown - settingsSent) + " ms").c_str() : "not handled",
                escapeHandled ? "closed the window" : "not handled");
    if (sorted.empty() && !watch.waiting) return 1;
    return heldBack || watch.waiting || settingsShown < 0 || !escapeHandled ? 2 : 0;
}
