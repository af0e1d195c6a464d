#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace quilldar::sim {

// Live data of a running engine as a virtual ECM reports it: it idles fast when cold and slower
// as it warms up, blips the throttle every half minute, and its switches change now and then.
// The block holds frame bytes 6 to 54 of the live-data response (frame byte 6 is the number of
// stored trouble codes). Each channel is encoded with the conversion variant its digit in the
// model's capability string selects, so that the pages show the physical values; a channel whose
// digit is 0 is left at 0.
class EngineRunningModel {
public:
    static constexpr int kFirstFrameByte = 6;
    static constexpr int kLastFrameByte = 54;
    using Block = std::array<std::uint8_t, kLastFrameByte - kFirstFrameByte + 1>;

    // capabilities: the model's 34 digits; empty means variant 1 for every channel. A riding
    // engine drives the vehicle through the one-minute ride instead of revving on the stand.
    explicit EngineRunningModel(int cylinders = 4, std::string capabilities = {}, bool riding = false);

    Block liveBlock(double seconds, std::uint8_t troubleCodeCount) const;

    // The physical values behind a block, in metric units.
    struct Values {
        double engineSpeed;       // rpm
        double throttle;          // degrees
        double secondaryThrottle; // %
        double coolant;           // °C
        double intakeAir;         // °C
        double manifoldPressure;  // kPa
        double atmospheric;       // kPa
        double battery;           // V
        double vehicleSpeed;      // km/h
        double exhaustValve;      // %
        double oxygen1;           // V
        double oxygen2;           // V
        double targetIdle;        // rpm
        double damperCurrent;     // A
        double iscSteps;
        double gear;              // 0 neutral
        double iscDuty;           // %
        double injectionMs;       // cylinder 1
        double advance;           // degrees
    };
    Values values(double seconds) const;

private:
    int digit(int position) const;
    // The raw bytes whose conversion by the channel's formula comes closest to the value.
    std::pair<std::uint8_t, std::uint8_t> encode(int position, double value) const;
    // The switch states by capability position 18..33 at a time.
    bool switchOn(int position, double seconds, const Values& v) const;

    int cylinders_;
    std::string capabilities_;
    bool riding_;
    // By capability position of the numeric channels (0..17), by raw first byte.
    static constexpr int kNumericChannels = 18;
    std::array<std::array<double, 256>, kNumericChannels> firstByteValues_{};
};

// The capability digits of a model in the engine list (or the combined unit's list when
// combined is set); empty when the model is not listed.
std::string capabilitiesOf(std::string_view modelCode, bool combined);

}  // namespace quilldar::sim
