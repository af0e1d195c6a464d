#pragma once

#include <QColor>
#include <QDialog>
#include <QString>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

#include "graph/graph_model.h"

class QChart;
class QComboBox;
class QLabel;
class QLineSeries;
class QPushButton;
class QValueAxis;

namespace quilldar::app {
class AppContext;
}

namespace quilldar::gui {

class GraphChartView;
class ReferenceBar;

// Where a value axis runs and its tick step: round ticks that take in the data, from 0 when the
// data never goes below 0.
struct ValueAxisLayout {
    double low;
    double high;
    double step;
    QString labelFormat;  // printf-style, as many decimals as the step has
};
ValueAxisLayout valueAxisLayout(double minimum, double maximum, bool empty);
// The time axis's tick step for a window this wide, and its label format.
struct TimeAxisLayout {
    double step;
    QString labelFormat;
};
TimeAxisLayout timeAxisLayout(double width);
// The colour of chart's channel names on its list.
QColor channelListTextColour(int chart);

// The graph view: four charts of one selectable channel each against time, stacked, with their
// minimum, maximum and actual values, Pause/Resume, Reset view, Export and help. A thin window
// over GraphModel: it draws the model's decimated points for the visible window with one
// replace() per chart, and forwards clicks, drags and the timer tick.
class CDlgGraph : public QDialog {
    Q_OBJECT
public:
    // recording: the recording in playback (its graph is drawn at once), or null for a live
    // graph; workingFolder: where the export's working files go.
    // prefetch: the recording's ride decoded ahead, if any (used when it fits).
    CDlgGraph(app::AppContext& context, files::RecordingFile* recording,
              std::uint32_t keptRecordCount, const QString& workingFolder,
              QWidget* parent = nullptr, std::shared_ptr<graph::RidePrefetch> prefetch = nullptr);
    ~CDlgGraph() override;

    graph::GraphModel& model() { return *model_; }
    // One period of the timer (100 ms live, 10 ms otherwise).
    void tick();
    // The chart views, top to bottom; the range of a chart's time axis as drawn.
    QWidget* chartView(int chart) const;
    graph::TimeWindow drawnTimeAxis(int chart) const;
    int timerInterval() const { return timer_.interval(); }
    QTimer& timer() { return timer_; }
    ReferenceBar& referenceBar() const { return *referenceBar_; }
    // How the reference ride is chosen: the program's file browser; a test answers with a path
    // (empty: cancelled).
    using ReferenceChooser = std::function<QString(QWidget* parent)>;
    void setReferenceChooser(ReferenceChooser chooser) { chooseReference_ = std::move(chooser); }
    // Lays the recording at path over the charts as the reference (a note says when it cannot).
    void compareWith(const QString& path);

protected:
    bool focusNextPrevChild(bool) override { return false; }  // the Tab key does nothing

private:
    // One chart and its channel list; the list goes on `side`, beside the chart.
    void buildChart(int chart, QWidget* side);
    void syncFromModel();
    void redrawSeries(int chart);
    void applyTexts();
    void exportPressed();
    void showHelp();
    void tellCannotWrite(const QString& path);
    void clearReference();
    // The legend and the note on what the reference lacks.
    void showReference();
    files::CsvExportOptions exportOptions() const;

    app::AppContext& context_;
    QString workingFolder_;
    std::unique_ptr<graph::GraphModel> model_;
    QTimer timer_;
    bool textsApplied_ = false;
    struct ChartParts {
        GraphChartView* view = nullptr;
        QChart* chart = nullptr;
        QLineSeries* series = nullptr;
        QLineSeries* referenceSeries = nullptr;  // the reference ride, dashed
        QValueAxis* timeAxis = nullptr;
        QValueAxis* valueAxis = nullptr;
        QComboBox* channels = nullptr;
        std::array<QLabel*, 3> labels{};
        std::array<QLabel*, 3> fields{};
        // What the series was last drawn from.
        graph::TimeWindow drawnWindow;
        std::uint64_t drawnVersion = ~std::uint64_t{0};
        int drawnColumns = 0;
    };
    std::array<ChartParts, graph::kChartCount> charts_{};
    QPushButton* pauseButton_ = nullptr;
    QPushButton* resetButton_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    ReferenceBar* referenceBar_ = nullptr;
    ReferenceChooser chooseReference_;
    // The reference ride's file, open while the model shows it.
    std::unique_ptr<files::RecordingFile> referenceFile_;
};

// The Graph view command's dialog part: runs CDlgGraph modally over the parent (with the
// recording at referencePath as its reference, if one is given) and returns the channels it
// showed when it closed.
files::ChannelSelection runGraphDialog(QWidget* parent, app::AppContext& context,
                                       files::RecordingFile* recording,
                                       std::uint32_t keptRecordCount, const QString& workingFolder,
                                       const QString& referencePath = QString(),
                                       std::shared_ptr<graph::RidePrefetch> prefetch = nullptr);

}  // namespace quilldar::gui
