#pragma once

#include <array>
#include <cstdint>

namespace quilldar::sim {

// Live data of a running engine as a virtual ECM reports it: it idles fast when cold and slower
// as it warms up, blips the throttle every half minute, and its switches change now and then.
// The block holds frame bytes 6 to 54 of the live-data response (frame byte 6 is the number of
// stored trouble codes); values are encoded with the first conversion variant of each channel.
class EngineRunningModel {
public:
    static constexpr int kFirstFrameByte = 6;
    static constexpr int kLastFrameByte = 54;
    using Block = std::array<std::uint8_t, kLastFrameByte - kFirstFrameByte + 1>;

    explicit EngineRunningModel(int cylinders = 4) : cylinders_(cylinders) {}

    Block liveBlock(double seconds, std::uint8_t troubleCodeCount) const;

    // The physical values behind a block, for checks against what a page decodes.
    struct Values {
        double engineSpeed;      // rpm
        double throttle;         // degrees
        double coolant;          // °C
        double intakeAir;        // °C
        double manifoldPressure; // kPa
        double battery;          // V
        double injectionMs;      // cylinder 1
        double advance;          // degrees
    };
    Values values(double seconds) const;

private:
    int cylinders_;
};

}  // namespace quilldar::sim
