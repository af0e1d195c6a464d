#pragma once

#include <QString>
#include <functional>
#include <future>
#include <optional>
#include <thread>

#include "graph/ride_decoding.h"
#include "settings/language_table.h"
#include "vehicle/unit_settings.h"

namespace quilldar::graph {

// The ride of a recording that the graph will show, decoded ahead in a thread of its own: a
// program started to show one recording's graph decodes it while it builds its windows. The
// graph takes the result only if it was made for the same file, length, channels and units;
// otherwise it decodes for itself.
class RidePrefetch {
public:
    // storedChannels: the user's chart channels, narrowed to the recording's unit as the graph
    // narrows them. texts must outlive this object. `afterwards` runs on the same thread once
    // the ride is decoded, while the graph is drawn: start-up work that can wait until then.
    RidePrefetch(const QString& path, const pages::ChannelSelection& storedChannels,
                 const settings::LanguageTable& texts, const vehicle::UnitSettings& units,
                 std::function<void()> afterwards = {});
    ~RidePrefetch();
    RidePrefetch(const RidePrefetch&) = delete;
    RidePrefetch& operator=(const RidePrefetch&) = delete;

    // Waits for the decoding, then hands its result over once, when it fits; nothing otherwise.
    std::optional<RideDecoding> take(const QString& path, std::uint32_t recordCount,
                                     const pages::ChannelSelection& channels, const vehicle::UnitSettings& units);

private:
    QString path_;
    vehicle::UnitSettings units_;
    pages::ChannelSelection channels_{};
    std::uint32_t recordCount_ = 0;
    std::optional<RideDecoding> ride_;
    std::promise<void> decodedPromise_;
    std::future<void> decoded_ = decodedPromise_.get_future();
    std::thread thread_;
};

}  // namespace quilldar::graph
