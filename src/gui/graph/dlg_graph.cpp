#include "gui/graph/dlg_graph.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFileInfo>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QValueAxis>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

#include "context/app_context.h"
#include "files/file_browser_mode.h"
#include "graph/graph_export.h"
#include "gui/files/run_file_browser.h"
#include "gui/graph/dlg_graph_help.h"
#include "gui/graph/reference_bar.h"
#include "gui/widgets/dialog_style.h"
#include "pages/channel_decoders.h"
#include "pages/page_texts.h"
#include "settings/code_page.h"
#include "settings/languages.h"

namespace quilldar::gui {

namespace {

constexpr int kLiveTickMs = 100;
constexpr int kRecordedTickMs = 10;
const QColor kGridColour(140, 130, 30);
const std::array<QColor, graph::kChartCount> kLineColours = {
    QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255), QColor(255, 0, 255)};
// The channel names in their chart's colour, lightened where the pure colour would be hard to
// read on the list's dark grey (the contrast stays above 4.5:1).
const std::array<QColor, graph::kChartCount> kListTextColours = {
    QColor(255, 128, 128), QColor(0, 255, 0), QColor(160, 160, 255), QColor(255, 128, 255)};

// Time steps on whole seconds and the usual divisions of a minute; value steps 1, 2, 2.5, 5 ×10ⁿ.
constexpr double kTimeSteps[] = {0.1, 0.2, 0.5, 1, 2, 5, 10, 15, 30, 60, 120, 300, 600, 900, 1800, 3600, 7200, 14400};
constexpr int kMostTimeIntervals = 6;
constexpr int kMostValueIntervals = 5;

double timeStep(double width) {
    for (const double step : kTimeSteps) {
        if (width / step <= kMostTimeIntervals) return step;
    }
    return std::ceil(width / kMostTimeIntervals / 3600.0) * 3600.0;
}

double valueStep(double range) {
    if (!(range > 0.0) || !std::isfinite(range)) return 1.0;
    const double magnitude = std::pow(10.0, std::floor(std::log10(range / kMostValueIntervals)));
    for (const double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (range / (factor * magnitude) <= kMostValueIntervals) return factor * magnitude;
    }
    return 10.0 * magnitude;
}

// As many decimals as the step has (0.25 needs two), so that every tick reads exactly.
QString labelFormat(double step) {
    int decimals = 0;
    for (double scaled = step; decimals < 6 && std::abs(scaled - std::round(scaled)) > 1e-9 * std::max(1.0, scaled);
         scaled *= 10.0)
        ++decimals;
    return QStringLiteral("%.%1f").arg(decimals);
}

// An axis lays its chart out again, and the chart is painted again, whenever its label format
// or title is set, even to what it already is: both are set only when they change.
void setTicks(QValueAxis* axis, double step, const QString& format) {
    if (axis->tickInterval() != step) axis->setTickInterval(step);
    if (axis->labelFormat() != format) axis->setLabelFormat(format);
}

void setTitle(QValueAxis* axis, const QString& title) {
    if (axis->titleText() != title) axis->setTitleText(title);
}

}  // namespace

ValueAxisLayout valueAxisLayout(double minimum, double maximum, bool empty) {
    if (empty || !std::isfinite(minimum) || !std::isfinite(maximum)) return {0.0, 1.0, 0.25, labelFormat(0.25)};
    // An axis of values that never go below zero starts at zero.
    double low = std::min(minimum, 0.0);
    double high = maximum;
    if (minimum < 0.0 && maximum < 0.0) high = 0.0;
    if (high <= low) high = low + 1.0;
    const double step = valueStep(high - low);
    low = std::floor(low / step + 1e-9) * step;
    high = std::ceil(high / step - 1e-9) * step;
    if (high <= low) high = low + step;
    return {low, high, step, labelFormat(step)};
}

TimeAxisLayout timeAxisLayout(double width) {
    const double step = timeStep(width);
    return {step, labelFormat(step)};
}

QColor channelListTextColour(int chart) { return kListTextColours[static_cast<std::size_t>(chart)]; }

// One chart: turns pointer positions over the plotting area into times and reports clicks
// (a release without movement) and drags of the left button. The wheel does nothing.
class GraphChartView : public QChartView {
public:
    std::function<void(double)> leftClicked;
    std::function<void(double)> rightClicked;
    std::function<void(double, double)> dragged;

    GraphChartView(QChart* chart, QWidget* parent) : QChartView(chart, parent) {
        setRenderHint(QPainter::Antialiasing, false);
        setRubberBand(QChartView::NoRubberBand);
        installEventFilter(this);
    }

