#pragma once

#include <QList>
#include <QPointF>

#include <cstdint>
#include <optional>
#include <vector>

namespace quilldar::graph {

// The narrowest time window an axis takes, and one record's time, in seconds.
inline constexpr double kRecordSeconds = 0.15;
// Engine speed is the engine's channel 0, kept in slot 0; above this rpm the engine has started.
inline constexpr std::size_t kEngineSpeedSlot = 0;
inline constexpr double kEngineStartRpm = 500.0;

// The samples of one chart: a value and the record (step) it came from, in record order.
struct SampleSeries {
    std::vector<double> values;
    std::vector<std::uint32_t> steps;
    double minimum = 0.0;
    double maximum = 0.0;
    // Each block of kBlock samples' lowest and highest sample (the first of equal ones), kept as
    // samples come: a pixel column over thousands of samples reads their blocks, not each one.
    static constexpr std::size_t kBlock = 64;
    std::vector<std::uint32_t> blockLow;
    std::vector<std::uint32_t> blockHigh;

    bool empty() const { return values.empty(); }
    void clear();
    void reserve(std::size_t count);
    void add(std::uint32_t step, double value);
    // The samples of a later part of the same ride after these.
    void append(const SampleSeries& later);
    static double stepSeconds(std::uint32_t step) { return static_cast<double>(step) * kRecordSeconds; }
    // The last sample at or before the time (seconds from the series' own start).
    std::optional<double> valueAt(double seconds) const;
};

// The points to draw for the window [from, to] (seconds on the chart's axis, the series shifted
// by offset) on a plot of `columns` pixel columns: all samples when they fit, else each column's
// minimum and maximum in time order, so that no peak is lost. One sample beyond each edge keeps
// the line running to the border.
QList<QPointF> visiblePoints(const SampleSeries& series, double offset, double from, double to, int columns);

}  // namespace quilldar::graph
