#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace quilldar::sim {

using ServiceBytes = std::vector<std::uint8_t>;

// KWP2000 negative response codes the virtual units use.
namespace nrc {
inline constexpr std::uint8_t kServiceNotSupported = 0x11;
inline constexpr std::uint8_t kSubFunctionNotSupported = 0x12;
inline constexpr std::uint8_t kConditionsNotCorrect = 0x22;
inline constexpr std::uint8_t kRequestOutOfRange = 0x31;
}  // namespace nrc

// A control unit on the simulated vehicle line. The interface module relays request frames to
// the unit whose address they target; the unit answers with the service bytes of its response
// (response service id first), and the module frames them with header and checksum.
class VirtualControlUnit {
public:
    explicit VirtualControlUnit(std::uint8_t address) : address_(address) {}
    virtual ~VirtualControlUnit() = default;

    std::uint8_t address() const { return address_; }
    // The line initialisation ("InitL" byte 31) under which the unit hears the wake-up: the
    // transmission sits on a line set up differently from the others.
    std::uint8_t lineSetup() const { return lineSetup_; }
    void setLineSetup(std::uint8_t value) { lineSetup_ = value; }
    // The unit answers the StartCommunication wake-up of the line.
    virtual bool wakeUp() { return true; }
    // The response to one request (service id and parameters); empty for no answer at all.
    virtual ServiceBytes answer(std::span<const std::uint8_t> request) = 0;

protected:
    static ServiceBytes negativeResponse(std::uint8_t service, std::uint8_t code) {
        return {0x7F, service, code};
    }
    static ServiceBytes positiveResponse(std::uint8_t service, std::uint8_t identifier) {
        return {static_cast<std::uint8_t>(service + 0x40), identifier};
    }

private:
    std::uint8_t address_;
    std::uint8_t lineSetup_ = 0;
};

}  // namespace quilldar::sim