    // The chart draws in fixed colours, in an active window and in another. Told that its window
    // became active, it would lay the whole chart out again and paint it once more: the first
    // time just after the window's first paint.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == this && (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate))
            return true;
        return QChartView::eventFilter(watched, event);
    }

    bool overPlotArea(const QPoint& pos) const {
        return chart()->plotArea().contains(chart()->mapFromScene(mapToScene(pos)));
    }
    double timeAt(const QPoint& pos) const {
        return chart()->mapToValue(chart()->mapFromScene(mapToScene(pos))).x();
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            leftDown_ = overPlotArea(event->position().toPoint());
            moved_ = false;
            last_ = event->position().toPoint();
        }
        event->accept();
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        const QPoint pos = event->position().toPoint();
        if (leftDown_ && (event->buttons() & Qt::LeftButton) && pos != last_) {
            moved_ = true;
            // Both times under the axis as it stands, so the curve follows the pointer.
            if (dragged) dragged(timeAt(last_), timeAt(pos));
            last_ = pos;
        }
        event->accept();
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        const QPoint pos = event->position().toPoint();
        if (event->button() == Qt::LeftButton) {
            if (leftDown_ && !moved_ && overPlotArea(pos) && leftClicked) leftClicked(timeAt(pos));
            leftDown_ = false;
        } else if (event->button() == Qt::RightButton && overPlotArea(pos) && rightClicked) {
            rightClicked(timeAt(pos));
        }
        event->accept();
    }
    void wheelEvent(QWheelEvent* event) override { event->accept(); }

private:
    bool leftDown_ = false;
    bool moved_ = false;
    QPoint last_;
};

