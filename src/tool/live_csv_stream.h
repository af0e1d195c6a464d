#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "link/report.h"
#include "pages/channel_decoders.h"
#include "settings/language_table.h"
#include "vehicle/live_value_slots.h"
#include "vehicle/unit_settings.h"

namespace quilldar::tool {

// The decoded values of a live session as they arrive, for other tools to read: a header line
// (Time, then the names of the unit's channels), then one line per record that carried a reading
// of one of them: the record's time in seconds, then each channel's value as a plain number (an
// empty field while a channel has had no reading). Fields are separated by ";"; every line is
// flushed as it is written.
class LiveCsvStream {
public:
    // out: an open file or standard output; channels: the channel numbers to write.
    LiveCsvStream(std::FILE* out, std::vector<int> channels, const settings::LanguageTable& texts,
                  std::string ecmCode, bool altListVariant, const vehicle::UnitSettings& units);

    // The header line.
    void start();
    // One reply of the session, the record number it was kept as (0 for the first).
    void take(link::Report reply, std::uint32_t record);

    // False once a write failed: nothing more is written.
    bool streaming() const { return !stopped_; }

private:
    void write(const std::string& line);

    std::FILE* out_;
    bool stopped_ = false;
    std::vector<int> channels_;
    const settings::LanguageTable& texts_;
    std::string ecmCode_;
    bool altListVariant_;
    vehicle::UnitSettings units_;
    vehicle::LiveValueSlots values_;
    std::unique_ptr<pages::ChannelDecoders> decoders_;
};

}  // namespace quilldar::tool
