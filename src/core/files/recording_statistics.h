#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "files/recording_file.h"
#include "pages/channel_decoders.h"
#include "vehicle/live_value_slots.h"
#include "vehicle/unit_settings.h"

namespace quilldar::files {

// The smallest, mean and largest reading of one channel over a recording.
struct ChannelStatistics {
    std::uint32_t samples = 0;  // the records that carried a reading of the channel
    double minimum = 0.0;
    double mean = 0.0;
    double maximum = 0.0;
};

// One pass over the recording after its identification answers, decoding each record with the
// hidden page decoders (whose value slots are given) as the export does: for each channel, the
// statistics of the readings the records carried. A channel no record carried has 0 samples.
// The recording is rewound before and after.
std::map<int, ChannelStatistics> channelStatistics(RecordingFile& recording, pages::ChannelDecoders& decoders,
                                                   const vehicle::LiveValueSlots& values,
                                                   const std::vector<int>& channels,
                                                   const vehicle::UnitSettings& units);

}  // namespace quilldar::files
