#include "graph/graph_model.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <thread>

#include "graph/graph_export.h"
#include "graph/ride_decoding.h"
#include "graph/ride_prefetch.h"

namespace quilldar::graph {

namespace {
using files::kIdentificationRecords;
constexpr double kStep = 1.5;  // tenths of a second per sample
}  // namespace

unsigned spanSeconds(std::uint32_t keptRecordCount) {
    if (keptRecordCount == 0) return kLiveSpan;
    if (keptRecordCount < 3) return 1;
    return static_cast<unsigned>(std::floor((keptRecordCount - 3) * 0.15)) + 1;
}

QString graphNumber(double value) {
    // Written with a decimal point whatever the desktop's locale.
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 10);
    QString text = QString::fromLatin1(buffer, written.ec == std::errc{} ? written.ptr - buffer : 0);
    if (text.endsWith(QLatin1Char('.'))) text += QLatin1Char('0');
    return text;
}

QString channelNumber(double value, pages::ValueStyle style) {
    if (style == pages::ValueStyle::Whole && std::isfinite(value) && std::abs(value) < 1e15)
        return QString::number(static_cast<long long>(std::trunc(value)));
    return graphNumber(value);
}

double readChannel(vehicle::LiveValueSlots& values, int channel) {
    const pages::GraphChannel* known = pages::findGraphChannel(channel);
    if (known == nullptr) return 0.0;
    const std::size_t slot = known->slot;
    const double value = values.latest(slot);
    // A tiny nudge away from zero keeps values like 1.001 (stored as 1.000999…) at 1.001.
    const double scaled = value * 1000.0;
    const double truncated = std::trunc(scaled + (scaled >= 0 ? 1e-7 : -1e-7)) / 1000.0;
    values.rewriteLatest(slot, truncated);
    return truncated;
}

namespace {

// A recording names its own unit; a live graph shows the session's.
GraphSource withRecordingsUnit(GraphSource source) {
    if (source.recording != nullptr) {
        source.family = pages::familyOfAddress(source.recording->identity().unitAddress);
        source.ecmCode = source.recording->identity().ecmCode;
    }
    return source;
}

}  // namespace

GraphModel::GraphModel(const GraphSource& source, const files::ChannelSelection& selections)
    : source_(withRecordingsUnit(source)),
      selections_(pages::channelsFor(selections, source_.family, source_.ecmCode)),
      offered_(pages::offeredChannels(source_.family, source_.ecmCode)) {
    decodesRecording_ = source_.recording != nullptr && source_.texts != nullptr;
    span_ = spanSeconds(source_.keptRecordCount);
}

GraphModel::~GraphModel() = default;

void GraphModel::open(bool sessionConnected) {
    connected_ = sessionConnected;
    const TimeWindow full{0.0, static_cast<double>(span_)};
    axis_.fill(full);
    known_.fill(full);
    rebuild();
    resetViewEnabled_ = false;
    pauseEnabled_ = sessionConnected;
    changes_ |= ButtonsChanged | AxesChanged;
}

unsigned GraphModel::takeChanges() {
    const unsigned changes = changes_;
    changes_ = 0;
    return changes;
}

std::size_t GraphModel::slotOf(int chart) const {
    return pages::findGraphChannel(selections_[index(chart)])->slot;
}

std::array<std::uint32_t, kChartCount> GraphModel::readings(const vehicle::LiveValueSlots& values) const {
    std::array<std::uint32_t, kChartCount> counts{};
    for (int chart = 0; chart < kChartCount; ++chart) counts[index(chart)] = values.readings(slotOf(chart));
    return counts;
}

void GraphModel::addSample(int chart, std::uint32_t step, double value) {
    series_[index(chart)].add(step, value);
    ++dataVersion_;
}

