// A pixel column's lowest and highest sample come from whole blocks where it covers them: the
// points drawn must be the very ones a look at every sample picks, ties and all.
#include "graph/sample_series.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace quilldar::graph {
namespace {

// Every sample looked at: the points for the whole series on `columns` columns.
QList<QPointF> everySample(const SampleSeries& series, int columns) {
    QList<QPointF> points;
    const auto count = static_cast<std::ptrdiff_t>(series.values.size());
    const auto point = [&](std::ptrdiff_t i) {
        return QPointF(SampleSeries::stepSeconds(series.steps[static_cast<std::size_t>(i)]),
                       series.values[static_cast<std::size_t>(i)]);
    };
    for (int column = 0; column < columns; ++column) {
        const std::ptrdiff_t begin = count * column / columns, stop = count * (column + 1) / columns;
        if (begin >= stop) continue;
        std::ptrdiff_t low = begin, high = begin;
        for (std::ptrdiff_t i = begin + 1; i < stop; ++i) {
            if (series.values[static_cast<std::size_t>(i)] < series.values[static_cast<std::size_t>(low)]) low = i;
            if (series.values[static_cast<std::size_t>(i)] > series.values[static_cast<std::size_t>(high)]) high = i;
        }
        points.append(point(std::min(low, high)));
        if (low != high) points.append(point(std::max(low, high)));
    }
    return points;
}

SampleSeries randomRide(std::mt19937& random, std::size_t count, int levels) {
    // Few distinct levels, so that equal lowest and highest values are common.
    std::uniform_int_distribution<int> level(0, levels - 1);
    SampleSeries series;
    for (std::size_t i = 0; i < count; ++i) series.add(static_cast<std::uint32_t>(i), level(random) * 2.5);
    return series;
}

TEST(SampleSeries, ColumnsOfBlocksPickTheSamePointsAsEverySample) {
    std::mt19937 random(17);
    for (const std::size_t count : {200u, 4096u, 50'001u}) {
        for (const int levels : {3, 1000}) {
            const SampleSeries series = randomRide(random, count, levels);
            const double end = SampleSeries::stepSeconds(static_cast<std::uint32_t>(count - 1));
            for (const int columns : {1, 7, 64, 333, 1280}) {
                if (count <= 2u * static_cast<std::size_t>(columns)) continue;
                EXPECT_EQ(visiblePoints(series, 0.0, 0.0, end, columns), everySample(series, columns))
                    << count << " samples, " << levels << " levels, " << columns << " columns";
            }
        }
    }
}

TEST(SampleSeries, AHalfAppendedKeepsItsBlocksInStep) {
    std::mt19937 random(5);
    // The first half ends inside a block: the later half's samples fill that block first.
    const SampleSeries whole = randomRide(random, 10'000, 50);
    SampleSeries first, later;
    for (std::size_t i = 0; i < whole.values.size(); ++i)
        (i < 4'321 ? first : later).add(whole.steps[i], whole.values[i]);
    first.append(later);
    EXPECT_EQ(first.values, whole.values);
    EXPECT_EQ(first.blockLow, whole.blockLow);
    EXPECT_EQ(first.blockHigh, whole.blockHigh);
    EXPECT_EQ(first.minimum, whole.minimum);
    EXPECT_EQ(first.maximum, whole.maximum);
    const double end = SampleSeries::stepSeconds(9'999);
    EXPECT_EQ(visiblePoints(first, 0.0, 0.0, end, 500), everySample(whole, 500));
}

TEST(SampleSeries, ASpikeInOneSampleSurvivesAnyColumnCount) {
    SampleSeries series;
    for (std::uint32_t i = 0; i < 240'000; ++i) series.add(i, i == 123'457 ? 9000.0 : 1000.0);
    const double end = SampleSeries::stepSeconds(239'999);
    for (const int columns : {100, 640, 1919}) {
        const QList<QPointF> points = visiblePoints(series, 0.0, 0.0, end, columns);
        EXPECT_EQ(std::count_if(points.begin(), points.end(), [](const QPointF& p) { return p.y() == 9000.0; }), 1)
            << columns;
    }
}

}  // namespace
}  // namespace quilldar::graph
