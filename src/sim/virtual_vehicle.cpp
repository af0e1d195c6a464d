#include "sim/virtual_vehicle.h"

namespace quilldar::sim {

void VirtualVehicle::addUnit(std::unique_ptr<VirtualControlUnit> unit) {
    const std::uint8_t address = unit->address();
    units_[address] = std::move(unit);
}

VirtualControlUnit* VirtualVehicle::unitAt(std::uint8_t address) const {
    const auto found = units_.find(address);
    return found == units_.end() ? nullptr : found->second.get();
}

}  // namespace quilldar::sim