void GraphModel::writeRangeFields(int chart) {
    Fields& fields = fields_[index(chart)];
    const SampleSeries& series = series_[index(chart)];
    const pages::ValueStyle style = pages::findGraphChannel(selections_[index(chart)])->style;
    fields.minimum = series.empty() ? QStringLiteral("---") : channelNumber(series.minimum, style);
    fields.maximum = series.empty() ? QStringLiteral("---") : channelNumber(series.maximum, style);
    if (reference_ && reference_->offers(chart) && !reference_->series(chart).empty()) {
        fields.minimum += referenceSuffix(chart, reference_->series(chart).minimum);
        fields.maximum += referenceSuffix(chart, reference_->series(chart).maximum);
    }
}

void GraphModel::rebuild() {
    liveExport_.reset();
    exportEnabled_ = true;
    ++dataVersion_;
    for (int chart = 0; chart < kChartCount; ++chart) {
        series_[index(chart)].clear();
        known_[index(chart)].max = span_;
    }
    t_ = 0.0;
    step_ = 0;
    engineStart_.reset();
    h_ = static_cast<int>(span_);
    if (source_.liveValues) {
        readingsAtRebuild_ = readings(*source_.liveValues);
        speedReadingsAtRebuild_ = source_.liveValues->readings(kEngineSpeedSlot);
    }

    // The reference, another whole recording, is read beside this one.
    std::thread referenceLoad;
    if (reference_) referenceLoad = std::thread([this] { reference_->load(selections_); });
    files::RecordingFile* recording = source_.recording;
    if (recording && decodesRecording_) {
        std::optional<RideDecoding> prefetched;
        if (const std::shared_ptr<RidePrefetch> prefetch = std::exchange(source_.prefetch, nullptr))
            prefetched = prefetch->take(recording->path(), recording->recordCount(), selections_, source_.units);
        RideDecoding ride = prefetched ? std::move(*prefetched)
                                       : decodeRide(*recording, selections_, {true, true, true, true},
                                                    *source_.texts, source_.units);
        for (int chart = 0; chart < kChartCount; ++chart) series_[index(chart)] = std::move(ride.series[index(chart)]);
        ++dataVersion_;
        for (; step_ < ride.records; ++step_) t_ += kStep;
        if (10.0 * span_ < t_) known_[0] = {(t_ - 10.0 * span_) / 10.0, t_ / 10.0};
        if (ride.engineStartStep) engineStart_ = SampleSeries::stepSeconds(*ride.engineStartStep);
    }
    if (referenceLoad.joinable()) referenceLoad.join();
    for (int chart = 0; chart < kChartCount; ++chart) {
        writeRangeFields(chart);
        fields_[index(chart)].actual = QStringLiteral("---");
    }
    // The next tick brings the view back to the whole span.
    zoomState_ = ZoomState::Unknown;
    axesChanged_ = true;
    changes_ |= DataChanged | FieldsChanged | ButtonsChanged | AxesChanged;
}

