#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "sim/engine_running_model.h"
#include "sim/virtual_unit.h"

namespace quilldar::sim {

// The values an engine ECM stored when it detected its first two faults: engine speed,
// throttle, manifold pressure, coolant, gear and secondary throttle at six moments (before,
// at and after detection, when the fault was fixed, and the lowest and highest of the drive
// cycle). They are the values of the scripted ride at those moments, encoded with the
// conversion types of the model's capability string.
class FreezeFrames {
public:
    static constexpr int kFaults = 2;
    static constexpr int kMoments = 6;
    // Local identifiers: 0x40..0x45 for the first fault, 0x50..0x55 for the second.
    static constexpr std::uint8_t kFirstFault = 0x40;
    static constexpr std::uint8_t kSecondFault = 0x50;
    // Moments by the identifier's low digit.
    enum Moment { kPreDetect, kDetect, kPostDetect, kFixPoint, kCycleMax, kCycleMin };
    // Frame bytes 6 to 16 of the answer.
    using Record = std::array<std::uint8_t, 11>;

    // capabilities: the digits that select the conversion types (empty: type 1 everywhere).
    FreezeFrames(std::string capabilities, std::uint32_t seed);

    // The record of a fault and moment for the stored code; with no code all bytes are 0.
    Record record(int fault, int moment, const std::optional<StoredTroubleCode>& code) const;

    // The ride time at which a fault was detected.
    static double detectionTime(int fault);

    // Registers the twelve blocks on the unit; each answers for the code the unit stores at that
    // index when asked, so clearing the codes empties them.
    static void install(VirtualUnit& unit, std::shared_ptr<const FreezeFrames> frames);

private:
    struct Sample {
        double engineSpeed, throttle, manifoldPressure, coolant, gear, secondaryThrottle;
    };
    Sample sampleAt(double seconds) const;

    EngineRunningModel engine_;
    std::array<std::array<Sample, kMoments>, kFaults> samples_{};
};

}  // namespace quilldar::sim
