#include "sim/channel_encoder.h"

#include <cmath>

#include "vehicle/engine_channels.h"

namespace quilldar::sim {

namespace {

static_assert(vehicle::position::kNumericCount == 18, "one table per numeric channel");

// Metric units: the ECM reports in them whatever the user chose to see.
const vehicle::UnitSettings kMetric{};
constexpr double kNoValue = -1e9;

double convert(int position, int digit, int a, int b) {
    const vehicle::Conversion c = vehicle::convertChannel(position, digit, static_cast<std::uint8_t>(a),
                                                          static_cast<std::uint8_t>(b), kMetric);
    return c.ok() ? c.value : kNoValue;
}

}  // namespace

ChannelEncoder::ChannelEncoder(std::string capabilities) : capabilities_(std::move(capabilities)) {
    // What every first byte stands for, worked out once: encoding a frame then costs a search
    // through these tables instead of thousands of conversions.
    for (int position = 0; position < kNumericChannels; ++position) {
        const int d = digit(position);
        for (int a = 0; a <= 255; ++a)
            firstByteValues_[static_cast<std::size_t>(position)][static_cast<std::size_t>(a)] =
                d > 0 ? convert(position, d, a, 0) : kNoValue;
    }
}

int ChannelEncoder::digit(int position) const {
    if (capabilities_.empty()) return 1;
    if (position < 0 || position >= static_cast<int>(capabilities_.size())) return 0;
    return capabilities_[static_cast<std::size_t>(position)] - '0';
}

std::pair<std::uint8_t, std::uint8_t> ChannelEncoder::encode(int position, double value) const {
    if (position < 0 || position >= kNumericChannels) return {0, 0};
    const auto& values = firstByteValues_[static_cast<std::size_t>(position)];
    const bool twoBytes = vehicle::numericChannel(position).secondByte != 0;
    int bestA = 0;
    double bestError = 1e18;
    for (int a = 0; a <= 255; ++a) {
        const double converted = values[static_cast<std::size_t>(a)];
        // With a second byte the first one is the coarse part: the largest that stays below.
        const double error = twoBytes ? (converted <= value ? value - converted : 1e17) : std::abs(converted - value);
        if (error < bestError) {
            bestError = error;
            bestA = a;
        }
    }
    if (!twoBytes) return {static_cast<std::uint8_t>(bestA), 0};
    const int d = digit(position);
    int bestB = 0;
    bestError = 1e18;
    for (int b = 0; b <= 255; ++b) {
        const double error = std::abs(convert(position, d, bestA, b) - value);
        if (error < bestError) {
            bestError = error;
            bestB = b;
        }
    }
    return {static_cast<std::uint8_t>(bestA), static_cast<std::uint8_t>(bestB)};
}

}  // namespace quilldar::sim
