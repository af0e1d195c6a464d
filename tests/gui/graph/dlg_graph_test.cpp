// The graph view's window: four charts drawn from a recording, clicks and drags on any chart
// reaching all four time axes, its texts and buttons, the help, and the main window's command.
#include <gtest/gtest.h>

#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QValueAxis>

#include <cmath>

#include "context/app_context.h"
#include "files/recording_file.h"
#include "gui/app/quilldar_dlg.h"
#include "gui/graph/dlg_graph.h"
#include "gui/graph/dlg_graph_help.h"
#include "gui/graph/reference_bar.h"
#include "link/kwp_frame.h"
#include "link/link_handshake.h"
#include "files/csv_export.h"
#include "settings/code_page.h"
#include "settings/languages.h"
#include "settings/registry.h"
#include "settings/settings_store.h"
#include "sim/simulated_module.h"
#include "support/recording_builder.h"

namespace quilldar::gui {
namespace {

using graph::TimeWindow;
using GraphChartViewProbe = QChartView;

QByteArray engineRecording(int n) {
    testing::RecordingBuilder recording;
    recording.addIdentification(0, "71820-12F00", "12F0");
    for (int i = 2; i < n; ++i) {
        recording.add(0, testing::engineLiveFrame({{17, static_cast<std::uint8_t>(i % 90 + 10)},
                                                   {19, 51}, {21, 35}, {24, 160}}));
    }
    return recording.bytes();
}

class DlgGraphTest : public ::testing::Test {
protected:
    DlgGraphTest() {
        auto module = std::make_unique<sim::SimulatedModule>(std::make_unique<sim::VirtualVehicle>());
        context_ = std::make_unique<app::AppContext>(std::move(module));
        context_->state().updateCheckPending = 0;
        // A fresh installation's settings: °C, km/h, channels 0..3 in the four charts.
        context_->settings() = settings::SettingsStore::defaults(folder_.path());
        context_->languageTable().fill(settings::kEnglish, context_->settings());
        path_ = folder_.filePath(QStringLiteral("ride.QLS"));
        EXPECT_TRUE(testing::writeFile(path_, engineRecording(403)));
        EXPECT_EQ(file_.load(path_), files::LoadResult::Loaded);
    }
    std::unique_ptr<CDlgGraph> open() {
        auto dialog = std::make_unique<CDlgGraph>(*context_, &file_, file_.recordCount(),
                                                  folder_.path());
        dialog->resize(900, 700);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        dialog->tick();  // texts, and the view at the whole span
        return dialog;
    }
    static QPoint plotPoint(CDlgGraph& dialog, int chart, double share) {
        auto* view = static_cast<QChartView*>(dialog.chartView(chart));
        const QRectF plot = view->chart()->plotArea();
        const QPointF scene = view->chart()->mapToScene(
            QPointF(plot.left() + plot.width() * share, plot.center().y()));
        return view->mapFromScene(scene);
    }
    static QWidget* viewport(CDlgGraph& dialog, int chart) {
        return static_cast<QChartView*>(dialog.chartView(chart))->viewport();
    }
    static void expectAllAxes(CDlgGraph& dialog, TimeWindow window) {
        for (int chart = 0; chart < graph::kChartCount; ++chart) {
            EXPECT_NEAR(dialog.drawnTimeAxis(chart).min, window.min, 1e-9) << "chart " << chart;
            EXPECT_NEAR(dialog.drawnTimeAxis(chart).max, window.max, 1e-9) << "chart " << chart;
        }
    }

