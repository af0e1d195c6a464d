// A reference ride behind the graph: read for the same channels, shifted by its offset, aligned at
// engine start, shown in the fields and written into the export.
#include "graph/graph_model.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "graph/graph_export.h"
#include "link/kwp_frame.h"
#include "settings/languages.h"
#include "settings/settings.h"
#include "support/recording_builder.h"

namespace quilldar::graph {
namespace {

using testing::engineLiveFrame;
using testing::RecordingBuilder;

// An engine ride: engine speed byte 0 (standing) for `standing` records, then byte 40 (2509 rpm at
// 160·A / 2.55); coolant byte `coolant`.
QByteArray engineRide(int standing, int riding, std::uint8_t coolant) {
    RecordingBuilder recording;
    recording.addIdentification(0, "71820-12F00", "12F0");
    for (int i = 0; i < standing + riding; ++i)
        recording.add(0, engineLiveFrame({{17, static_cast<std::uint8_t>(i < standing ? 0 : 40)}, {21, coolant}}));
    return recording.bytes();
}

class ReferenceRideTest : public ::testing::Test {
protected:
    void SetUp() override { texts_.fill(settings::kEnglish, settings_); }
    files::RecordingFile& load(files::RecordingFile& file, const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(testing::writeFile(path, bytes));
        EXPECT_EQ(file.load(path), files::LoadResult::Loaded);
        return file;
    }
    GraphModel& graphOf(const QByteArray& bytes) {
        GraphSource source;
        source.recording = &load(main_, QStringLiteral("ride.QLS"), bytes);
        source.keptRecordCount = main_.recordCount();
        source.texts = &texts_;
        model_ = std::make_unique<GraphModel>(source, files::ChannelSelection{0, 3, 1, 8});
        model_->open(false);
        return *model_;
    }
    void addReference(const QByteArray& bytes) {
        model_->setReference(std::make_unique<ReferenceRide>(load(reference_, QStringLiteral("good.QLS"), bytes),
                                                             QStringLiteral("good.QLS"), texts_, vehicle::UnitSettings{}));
    }

