#pragma once

#include <QList>
#include <QPointF>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "files/csv_export.h"
#include "graph/reference_ride.h"
#include "graph/sample_series.h"
#include "files/recording_file.h"
#include "pages/channel_decoders.h"
#include "pages/graph_channels.h"
#include "settings/language_table.h"
#include "vehicle/live_value_slots.h"
#include "vehicle/unit_settings.h"

namespace quilldar::graph {

class RidePrefetch;

inline constexpr int kChartCount = 4;
// The span when no recording was loaded in this run, in seconds.
inline constexpr unsigned kLiveSpan = 61;
// The narrowest time window an axis takes, in seconds (a few samples of 0.15 s).
inline constexpr double kMinimumWidth = 0.5;

struct TimeWindow {
    double min = 0.0;
    double max = 0.0;
    friend bool operator==(const TimeWindow&, const TimeWindow&) = default;
};

// The full span in seconds for a recording of keptRecordCount records: ⌊(N − 3) × 0.15⌋ + 1,
// 61 when no recording was loaded (0). A recording of fewer than 3 records holds no sample; it
// gets the span of a 3-record one, 1 s, rather than the wrapped-around value of the formula.
unsigned spanSeconds(std::uint32_t keptRecordCount);

// A number field: general format with up to 10 significant digits, "0" after a trailing point.
QString graphNumber(double value);
// A number field in the channel's own style: whole channels as the page writes them (truncated,
// "7492"), the others as graphNumber.
QString channelNumber(double value, pages::ValueStyle style);

// Reads channel's value for the graph: truncated toward zero to three decimals, and the slot keeps
// the truncated value.
double readChannel(vehicle::LiveValueSlots& values, int channel);

// Where the graph's samples come from.
struct GraphSource {
    vehicle::LiveValueSlots* liveValues = nullptr;  // the session's channel table (live plotting)
    files::RecordingFile* recording = nullptr;      // the recording in playback, if any
    std::uint32_t keptRecordCount = 0;              // of the recording loaded last; 0: none
    const settings::LanguageTable* texts = nullptr;
    vehicle::UnitSettings units;
    // The unit whose channels the lists offer in a live graph; a recording names its own.
    pages::ChannelFamily family = pages::ChannelFamily::Engine;
    std::string ecmCode;
    // The recording's ride decoded ahead, taken by the first pass when it fits.
    std::shared_ptr<RidePrefetch> prefetch;
};

// The graph view without its window: four charts of one channel each against time, live or from
// a recording; the time window rules of the mouse, the odd-one-out synchronisation of the four
// time axes, Pause/Resume, Reset view, the number fields and the live CSV export. The window
// draws what this object holds and forwards clicks and drags; a test drives it directly.
class GraphModel {
public:
    enum Change : unsigned {
        DataChanged = 1,    // series rebuilt or extended
        AxesChanged = 2,    // a time axis range changed
        FieldsChanged = 4,  // minimum, maximum or actual texts
        ButtonsChanged = 8, // Reset view, Pause/Resume, Export
    };
    struct Fields {
        QString minimum = QStringLiteral("---");
        QString maximum = QStringLiteral("---");
        QString actual = QStringLiteral("---");
    };

    GraphModel(const GraphSource& source, const files::ChannelSelection& selections);
    ~GraphModel();

    // The opening steps: axes [0, S], the rebuild, Reset view disabled, Pause only when live.
    void open(bool sessionConnected);
    // Whether a live session is connected; the window tells before every tick.
    void setSessionConnected(bool connected) { connected_ = connected; }

    // One timer tick: the reset-view step, reading the axes, live plotting, synchronisation.
    void tick();
    // A channel list changed: the charts start again.
    void selectChannel(int chart, int channel);
    // Mouse actions over chart's plotting area; x in seconds under the pointer.
    void leftClick(int chart, double x);
    void rightClick(int chart, double x);
    // The left button held and moved from the time fromX to toX (both under the current axis).
    void drag(int chart, double fromX, double toX);
    void resetView();
    // "Pause" or "Resume", whichever the button shows.
    void pauseOrResume();
    // Rebuild: series cleared (and refilled from a recording), live export disarmed.
    void rebuild();

    // Starts the live export into path: the file is created with its header line (which names the
    // reference's channels after the graph's own while a reference is shown). False (and not
    // armed) when the file cannot be written.
    bool startLiveExport(const QString& path, const QByteArray& headerLine);
    bool liveExportArmed() const { return liveExport_ != nullptr; }

