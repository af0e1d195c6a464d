// The graph view on a long recording: from the Graph view command to the first painted charts,
// the extra resident memory, one zoom step and one drag step at full span, and the same with a
// second ten-hour ride as its reference, offscreen.
//   quilldar_graph_open [RECORDING.QLS]
// Without a path it writes a 240,000-record recording (ten hours of a live engine session from
// the simulator) first. Reading the same file whole is measured in the same run as a baseline.
#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "context/app_context.h"
#include "files/recording_file.h"
#include "gui/graph/dlg_graph.h"
#include "link/kwp_frame.h"
#include "settings/languages.h"
#include "settings/settings_store.h"
#include "engine_recording.h"
#include "sim/engine_running_model.h"
#include "sim/simulated_module.h"

namespace {

using namespace quilldar;

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return 0;
}

// Counts paints of the four chart viewports.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

double millisecondsUntilPainted(PaintCounter& counter, int paints, const QElapsedTimer& timer) {
    while (counter.paints < paints && timer.elapsed() < 20000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void click(QWidget* viewport, QPoint at, Qt::MouseButton button) {
    QMouseEvent press(QEvent::MouseButtonPress, at, viewport->mapToGlobal(at), button, button,
                      Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, viewport->mapToGlobal(at), button,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &release);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (path.isEmpty()) {
        path = folder.filePath(QStringLiteral("ten_hours.QLS"));
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bench::engineRecording(240'000)) < 0) return 1;
    }

    QElapsedTimer baseline;
    baseline.start();
    {
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly)) return 1;
        const QByteArray all = in.readAll();
        std::printf("baseline: reading the %.1f MB file whole: %.1f ms\n", all.size() / 1e6,
                    baseline.nsecsElapsed() / 1e6);
    }

    auto module = std::make_unique<sim::SimulatedModule>(std::make_unique<sim::VirtualVehicle>());
    app::AppContext context(std::move(module));
    context.settings() = settings::SettingsStore::defaults(folder.path());
    context.languageTable().fill(settings::kEnglish, context.settings());
    files::RecordingFile file;
    if (file.load(path) != files::LoadResult::Loaded) {
        std::fprintf(stderr, "cannot load %s\n", qPrintable(path));
        return 1;
    }
    const long before = residentKilobytes();

    PaintCounter counter;
    QElapsedTimer timer;
    timer.start();
    gui::CDlgGraph dialog(context, &file, file.recordCount(), folder.path());
    const double built = timer.nsecsElapsed() / 1e6;
    dialog.resize(1200, 800);
    for (int chart = 0; chart < graph::kChartCount; ++chart)
        static_cast<QChartView*>(dialog.chartView(chart))->viewport()->installEventFilter(&counter);
    dialog.show();
    const double painted = millisecondsUntilPainted(counter, graph::kChartCount, timer);
    const long after = residentKilobytes();
    std::printf("records: %u\n", file.recordCount());
    std::printf("graph view to first painted charts: %.1f ms (dialog built in %.1f ms)\n", painted,
                built);
    std::printf("extra resident memory: %.1f MB\n", (after - before) / 1024.0);

    dialog.tick();  // the whole span, as the first timer tick leaves it
    QApplication::processEvents();
    auto* view = static_cast<QChartView*>(dialog.chartView(0));
    const QRectF plot = view->chart()->plotArea();
    const QPoint centre = view->mapFromScene(view->chart()->mapToScene(plot.center()));

    counter.paints = 0;
    timer.restart();
    click(view->viewport(), centre, Qt::LeftButton);
    dialog.tick();  // the other three charts follow on the next tick
    const double zoom = millisecondsUntilPainted(counter, graph::kChartCount, timer);
    std::printf("one zoom step at full span, all four charts repainted: %.1f ms\n", zoom);

    counter.paints = 0;
    timer.restart();
    QMouseEvent press(QEvent::MouseButtonPress, centre, view->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &press);
    const QPoint moved = centre + QPoint(40, 0);
    QMouseEvent move(QEvent::MouseMove, moved, view->mapToGlobal(moved), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    dialog.tick();
    const double drag = millisecondsUntilPainted(counter, graph::kChartCount, timer);
    std::printf("one drag step at half span, all four charts repainted: %.1f ms\n", drag);

    // The same recording again with a second ten-hour ride as its reference: built, the reference
    // read and both drawn, against the time of one.
    counter.paints = 0;
    timer.restart();
    gui::CDlgGraph compared(context, &file, file.recordCount(), folder.path());
    compared.resize(1200, 800);
    for (int chart = 0; chart < graph::kChartCount; ++chart)
        static_cast<QChartView*>(compared.chartView(chart))->viewport()->installEventFilter(&counter);
    const double comparedBuilt = timer.nsecsElapsed() / 1e6;
    compared.setReferenceChooser([&path](QWidget*) { return path; });
    compared.findChild<QPushButton*>(QStringLiteral("compareButton"))->click();
    const double referenceRead = timer.nsecsElapsed() / 1e6 - comparedBuilt;
    compared.show();
    const double withReference = millisecondsUntilPainted(counter, graph::kChartCount, timer);
    std::printf("graph view with a ten-hour reference, to both painted: %.1f ms (%.2f times one; "
                "dialog built in %.1f ms, reference read in %.1f ms)\n",
                withReference, withReference / painted, comparedBuilt, referenceRead);
    return 0;
}