    QTemporaryDir dir_;
    settings::Settings settings_;
    settings::LanguageTable texts_;
    files::RecordingFile main_, reference_;
    std::unique_ptr<GraphModel> model_;
};

TEST_F(ReferenceRideTest, TheSameChannelsShiftedByTheOffsetWithTheirNumbersAfterTheGraphsOwn) {
    GraphModel& graph = graphOf(engineRide(10, 20, 130));  // coolant 90 °C
    addReference(engineRide(4, 10, 120));                  // coolant 80 °C
    ASSERT_NE(graph.reference(), nullptr);
    EXPECT_EQ(graph.fields(1).minimum, "90 / 80");
    EXPECT_EQ(graph.fields(0).maximum, "2509 / 2509");
    ASSERT_EQ(graph.reference()->series(1).values.size(), 14u);

    QList<QPointF> points = graph.visibleReferencePoints(1, 500);
    ASSERT_EQ(points.size(), 14);
    EXPECT_DOUBLE_EQ(points.front().x(), 0.0);
    graph.setReferenceOffset(1.5);
    points = graph.visibleReferencePoints(1, 500);
    EXPECT_DOUBLE_EQ(points.front().x(), 1.5);
    EXPECT_DOUBLE_EQ(graph.reference()->valueAt(1, 1.4).value_or(-1), -1);  // before its start
    EXPECT_DOUBLE_EQ(graph.reference()->valueAt(1, 1.5).value_or(-1), 80.0);

    // Another channel: the reference is read again for it.
    graph.selectChannel(1, 2);  // secondary throttle: the 12F0 has none
    EXPECT_TRUE(graph.reference()->series(1).empty());
    EXPECT_EQ(graph.fields(1).minimum, "---");

    graph.clearReference();
    EXPECT_EQ(graph.reference(), nullptr);
    EXPECT_TRUE(graph.visibleReferencePoints(0, 500).isEmpty());
    EXPECT_EQ(graph.fields(0).maximum, "2509");
}

TEST_F(ReferenceRideTest, AlignAtEngineStartMeetsTheTwoStarts) {
    GraphModel& graph = graphOf(engineRide(10, 5, 130));
    addReference(engineRide(4, 5, 130));
    ASSERT_EQ(graph.engineStart(), 1.5);              // record 10
    ASSERT_EQ(graph.reference()->engineStart(), 0.6);  // record 4
    EXPECT_TRUE(graph.alignReferenceAtEngineStart());
    EXPECT_NEAR(graph.reference()->offset(), 0.9, 1e-9);
    // A reference whose engine never turned leaves the offset as it was.
    graph.setReferenceOffset(0.3);
    addReference(engineRide(6, 0, 130));
    graph.setReferenceOffset(0.3);
    EXPECT_FALSE(graph.alignReferenceAtEngineStart());
    EXPECT_NEAR(graph.reference()->offset(), 0.3, 1e-9);
}

// An ABS ride as the reference of an engine ride: none of the charts' channels is the module's.
TEST_F(ReferenceRideTest, AReferenceOfAnotherUnitLeavesOutWhatItDoesNotHave) {
    GraphModel& graph = graphOf(engineRide(2, 3, 130));
    RecordingBuilder abs;
    abs.addIdentification(3, "47850-27G00", "27G0", false, link::address::kAbs);
    abs.add(3, engineLiveFrame({{13, 40}, {14, 38}, {18, 160}}, 0x00, link::address::kAbs));
    addReference(abs.bytes());
    for (int chart = 0; chart < kChartCount; ++chart) {
        EXPECT_FALSE(graph.reference()->offers(chart)) << chart;
        EXPECT_TRUE(graph.visibleReferencePoints(chart, 100).isEmpty());
    }
    EXPECT_EQ(graph.fields(1).minimum, "90");
    EXPECT_FALSE(graph.alignReferenceAtEngineStart());
}

TEST_F(ReferenceRideTest, TheExportWritesTheReferencesChannelsAfterTheGraphsOwn) {
    GraphModel& graph = graphOf(engineRide(2, 2, 130));
    addReference(engineRide(1, 3, 120));
    graph.setReferenceOffset(0.3);  // two records later
    files::CsvExportOptions options;
    options.channels = graph.selections();
    options.texts = &texts_;
    addReferenceColumns(options, *graph.reference(), texts_);
    vehicle::LiveValueSlots values;
    pages::ChannelDecoders decoders(values, texts_);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    ASSERT_TRUE(files::exportRecording(main_, decoders, values, options, out));
    const QList<QByteArray> lines = out.data().split('\n');
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0],
              "Engine speed;Engine coolant / oil temperature;Throttle position;Battery voltage;"
              "Engine speed (good.QLS);Engine coolant / oil temperature (good.QLS);"
              "Throttle position (good.QLS);Battery voltage (good.QLS)\r");
    // At 0 s and 0.15 s the reference has not started; from 0.3 s on it has its first record.
    EXPECT_TRUE(lines[1].endsWith("=\"90\";=\"0\";=\"0\";;;;;\r")) << lines[1].toStdString();
    EXPECT_TRUE(lines[3].endsWith(";=\"0\";=\"80\";=\"0\";=\"0\";\r")) << lines[3].toStdString();
    EXPECT_TRUE(lines[4].endsWith(";=\"2509.803\";=\"80\";=\"0\";=\"0\";\r")) << lines[4].toStdString();
}

// A live graph compares the running bike with a recorded one: the actual field shows the
// reference's value at the same time of the ride.
TEST_F(ReferenceRideTest, ALiveGraphShowsTheReferenceBesideTheRunningValue) {
    vehicle::LiveValueSlots live;
    GraphSource source;
    source.liveValues = &live;
    source.texts = &texts_;
    model_ = std::make_unique<GraphModel>(source, files::ChannelSelection{0, 3, 1, 8});
    model_->open(true);
    addReference(engineRide(0, 10, 120));  // 2509 rpm, coolant 80 °C from its first record
    live.setLatest(3, 95.0);
    model_->tick();
    EXPECT_EQ(model_->fields(1).actual, "95 / 80");
    EXPECT_EQ(model_->visibleReferencePoints(1, 500).size(), 10);
}

}  // namespace
}  // namespace quilldar::graph