void GraphModel::tick() {
    // 1. Reset-view state, acted on once per change of state.
    if (h_ < static_cast<int>(span_ / 2)) {
        if (zoomState_ != ZoomState::ZoomedIn) {
            zoomState_ = ZoomState::ZoomedIn;
            resetViewEnabled_ = true;
            changes_ |= ButtonsChanged;
        }
    } else if (zoomState_ != ZoomState::Reset) {
        zoomState_ = ZoomState::Reset;
        resetView();
        resetViewEnabled_ = false;
        changes_ |= ButtonsChanged;
    }
    // 2. Read the axes back into the known windows.
    if (axesChanged_) {
        known_ = axis_;
        axesChanged_ = false;
        changes_ |= AxesChanged;
    }
    // 3. Live plotting.
    if (connected_ && !paused_ && source_.liveValues && !source_.recording) {
        // A chart plots from the first reading of its channel after the graph (re)started.
        const std::array<std::uint32_t, kChartCount> now = readings(*source_.liveValues);
        bool plotted = false;
        for (int chart = 0; chart < kChartCount; ++chart) {
            if (now[index(chart)] == readingsAtRebuild_[index(chart)] && series_[index(chart)].empty()) continue;
            const double value = readChannel(*source_.liveValues, selections_[index(chart)]);
            addSample(chart, step_, value);
            writeRangeFields(chart);
            fields_[index(chart)].actual = channelNumber(value, pages::findGraphChannel(selections_[index(chart)])->style);
            if (reference_ && reference_->offers(chart))
                fields_[index(chart)].actual += referenceSuffix(chart, reference_->valueAt(chart, SampleSeries::stepSeconds(step_)));
            plotted = true;
        }
        if (liveExport_ && plotted) {
            // The reference's columns follow when the export started with them in its header.
            files::ExtraCsvFields extra;
            if (liveExportWithReference_) {
                extra = [this](std::string& line, double seconds) {
                    for (int chart = 0; chart < kChartCount; ++chart)
                        files::appendCsvField(line, reference_ && reference_->offers(chart)
                                                        ? reference_->valueAt(chart, seconds)
                                                        : std::nullopt);
                };
            }
            liveExport_->appendLine(*source_.liveValues, selections_, extra, SampleSeries::stepSeconds(step_));
        }
        if (source_.liveValues->readings(kEngineSpeedSlot) != speedReadingsAtRebuild_)
            noteEngineSpeed(source_.liveValues->latest(kEngineSpeedSlot));
        ++step_;
        t_ += kStep;
        if (10.0 * span_ < t_) known_[0] = {(t_ - 10.0 * span_) / 10.0, t_ / 10.0};
        changes_ |= DataChanged | FieldsChanged;
    }
    // 4. The four time axes follow the one that differs.
    synchronise();
}

void GraphModel::synchronise() {
    // Which end differs decides on which end agreement is tested.
    const auto oddOneOut = [this](int odd, int reference, int witness) {
        const TimeWindow& o = known_[index(odd)];
        const TimeWindow& r = known_[index(reference)];
        const TimeWindow& w = known_[index(witness)];
        if (o.max != r.max) return r.max == w.max;
        if (o.min != r.min) return r.min == w.min;
        return false;
    };
    if (oddOneOut(1, 0, 2)) applyToAll(known_[1]);
    if (oddOneOut(0, 1, 2)) applyToAll(known_[0]);
    if (oddOneOut(2, 0, 3)) applyToAll(known_[2]);
    if (oddOneOut(3, 0, 2)) applyToAll(known_[3]);
}

void GraphModel::applyToAll(TimeWindow window) {
    if (accept(window, Kind::Sync)) axis_.fill(window);
    axesChanged_ = true;
    changes_ |= AxesChanged;
}

bool GraphModel::accept(TimeWindow& window, Kind kind) {
    const double end = t_ / 10.0;
    bool refused = window.min < 0.0 || window.min > end;
    if (!refused && (!connected_ || paused_) && kind != Kind::Zoom && window.max > end &&
        h_ == accepted_.h) {
        // A move past the last sample stops there.
        window = {accepted_.window.min, end};
    }
    if (!refused && h_ > t_ / 5.0) refused = true;
    if (refused) {
        h_ = accepted_.h;
        return false;
    }
    if (window.max - window.min < kMinimumWidth) window.max = window.min + kMinimumWidth;
    accepted_ = {window, h_};
    return true;
}

void GraphModel::zoomTo(int chart, TimeWindow window) {
    const double width = window.max - window.min;
    const double end = t_ / 10.0 + 1.0;
    if (window.max > end) window = {end - width, end};
    if (window.min < 0.0) window = {0.0, width};
    if (accept(window, Kind::Zoom)) axis_[index(chart)] = window;
    axesChanged_ = true;
    changes_ |= AxesChanged;
}

