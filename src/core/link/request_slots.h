#pragma once

#include <cstdint>
#include <vector>

#include "link/kwp_frame.h"

namespace quilldar::link {

// The control units a session can run with; the values are the AppState systemKind.
enum class ControlUnit : std::uint16_t {
    None = 0,
    Engine = 1,
    Transmission = 2,
    EngineTransmission = 3,
    Abs = 4,
    Eps = 5,
};

// How the module is set up for a unit at connect time.
struct UnitSetup {
    ControlUnit unit;
    std::uint8_t target;     // line address of the unit
    std::uint8_t lineSetup;  // "InitL" byte 31
    std::vector<std::uint8_t> slotNumbers;  // request slots defined, in the order they are sent
    // Configuration commands the module must confirm with its "List" count ("InitL", "Init0",
    // "DisC." and one per slot); 0 when the count is not checked.
    int expectedListCount;
    std::uint8_t partNumberOption;  // readEcuIdentification option of slot 1
    std::uint8_t codeOption;        // readEcuIdentification option of slot 2
    std::vector<std::uint8_t> finalList;  // the polling list left running after connecting
};

const UnitSetup& unitSetup(ControlUnit unit);

// The request frame of a slot for a unit (with its checksum), or an empty frame when the unit
// has no such slot. Slot 20 is defined by the active tests at run time, never here.
Frame requestSlot(ControlUnit unit, int slot);

// Slot numbers with a role of their own.
namespace slot {
inline constexpr std::uint8_t kPartNumber = 1;
inline constexpr std::uint8_t kModelCode = 2;
inline constexpr std::uint8_t kLiveData = 3;
inline constexpr std::uint8_t kClearCodes = 4;
inline constexpr std::uint8_t kReadCodes = 5;
inline constexpr std::uint8_t kSecondLiveData = 18;  // combined unit, local identifier 0x09
inline constexpr std::uint8_t kTest = 20;
inline constexpr std::uint8_t kAltPartNumber = 21;
inline constexpr std::uint8_t kAltModelCode = 22;
inline constexpr std::uint8_t kAltLiveData = 23;
}  // namespace slot

}  // namespace quilldar::link
