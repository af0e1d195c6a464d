#include "graph/reference_ride.h"

#include <algorithm>

#include "graph/graph_model.h"
#include "graph/ride_decoding.h"
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
    for (int chart = 0; chart < kCharts; ++chart) {
        const auto at = static_cast<std::size_t>(chart);
        series_[at].clear();
        offered_[at] = std::ranges::any_of(
            offeredHere, [&](const pages::GraphChannel* channel) { return channel->number == channels[at]; });
    }
    engineStart_.reset();

    RideDecoding ride = decodeRide(recording_, channels, offered_, texts_, units_);
    series_ = std::move(ride.series);
    // Engine speed counts only for a unit whose channel 0 it is.
    if (ride.engineStartStep && pages::familyOfAddress(identity.unitAddress) == pages::ChannelFamily::Engine)
        engineStart_ = SampleSeries::stepSeconds(*ride.engineStartStep);
}

}  // namespace quilldar::graph
