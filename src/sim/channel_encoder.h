#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>

namespace quilldar::sim {

// Turns physical values of the numeric engine channels back into the raw bytes that a model's
// conversion formulas read, so that a tester shows the value the virtual engine meant.
class ChannelEncoder {
public:
    // capabilities: the model's 34 digits; empty means variant 1 for every channel.
    explicit ChannelEncoder(std::string capabilities);

    // The capability digit at a position; 0 when the model does not deliver the channel.
    int digit(int position) const;
    // The raw bytes (first, second) whose conversion comes closest to the metric value; the
    // second is 0 for a one-byte channel.
    std::pair<std::uint8_t, std::uint8_t> encode(int position, double value) const;
    const std::string& capabilities() const { return capabilities_; }

private:
    std::string capabilities_;
    // By capability position of the numeric channels (0..17), by raw first byte.
    static constexpr int kNumericChannels = 18;
    std::array<std::array<double, 256>, kNumericChannels> firstByteValues_{};
};

}  // namespace quilldar::sim
