#include "graph/sample_series.h"

#include <algorithm>
#include <cmath>

namespace quilldar::graph {

namespace {

// Takes sample i into its block's lowest and highest; the blocks before it are complete.
void indexSample(SampleSeries& series, std::size_t i) {
    const auto at = static_cast<std::uint32_t>(i);
    if (i % SampleSeries::kBlock == 0) {
        series.blockLow.push_back(at);
        series.blockHigh.push_back(at);
        return;
    }
    const double value = series.values[i];
    if (value < series.values[series.blockLow.back()]) series.blockLow.back() = at;
    if (value > series.values[series.blockHigh.back()]) series.blockHigh.back() = at;
}

}  // namespace

void SampleSeries::clear() {
    values.clear();
    steps.clear();
    blockLow.clear();
    blockHigh.clear();
    minimum = maximum = 0.0;
}

void SampleSeries::reserve(std::size_t count) {
    values.reserve(count);
    steps.reserve(count);
    blockLow.reserve(count / kBlock + 1);
    blockHigh.reserve(count / kBlock + 1);
}

void SampleSeries::add(std::uint32_t step, double value) {
    if (values.empty()) {
        minimum = maximum = value;
    } else {
        minimum = std::min(minimum, value);
        maximum = std::max(maximum, value);
    }
    values.push_back(value);
    steps.push_back(step);
    indexSample(*this, values.size() - 1);
}

void SampleSeries::append(const SampleSeries& later) {
    if (later.empty()) return;
    if (empty()) {
        *this = later;
        return;
    }
    minimum = std::min(minimum, later.minimum);
    maximum = std::max(maximum, later.maximum);
    const std::size_t from = values.size();
    values.insert(values.end(), later.values.begin(), later.values.end());
    steps.insert(steps.end(), later.steps.begin(), later.steps.end());
    for (std::size_t i = from; i < values.size(); ++i) indexSample(*this, i);
}

std::optional<double> SampleSeries::valueAt(double seconds) const {
    if (values.empty() || seconds < 0.0) return std::nullopt;
    const auto step = static_cast<std::uint32_t>(std::min(std::floor(seconds / kRecordSeconds + 1e-9), 4.0e9));
    const auto after = std::upper_bound(steps.begin(), steps.end(), step);
    if (after == steps.begin()) return std::nullopt;
    return values[static_cast<std::size_t>(after - steps.begin()) - 1];
}

QList<QPointF> visiblePoints(const SampleSeries& series, double offset, double from, double to, int columns) {
    QList<QPointF> points;
    if (series.empty()) return points;
    const std::vector<double>& values = series.values;
    const std::vector<std::uint32_t>& steps = series.steps;
    const auto stepAt = [](double step) { return static_cast<std::uint32_t>(std::clamp(step, 0.0, 4.0e9)); };
    const auto last = static_cast<std::ptrdiff_t>(values.size()) - 1;
    const auto lower = std::lower_bound(steps.begin(), steps.end(), stepAt(std::floor((from - offset) / kRecordSeconds)));
    const auto upper = std::upper_bound(steps.begin(), steps.end(), stepAt(std::ceil((to - offset) / kRecordSeconds)));
    const std::ptrdiff_t first = std::clamp<std::ptrdiff_t>((lower - steps.begin()) - 1, 0, last);
    const std::ptrdiff_t end = std::clamp<std::ptrdiff_t>(upper - steps.begin(), first, last);
    const std::ptrdiff_t count = end - first + 1;
    const auto point = [&](std::ptrdiff_t i) {
        const auto at = static_cast<std::size_t>(i);
        return QPointF(SampleSeries::stepSeconds(steps[at]) + offset, values[at]);
    };
    columns = std::max(columns, 1);
    if (count <= 2 * columns) {
        points.reserve(count);
        for (std::ptrdiff_t i = first; i <= end; ++i) points.append(point(i));
        return points;
    }
    points.reserve(2 * columns + 2);
    for (int column = 0; column < columns; ++column) {
        const std::ptrdiff_t begin = first + count * column / columns;
        const std::ptrdiff_t stop = first + count * (column + 1) / columns;  // exclusive
        if (begin >= stop) continue;
        // The column's lowest and highest sample, the first of equal ones: single samples up to
        // a block's start, whole blocks, then single samples to the end.
        std::ptrdiff_t low = begin, high = begin;
        const auto take = [&](std::ptrdiff_t lowest, std::ptrdiff_t highest) {
            if (values[static_cast<std::size_t>(lowest)] < values[static_cast<std::size_t>(low)]) low = lowest;
            if (values[static_cast<std::size_t>(highest)] > values[static_cast<std::size_t>(high)]) high = highest;
        };
        constexpr auto kBlock = static_cast<std::ptrdiff_t>(SampleSeries::kBlock);
        std::ptrdiff_t i = begin + 1;
        for (; i < stop && i % kBlock != 0; ++i) take(i, i);
        for (; i + kBlock <= stop; i += kBlock) {
            const auto block = static_cast<std::size_t>(i / kBlock);
            take(series.blockLow[block], series.blockHigh[block]);
        }
        for (; i < stop; ++i) take(i, i);
        const std::ptrdiff_t a = std::min(low, high), b = std::max(low, high);
        points.append(point(a));
        if (b != a) points.append(point(b));
    }
    return points;
}

}  // namespace quilldar::graph
