#include "graph/graph_model.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "files/recording_file.h"
#include "graph/graph_export.h"
#include "link/kwp_frame.h"
#include "support/recording_builder.h"
#include "settings/languages.h"
#include "settings/settings.h"

namespace quilldar::graph {
namespace {

using testing::engineLiveFrame;
using testing::RecordingBuilder;

// An engine recording (ECM 12F0) of n records: the two identification answers, then live data
// whose engine speed byte counts up and whose coolant byte is 35 (−5 °C).
QByteArray engineRecording(int n, int spikeAt = -1) {
    RecordingBuilder recording;
    recording.addIdentification(0, "71820-12F00", "12F0");
    for (int i = 2; i < n; ++i) {
        const auto speed = static_cast<std::uint8_t>(i == spikeAt ? 255 : (i % 50) + 10);
        recording.add(0, engineLiveFrame({{17, speed}, {19, 51}, {21, 35}, {24, 160}}));
    }
    return recording.bytes();
}

class GraphTest : public ::testing::Test {
protected:
    void SetUp() override { texts_.fill(settings::kEnglish, settings_); }
    // A graph opened on a loaded recording of n records.
    GraphModel& recorded(const QByteArray& bytes) {
        const QString path = dir_.filePath(QStringLiteral("ride.QLS"));
        EXPECT_TRUE(testing::writeFile(path, bytes));
        EXPECT_EQ(file_.load(path), files::LoadResult::Loaded);
        GraphSource source;
        source.recording = &file_;
        source.keptRecordCount = file_.recordCount();
        source.texts = &texts_;
        model_ = std::make_unique<GraphModel>(source, files::ChannelSelection{0, 1, 3, 8});
        model_->open(false);
        return *model_;
    }
    // A graph opened during a live session, with no recording loaded in this run.
    GraphModel& live() {
        GraphSource source;
        source.liveValues = &live_;
        source.texts = &texts_;
        model_ = std::make_unique<GraphModel>(source, files::ChannelSelection{0, 1, 3, 8});
        model_->open(true);
        return *model_;
    }
    // Timer ticks; in a live graph each comes after a live-data record that gave every slot a
    // reading (the values the test set stay as they are).
    void ticks(int count) {
        for (int i = 0; i < count; ++i) {
            if (!model_->recorded()) {
                for (std::size_t slot = 0; slot < vehicle::LiveValueSlots::kSlotCount; ++slot)
                    live_.setLatest(slot, live_.latest(slot));
            }
            model_->tick();
        }
    }
    void expectAllAxes(TimeWindow window) {
        for (int chart = 0; chart < kChartCount; ++chart) {
            EXPECT_DOUBLE_EQ(model_->axis(chart).min, window.min) << "chart " << chart;
            EXPECT_DOUBLE_EQ(model_->axis(chart).max, window.max) << "chart " << chart;
        }
    }

