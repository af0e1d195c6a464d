#include "files/recording_statistics.h"

#include <algorithm>

#include "pages/graph_channels.h"

namespace quilldar::files {

std::map<int, ChannelStatistics> channelStatistics(RecordingFile& recording, pages::ChannelDecoders& decoders,
                                                   const vehicle::LiveValueSlots& values,
                                                   const std::vector<int>& channels,
                                                   const vehicle::UnitSettings& units) {
    struct Tally {
        std::size_t slot = 0;
        std::uint32_t readingsBefore = 0;
        double sum = 0.0;
        ChannelStatistics statistics;
    };
    std::map<int, Tally> tallies;
    for (const int channel : channels) {
        if (const pages::GraphChannel* known = pages::findGraphChannel(channel)) tallies[channel].slot = known->slot;
    }
    const RecordingIdentity& identity = recording.identity();
    link::Report report{};
    if (recording.seek(std::min(kIdentificationRecords, recording.recordCount()))) {
        while (recording.read(report)) {
            for (auto& [channel, tally] : tallies) tally.readingsBefore = values.readings(tally.slot);
            decoders.decode(report, identity.ecmCode, identity.altListVariant, units);
            for (auto& [channel, tally] : tallies) {
                if (values.readings(tally.slot) == tally.readingsBefore) continue;  // not in this record
                const double value = values.latest(tally.slot);
                ChannelStatistics& s = tally.statistics;
                s.minimum = s.samples == 0 ? value : std::min(s.minimum, value);
                s.maximum = s.samples == 0 ? value : std::max(s.maximum, value);
                tally.sum += value;
                ++s.samples;
            }
        }
    }
    recording.rewind();
    std::map<int, ChannelStatistics> result;
    for (auto& [channel, tally] : tallies) {
        if (tally.statistics.samples > 0) tally.statistics.mean = tally.sum / tally.statistics.samples;
        result[channel] = tally.statistics;
    }
    return result;
}

}  // namespace quilldar::files
