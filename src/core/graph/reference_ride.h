#pragma once

#include <QString>

#include <array>
#include <optional>

#include "files/csv_export.h"
#include "files/recording_file.h"
#include "graph/sample_series.h"
#include "settings/language_table.h"
#include "vehicle/unit_settings.h"

namespace quilldar::graph {

// A second recording drawn behind the graph's own: the same four channels, each shifted in time
// by an offset, so that a ride can be laid over a good one (or over last week's).
class ReferenceRide {
public:
    static constexpr int kCharts = 4;

    // recording: loaded, and kept open by the caller while the reference is shown; name: what the
    // legend and the export call it.
    ReferenceRide(files::RecordingFile& recording, QString name, const settings::LanguageTable& texts,
                  const vehicle::UnitSettings& units);

    const QString& name() const { return name_; }
    // Reads the recording's readings of the four channels. A channel the recording's unit does
    // not offer stays empty and counts as missing.
    void load(const files::ChannelSelection& channels);
    bool offers(int chart) const { return offered_[static_cast<std::size_t>(chart)]; }
    const SampleSeries& series(int chart) const { return series_[static_cast<std::size_t>(chart)]; }
    // When the reference's engine first turned above 500 rpm, from its own start; none if never.
    std::optional<double> engineStart() const { return engineStart_; }

    // Seconds the reference is shifted by on the graph's time axis (positive: later).
    double offset() const { return offset_; }
    void setOffset(double seconds) { offset_ = seconds; }
    // The reference's value of a chart at a time of the graph's axis, if it had one by then.
    std::optional<double> valueAt(int chart, double seconds) const {
        return series(chart).valueAt(seconds - offset_);
    }

private:
    files::RecordingFile& recording_;
    QString name_;
    const settings::LanguageTable& texts_;
    vehicle::UnitSettings units_;
    std::array<SampleSeries, kCharts> series_;
    std::array<bool, kCharts> offered_{};
    std::optional<double> engineStart_;
    double offset_ = 0.0;
};

}  // namespace quilldar::graph
