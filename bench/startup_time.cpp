// Time from process start to the first painted main window, on the offscreen platform, against a
// bare Qt window of the same size measured in the same run. The two are started alternately as
// child processes of this one; each child prints a line right after its window's first paint, and
// the time runs from starting the process to reading that line. Both children pay the same process
// start and Qt start-up; the difference is what the program adds (settings, language table, the
// window and its pages, the simulated module, the instance lock).
// Usage: quilldar_startup_time [RUNS]   (default 15 of each; the medians are compared)

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "context/app_context.h"
#include "gui/app/quilldar_dlg.h"
#include "platform/instance_lock.h"
#include "sim/simulation_spec.h"

namespace {

// Prints "painted" once the paint cycle that painted the watched window is over, and quits.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                std::printf("painted\n");
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

int bareWindow(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(1007, 570);
    FirstPaint watch;
    window.installEventFilter(&watch);
    window.show();
    return application.exec();
}

// What the program does from its start to its window on the screen, on the simulated module.
int mainWindow(int argc, char** argv) {
    using namespace quilldar;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quilldar"));
    QApplication::setOrganizationName(QStringLiteral("Morvalin"));
    QString error;
    const auto spec = sim::parseSimulationSpec("engine", error);
    app::AppContext context(sim::buildSimulatedModule(*spec, std::make_shared<sim::SteadySimClock>()));
    const QString folder = QDir::current().absolutePath();
    context.settingsStore().load(context.settings(), folder);
    context.languageTable().fill(context.settings().languageIndex, context.settings());
    gui::CQuilldarDlg window(context, folder);
    platform::InstanceLock lock(QDir::tempPath());
    if (lock.acquire()) window.controller().adoptLeftoverRecording();
    FirstPaint watch;
    window.installEventFilter(&watch);
    window.start();
    window.show();
    return application.exec();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds from starting the child to its "painted" line.
double timeChild(const QString& program, const QString& mode, const QProcessEnvironment& environment,
                 const QString& folder) {
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setWorkingDirectory(folder);
    QElapsedTimer clock;
    clock.start();
    child.start(program, {mode});
    while (!child.canReadLine()) {
        if (!child.waitForReadyRead(10000)) {
            std::fprintf(stderr, "%s: no first paint (%s)\n", mode.toUtf8().constData(),
                         child.readAllStandardError().constData());
            std::exit(1);
        }
    }
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    child.waitForFinished(10000);
    return ms;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 2 && std::strcmp(argv[1], "--bare") == 0) return bareWindow(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "--main") == 0) return mainWindow(argc, argv);

    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    QCoreApplication application(argc, argv);
    QTemporaryDir scratch;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUILLDAR_SETTINGS_DIR"), scratch.path());
    environment.insert(QStringLiteral("TMPDIR"), scratch.path());
    const QString self = QCoreApplication::applicationFilePath();

    std::vector<double> bare, program;
    // One of each first, not counted: it fills the file cache for both.
    timeChild(self, QStringLiteral("--bare"), environment, scratch.path());
    timeChild(self, QStringLiteral("--main"), environment, scratch.path());
    for (int i = 0; i < runs; ++i) {
        bare.push_back(timeChild(self, QStringLiteral("--bare"), environment, scratch.path()));
        program.push_back(timeChild(self, QStringLiteral("--main"), environment, scratch.path()));
    }
    const double b = median(bare);
    const double m = median(program);
    std::printf("process start to first painted window, offscreen, median of %d runs each:\n", runs);
    std::printf("  bare Qt window:       %7.1f ms\n", b);
    std::printf("  Quilldar main window: %7.1f ms\n", m);
    std::printf("  ratio:                %7.2f (goal: at most 1.50)\n", m / b);
    return 0;
}