    QTemporaryDir folder_;
    QString path_;
    std::unique_ptr<app::AppContext> context_;
    files::RecordingFile file_;
};

TEST_F(DlgGraphTest, AClickIntoOneChartMovesAllFourTimeAxesTogether) {
    auto dialog = open();
    expectAllAxes(*dialog, {0, 61});
    EXPECT_EQ(dialog->timerInterval(), 10);
    EXPECT_EQ(dialog->windowTitle(), "Graph view");

    // A left click at about a third of chart 3: h 30 → 15 around the time under the pointer.
    const QPoint at = plotPoint(*dialog, 2, 0.5);
    QTest::mouseClick(viewport(*dialog, 2), Qt::LeftButton, {}, at);
    const TimeWindow zoomed = dialog->model().axis(2);
    EXPECT_NEAR(zoomed.max - zoomed.min, 30.0, 1e-9);
    EXPECT_NEAR((zoomed.min + zoomed.max) / 2, 30.5, 0.5);
    dialog->tick();
    expectAllAxes(*dialog, zoomed);
    EXPECT_TRUE(dialog->findChild<QPushButton*>("resetViewButton")->isEnabled());

    // Dragging chart 1 to the left brings later times into view, on all four charts.
    QWidget* top = viewport(*dialog, 0);
    QTest::mousePress(top, Qt::LeftButton, {}, plotPoint(*dialog, 0, 0.6));
    QMouseEvent move(QEvent::MouseMove, plotPoint(*dialog, 0, 0.4), top->mapToGlobal(plotPoint(*dialog, 0, 0.4)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(top, &move);
    QTest::mouseRelease(top, Qt::LeftButton, {}, plotPoint(*dialog, 0, 0.4));
    dialog->tick();
    const TimeWindow moved = dialog->drawnTimeAxis(0);
    EXPECT_NEAR(moved.min, zoomed.min + 6.0, 0.5);  // a fifth of a 30 s window
    expectAllAxes(*dialog, moved);
    EXPECT_NEAR(dialog->model().halfWidth(), 15, 0);  // a drag is not a click

    // Reset view brings every chart back to the whole ride.
    QTest::mouseClick(dialog->findChild<QPushButton*>("resetViewButton"), Qt::LeftButton);
    dialog->tick();
    expectAllAxes(*dialog, {0, 61});
}

TEST_F(DlgGraphTest, FieldsListsAndButtonsOfARecordedGraph) {
    auto dialog = open();
    EXPECT_EQ(dialog->findChild<QLabel*>("field3_0")->text(), "-5");  // coolant minimum
    EXPECT_EQ(dialog->findChild<QLabel*>("field3_2")->text(), "---");
    EXPECT_FALSE(dialog->findChild<QPushButton*>("pauseButton")->isEnabled());
    EXPECT_EQ(dialog->findChild<QPushButton*>("pauseButton")->text(), "Pause");
    EXPECT_EQ(dialog->findChild<QPushButton*>("exportButton")->text(), "Export");
    auto* list = dialog->findChild<QComboBox*>("channels1");
    ASSERT_EQ(list->count(), 23);
    EXPECT_EQ(list->currentText(), "Throttle position");

    // Another channel: the chart is drawn again from the recording.
    list->setCurrentIndex(8);
    EXPECT_EQ(dialog->model().selections()[1], 8);
    EXPECT_EQ(dialog->findChild<QLabel*>("field1_1")->text(), "12.549");

    // The mouse wheel does nothing.
    QWheelEvent wheel(QPointF(plotPoint(*dialog, 0, 0.5)), QPointF(), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport(*dialog, 0), &wheel);
    dialog->tick();
    expectAllAxes(*dialog, {0, 61});

    CDlgGraphHelp help(context_->languageTable(), dialog.get());
    EXPECT_EQ(help.windowTitle(), "Help");
    EXPECT_TRUE(help.findChild<QLabel*>("helpText")->text().startsWith("Change the Time scale:"));
}

// WCAG contrast of two colours.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& colour) {
        const auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(GraphAxes, RoundTicksFromZeroForDataThatNeverGoesBelowIt) {
    const ValueAxisLayout speed = valueAxisLayout(627.45, 3701.96, false);
    EXPECT_DOUBLE_EQ(speed.low, 0.0);
    EXPECT_DOUBLE_EQ(speed.step, 1000.0);
    EXPECT_DOUBLE_EQ(speed.high, 4000.0);
    const ValueAxisLayout rpm = valueAxisLayout(1200, 9800, false);
    EXPECT_DOUBLE_EQ(rpm.step, 2000.0);  // 0, 2000, 4000 ...
    EXPECT_DOUBLE_EQ(rpm.high, 10000.0);
    const ValueAxisLayout coolant = valueAxisLayout(-5, 90, false);
    EXPECT_DOUBLE_EQ(coolant.low, -20.0);
    EXPECT_DOUBLE_EQ(coolant.high, 100.0);
    const ValueAxisLayout cold = valueAxisLayout(-30, -10, false);
    EXPECT_DOUBLE_EQ(cold.high, 0.0);
    EXPECT_LE(cold.low, -30.0);
    const ValueAxisLayout flat = valueAxisLayout(12.549, 12.549, false);
    EXPECT_DOUBLE_EQ(flat.low, 0.0);
    EXPECT_GE(flat.high, 12.549);
    const ValueAxisLayout empty = valueAxisLayout(0, 0, true);
    EXPECT_LT(empty.low, empty.high);
    // Every layout takes in its data on whole steps.
    for (const auto& [low, high] : {std::pair{0.0, 0.05}, {3.0, 17.5}, {-138.0, 120.8}, {0.0, 255.0}}) {
        const ValueAxisLayout layout = valueAxisLayout(low, high, false);
        EXPECT_LE(layout.low, low);
        EXPECT_GE(layout.high, high);
        EXPECT_NEAR(std::remainder(layout.low, layout.step), 0.0, 1e-9);
        EXPECT_LE((layout.high - layout.low) / layout.step, 10.0 + 1e-9);
    }
    EXPECT_DOUBLE_EQ(timeAxisLayout(61).step, 15.0);  // 0, 15, 30, 45, 60 s
    EXPECT_EQ(timeAxisLayout(61).labelFormat, "%.0f");
    EXPECT_DOUBLE_EQ(timeAxisLayout(0.5).step, 0.1);
    EXPECT_EQ(timeAxisLayout(0.5).labelFormat, "%.1f");
    EXPECT_DOUBLE_EQ(timeAxisLayout(36000).step, 7200.0);
    const ValueAxisLayout small = valueAxisLayout(0, 0.9, false);
    EXPECT_DOUBLE_EQ(small.step, 0.2);
    EXPECT_EQ(small.labelFormat, "%.1f");
    EXPECT_EQ(valueAxisLayout(0, 0, true).labelFormat, "%.2f");  // 0.25 reads 0.25, not 0.3
    EXPECT_EQ(speed.labelFormat, "%.0f");
}

TEST_F(DlgGraphTest, AxesShowRoundTicksAndTheChannelsUnit) {
    auto dialog = open();
    auto* view = static_cast<QChartView*>(dialog->chartView(0));
    const auto axes = [](QChartView* chartView, Qt::Orientation orientation) {
        return static_cast<QValueAxis*>(chartView->chart()->axes(orientation).front());
    };
    QValueAxis* speed = axes(view, Qt::Vertical);
    EXPECT_DOUBLE_EQ(speed->min(), 0.0);  // engine speed never goes below 0
    EXPECT_EQ(speed->titleText(), "rpm");
    EXPECT_DOUBLE_EQ(speed->tickInterval(), 2000.0);  // up to 6211 rpm: 0, 2000 ... 8000
    EXPECT_DOUBLE_EQ(speed->max(), 8000.0);
    EXPECT_DOUBLE_EQ(axes(view, Qt::Horizontal)->tickInterval(), 15.0);
    EXPECT_EQ(axes(static_cast<QChartView*>(dialog->chartView(2)), Qt::Vertical)->titleText(), "%");
    EXPECT_EQ(axes(static_cast<QChartView*>(dialog->chartView(3)), Qt::Vertical)->titleText(), "\u00B0C");
    // The names on the lists are readable on the list's background.
    for (int chart = 0; chart < graph::kChartCount; ++chart)
        EXPECT_GE(contrast(channelListTextColour(chart), QColor(0x32, 0x32, 0x32)), 4.5) << "chart " << chart;
}

// A new time window draws the charts again; a value axis whose range, ticks and unit stay is
// left alone, since any of its setters lays its chart out again (and the chart is painted again).
TEST_F(DlgGraphTest, AnAxisThatStaysTheSameIsNotSetAgain) {
    auto dialog = open();
    auto* view = static_cast<QChartView*>(dialog->chartView(0));
    auto* values = static_cast<QValueAxis*>(view->chart()->axes(Qt::Vertical).front());
    auto* times = static_cast<QValueAxis*>(view->chart()->axes(Qt::Horizontal).front());
    QSignalSpy format(values, &QValueAxis::labelFormatChanged);
    QSignalSpy ticks(values, &QValueAxis::tickIntervalChanged);
    QSignalSpy title(values, &QValueAxis::titleTextChanged);
    QSignalSpy timeFormat(times, &QValueAxis::labelFormatChanged);
    // A click halves the window: the time axis moves, the values stay as they were.
    QTest::mouseClick(viewport(*dialog, 0), Qt::LeftButton, {}, plotPoint(*dialog, 0, 0.5));
    dialog->tick();
    ASSERT_NEAR(dialog->drawnTimeAxis(0).max - dialog->drawnTimeAxis(0).min, 30.0, 1e-9);
    EXPECT_EQ(format.count(), 0);
    EXPECT_EQ(ticks.count(), 0);
    EXPECT_EQ(title.count(), 0);
    // The time axis ticks every 5 s now, written without decimals as before.
    EXPECT_DOUBLE_EQ(times->tickInterval(), 5.0);
    EXPECT_EQ(timeFormat.count(), 0);
}

// The charts draw in fixed colours: their window becoming active or not lays none of them out
// again, and paints none again (each would be painted twice when the window first shows).
TEST_F(DlgGraphTest, AChartIsNotDrawnAgainWhenItsWindowBecomesActive) {
    auto dialog = open();
    QApplication::processEvents();
    for (int chart = 0; chart < graph::kChartCount; ++chart) {
        auto* view = static_cast<QChartView*>(dialog->chartView(chart));
        QSignalSpy changed(view->chart()->scene(), &QGraphicsScene::changed);
        for (const QEvent::Type type : {QEvent::WindowDeactivate, QEvent::WindowActivate}) {
            QEvent event(type);
            QApplication::sendEvent(view, &event);
            QApplication::sendEvent(view->viewport(), &event);
        }
        QApplication::processEvents();
        EXPECT_EQ(changed.count(), 0) << "chart " << chart;
    }
}

// The first tick applies the texts the window already shows: nothing is drawn again for it.
TEST_F(DlgGraphTest, TheFirstTickDrawsNothingAgainForTextsAlreadyShown) {
    CDlgGraph dialog(*context_, &file_, file_.recordCount(), folder_.path());
    dialog.timer().stop();  // the test ticks by hand
    dialog.resize(900, 700);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QApplication::processEvents();
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) ++paints;
            return false;
        }
    } counter;
    auto* offset = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("referenceOffset"));
    ASSERT_NE(offset, nullptr);
    offset->installEventFilter(&counter);
    for (QWidget* inner : offset->findChildren<QWidget*>()) inner->installEventFilter(&counter);
    dialog.tick();
    QTest::qWait(50);
    EXPECT_EQ(counter.paints, 0);
}

