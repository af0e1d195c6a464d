#include "graph/reference_ride.h"

#include <algorithm>

#include "graph/graph_model.h"
#include "pages/channel_decoders.h"
#include "pages/graph_channels.h"
#include "vehicle/live_value_slots.h"

namespace quilldar::graph {

using files::kIdentificationRecords;

ReferenceRide::ReferenceRide(files::RecordingFile& recording, QString name, const settings::LanguageTable& texts,
                             const vehicle::UnitSettings& units)
    : recording_(recording), name_(std::move(name)), texts_(texts), units_(units) {}

void ReferenceRide::load(const files::ChannelSelection& channels) {
    const files::RecordingIdentity& identity = recording_.identity();
    const auto offeredHere = pages::offeredChannels(pages::familyOfAddress(identity.unitAddress), identity.ecmCode);
    std::array<std::size_t, kCharts> channelSlots{};
    for (int chart = 0; chart < kCharts; ++chart) {
        const auto at = static_cast<std::size_t>(chart);
        series_[at].clear();
        offered_[at] = std::ranges::any_of(
            offeredHere, [&](const pages::GraphChannel* channel) { return channel->number == channels[at]; });
        channelSlots[at] = pages::findGraphChannel(channels[at])->slot;
    }
    engineStart_.reset();

    vehicle::LiveValueSlots values;
    vehicle::SlotMask wanted = pages::slotsOf(channels);
    wanted.set(kEngineSpeedSlot);
    pages::ChannelDecoders decoders(values, texts_, wanted);
    link::Report report{};
    std::uint32_t step = 0;
    if (recording_.seek(std::min(kIdentificationRecords, recording_.recordCount()))) {
        while (recording_.read(report)) {
            std::array<std::uint32_t, kCharts> before{};
            for (std::size_t at = 0; at < before.size(); ++at) before[at] = values.readings(channelSlots[at]);
            const std::uint32_t speedBefore = values.readings(kEngineSpeedSlot);
            decoders.decode(report, identity.ecmCode, identity.altListVariant, units_);
            for (int chart = 0; chart < kCharts; ++chart) {
                const auto at = static_cast<std::size_t>(chart);
                // Read as the graph reads its own channels (to the thousandth, toward zero).
                if (offered_[at] && values.readings(channelSlots[at]) != before[at])
                    series_[at].add(step, readChannel(values, channels[at]));
            }
            // Engine speed counts only for a unit whose channel 0 it is.
            if (!engineStart_ && values.readings(kEngineSpeedSlot) != speedBefore &&
                pages::familyOfAddress(identity.unitAddress) == pages::ChannelFamily::Engine &&
                values.latest(kEngineSpeedSlot) > kEngineStartRpm)
                engineStart_ = SampleSeries::stepSeconds(step);
            ++step;
        }
    }
    recording_.rewind();
}

}  // namespace quilldar::graph
