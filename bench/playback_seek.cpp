// Opening a ten-hour recording (240,000 records) in the real main window, offscreen, and letting
// go of the position slider at its last record, then playing on for a few seconds. Prints the
// longest time the GUI event loop was held up, and the time `cat` takes to read the same file in
// the same run as the baseline of what reading it all would cost.
// Usage: quilldar_playback_seek [RECORDS]   (default 240000)

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "files/recording_file.h"
#include "gui/app/quilldar_dlg.h"
#include "link/kwp_frame.h"
#include "sim/simulated_module.h"

namespace {

// The identification answers, then live data of an engine whose speed byte counts up.
QByteArray longRecording(int records) {
    using quilldar::link::Report;
    QByteArray bytes;
    bytes.reserve(records * 65);
    const auto append = [&](std::uint8_t page, const std::vector<std::uint8_t>& service) {
        const auto frame = quilldar::link::buildResponse(0x12, service);
        Report record{};
        record[0] = page;
        std::copy(frame.begin(), frame.end(), record.begin() + 1);
        bytes.append(reinterpret_cast<const char*>(record.data()), 65);
    };
    std::vector<std::uint8_t> part{0x5A, 0x91};
    for (char c : std::string("71820-12F00")) part.push_back(static_cast<std::uint8_t>(c));
    append(0, part);
    std::vector<std::uint8_t> code{0x5A, 0x9A};
    for (char c : std::string("SW010412F0")) code.push_back(static_cast<std::uint8_t>(c));
    append(0, code);
    std::vector<std::uint8_t> live(51, 0);
    live[0] = 0x61;
    live[1] = 0x08;
    for (int i = 2; i < records; ++i) {
        live[13] = static_cast<std::uint8_t>(i);
        append(i % 5000 < 200 ? 5 : 0, live);
    }
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace quilldar;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir scratch;
    qputenv("QUILLDAR_SETTINGS_DIR", scratch.path().toUtf8());
    QApplication application(argc, argv);
    const int records = argc > 1 ? std::atoi(argv[1]) : 240000;

    const QString path = scratch.filePath(QStringLiteral("ten_hours.QLS"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(longRecording(records)) != qint64(records) * 65) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    // Baseline: reading the whole file once.
    QElapsedTimer catTime;
    catTime.start();
    QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("cat '%1' > /dev/null").arg(path)});
    const qint64 catMs = catTime.elapsed();

    app::AppContext context(std::make_unique<sim::SimulatedModule>(std::make_unique<sim::VirtualVehicle>()));
    context.languageTable().fill(context.settings().languageIndex, context.settings());
    gui::CQuilldarDlg window(context, scratch.path());
    window.setPresenters([](QWidget*, const QString&, const QString&) { return true; },
                         [](QWidget*, const QString&, const QString& text) {
                             std::fprintf(stderr, "message: %s\n", text.toUtf8().constData());
                         });
    window.show();
    window.start();

    qint64 longestGap = 0;
    qint64 openMs = 0;
    qint64 releaseMs = 0;
    QElapsedTimer sinceBeat;
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        if (sinceBeat.isValid()) longestGap = std::max(longestGap, sinceBeat.restart());
    });
    QTimer::singleShot(500, [&] {
        sinceBeat.start();
        QElapsedTimer step;
        step.start();
        window.openAtStart(path);
        openMs = step.elapsed();
    });
    QTimer::singleShot(1500, [&] {
        auto* slider = window.findChild<QSlider*>(QStringLiteral("playbackSlider"));
        window.button(app::MainControl::SaveAs)->click();  // Play
        slider->setValue(slider->maximum());
        QElapsedTimer step;
        step.start();
        emit slider->sliderReleased();
        releaseMs = step.elapsed();
    });
    heartbeat.start(10);
    QTimer::singleShot(4000, [] { QApplication::quit(); });
    application.exec();

    if (context.state().playback != 1) {
        std::fprintf(stderr, "the recording did not open\n");
        return 1;
    }
    std::printf("recording: %d records, %.1f MB; cat reads it in %lld ms\n", records, records * 65 / 1e6,
                static_cast<long long>(catMs));
    std::printf("open: %lld ms, slider release at the last record: %lld ms\n", static_cast<long long>(openMs),
                static_cast<long long>(releaseMs));
    std::printf("longest event-loop stall: %lld ms (goal under 50 ms)\n", static_cast<long long>(longestGap));
    return 0;
}