CDlgGraph::CDlgGraph(app::AppContext& context, files::RecordingFile* recording,
                     std::uint32_t keptRecordCount, const QString& workingFolder, QWidget* parent,
                     std::shared_ptr<graph::RidePrefetch> prefetch)
    : QDialog(parent), context_(context), workingFolder_(workingFolder) {
    setObjectName(QStringLiteral("graphView"));
    // Each chart's list draws its text in the chart's colour, light enough to read on the list:
    // one sheet for the whole window, which styles each widget once.
    QString sheet = dialogStyleSheet();
    for (int chart = 0; chart < graph::kChartCount; ++chart)
        sheet += QStringLiteral("#channels%1, #channels%1 QAbstractItemView { color: %2; }")
                     .arg(chart)
                     .arg(channelListTextColour(chart).name());
    setStyleSheet(sheet);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setSizeGripEnabled(true);
    resize(900, 680);

    graph::GraphSource source;
    source.liveValues = &context_.liveValues();
    source.recording = recording;
    source.keptRecordCount = keptRecordCount;
    source.texts = &context_.languageTable();
    source.units = pages::unitSettings(context_.settings());
    // The lists offer the channels of the session's unit (a recording names its own).
    source.family = pages::familyOfUnit(context_.state().systemKind);
    source.ecmCode = context_.ecm().code.toStdString();
    source.prefetch = std::move(prefetch);
    files::ChannelSelection selections;
    std::copy(context_.settings().chartChannels.begin(), context_.settings().chartChannels.end(),
              selections.begin());
    model_ = std::make_unique<graph::GraphModel>(source, selections);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    for (int chart = 0; chart < graph::kChartCount; ++chart) {
        // The list and the fields are made on the widget they stay on: moving them there later
        // would style each of them again.
        auto* sideWidget = new QWidget(this);
        buildChart(chart, sideWidget);
        auto* row = new QHBoxLayout;
        row->addWidget(charts_[static_cast<std::size_t>(chart)].view, 1);
        auto* side = new QGridLayout(sideWidget);
        ChartParts& parts = charts_[static_cast<std::size_t>(chart)];
        side->addWidget(parts.channels, 0, 0, 1, 2);
        for (int field = 0; field < 3; ++field) {
            parts.labels[static_cast<std::size_t>(field)] = new QLabel(sideWidget);
            parts.fields[static_cast<std::size_t>(field)] = new QLabel(QStringLiteral("---"), sideWidget);
            parts.fields[static_cast<std::size_t>(field)]->setObjectName(
                QStringLiteral("field%1_%2").arg(chart).arg(field));
            side->addWidget(parts.labels[static_cast<std::size_t>(field)], field + 1, 0);
            side->addWidget(parts.fields[static_cast<std::size_t>(field)], field + 1, 1);
        }
        side->setRowStretch(4, 1);
        sideWidget->setFixedWidth(230);
        row->addWidget(sideWidget);
        layout->addLayout(row, 1);  // each chart a quarter of the height
    }
    referenceBar_ = new ReferenceBar(this);
    layout->addWidget(referenceBar_);
    chooseReference_ = [this](QWidget* parent) {
        return runFileBrowser(parent, context_, files::FileBrowserMode::Open).value_or(QString());
    };
    connect(referenceBar_, &ReferenceBar::compareClicked, this, [this] {
        const QString path = chooseReference_(this);
        if (!path.isEmpty()) compareWith(path);
    });
    connect(referenceBar_, &ReferenceBar::clearClicked, this, [this] { clearReference(); });
    connect(referenceBar_, &ReferenceBar::offsetChanged, this, [this](double seconds) {
        model_->setReferenceOffset(seconds);
        syncFromModel();
    });
    connect(referenceBar_, &ReferenceBar::alignClicked, this, [this] {
        const bool aligned = model_->alignReferenceAtEngineStart();
        showReference();
        if (!aligned) referenceBar_->showNote(context_.languageTable().text(settings::GraphText::NoEngineStart));
        syncFromModel();
    });
    auto* buttons = new QHBoxLayout;
    pauseButton_ = new QPushButton(this);
    pauseButton_->setObjectName(QStringLiteral("pauseButton"));
    resetButton_ = new QPushButton(this);
    resetButton_->setObjectName(QStringLiteral("resetViewButton"));
    exportButton_ = new QPushButton(this);
    exportButton_->setObjectName(QStringLiteral("exportButton"));
    helpButton_ = new QPushButton(QStringLiteral("?"), this);
    helpButton_->setObjectName(QStringLiteral("helpButton"));
    for (QPushButton* b : {pauseButton_, resetButton_, exportButton_}) {
        b->setMinimumWidth(90);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    buttons->addWidget(helpButton_);
    layout->addLayout(buttons);

    connect(pauseButton_, &QPushButton::clicked, this, [this] {
        model_->pauseOrResume();
        syncFromModel();
    });
    connect(resetButton_, &QPushButton::clicked, this, [this] {
        model_->resetView();
        syncFromModel();
    });
    connect(exportButton_, &QPushButton::clicked, this, [this] { exportPressed(); });
    connect(helpButton_, &QPushButton::clicked, this, [this] { showHelp(); });

    const bool live = context_.state().connected != 0 && recording == nullptr;
    model_->open(live);
    applyTexts();  // the language texts again on the first tick
    syncFromModel();
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    timer_.start(live ? kLiveTickMs : kRecordedTickMs);
}

CDlgGraph::~CDlgGraph() {
    // The charts go with the base class, after the model: they must not call back into it.
    timer_.stop();
    model_->clearReference();
    for (ChartParts& parts : charts_) QObject::disconnect(parts.chart, nullptr, this, nullptr);
}

void CDlgGraph::buildChart(int index, QWidget* side) {
    ChartParts& parts = charts_[static_cast<std::size_t>(index)];
    const QColor colour = kLineColours[static_cast<std::size_t>(index)];
    parts.chart = new QChart;
    parts.chart->legend()->hide();
    parts.chart->setBackgroundBrush(Qt::black);
    parts.chart->setBackgroundPen(QPen(Qt::white));
    parts.chart->setBackgroundRoundness(0);
    parts.chart->setPlotAreaBackgroundVisible(false);
    parts.chart->setMargins(QMargins(2, 2, 2, 2));
    parts.series = new QLineSeries;
    parts.series->setPen(QPen(colour, 2));
    parts.chart->addSeries(parts.series);
    // The reference ride behind it: thinner, dashed, in the same colour.
    parts.referenceSeries = new QLineSeries;
    parts.referenceSeries->setPen(QPen(colour, 1, Qt::DashLine));
    parts.chart->addSeries(parts.referenceSeries);
    const auto styleAxis = [](QValueAxis* axis) {
        axis->setLabelsColor(Qt::white);
        axis->setLinePenColor(Qt::white);
        axis->setGridLineColor(kGridColour);
        axis->setMinorGridLineVisible(false);
        axis->setLabelFormat(QStringLiteral("%g"));
        // Short numbers never need an ellipsis; the layout makes room for them.
        axis->setTruncateLabels(false);
    };
    parts.timeAxis = new QValueAxis;
    styleAxis(parts.timeAxis);
    parts.timeAxis->setTitleBrush(QBrush(Qt::white));
    // Ticks on round values from 0 (0, 15, 30 s; 0, 2000, 4000 rpm), whatever the range.
    parts.timeAxis->setTickType(QValueAxis::TicksDynamic);
    parts.timeAxis->setTickAnchor(0.0);
    parts.valueAxis = new QValueAxis;
    styleAxis(parts.valueAxis);
    parts.valueAxis->setTickType(QValueAxis::TicksDynamic);
    parts.valueAxis->setTickAnchor(0.0);
    // The channel's unit beside its axis.
    parts.valueAxis->setTitleBrush(QBrush(Qt::white));
    QFont titleFont = parts.valueAxis->titleFont();
    titleFont.setPointSizeF(std::max(7.0, titleFont.pointSizeF() - 1.0));
    parts.valueAxis->setTitleFont(titleFont);
    parts.timeAxis->setTitleFont(titleFont);
    parts.chart->addAxis(parts.timeAxis, Qt::AlignBottom);
    parts.chart->addAxis(parts.valueAxis, Qt::AlignLeft);
    for (QLineSeries* series : {parts.series, parts.referenceSeries}) {
        series->attachAxis(parts.timeAxis);
        series->attachAxis(parts.valueAxis);
    }

    // A resized plot gets as many decimated columns as it has pixels; queued, because drawing a
    // series may itself move the plot area (wider axis labels).
    connect(parts.chart, &QChart::plotAreaChanged, this, [this, index] { redrawSeries(index); },
            Qt::QueuedConnection);
    parts.view = new GraphChartView(parts.chart, this);
    parts.view->setObjectName(QStringLiteral("chart%1").arg(index));
    parts.view->setMinimumHeight(90);
    parts.view->setBackgroundBrush(Qt::black);
    parts.view->leftClicked = [this, index](double x) {
        model_->leftClick(index, x);
        syncFromModel();
    };
    parts.view->rightClicked = [this, index](double x) {
        model_->rightClick(index, x);
        syncFromModel();
    };
    parts.view->dragged = [this, index](double from, double to) {
        model_->drag(index, from, to);
        syncFromModel();
    };

    parts.channels = new QComboBox(side);
    parts.channels->setObjectName(QStringLiteral("channels%1").arg(index));
    for (const pages::GraphChannel* channel : model_->offered()) parts.channels->addItem(QString(), channel->number);
    parts.channels->setCurrentIndex(parts.channels->findData(model_->selections()[static_cast<std::size_t>(index)]));
    connect(parts.channels, &QComboBox::currentIndexChanged, this, [this, index](int item) {
        const int channel = item < 0 ? -1 : charts_[static_cast<std::size_t>(index)].channels->itemData(item).toInt();
        if (channel < 0 || channel == model_->selections()[static_cast<std::size_t>(index)]) return;
        model_->selectChannel(index, channel);
        if (model_->reference() != nullptr) showReference();
        syncFromModel();
    });
}

QWidget* CDlgGraph::chartView(int chart) const {
    return charts_[static_cast<std::size_t>(chart)].view;
}

graph::TimeWindow CDlgGraph::drawnTimeAxis(int chart) const {
    const QValueAxis* axis = charts_[static_cast<std::size_t>(chart)].timeAxis;
    return {axis->min(), axis->max()};
}

void CDlgGraph::tick() {
    if (!textsApplied_ || context_.languageTable().takeRefresh(settings::TextGroup::GraphView)) {
        applyTexts();
        textsApplied_ = true;
    }
    model_->setSessionConnected(context_.state().connected != 0);
    model_->tick();
    syncFromModel();
}

void CDlgGraph::applyTexts() {
    const settings::LanguageTable& texts = context_.languageTable();
    setWindowTitle(texts.text(settings::GraphText::Title));
    referenceBar_->applyTexts(texts);
    showReference();
    for (ChartParts& parts : charts_) {
        parts.labels[0]->setText(texts.text(settings::GraphText::Minimum));
        parts.labels[1]->setText(texts.text(settings::GraphText::Maximum));
        parts.labels[2]->setText(texts.text(settings::GraphText::Actual));
        const QSignalBlocker blocker(parts.channels);
        for (int item = 0; item < parts.channels->count(); ++item) {
            // An item set to the text it has lays the window out again.
            const QString name = pages::channelName(texts, parts.channels->itemData(item).toInt());
            if (parts.channels->itemText(item) != name) parts.channels->setItemText(item, name);
        }
    }
    pauseButton_->setText(texts.text(model_->paused() ? settings::GraphText::Resume
                                                      : settings::GraphText::Pause));
    resetButton_->setText(texts.text(settings::GraphText::ResetView));
    exportButton_->setText(texts.text(settings::GraphText::Export));
}

void CDlgGraph::redrawSeries(int chart) {
    ChartParts& parts = charts_[static_cast<std::size_t>(chart)];
    const graph::TimeWindow window = model_->axis(chart);
    parts.timeAxis->setRange(window.min, window.max);
    const int columns = std::max(1, static_cast<int>(parts.chart->plotArea().width()));
    // Only a chart whose data, window or width changed is drawn again.
    if (window == parts.drawnWindow && parts.drawnVersion == model_->dataVersion() &&
        columns == parts.drawnColumns)
        return;
    const bool widthChanged = window.max - window.min != parts.drawnWindow.max - parts.drawnWindow.min;
    parts.drawnWindow = window;
    parts.drawnVersion = model_->dataVersion();
    parts.drawnColumns = columns;
    parts.series->replace(model_->visiblePoints(chart, columns));
    parts.referenceSeries->replace(model_->visibleReferencePoints(chart, columns));
    if (widthChanged || parts.timeAxis->tickInterval() <= 0.0) {
        const TimeAxisLayout time = timeAxisLayout(window.max - window.min);
        setTicks(parts.timeAxis, time.step, time.labelFormat);
    }
    // The value axis follows the data on round ticks.
    const int channel = model_->selections()[static_cast<std::size_t>(chart)];
    // The axis takes in the reference's values as well.
    bool anyData = !model_->values(chart).empty();
    double low = model_->minimum(chart), high = model_->maximum(chart);
    if (const graph::ReferenceRide* reference = model_->reference();
        reference != nullptr && reference->offers(chart) && !reference->series(chart).empty()) {
        const graph::SampleSeries& series = reference->series(chart);
        low = anyData ? std::min(low, series.minimum) : series.minimum;
        high = anyData ? std::max(high, series.maximum) : series.maximum;
        anyData = true;
    }
    const bool isSwitch = pages::findGraphChannel(channel)->style == pages::ValueStyle::Switch;
    // A switch reads 0 or 1 and nothing between.
    const ValueAxisLayout values =
        isSwitch ? ValueAxisLayout{0.0, 1.0, 1.0, QStringLiteral("%.0f")}
                 : valueAxisLayout(low, high, !anyData);
    parts.valueAxis->setRange(values.low, values.high);
    setTicks(parts.valueAxis, values.step, values.labelFormat);
    const settings::LanguageTable& texts = context_.languageTable();
    setTitle(parts.valueAxis, pages::channelUnit(texts, channel));
    // The seconds under the lowest chart name the time axes of all four.
    if (chart == graph::kChartCount - 1) setTitle(parts.timeAxis, texts.text(settings::MainText::Seconds).trimmed());
    // A name too long for its list reads whole in the tooltip.
    parts.channels->setToolTip(parts.channels->currentText());
}

void CDlgGraph::syncFromModel() {
    const unsigned changes = model_->takeChanges();
    if (changes & (graph::GraphModel::DataChanged | graph::GraphModel::AxesChanged)) {
        for (int chart = 0; chart < graph::kChartCount; ++chart) redrawSeries(chart);
    }
    if (changes & graph::GraphModel::FieldsChanged) {
        for (int chart = 0; chart < graph::kChartCount; ++chart) {
            const graph::GraphModel::Fields& fields = model_->fields(chart);
            ChartParts& parts = charts_[static_cast<std::size_t>(chart)];
            parts.fields[0]->setText(fields.minimum);
            parts.fields[1]->setText(fields.maximum);
            parts.fields[2]->setText(fields.actual);
        }
    }
    if (changes & graph::GraphModel::ButtonsChanged) {
        const settings::LanguageTable& texts = context_.languageTable();
        resetButton_->setEnabled(model_->resetViewEnabled());
        pauseButton_->setEnabled(model_->pauseEnabled());
        pauseButton_->setText(texts.text(model_->paused() ? settings::GraphText::Resume
                                                          : settings::GraphText::Pause));
        exportButton_->setEnabled(model_->exportEnabled());
    }
}

files::CsvExportOptions CDlgGraph::exportOptions() const {
    files::CsvExportOptions options;
    options.channels = model_->selections();
    options.units = pages::unitSettings(context_.settings());
    options.texts = &context_.languageTable();
    const int language = settings::isKnownLanguage(context_.settings().languageIndex)
                             ? context_.settings().languageIndex
                             : settings::kEnglish;
    options.encode = [language](const QString& text) {
        return settings::encodeForLanguage(language, text);
    };
    return options;
}

void CDlgGraph::compareWith(const QString& path) {
    auto file = std::make_unique<files::RecordingFile>();
    const files::LoadResult loaded = file->load(path);
    if (loaded != files::LoadResult::Loaded) {
        const settings::LanguageTable& texts = context_.languageTable();
        referenceBar_->showNote(texts.text(loaded == files::LoadResult::CannotOpen ? settings::MainText::FileLocked
                                                                                    : settings::MainText::FileCorrupted));
        return;
    }
    model_->setReference(std::make_unique<graph::ReferenceRide>(*file, QFileInfo(path).fileName(),
                                                                context_.languageTable(),
                                                                pages::unitSettings(context_.settings())));
    referenceFile_ = std::move(file);  // the old one only after the model let go of it
    showReference();
    syncFromModel();
}

void CDlgGraph::clearReference() {
    model_->clearReference();
    referenceFile_.reset();
    referenceBar_->showNote({});
    showReference();
    syncFromModel();
}

void CDlgGraph::showReference() {
    const graph::ReferenceRide* reference = model_->reference();
    const settings::LanguageTable& texts = context_.languageTable();
    if (reference == nullptr) {
        referenceBar_->showReference({}, {}, 0.0);
        return;
    }
    const QString mainName = model_->recorded() ? QFileInfo(model_->recording()->path()).fileName()
                                                : texts.text(settings::GraphText::LiveSession);
    referenceBar_->showReference(mainName, reference->name(), reference->offset());
    // The channels the reference's unit does not have are left out of it, and said so.
    QStringList missing;
    for (int chart = 0; chart < graph::kChartCount; ++chart) {
        const QString name = pages::channelName(texts, model_->selections()[static_cast<std::size_t>(chart)]);
        if (!reference->offers(chart) && !missing.contains(name)) missing << name;
    }
    referenceBar_->showNote(missing.isEmpty() ? QString()
                                              : texts.text(settings::GraphText::NotInReference)
                                                    .arg(missing.join(QStringLiteral(", "))));
}

void CDlgGraph::exportPressed() {
    files::CsvExportOptions options = exportOptions();
    if (const graph::ReferenceRide* reference = model_->reference())
        graph::addReferenceColumns(options, *reference, context_.languageTable());
    const QDir folder(workingFolder_);
    if (!model_->recorded()) {
        const QString path = folder.filePath(QStringLiteral("Quilldar_Export.CSV"));
        QString header = files::csvHeader(options.channels, *options.texts);
        for (const QString& name : options.extraHeader) header += QLatin1Char(';') + name;
        if (!model_->startLiveExport(path, options.encode(header)))
            tellCannotWrite(path);
        syncFromModel();
        return;
    }
    const std::optional<QString> target = runFileBrowser(this, context_, files::FileBrowserMode::Export);
    if (!target) return;
    files::RecordingFile* recording = model_->recording();
    vehicle::LiveValueSlots values;
    pages::ChannelDecoders decoders(values, context_.languageTable(), pages::slotsOf(options.channels));
    const graph::ExportResult result = graph::exportRecordingToFile(
        *recording, decoders, values, options, folder.filePath(QStringLiteral("Quilldar_Temp.QLX")),
        *target);
    if (result != graph::ExportResult::Written) tellCannotWrite(*target);
}

void CDlgGraph::tellCannotWrite(const QString& path) {
    QMessageBox::warning(this, QString(),
                         context_.languageTable().text(settings::MainText::FileNotWritten).arg(QDir::toNativeSeparators(path)));
}

void CDlgGraph::showHelp() {
    CDlgGraphHelp help(context_.languageTable(), this);
    help.exec();
}

files::ChannelSelection runGraphDialog(QWidget* parent, app::AppContext& context,
                                       files::RecordingFile* recording,
                                       std::uint32_t keptRecordCount, const QString& workingFolder,
                                       const QString& referencePath,
                                       std::shared_ptr<graph::RidePrefetch> prefetch) {
    CDlgGraph dialog(context, recording, keptRecordCount, workingFolder, parent, std::move(prefetch));
    if (!referencePath.isEmpty()) dialog.compareWith(referencePath);
    dialog.exec();
    return dialog.model().selections();
}

}  // namespace quilldar::gui
