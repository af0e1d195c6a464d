#include "report/report_layout.h"

#include <algorithm>

namespace quilldar::report {
namespace {

// A last word this short is what tells two names apart ("... 1", "... 2", "... A").
constexpr qsizetype kKeptTail = 3;
// Rooms are sums and differences of positions: a text measured to fit exactly must not be cut
// for a rounding error.
constexpr float kRoundingRoom = 0.01F;
const QString kDots = QStringLiteral("...");

// " 1" for "Manifold absolute pressure 1"; nothing when the last word is long or the only one.
QString tailOf(const QString& text) {
    const qsizetype blank = text.lastIndexOf(QLatin1Char(' '));
    if (blank <= 0) return {};
    const qsizetype length = text.size() - blank - 1;
    return length > 0 && length <= kKeptTail ? text.mid(blank) : QString();
}

// The longest start of `head` (at least `least` characters) that fits with the dots and the
// tail; nothing when none does.
QString cutToFit(const QString& head, const QString& tail, qsizetype least, float width, const Measure& measure) {
    for (qsizetype n = head.size(); n >= least; --n) {
        if (n > 0 && head.at(n - 1).isHighSurrogate()) continue;  // never half a character
        QString candidate = head.left(n);
        while (!candidate.isEmpty() && candidate.back().isSpace()) candidate.chop(1);
        candidate += kDots + tail;
        if (measure(candidate) <= width + kRoundingRoom) return candidate;
    }
    return {};
}

}  // namespace

QString fitText(const QString& text, float width, const Measure& measure) {
    if (measure(text) <= width + kRoundingRoom) return text;
    QString trimmed = text;
    while (!trimmed.isEmpty() && trimmed.back().isSpace()) trimmed.chop(1);
    if (const QString tail = tailOf(trimmed); !tail.isEmpty()) {
        const QString kept = cutToFit(trimmed.left(trimmed.size() - tail.size()), tail, 1, width, measure);
        if (!kept.isEmpty()) return kept;
    }
    return cutToFit(trimmed, QString(), 0, width, measure);
}

const std::array<ReadingColumns, 3>& readingColumns() {
    static const std::array<ReadingColumns, 3> kColumns{{
        {50, 170, 195, 225 - kTextGap, true},
        {225, 355, 380, 400 - kTextGap, true},
        {400, 525, kRightMargin, kRightMargin, false},
    }};
    return kColumns;
}

PlacedReading placeReading(const QString& name, const QString& value, const QString& unit,
                           const ReadingColumns& columns, const Measure& measure) {
    PlacedReading placed;
    // The furthest left the value may start: the name keeps at least half of its column. Value
    // and unit share the room from there to the block's end; the unit gets what a short value
    // leaves, and at least half.
    const float valueEarliest = columns.name + (columns.value - columns.name) / 2;
    const float shared = columns.right - valueEarliest - kTextGap;
    const float unitRoom = shared - std::min(measure(value), shared / 2);
    placed.unit.text = columns.hasUnit ? fitText(unit, unitRoom, measure) : QString();
    const float unitWidth = measure(placed.unit.text);
    // The furthest the value may reach.
    const float valueLimit = placed.unit.text.isEmpty() ? columns.right : columns.right - unitWidth - kTextGap;
    placed.value.text = fitText(value, valueLimit - valueEarliest, measure);
    const float valueWidth = measure(placed.value.text);
    placed.value.x = std::min(columns.value, valueLimit - valueWidth);
    placed.unit.x = std::max(placed.value.x + valueWidth + kTextGap, std::min(columns.unit, columns.right - unitWidth));
    placed.name.x = columns.name;
    placed.name.text = fitText(name, placed.value.x - kTextGap - columns.name, measure);
    return placed;
}

std::array<float, 8> freezeFrameLayout(const std::array<float, 8>& preferred, const std::array<float, 8>& needed) {
    constexpr std::size_t kColumns = 8;
    bool fits = true;
    float total = 0;
    for (std::size_t column = 1; column < kColumns; ++column) {
        const float end = column + 1 < kColumns ? preferred[column + 1] : kRightMargin;
        fits = fits && needed[column] <= end - preferred[column];
        total += needed[column];
    }
    if (fits) return preferred;

    // The value columns start where they usually do if the room right of it is enough, else
    // further left, but never so far that the row names lose their room.
    const float first = std::max(preferred[0] + kFreezeNamesAtLeast, std::min(preferred[1], kRightMargin - total));
    const float room = kRightMargin - first;
    // Room to spare is shared out evenly; room too small shrinks every column alike.
    const float scale = total > room ? room / total : 1;
    const float extra = total < room ? (room - total) / static_cast<float>(kColumns - 1) : 0;
    std::array<float, 8> starts{};
    starts[0] = preferred[0];
    float x = first;
    for (std::size_t column = 1; column < kColumns; ++column) {
        starts[column] = x;
        x += needed[column] * scale + extra;
    }
    return starts;
}

float statusColumn(float preferred, float widest, float earliest) {
    return std::max(earliest, std::min(preferred, kRightMargin - widest));
}

}  // namespace quilldar::report
