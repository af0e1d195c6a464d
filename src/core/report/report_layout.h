#pragma once

#include <QString>

#include <array>
#include <functional>

namespace quilldar::report {

// The width of a text in points, in the font and size it is written with.
using Measure = std::function<float(const QString& text)>;

// The room kept between two texts on one line, and the right margin nothing may pass.
inline constexpr float kTextGap = 4;
inline constexpr float kRightMargin = 545;

// The text as it fits `width` points: unchanged when it fits, else cut and marked with "...".
// A short last word (up to three characters, "1" in "Manifold absolute pressure 1") is kept
// after the dots, so that names differing only at their end stay apart. Nothing is returned when
// not even the dots fit.
QString fitText(const QString& text, float width, const Measure& measure);

// One text and where it starts.
struct PlacedText {
    float x = 0;
    QString text;
};

// One block of the live readings: where name, value and unit start, and where the block ends.
// A block without a unit column prints no unit.
struct ReadingColumns {
    float name;
    float value;
    float unit;
    float right;
    bool hasUnit;
};
// The three blocks of a row of live readings, left to right.
const std::array<ReadingColumns, 3>& readingColumns();

struct PlacedReading {
    PlacedText name;
    PlacedText value;
    PlacedText unit;
};
// One reading in its block. Value and unit keep their columns while they fit; a longer value
// pushes the unit right, and where the block ends they move left together, the name giving way.
// Every text ends before the next one starts and before the block's end.
PlacedReading placeReading(const QString& name, const QString& value, const QString& unit,
                           const ReadingColumns& columns, const Measure& measure);

// The start of each freeze-frame column. `preferred` are the language's usual positions;
// `needed` the widest text of each column plus the gap. When every value column has the room it
// needs the usual positions stay; else the value columns take the room they need, starting at
// the usual first position or as far left as they must, squeezed together (their texts then cut)
// where they would leave the row names less than `kFreezeNamesAtLeast` points.
inline constexpr float kFreezeNamesAtLeast = 100;
std::array<float, 8> freezeFrameLayout(const std::array<float, 8>& preferred, const std::array<float, 8>& needed);

// Where the status column of the trouble-code table starts: at `preferred`, or further left when
// its widest text would pass the right margin, but never left of `earliest`.
float statusColumn(float preferred, float widest, float earliest);

}  // namespace quilldar::report