// A drag of many small moves keeps the time under the pointer where the pointer is.
TEST_F(DlgGraphTest, ADragKeepsThePointUnderThePointer) {
    auto dialog = open();
    QTest::mouseClick(viewport(*dialog, 1), Qt::LeftButton, {}, plotPoint(*dialog, 1, 0.5));  // 30 s wide
    dialog->tick();
    auto* view = static_cast<GraphChartViewProbe*>(static_cast<QChartView*>(dialog->chartView(1)));
    const auto timeAt = [&](const QPoint& pos) {
        return view->chart()->mapToValue(view->chart()->mapFromScene(view->mapToScene(pos))).x();
    };
    QWidget* port = viewport(*dialog, 1);
    const QPoint start = plotPoint(*dialog, 1, 0.7);
    const double grabbed = timeAt(start);
    QTest::mousePress(port, Qt::LeftButton, {}, start);
    QPoint at = start;
    for (int step = 0; step < 20; ++step) {
        at -= QPoint(12, 0);
        QMouseEvent move(QEvent::MouseMove, at, port->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(port, &move);
        QApplication::processEvents();  // the queued redraws of a resized plot area
    }
    QTest::mouseRelease(port, Qt::LeftButton, {}, at);
    dialog->tick();
    EXPECT_NEAR(timeAt(at), grabbed, 0.15);
}

// A reference ride chosen with "Compare..." is drawn dashed behind each chart, named in the
// legend, in the fields after the graph's own numbers, and goes again with "Clear reference".
TEST_F(DlgGraphTest, CompareDrawsAReferenceRideDashedBehindEachChart) {
    auto dialog = open();
    const QString goodPath = folder_.filePath(QStringLiteral("good.QLS"));
    ASSERT_TRUE(testing::writeFile(goodPath, engineRecording(203)));
    dialog->setReferenceChooser([&](QWidget*) { return goodPath; });
    auto* clear = dialog->findChild<QPushButton*>("clearReferenceButton");
    EXPECT_FALSE(clear->isEnabled());
    QTest::mouseClick(dialog->findChild<QPushButton*>("compareButton"), Qt::LeftButton);
    dialog->tick();

    auto* view = static_cast<QChartView*>(dialog->chartView(0));
    ASSERT_EQ(view->chart()->series().size(), 2);
    auto* reference = static_cast<QLineSeries*>(view->chart()->series()[1]);
    EXPECT_EQ(reference->pen().style(), Qt::DashLine);
    EXPECT_EQ(reference->pen().color(), static_cast<QLineSeries*>(view->chart()->series()[0])->pen().color());
    EXPECT_GT(reference->count(), 100);
    EXPECT_TRUE(clear->isEnabled());
    const QString legend = dialog->findChild<QLabel*>("referenceLegend")->toolTip() +
                           dialog->findChild<QLabel*>("referenceLegend")->text();
    EXPECT_TRUE(legend.contains("ride.QLS") && legend.contains("good.QLS")) << legend.toStdString();
    EXPECT_TRUE(dialog->findChild<QLabel*>("field3_0")->text().startsWith("-5 / ")) ;

    // The offset moves the dashed line along the time axis, on whole records.
    auto* offset = dialog->findChild<QDoubleSpinBox*>("referenceOffset");
    offset->setValue(3.0);
    dialog->tick();
    EXPECT_DOUBLE_EQ(reference->at(0).x(), 3.0);
    offset->setValue(0.25);  // between records: to the nearest, 0.3 s
    dialog->tick();
    EXPECT_NEAR(reference->at(0).x(), 0.3, 1e-9);

    QTest::mouseClick(clear, Qt::LeftButton);
    dialog->tick();
    EXPECT_EQ(reference->count(), 0);
    EXPECT_EQ(dialog->findChild<QLabel*>("field3_0")->text(), "-5");
    EXPECT_FALSE(clear->isEnabled());
}

TEST_F(DlgGraphTest, AReferenceOfAnotherUnitSaysWhatItLacks) {
    auto dialog = open();
    const QString absPath = folder_.filePath(QStringLiteral("abs.QLS"));
    testing::RecordingBuilder abs;
    abs.addIdentification(3, "47850-27G00", "27G0", false, link::address::kAbs);
    abs.add(3, testing::engineLiveFrame({{13, 40}}, 0x00, link::address::kAbs));
    ASSERT_TRUE(abs.writeTo(absPath));
    dialog->setReferenceChooser([&](QWidget*) { return absPath; });
    QTest::mouseClick(dialog->findChild<QPushButton*>("compareButton"), Qt::LeftButton);
    EXPECT_TRUE(dialog->referenceBar().note().startsWith("Not in the reference: Engine speed"))
        << dialog->referenceBar().note().toStdString();
    QTest::mouseClick(dialog->findChild<QPushButton*>("alignButton"), Qt::LeftButton);
    EXPECT_TRUE(dialog->referenceBar().note().startsWith("The engine does not start in both rides"));

    // A file that is not a recording is said so, and nothing is compared.
    const QString junk = folder_.filePath(QStringLiteral("junk.QLS"));
    ASSERT_TRUE(testing::writeFile(junk, QByteArray(130, '\x07')));
    dialog->setReferenceChooser([&](QWidget*) { return junk; });
    QTest::mouseClick(dialog->findChild<QPushButton*>("compareButton"), Qt::LeftButton);
    EXPECT_EQ(dialog->referenceBar().note(), "File is corrupted, load skipped.");
}

// The main window's Graph view button opens the graph on the recording in playback and stores
// the channels it showed as "Chart0".."Chart3".
TEST_F(DlgGraphTest, TheGraphViewCommandOpensTheGraphAndStoresItsChannels) {
    // The channels are stored in this test's own settings folder.
    context_->settingsStore() = settings::SettingsStore(settings::RegistryLocation::inFolder(folder_.path()));
    CQuilldarDlg window(*context_, folder_.path());
    window.openAtStart(path_);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_EQ(context_->state().playback, 1);
    QPushButton* graphButton = window.button(app::MainControl::GraphView);
    window.pollTick();
    ASSERT_TRUE(graphButton->isEnabled());

    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CDlgGraph*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen = true;
        EXPECT_EQ(dialog->model().values(0).size(), 401u);
        dialog->findChild<QComboBox*>("channels3")->setCurrentIndex(9);
        dialog->reject();
    });
    QTest::mouseClick(graphButton, Qt::LeftButton);
    EXPECT_TRUE(seen);
    EXPECT_EQ(context_->settings().chartChannels[3], 9);
    settings::Settings stored = settings::SettingsStore::defaults(folder_.path());
    settings::SettingsStore(settings::RegistryLocation::inFolder(folder_.path())).load(stored, folder_.path());
    EXPECT_EQ(stored.chartChannels[3], 9);
    EXPECT_EQ(context_->state().playPosition, 0u);
}

