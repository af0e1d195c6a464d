#include "graph/ride_decoding.h"

#include <algorithm>
#include <thread>

#include "graph/graph_model.h"
#include "pages/channel_decoders.h"
#include "vehicle/live_value_slots.h"

namespace quilldar::graph {
namespace {

// Below this many records one pass is quicker than starting a second one.
constexpr std::uint32_t kSplitAbove = 40'000;

// Records [first, end) of the recording; steps count from the first record after the
// identification records. Each series has room for `room` samples: a first half makes room for
// the second, which is then appended without moving it.
RideDecoding decodeRange(files::RecordingFile& recording, std::uint32_t first, std::uint32_t end,
                         std::uint32_t room, const pages::ChannelSelection& channels,
                         const std::array<bool, 4>& plotted, const settings::LanguageTable& texts,
                         const vehicle::UnitSettings& units) {
    RideDecoding ride;
    std::array<std::size_t, 4> channelSlots{};
    for (std::size_t at = 0; at < channelSlots.size(); ++at) {
        channelSlots[at] = pages::findGraphChannel(channels[at])->slot;
        if (plotted[at]) ride.series[at].reserve(room);
    }
    vehicle::LiveValueSlots values;
    vehicle::SlotMask wanted = pages::slotsOf(channels);
    wanted.set(kEngineSpeedSlot);
    pages::ChannelDecoders decoders(values, texts, wanted);
    const files::RecordingIdentity& identity = recording.identity();
    link::Report report{};
    std::uint32_t step = first - std::min(files::kIdentificationRecords, recording.recordCount());
    if (!recording.seek(first)) return ride;
    for (std::uint32_t at = first; at < end && recording.read(report); ++at, ++step, ++ride.records) {
        std::array<std::uint32_t, 4> before{};
        for (std::size_t chart = 0; chart < before.size(); ++chart) before[chart] = values.readings(channelSlots[chart]);
        const std::uint32_t speedBefore = values.readings(kEngineSpeedSlot);
        decoders.decode(report, identity.ecmCode, identity.altListVariant, units);
        for (std::size_t chart = 0; chart < before.size(); ++chart) {
            if (plotted[chart] && values.readings(channelSlots[chart]) != before[chart])
                ride.series[chart].add(step, readChannel(values, channels[chart]));
        }
        if (!ride.engineStartStep && values.readings(kEngineSpeedSlot) != speedBefore &&
            values.latest(kEngineSpeedSlot) > kEngineStartRpm)
            ride.engineStartStep = step;
    }
    return ride;
}

}  // namespace

RideDecoding decodeRide(files::RecordingFile& recording, const pages::ChannelSelection& channels,
                        const std::array<bool, 4>& plotted, const settings::LanguageTable& texts,
                        const vehicle::UnitSettings& units, bool oneThread) {
    const std::uint32_t count = recording.recordCount();
    const std::uint32_t first = std::min(files::kIdentificationRecords, count);
    RideDecoding ride;
    if (!oneThread && count - first > kSplitAbove && std::thread::hardware_concurrency() > 1) {
        // Every value is worked out from its own record, so the second half needs nothing of
        // the first: it runs beside it through a second handle on the same file.
        const std::uint32_t middle = first + (count - first) / 2;
        files::RecordingFile secondHandle;
        if (secondHandle.load(recording.path()) == files::LoadResult::Loaded && secondHandle.recordCount() == count) {
            RideDecoding later;
            std::thread second(
                [&] { later = decodeRange(secondHandle, middle, count, count - middle, channels, plotted, texts, units); });
            ride = decodeRange(recording, first, middle, count - first, channels, plotted, texts, units);
            second.join();
            for (std::size_t chart = 0; chart < ride.series.size(); ++chart) ride.series[chart].append(later.series[chart]);
            ride.records += later.records;
            if (!ride.engineStartStep) ride.engineStartStep = later.engineStartStep;
            recording.rewind();
            return ride;
        }
    }
    ride = decodeRange(recording, first, count, count - first, channels, plotted, texts, units);
    recording.rewind();
    return ride;
}

}  // namespace quilldar::graph