void GraphModel::leftClick(int chart, double x) {
    if (h_ <= 2) return;
    h_ /= 2;
    zoomTo(chart, {x - h_, x + h_});
}

void GraphModel::rightClick(int chart, double x) {
    if (h_ < static_cast<int>(span_ / 2)) {
        h_ = (h_ + 1) * 2;
        zoomTo(chart, {x - h_, x + h_});
    } else {
        zoomTo(chart, {0.0, static_cast<double>(span_)});
    }
}

void GraphModel::drag(int chart, double fromX, double toX) {
    const double shift = fromX - toX;
    TimeWindow window = axis_[index(chart)];
    window.min += shift;
    window.max += shift;
    if (accept(window, Kind::Move)) axis_[index(chart)] = window;
    axesChanged_ = true;
    changes_ |= AxesChanged;
}

void GraphModel::resetView() {
    const TimeWindow full{0.0, static_cast<double>(span_)};
    axis_.fill(full);
    h_ = static_cast<int>(span_ / 2);
    accepted_ = {full, h_};
    axesChanged_ = true;
    changes_ |= AxesChanged;
}

void GraphModel::pauseOrResume() {
    if (!paused_) {
        paused_ = true;
    } else {
        paused_ = false;
        resetView();
        rebuild();
    }
    changes_ |= ButtonsChanged;
}

void GraphModel::selectChannel(int chart, int channel) {
    if (pages::findGraphChannel(channel) == nullptr) return;
    selections_[index(chart)] = channel;
    rebuild();
}

bool GraphModel::startLiveExport(const QString& path, const QByteArray& headerLine) {
    auto exporter = std::make_unique<LiveExport>();
    if (!exporter->start(path, headerLine)) return false;
    liveExport_ = std::move(exporter);
    liveExportWithReference_ = reference_ != nullptr;
    exportEnabled_ = false;
    changes_ |= ButtonsChanged;
    return true;
}

QList<QPointF> GraphModel::visiblePoints(int chart, int columns) const {
    const TimeWindow window = axis_[index(chart)];
    return graph::visiblePoints(series_[index(chart)], 0.0, window.min, window.max, columns);
}

QString GraphModel::referenceSuffix(int chart, std::optional<double> value) const {
    const pages::ValueStyle style = pages::findGraphChannel(selections_[index(chart)])->style;
    return QStringLiteral(" / ") + (value ? channelNumber(*value, style) : QStringLiteral("---"));
}

void GraphModel::setReference(std::unique_ptr<ReferenceRide> ride) {
    reference_ = std::move(ride);
    if (reference_) reference_->load(selections_);
    for (int chart = 0; chart < kChartCount; ++chart) writeRangeFields(chart);
    ++dataVersion_;
    changes_ |= DataChanged | FieldsChanged;
}

void GraphModel::clearReference() { setReference(nullptr); }

void GraphModel::setReferenceOffset(double seconds) {
    if (!reference_ || reference_->offset() == seconds) return;
    reference_->setOffset(seconds);
    ++dataVersion_;
    changes_ |= DataChanged;
}

bool GraphModel::alignReferenceAtEngineStart() {
    if (!reference_ || !engineStart_ || !reference_->engineStart()) return false;
    // On whole records, as the offset's own steps go.
    const double shift = *engineStart_ - *reference_->engineStart();
    setReferenceOffset(std::round(shift / kRecordSeconds) * kRecordSeconds);
    return true;
}

QList<QPointF> GraphModel::visibleReferencePoints(int chart, int columns) const {
    if (!reference_ || !reference_->offers(chart)) return {};
    const TimeWindow window = axis_[index(chart)];
    return graph::visiblePoints(reference_->series(chart), reference_->offset(), window.min, window.max, columns);
}

void GraphModel::noteEngineSpeed(double rpm) {
    if (!engineStart_ && rpm > kEngineStartRpm) engineStart_ = SampleSeries::stepSeconds(step_);
}

}  // namespace quilldar::graph