// Export of a recording whose working file cannot be made (a folder stands in its place): the
// user is told, and the file named in the browser keeps what it held.
TEST_F(DlgGraphTest, ExportThatCannotWriteItsWorkingFileIsToldAndReplacesNothing) {
    ASSERT_TRUE(QDir(folder_.path()).mkpath(QStringLiteral("Quilldar_Temp.QLX")));
    const QString target = folder_.filePath(QStringLiteral("tour.CSV"));
    ASSERT_TRUE(testing::writeFile(target, "last week's export\r\n"));
    context_->settings().openSave1 = folder_.path();
    ASSERT_TRUE(context_->settingsStore().storeOpenSave(folder_.path()));
    auto dialog = open();
    QStringList warnings;
    bool named = false;
    // Each click goes out after the watcher's own call returned: a question it opens runs a loop
    // of its own, in which the watcher must run again.
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
                QTimer::singleShot(0, yes, &QAbstractButton::click);  // yes, replace the file
                return;
            }
            warnings << box->text();
            box->close();
        } else if (modal != nullptr && modal != dialog.get() && !named) {
            named = true;
            QTest::keyClicks(modal->findChild<QLineEdit*>(QStringLiteral("nameField")), QStringLiteral("tour"));
            QTimer::singleShot(0, modal->findChild<QPushButton*>(QStringLiteral("okButton")), &QAbstractButton::click);
        }
    });
    watcher.start(20);
    QTest::mouseClick(dialog->findChild<QPushButton*>("exportButton"), Qt::LeftButton);
    watcher.stop();
    ASSERT_TRUE(named);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.first().contains(QStringLiteral("tour.CSV"))) << warnings.first().toStdString();
    EXPECT_EQ(testing::readFile(target), "last week's export\r\n");
}

// A live export's header is written in the language's code page, as the program's other files
// are: Russian channel names come out in Cyrillic, not as question marks.
TEST_F(DlgGraphTest, LiveExportHeaderIsInTheLanguagesCodePage) {
    context_->settings().languageIndex = settings::kRussian;
    context_->languageTable().fill(settings::kRussian, context_->settings());
    CDlgGraph dialog(*context_, nullptr, 0, folder_.path());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.tick();
    QTest::mouseClick(dialog.findChild<QPushButton*>("exportButton"), Qt::LeftButton);
    const QByteArray csv = testing::readFile(folder_.filePath(QStringLiteral("Quilldar_Export.CSV")));
    ASSERT_FALSE(csv.isEmpty());
    const QByteArray header = csv.left(csv.indexOf("\r\n"));
    EXPECT_FALSE(header.contains('?')) << header.toStdString();
    EXPECT_EQ(header, settings::encodeForLanguage(
                          settings::kRussian, files::csvHeader(dialog.model().selections(), context_->languageTable())));
}

}  // namespace
}  // namespace quilldar::gui
