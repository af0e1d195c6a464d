// A long recording is decoded in two halves at once; the samples, their steps, the extremes and
// the engine start must be those of one pass over it, wherever the halves meet.
#include "graph/ride_decoding.h"
#include "graph/ride_prefetch.h"

#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <future>
#include <gtest/gtest.h>

#include "graph/graph_model.h"
#include "pages/channel_decoders.h"
#include "settings/languages.h"
#include "settings/settings.h"
#include "support/recording_builder.h"

namespace quilldar::graph {
namespace {

using testing::engineLiveFrame;

// The plain single pass the graph made before it split the work.
RideDecoding onePass(files::RecordingFile& recording, const pages::ChannelSelection& channels,
                     const settings::LanguageTable& texts, const vehicle::UnitSettings& units) {
    RideDecoding ride;
    vehicle::LiveValueSlots values;
    pages::ChannelDecoders decoders(values, texts);
    link::Report report{};
    std::uint32_t step = 0;
    recording.seek(files::kIdentificationRecords);
    while (recording.read(report)) {
        std::array<std::uint32_t, 4> before{};
        for (std::size_t chart = 0; chart < 4; ++chart) before[chart] = values.readings(pages::findGraphChannel(channels[chart])->slot);
        const std::uint32_t speedBefore = values.readings(kEngineSpeedSlot);
        decoders.decode(report, recording.identity().ecmCode, recording.identity().altListVariant, units);
        for (std::size_t chart = 0; chart < 4; ++chart)
            if (values.readings(pages::findGraphChannel(channels[chart])->slot) != before[chart])
                ride.series[chart].add(step, readChannel(values, channels[chart]));
        if (!ride.engineStartStep && values.readings(kEngineSpeedSlot) != speedBefore &&
            values.latest(kEngineSpeedSlot) > kEngineStartRpm)
            ride.engineStartStep = step;
        ++step;
        ++ride.records;
    }
    recording.rewind();
    return ride;
}

TEST(RideDecoding, TwoHalvesGiveWhatOnePassGives) {
    settings::Settings settings;
    settings::LanguageTable texts;
    texts.fill(settings::kEnglish, settings);
    const pages::ChannelSelection channels{0, 1, 3, 8};
    // Engine speed stays below 500 rpm until well into the second half; every sixth record is a
    // trouble-code answer (no reading) and every fifth live record misses the battery byte's
    // limit (an unreadable value, 0).
    for (const int records : {45'001, 60'000}) {
        SCOPED_TRACE(records);
        testing::RecordingBuilder builder;
        builder.addIdentification(0, "71820-12F00", "12F0");
        std::uint32_t random = 7;
        for (int i = builder.records(); i < records; ++i) {
            random = random * 1664525u + 1013904223u;
            if (i % 6 == 0) {
                builder.add(5, testing::troubleCodeAnswer({}));
                continue;
            }
            const auto speed = static_cast<std::uint8_t>(i < records * 3 / 4 ? random % 7 : random >> 24);
            const auto battery = static_cast<std::uint8_t>(i % 5 == 0 ? 240 : (random >> 8) & 0xFF);
            builder.add(0, engineLiveFrame({{17, speed}, {19, static_cast<std::uint8_t>(random >> 16)},
                                            {21, static_cast<std::uint8_t>(random >> 4)}, {24, battery}}));
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("long.QLS"));
        ASSERT_TRUE(builder.writeTo(path));
        files::RecordingFile recording;
        ASSERT_EQ(recording.load(path), files::LoadResult::Loaded);

        const vehicle::UnitSettings units;
        const RideDecoding expected = onePass(recording, channels, texts, units);
        const RideDecoding split = decodeRide(recording, channels, {true, true, true, true}, texts, units);
        EXPECT_EQ(recording.position(), 0u);
        EXPECT_EQ(split.records, expected.records);
        ASSERT_TRUE(expected.engineStartStep.has_value());
        EXPECT_GT(*expected.engineStartStep, expected.records / 2);
        EXPECT_EQ(split.engineStartStep, expected.engineStartStep);
        for (std::size_t chart = 0; chart < 4; ++chart) {
            SCOPED_TRACE(chart);
            ASSERT_GT(expected.series[chart].values.size(), 1000u);
            EXPECT_EQ(split.series[chart].steps, expected.series[chart].steps);
            EXPECT_EQ(split.series[chart].values, expected.series[chart].values);
            EXPECT_EQ(split.series[chart].minimum, expected.series[chart].minimum);
            EXPECT_EQ(split.series[chart].maximum, expected.series[chart].maximum);
        }
        // A chart that is not plotted gets no samples, whatever its channel carried.
        const RideDecoding partly = decodeRide(recording, channels, {true, false, true, false}, texts, units);
        EXPECT_TRUE(partly.series[1].empty());
        EXPECT_EQ(partly.series[2].values, expected.series[2].values);
    }
}

// A 12F0 engine ride of `count` live frames in a file of its own, and the texts to decode it with.
class RidePrefetchTest : public ::testing::Test {
protected:
    RidePrefetchTest() { texts.fill(settings::kEnglish, settings_); }
    void writeRide(int count) {
        testing::RecordingBuilder builder;
        builder.addIdentification(0, "71820-12F00", "12F0");
        for (int i = 0; i < count; ++i)
            builder.add(0, engineLiveFrame({{17, static_cast<std::uint8_t>(i)}, {19, static_cast<std::uint8_t>(3 * i)}}));
        ASSERT_TRUE(builder.writeTo(path));
        ASSERT_EQ(recording.load(path), files::LoadResult::Loaded);
    }

