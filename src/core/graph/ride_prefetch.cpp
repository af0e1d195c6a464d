#include "graph/ride_prefetch.h"

#include <QFileInfo>

#include "files/recording_file.h"

namespace quilldar::graph {

RidePrefetch::RidePrefetch(const QString& path, const pages::ChannelSelection& storedChannels,
                           const settings::LanguageTable& texts, const vehicle::UnitSettings& units,
                           std::function<void()> afterwards)
    : path_(QFileInfo(path).absoluteFilePath()), units_(units) {
    thread_ = std::thread([this, storedChannels, &texts, afterwards = std::move(afterwards)] {
        files::RecordingFile recording;
        if (recording.load(path_) == files::LoadResult::Loaded) {
            const files::RecordingIdentity& identity = recording.identity();
            channels_ =
                pages::channelsFor(storedChannels, pages::familyOfAddress(identity.unitAddress), identity.ecmCode);
            recordCount_ = recording.recordCount();
            // Two threads on a long ride: the windows wait for it once they are built.
            ride_ = decodeRide(recording, channels_, {true, true, true, true}, texts, units_);
        }
        decodedPromise_.set_value();
        if (afterwards) afterwards();
    });
}

RidePrefetch::~RidePrefetch() {
    if (thread_.joinable()) thread_.join();
}

std::optional<RideDecoding> RidePrefetch::take(const QString& path, std::uint32_t recordCount,
                                               const pages::ChannelSelection& channels,
                                               const vehicle::UnitSettings& units) {
    decoded_.wait();
    const bool fits = ride_ && QFileInfo(path).absoluteFilePath() == path_ && recordCount == recordCount_ &&
                      channels == channels_ && units.speed == units_.speed &&
                      units.temperature == units_.temperature && units.pressure == units_.pressure;
    std::optional<RideDecoding> taken = std::exchange(ride_, std::nullopt);
    return fits ? std::move(taken) : std::nullopt;
}

}  // namespace quilldar::graph
