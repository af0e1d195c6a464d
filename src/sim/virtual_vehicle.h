#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>

#include "sim/virtual_control_unit.h"

namespace quilldar::sim {

// The simulated vehicle behind the interface module: its control units by line address and
// whether it supplies power to the module's vehicle side.
class VirtualVehicle {
public:
    void addUnit(std::unique_ptr<VirtualControlUnit> unit);
    // The unit at the address, or nullptr when none answers there.
    VirtualControlUnit* unitAt(std::uint8_t address) const;

    bool powered() const { return powered_.load(); }
    void setPowered(bool powered) { powered_.store(powered); }

private:
    std::map<std::uint8_t, std::unique_ptr<VirtualControlUnit>> units_;
    std::atomic<bool> powered_{true};
};

}  // namespace quilldar::sim