    settings::Settings settings_;
    settings::LanguageTable texts;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ride.QLS"));
    files::RecordingFile recording;
};

// The ride decoded ahead is handed over once, and only to a graph of the same file, length,
// channels and units: anything else decodes for itself.
TEST_F(RidePrefetchTest, HandsItsRideOverOnceAndOnlyWhenItFits) {
    writeRide(500);
    // Stored channels the engine has: the graph shows them as they are.
    const pages::ChannelSelection stored{1, 0, 3, 8};
    const vehicle::UnitSettings units;
    const RideDecoding own = decodeRide(recording, stored, {true, true, true, true}, texts, units);

    const auto prefetch = [&] { return std::make_unique<RidePrefetch>(path, stored, texts, units); };
    {
        auto ahead = prefetch();
        const std::optional<RideDecoding> ride = ahead->take(path, recording.recordCount(), stored, units);
        ASSERT_TRUE(ride.has_value());
        EXPECT_EQ(ride->records, own.records);
        for (std::size_t chart = 0; chart < 4; ++chart) EXPECT_EQ(ride->series[chart].values, own.series[chart].values);
        EXPECT_FALSE(ahead->take(path, recording.recordCount(), stored, units).has_value()) << "handed over twice";
    }
    vehicle::UnitSettings fahrenheit;
    fahrenheit.temperature = 1;
    EXPECT_FALSE(prefetch()->take(path, recording.recordCount(), {0, 1, 3, 8}, units).has_value());
    EXPECT_FALSE(prefetch()->take(path, recording.recordCount(), stored, fahrenheit).has_value());
    EXPECT_FALSE(prefetch()->take(path, recording.recordCount() + 1, stored, units).has_value());
    EXPECT_FALSE(prefetch()->take(dir.filePath(QStringLiteral("other.QLS")), recording.recordCount(), stored, units).has_value());
    // A file that is no recording gives nothing to take.
    ASSERT_TRUE(testing::writeFile(dir.filePath(QStringLiteral("bad.QLS")), QByteArray(100, 'x')));
    EXPECT_FALSE(RidePrefetch(dir.filePath(QStringLiteral("bad.QLS")), stored, texts, units)
                     .take(dir.filePath(QStringLiteral("bad.QLS")), 1, stored, units)
                     .has_value());
}

// The work that follows the decoding runs on the decoder's thread after the ride is ready: taking
// the ride does not wait for it, and the decoder's end does. A file that is no recording runs it too.
TEST_F(RidePrefetchTest, TheWorkAfterwardsNeverHoldsUpTheRide) {
    writeRide(300);
    const pages::ChannelSelection stored{0, 1, 2, 3};
    const vehicle::UnitSettings units;

    std::promise<void> taken;
    std::future<void> takenSeen = taken.get_future();
    std::atomic<bool> sawTheRideTaken{false};
    {
        RidePrefetch ahead(path, stored, texts, units, [&] {
            // Waits until the ride was taken: a take() that waited for this work would time out.
            sawTheRideTaken = takenSeen.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
        });
        EXPECT_TRUE(ahead.take(path, recording.recordCount(), stored, units).has_value());
        taken.set_value();
    }
    EXPECT_TRUE(sawTheRideTaken);

    ASSERT_TRUE(testing::writeFile(dir.filePath(QStringLiteral("bad.QLS")), QByteArray(100, 'x')));
    std::atomic<bool> ran{false};
    RidePrefetch(dir.filePath(QStringLiteral("bad.QLS")), stored, texts, units, [&] { ran = true; });
    EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace quilldar::graph