    // --- state ---
    unsigned span() const { return span_; }
    int halfWidth() const { return h_; }
    double nextTime() const { return t_; }  // tenths of a second
    bool paused() const { return paused_; }
    bool recorded() const { return source_.recording != nullptr; }
    files::RecordingFile* recording() const { return source_.recording; }
    TimeWindow axis(int chart) const { return axis_[index(chart)]; }
    const files::ChannelSelection& selections() const { return selections_; }
    // The channels the lists offer, in list order.
    const std::vector<const pages::GraphChannel*>& offered() const { return offered_; }
    // The chart's samples: only records (live: ticks) that carried a reading of its channel add
    // one, at the time of that record.
    const std::vector<double>& values(int chart) const { return series_[index(chart)].values; }
    const SampleSeries& series(int chart) const { return series_[index(chart)]; }
    // The time of the chart's sample i in seconds.
    double sampleTime(int chart, std::size_t i) const {
        return SampleSeries::stepSeconds(series_[index(chart)].steps[i]);
    }
    // When the engine first turned above 500 rpm, in seconds; none while it has not.
    std::optional<double> engineStart() const { return engineStart_; }
    const Fields& fields(int chart) const { return fields_[index(chart)]; }
    // The smallest and largest value of the chart's series (0, 0 when it is empty).
    double minimum(int chart) const { return series_[index(chart)].minimum; }
    double maximum(int chart) const { return series_[index(chart)].maximum; }
    bool resetViewEnabled() const { return resetViewEnabled_; }
    bool pauseEnabled() const { return pauseEnabled_; }
    bool exportEnabled() const { return exportEnabled_; }
    // Counts changes of the series (rebuilds and added samples): a window redraws a chart only
    // when this or its time window changed.
    std::uint64_t dataVersion() const { return dataVersion_; }
    // What changed since the last call (Change bits).
    unsigned takeChanges();

    // The points to draw for the chart's visible window on a plot of `columns` pixel columns: all
    // samples when they fit, else each column's minimum and maximum in time order, so that no
    // peak is lost. One sample beyond each edge keeps the line running to the border.
    QList<QPointF> visiblePoints(int chart, int columns) const;

    // --- a reference ride drawn behind the graph's own ---
    // Takes the ride (read at once for the four channels) in place of any other; zoom, drag and
    // Reset view move it with the charts, and the fields show its numbers after the graph's own.
    void setReference(std::unique_ptr<ReferenceRide> ride);
    void clearReference();
    const ReferenceRide* reference() const { return reference_.get(); }
    void setReferenceOffset(double seconds);
    // Shifts the reference so that its engine start meets the graph's; false (nothing moved) when
    // either engine never started.
    bool alignReferenceAtEngineStart();
    // The reference's points for the chart's visible window, as visiblePoints; none without one.
    QList<QPointF> visibleReferencePoints(int chart, int columns) const;

private:
    enum class Kind { Zoom, Move, Sync };
    enum class ZoomState { Unknown, ZoomedIn, Reset };
    static std::size_t index(int chart) { return static_cast<std::size_t>(chart); }
    // Rules 5a to 5e; true when the axis took the window (adjusted in place).
    bool accept(TimeWindow& window, Kind kind);
    void zoomTo(int chart, TimeWindow window);
    void applyToAll(TimeWindow window);
    void synchronise();
    void addSample(int chart, std::uint32_t step, double value);
    // Engine speed read at the current step: the first above 500 rpm marks the engine start.
    void noteEngineSpeed(double rpm);
    void writeRangeFields(int chart);
    // " / x" for the reference's number x of the chart, or nothing.
    QString referenceSuffix(int chart, std::optional<double> value) const;
    // The slot of the chart's channel, and how many readings it has held.
    std::size_t slotOf(int chart) const;
    std::array<std::uint32_t, kChartCount> readings(const vehicle::LiveValueSlots& values) const;

    GraphSource source_;
    bool decodesRecording_ = false;
    files::ChannelSelection selections_;
    std::vector<const pages::GraphChannel*> offered_;
    unsigned span_ = kLiveSpan;
    double t_ = 0.0;
    std::uint32_t step_ = 0;  // records (live: ticks) plotted since the rebuild
    // The live slots' reading counts at the rebuild: a chart plots once its channel has a reading.
    std::array<std::uint32_t, kChartCount> readingsAtRebuild_{};
    std::uint32_t speedReadingsAtRebuild_ = 0;
    int h_ = 0;
    std::array<TimeWindow, kChartCount> known_{};
    std::array<TimeWindow, kChartCount> axis_{};
    struct Accepted {
        TimeWindow window;
        int h = 0;
    } accepted_;
    bool paused_ = false;
    bool connected_ = false;
    bool axesChanged_ = false;
    ZoomState zoomState_ = ZoomState::Unknown;
    bool resetViewEnabled_ = false;
    bool pauseEnabled_ = false;
    bool exportEnabled_ = true;
    std::array<SampleSeries, kChartCount> series_;
    std::optional<double> engineStart_;
    std::unique_ptr<ReferenceRide> reference_;
    bool liveExportWithReference_ = false;  // the live export's header names the reference's channels
    std::array<Fields, kChartCount> fields_;
    std::unique_ptr<class LiveExport> liveExport_;
    unsigned changes_ = 0;
    std::uint64_t dataVersion_ = 0;
};

}  // namespace quilldar::graph
