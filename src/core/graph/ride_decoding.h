#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "files/recording_file.h"
#include "graph/sample_series.h"
#include "pages/graph_channels.h"
#include "settings/language_table.h"
#include "vehicle/unit_settings.h"

namespace quilldar::graph {

// The samples of four channels over a whole recording, as the graph plots them.
struct RideDecoding {
    std::array<SampleSeries, 4> series;
    std::uint32_t records = 0;                     // records decoded (the graph's steps)
    std::optional<std::uint32_t> engineStartStep;  // the first reading of engine speed above 500 rpm
};

// Decodes the records after the identification records, sample by sample: a record adds a
// sample to a chart only when it carried a reading of its channel (read as readChannel reads
// it), and only to the charts marked plotted. Only the four channels and engine speed are
// decoded. A long recording is decoded in two halves at once, the second through a handle of
// its own on the same file, unless oneThread; the result is the same as one pass. The recording
// is left rewound.
RideDecoding decodeRide(files::RecordingFile& recording, const pages::ChannelSelection& channels,
                        const std::array<bool, 4>& plotted, const settings::LanguageTable& texts,
                        const vehicle::UnitSettings& units, bool oneThread = false);

}  // namespace quilldar::graph