    QTemporaryDir dir_;
    files::RecordingFile file_;
    settings::Settings settings_;
    settings::LanguageTable texts_;
    vehicle::LiveValueSlots live_;
    std::unique_ptr<GraphModel> model_;
};

TEST(GraphSpan, FromTheKeptRecordCount) {
    EXPECT_EQ(spanSeconds(103), 16u);
    EXPECT_EQ(spanSeconds(403), 61u);
    EXPECT_EQ(spanSeconds(0), 61u);  // no recording loaded in this run
    // Too short for the formula: one second, never a wrapped-around huge span.
    EXPECT_EQ(spanSeconds(1), 1u);
    EXPECT_EQ(spanSeconds(2), 1u);
    EXPECT_EQ(spanSeconds(3), 1u);
    EXPECT_EQ(spanSeconds(240'000), 36'000u);
    // Record counts that are no whole number of seconds: the part second is dropped.
    EXPECT_EQ(spanSeconds(104), 16u);  // 15.15 s
    EXPECT_EQ(spanSeconds(10), 2u);    // 1.05 s
    EXPECT_EQ(spanSeconds(9), 1u);     // 0.9 s
}

TEST(GraphNumbers, GeneralFormatAndTruncatedReads) {
    EXPECT_EQ(graphNumber(1254.5), "1254.5");
    EXPECT_EQ(graphNumber(3000), "3000");
    EXPECT_EQ(graphNumber(-10.25), "-10.25");
    EXPECT_EQ(graphNumber(1234567.891), "1234567.891");
    EXPECT_EQ(graphNumber(12345678901.5), "1.23456789e+10");

    vehicle::LiveValueSlots table;
    table.setLatest(0, 12.34567);
    EXPECT_DOUBLE_EQ(readChannel(table, 0), 12.345);
    EXPECT_DOUBLE_EQ(table.latest(0), 12.345);  // the slot keeps the truncated value
    table.setLatest(1, -1.0009);
    EXPECT_DOUBLE_EQ(readChannel(table, 1), -1.0);  // toward zero
    table.setLatest(2, 1.001);  // stored as 1.000999…, still read as 1.001
    EXPECT_DOUBLE_EQ(readChannel(table, 2), 1.001);
}

TEST_F(GraphTest, RecordingOf103RecordsPlotsTheWholeRideAtOnce) {
    GraphModel& graph = recorded(engineRecording(103));
    EXPECT_EQ(graph.span(), 16u);
    for (int chart = 0; chart < kChartCount; ++chart) {
        ASSERT_EQ(graph.values(chart).size(), 101u);
        EXPECT_EQ(graph.fields(chart).actual, "---");
    }
    EXPECT_DOUBLE_EQ(graph.sampleTime(0, 100), 15.0);
    EXPECT_EQ(graph.fields(2).minimum, "-5");  // coolant byte 35
    EXPECT_EQ(graph.fields(2).maximum, "-5");
    EXPECT_EQ(graph.fields(3).minimum, "12.549");  // 20 · 160 / 255, truncated
    // Engine speed is a whole number, as its page writes it: 160 · 10 / 2.55 = 627.45.
    EXPECT_EQ(graph.fields(0).minimum, "627");
    EXPECT_EQ(graph.fields(0).maximum, "3701");  // byte 59
    // The first tick shows the whole span with h at half of it.
    ticks(1);
    EXPECT_EQ(graph.halfWidth(), 8);
    expectAllAxes({0, 16});
    EXPECT_FALSE(graph.resetViewEnabled());
}

TEST_F(GraphTest, LeftClicksZoomInAroundThePointerAndStayInsideTheRecording) {
    GraphModel& graph = recorded(engineRecording(403));
    ticks(1);
    ASSERT_EQ(graph.span(), 61u);
    ASSERT_EQ(graph.halfWidth(), 30);

    graph.leftClick(0, 10.0);  // [−5, 25] moved to start at 0
    EXPECT_EQ(graph.halfWidth(), 15);
    EXPECT_EQ(graph.axis(0), (TimeWindow{0, 30}));
    ticks(1);
    expectAllAxes({0, 30});
    EXPECT_TRUE(graph.resetViewEnabled());

    graph.leftClick(0, 10.0);
    ticks(1);
    expectAllAxes({3, 17});

    // Right clicks zoom out again: h = (7 + 1) · 2 around the pointer.
    graph.rightClick(3, 20.0);
    ticks(1);
    EXPECT_EQ(graph.halfWidth(), 16);
    expectAllAxes({4, 36});

    graph.resetView();
    ticks(1);
    expectAllAxes({0, 61});
    EXPECT_FALSE(graph.resetViewEnabled());
}

TEST_F(GraphTest, RightClickAtTheWidestViewShowsTheWholeSpan) {
    GraphModel& graph = recorded(engineRecording(403));
    ticks(1);
    graph.rightClick(1, 50.0);
    ticks(1);
    expectAllAxes({0, 61});
    EXPECT_EQ(graph.halfWidth(), 30);

    // Zoomed in as far as allowed, a left click changes nothing.
    for (int i = 0; i < 10; ++i) graph.leftClick(0, 30.0);
    ticks(1);
    EXPECT_EQ(graph.halfWidth(), 1);  // 30 → 15 → 7 → 3 → 1
    expectAllAxes({29, 31});
}

TEST_F(GraphTest, AZoomOfAnyChartReachesAllFour) {
    for (int chart = 0; chart < kChartCount; ++chart) {
        GraphModel& graph = recorded(engineRecording(403));
        ticks(1);
        graph.leftClick(chart, 40.0);
        for (int other = 0; other < kChartCount; ++other) {
            if (other != chart) {
                EXPECT_EQ(graph.axis(other), (TimeWindow{0, 61}));
            }
        }
        ticks(1);
        expectAllAxes({25, 55});
    }
}

TEST_F(GraphTest, DraggingMovesTheWindowAndStopsAtTheLastSample) {
    GraphModel& graph = recorded(engineRecording(403));
    ticks(1);
    graph.leftClick(0, 10.0);
    ticks(1);
    ASSERT_EQ(graph.axis(0), (TimeWindow{0, 30}));

    // Dragging to the left brings later times into view.
    graph.drag(1, 20.0, 15.0);
    ticks(1);
    expectAllAxes({5, 35});
    // Dragging to the right before the start is refused.
    graph.drag(1, 10.0, 20.0);
    ticks(1);
    expectAllAxes({5, 35});

    for (int i = 0; i < 12; ++i) {
        graph.drag(2, 20.0, 17.0);
        ticks(1);
    }
    const double end = graph.nextTime() / 10.0;  // 60.15 s, just after the last sample
    EXPECT_DOUBLE_EQ(graph.axis(0).max, end);
    expectAllAxes(graph.axis(0));
    EXPECT_LE(graph.axis(0).min, end - 25.0);
}

TEST_F(GraphTest, LiveGraphShowsA61SecondWindowThatScrollsOnceFull) {
    GraphModel& graph = live();
    live_.setLatest(0, 1500.0);
    live_.setLatest(8, 13.2);
    ticks(406);  // 60.9 s plotted
    expectAllAxes({0, 61});
    EXPECT_EQ(graph.values(0).size(), 406u);
    EXPECT_EQ(graph.fields(0).actual, "1500");
    EXPECT_EQ(graph.fields(3).maximum, "13.2");

    ticks(1);  // 61.05 s: the window moves with the newest sample
    expectAllAxes({0.05, 61.05});
    ticks(20);
    expectAllAxes({3.05, 64.05});
}

TEST_F(GraphTest, LiveLeftClickBeforeEnoughIsRecordedChangesNothing) {
    GraphModel& graph = live();
    ticks(34);  // 5.1 s
    graph.leftClick(0, 2.0);
    ticks(1);
    EXPECT_EQ(graph.halfWidth(), 30);
    expectAllAxes({0, 61});
    EXPECT_FALSE(graph.resetViewEnabled());
}

TEST_F(GraphTest, ChangingAChannelRestartsTheLiveChartsAtZero) {
    GraphModel& graph = live();
    live_.setLatest(5, 101.25);
    ticks(450);
    ASSERT_GT(graph.axis(0).min, 0.0);
    graph.selectChannel(1, 5);
    EXPECT_EQ(graph.nextTime(), 0.0);
    for (int chart = 0; chart < kChartCount; ++chart) EXPECT_TRUE(graph.values(chart).empty());
    ticks(1);
    expectAllAxes({0, 61});
    EXPECT_EQ(graph.values(1).size(), 1u);
    EXPECT_DOUBLE_EQ(graph.values(1)[0], 101.25);
    EXPECT_EQ(graph.selections()[1], 5);
    EXPECT_DOUBLE_EQ(live_.latest(5), 101.25);  // the session's channel table is untouched
}

TEST_F(GraphTest, PauseStopsPlottingAndResumeStartsAgain) {
    GraphModel& graph = live();
    EXPECT_TRUE(graph.pauseEnabled());
    ticks(10);
    graph.pauseOrResume();
    EXPECT_TRUE(graph.paused());
    ticks(5);
    EXPECT_EQ(graph.values(0).size(), 10u);
    graph.pauseOrResume();
    EXPECT_FALSE(graph.paused());
    EXPECT_TRUE(graph.values(0).empty());
    EXPECT_EQ(graph.nextTime(), 0.0);
}

TEST_F(GraphTest, LiveExportGrowsOneLinePerPlottedSampleUntilRebuilt) {
    GraphModel& graph = live();
    const QString path = dir_.filePath(QStringLiteral("Quilldar_Export.CSV"));
    live_.setLatest(0, 1254.5);
    live_.setLatest(3, -5.0);
    ticks(2);
    ASSERT_TRUE(graph.startLiveExport(path, "Engine speed;Throttle position;Engine coolant / oil "
                                            "temperature;Battery voltage"));
    EXPECT_FALSE(graph.exportEnabled());
    ticks(3);
    const auto lines = [&] { return testing::readFile(path).count("\r\n"); };
    EXPECT_EQ(lines(), 4);
    EXPECT_TRUE(testing::readFile(path).endsWith("=\"1254.5\";=\"0\";=\"-5\";=\"0\";\r\n"));

    graph.pauseOrResume();
    ticks(3);
    EXPECT_EQ(lines(), 4);  // paused: no samples, no lines

    graph.pauseOrResume();  // Resume rebuilds: the export is disarmed, the file keeps its lines
    EXPECT_FALSE(graph.liveExportArmed());
    EXPECT_TRUE(graph.exportEnabled());
    ticks(3);
    EXPECT_EQ(lines(), 4);

    // A file that cannot be created does not arm the export.
    EXPECT_FALSE(graph.startLiveExport(dir_.filePath(QStringLiteral("missing/x.CSV")), "h"));
    EXPECT_TRUE(graph.exportEnabled());
}

// The engine has started once its speed is above 500 rpm: exactly 500 is not yet a start; the
// first sample above it marks the time, and later ones leave it.
TEST_F(GraphTest, EngineStartsAboveFiveHundredRpmNotAtIt) {
    GraphModel& graph = live();
    live_.setLatest(kEngineSpeedSlot, 0.0);
    ticks(2);
    live_.setLatest(kEngineSpeedSlot, kEngineStartRpm);
    ticks(3);
    EXPECT_FALSE(graph.engineStart().has_value());
    live_.setLatest(kEngineSpeedSlot, kEngineStartRpm + 0.5);
    ticks(1);
    ASSERT_TRUE(graph.engineStart().has_value());
    const double started = *graph.engineStart();
    EXPECT_GT(started, 0.0);  // five samples of 500 rpm and less came before
    EXPECT_LE(started, graph.nextTime() / 10.0);
    live_.setLatest(kEngineSpeedSlot, 3000.0);
    ticks(2);
    EXPECT_EQ(graph.engineStart(), started);  // the first start stays
}

TEST_F(GraphTest, DecimationKeepsEveryColumnsExtremes) {
    GraphModel& graph = recorded(engineRecording(4003, 1234));
    ticks(1);
    const QList<QPointF> points = graph.visiblePoints(0, 100);
    EXPECT_LE(points.size(), 202);
    EXPECT_GE(points.size(), 100);
    double highest = 0, lowest = 1e9;
    for (int i = 0; i < points.size(); ++i) {
        highest = std::max(highest, points[i].y());
        lowest = std::min(lowest, points[i].y());
        if (i > 0) {
            EXPECT_LE(points[i - 1].x(), points[i].x());
        }
    }
    EXPECT_DOUBLE_EQ(highest, graph.maximum(0));  // the one spike survives
    EXPECT_DOUBLE_EQ(lowest, graph.minimum(0));

    // Zoomed in far enough, every sample of the window is drawn.
    for (int i = 0; i < 12; ++i) graph.leftClick(0, 100.0);
    ticks(1);
    const QList<QPointF> near = graph.visiblePoints(0, 100);
    ASSERT_FALSE(near.isEmpty());
    EXPECT_LE(near.first().x(), graph.axis(0).min);
    EXPECT_GE(near.last().x(), graph.axis(0).max);
    for (int i = 1; i < near.size(); ++i)
        EXPECT_NEAR(near[i].x() - near[i - 1].x(), 0.15, 1e-9);
}

// --- the export of a recording into a named file ---

class RecordingExportTest : public GraphTest {
protected:
    ExportResult exportTo(const QString& target) {
        pages::ChannelDecoders decoders(slots_, texts_);
        files::CsvExportOptions options;
        options.channels = {0, 1, 3, 8};
        options.texts = &texts_;
        return exportRecordingToFile(file_, decoders, slots_, options, working(), target);
    }
    QString working() const { return dir_.filePath(QStringLiteral("Quilldar_Temp.QLX")); }
    vehicle::LiveValueSlots slots_;
};

TEST_F(RecordingExportTest, WritesNMinusTwoLinesAndReplacesAnEarlierFile) {
    recorded(engineRecording(50));
    const QString target = dir_.filePath(QStringLiteral("ride.CSV"));
    ASSERT_TRUE(testing::writeFile(target, "an older, longer export\r\n\r\n\r\n\r\n"));
    ASSERT_EQ(exportTo(target), ExportResult::Written);
    ASSERT_EQ(exportTo(target), ExportResult::Written);
    const QByteArray csv = testing::readFile(target);
    EXPECT_EQ(csv.count("\r\n"), 48 + 1);
    EXPECT_TRUE(csv.startsWith("Engine speed;Throttle position;Engine coolant / oil temperature;"
                               "Battery voltage\r\n"));
    EXPECT_TRUE(csv.contains(";=\"-5\";=\"12.549\";\r\n"));
    EXPECT_FALSE(QFile::exists(working()));
}

TEST_F(RecordingExportTest, AFailedExportLeavesNoFileBehind) {
    recorded(engineRecording(50));
    const QString target = dir_.filePath(QStringLiteral("no-such-folder/ride.CSV"));
    EXPECT_EQ(exportTo(target), ExportResult::CannotWrite);
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_FALSE(QFile::exists(working()));
}

// The working file cannot be written while the target could be: the target keeps what it held
// and the failure is reported.
TEST_F(RecordingExportTest, WorkingFileThatCannotBeWrittenLeavesTheTargetAsItWas) {
    recorded(engineRecording(50));
    const QString target = dir_.filePath(QStringLiteral("ride.CSV"));
    ASSERT_TRUE(testing::writeFile(target, "the export of last week\r\n"));
    pages::ChannelDecoders decoders(slots_, texts_);
    files::CsvExportOptions options;
    options.channels = {0, 1, 3, 8};
    options.texts = &texts_;
    const QString working = dir_.filePath(QStringLiteral("gone/Quilldar_Temp.QLX"));
    EXPECT_EQ(exportRecordingToFile(file_, decoders, slots_, options, working, target), ExportResult::CannotWrite);
    EXPECT_EQ(testing::readFile(target), "the export of last week\r\n");
}

// The recording shrinks on disk after it was loaded (another program cut it): the export is
// incomplete, so it fails and the earlier export stays; the next one of the whole file works.
TEST_F(RecordingExportTest, RecordingThatShrinksDuringTheExportReplacesNothing) {
    recorded(engineRecording(50));
    const QString target = dir_.filePath(QStringLiteral("ride.CSV"));
    ASSERT_TRUE(testing::writeFile(target, "the export of last week\r\n"));
    const QString recordingPath = dir_.filePath(QStringLiteral("ride.QLS"));
    ASSERT_TRUE(QFile::resize(recordingPath, 30 * 65));
    EXPECT_EQ(exportTo(target), ExportResult::CannotWrite);
    EXPECT_EQ(testing::readFile(target), "the export of last week\r\n");
    EXPECT_FALSE(QFile::exists(working()));
}

// A live export into a file that exists already starts it afresh: nothing of the old content
// survives, however long it was.
TEST_F(GraphTest, LiveExportIntoAnExistingFileLeavesNothingOfItsOldContent) {
    GraphModel& graph = live();
    const QString path = dir_.filePath(QStringLiteral("Quilldar_Export.CSV"));
    ASSERT_TRUE(testing::writeFile(path, QByteArray(5000, 'o') + "\r\nold line\r\n"));
    live_.setLatest(0, 1254.5);
    ticks(1);
    ASSERT_TRUE(graph.startLiveExport(path, "h"));
    ticks(2);
    const QByteArray csv = testing::readFile(path);
    EXPECT_TRUE(csv.startsWith("h\r\n")) << csv.left(40).toStdString();
    EXPECT_FALSE(csv.contains("old line"));
    EXPECT_FALSE(csv.contains('o'));
}

// A Transmission session gives its channel values to the graph and the export, not zeros.
TEST_F(RecordingExportTest, TransmissionSessionsExportTheirValues) {
    RecordingBuilder recording;
    recording.addIdentification(1, "71820-12F00", "12F0");
    for (int i = 0; i < 10; ++i)
        recording.add(1, engineLiveFrame({{13, 60}, {16, 20}, {17, 255}, {22, 160}}, 0x08,
                                         link::address::kTransmission));
    GraphModel& graph = recorded(recording.bytes());
    EXPECT_EQ(graph.fields(0).maximum, "1344");  // engine speed of the transmission module
    EXPECT_EQ(graph.fields(3).maximum, "12.549");

    const QString target = dir_.filePath(QStringLiteral("gearbox.CSV"));
    ASSERT_EQ(exportTo(target), ExportResult::Written);
    EXPECT_TRUE(testing::readFile(target).endsWith("=\"1344\";=\"0\";=\"-30\";=\"12.549\";\r\n"));
}

// The engine rows of an Engine & Transmission session fill the channel slots too.
TEST_F(RecordingExportTest, CombinedSessionsGiveTheirEngineValues) {
    RecordingBuilder recording;
    recording.addIdentification(2, "71820-26J00", "26J0");
    for (int i = 0; i < 5; ++i)
        recording.add(2, engineLiveFrame({{16, 50}, {17, 10}, {18, 128}, {24, 230}}, 0x08,
                                         link::address::kEngineTransmission));
    GraphModel& graph = recorded(recording.bytes());
    EXPECT_EQ(graph.values(0).size(), 5u);
    EXPECT_EQ(graph.fields(0).minimum, "1053");  // 2560 / 2.55 + 50, whole as on the page
    EXPECT_EQ(graph.fields(3).minimum, "18.039");    // no 18 V limit on this page
}

// --- what a record carries ---

// The identification and the code answers at the start of a recording carry no live data: they
// add no sample, so coolant's minimum is the coolant the ride had, and every sample sits at the
// time of its own record.
TEST_F(GraphTest, RecordsWithoutLiveDataAddNoSample) {
    RecordingBuilder recording;
    recording.addIdentification(0, "71820-12F00", "12F0");
    recording.add(5, testing::troubleCodeAnswer({{0x01, 0x30, 0x20}}));
    recording.add(5, testing::troubleCodeAnswer({}));
    for (int i = 0; i < 4; ++i) recording.add(0, engineLiveFrame({{17, 30}, {21, 130}, {24, 160}}));
    recording.add(5, testing::troubleCodeAnswer({}));  // back on the Error codes page a moment
    recording.add(0, engineLiveFrame({{17, 30}, {21, 131}, {24, 160}}));
    GraphModel& graph = recorded(recording.bytes());
    ASSERT_EQ(graph.values(2).size(), 5u);
    EXPECT_EQ(graph.fields(2).minimum, "90");  // coolant 130 − 40, never 0
    EXPECT_EQ(graph.fields(2).maximum, "91");
    EXPECT_DOUBLE_EQ(graph.sampleTime(2, 0), 0.30);  // the third record after the identification
    EXPECT_DOUBLE_EQ(graph.sampleTime(2, 4), 1.05);  // after the code answer's 0.15 s
    const QList<QPointF> points = graph.visiblePoints(2, 500);
    ASSERT_EQ(points.size(), 5);
    EXPECT_DOUBLE_EQ(points.front().x(), 0.30);
    EXPECT_DOUBLE_EQ(points.back().y(), 91.0);
}

TEST_F(GraphTest, AnAbsRecordingGraphsTheModulesOwnChannels) {
    RecordingBuilder recording;
    recording.addIdentification(3, "47850-27G00", "27G0", false, link::address::kAbs);
    for (int i = 0; i < 6; ++i) {
        recording.add(3, engineLiveFrame({{13, static_cast<std::uint8_t>(40 + i)}, {14, 38}, {18, 160}}, 0x00,
                                         link::address::kAbs));
        recording.add(3, engineLiveFrame({{13, 0x01}, {20, 0x04}}, 0x08, link::address::kAbs));
    }
    GraphModel& graph = recorded(recording.bytes());
    // The stored engine channels are not the module's: its first four take their place.
    const int abs = pages::kAbsFirstChannel;
    EXPECT_EQ(graph.selections(), (files::ChannelSelection{abs, abs + 1, abs + 2, abs + 3}));
    EXPECT_EQ(graph.offered().size(), 18u);  // 11 of every module and the 27G0's own 7
    EXPECT_EQ(graph.fields(0).minimum, "40");
    EXPECT_EQ(graph.fields(0).maximum, "45");
    EXPECT_EQ(graph.fields(2).minimum, "12.549");
    EXPECT_EQ(graph.fields(3).maximum, "0");  // the front inlet valve reports its fault throughout
    // Wheel speeds come with every other record, the flags with the others.
    ASSERT_EQ(graph.values(0).size(), 6u);
    ASSERT_EQ(graph.values(3).size(), 6u);
    EXPECT_DOUBLE_EQ(graph.sampleTime(0, 1), 0.30);
    EXPECT_DOUBLE_EQ(graph.sampleTime(3, 1), 0.45);
    graph.selectChannel(1, abs + 14);  // a 27G0 valve: "On"
    EXPECT_EQ(graph.fields(1).minimum, "1");
}

TEST_F(GraphTest, AnEpsRecordingGraphsTheModulesOwnChannels) {
    RecordingBuilder recording;
    recording.add(4, link::buildResponse(link::address::kEps, std::vector<std::uint8_t>{0x5A, 0x8A, '5', '6'}));
    recording.add(4, link::buildResponse(link::address::kEps, std::vector<std::uint8_t>{
                                                                 0x5A, 0x8E, 'S', 'W', '0', '1', '0', '4', '3', '1', 'H', '0'}));
    for (int i = 0; i < 3; ++i)
        recording.add(4, engineLiveFrame({{13, 102}, {18, 20}, {19, 30}, {14, 200}}, 0x08, link::address::kEps));
    GraphModel& graph = recorded(recording.bytes());
    const int eps = pages::kEpsFirstChannel;
    EXPECT_EQ(graph.selections(), (files::ChannelSelection{eps, eps + 1, eps + 2, eps + 3}));
    EXPECT_EQ(graph.values(0).size(), 3u);
    EXPECT_EQ(graph.fields(0).maximum, "12");     // battery 30·102 / 255
    EXPECT_EQ(graph.fields(1).maximum, "3");      // motor current target 38.25·20 / 255
    EXPECT_EQ(graph.fields(3).maximum, "4.862");  // sensor supply 6.2·200 / 255, truncated
}

// A live graph opened before the unit's first answer draws nothing until a reading comes.
TEST_F(GraphTest, ALiveGraphWaitsForTheFirstReading) {
    GraphModel& graph = live();
    model_->tick();  // no live record yet
    EXPECT_TRUE(graph.values(0).empty());
    EXPECT_EQ(graph.fields(0).minimum, "---");
    live_.setLatest(0, 1500.0);
    model_->tick();
    EXPECT_EQ(graph.values(0).size(), 1u);
    EXPECT_EQ(graph.fields(0).actual, "1500");
    EXPECT_TRUE(graph.values(1).empty());  // its channel has had no reading yet
}

}  // namespace
}  // namespace quilldar::graph
