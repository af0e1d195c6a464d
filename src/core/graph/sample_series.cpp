#include "graph/sample_series.h"

#include <algorithm>
#include <cmath>

namespace quilldar::graph {

void SampleSeries::clear() {
    values.clear();
    steps.clear();
    minimum = maximum = 0.0;
}

void SampleSeries::reserve(std::size_t count) {
    values.reserve(count);
    steps.reserve(count);
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
        std::ptrdiff_t low = begin, high = begin;
        for (std::ptrdiff_t i = begin + 1; i < stop; ++i) {
            const double v = values[static_cast<std::size_t>(i)];
            if (v < values[static_cast<std::size_t>(low)]) low = i;
            if (v > values[static_cast<std::size_t>(high)]) high = i;
        }
        const std::ptrdiff_t a = std::min(low, high), b = std::max(low, high);
        points.append(point(a));
        if (b != a) points.append(point(b));
    }
    return points;
}

}  // namespace quilldar::graph
