#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "sim/sim_clock.h"
#include "sim/virtual_control_unit.h"

namespace quilldar::sim {

// One stored trouble code: the two code bytes and the status byte as the unit reports them.
struct StoredTroubleCode {
    std::uint8_t high = 0;
    std::uint8_t low = 0;
    std::uint8_t status = 0;
    bool operator==(const StoredTroubleCode&) const = default;
};

// A control unit assembled from what it knows: identification replies, live-data blocks by local
// identifier, and stored trouble codes that can be read and cleared. Every unit of the simulated
// vehicle is one of these, configured by its factory; further services plug in as handlers.
class VirtualUnit : public VirtualControlUnit {
public:
    // Data bytes of a live block, starting at frame byte 6, for the time since switch-on.
    using BlockSource = std::function<ServiceBytes(double seconds)>;
    using ServiceHandler = std::function<ServiceBytes(std::span<const std::uint8_t> request)>;

    VirtualUnit(std::uint8_t address, std::shared_ptr<const SimClock> clock);

    // The reply data (from frame byte 6) to readEcuIdentification with this option.
    void setIdentification(std::uint8_t option, ServiceBytes data);
    // A live-data block; when it carries the trouble-code count, its first byte (frame byte 6)
    // is the number of stored codes.
    void setLocalData(std::uint8_t identifier, BlockSource source, bool carriesTroubleCodeCount);
    void setTroubleCodes(std::vector<StoredTroubleCode> codes) { codes_ = std::move(codes); }
    const std::vector<StoredTroubleCode>& troubleCodes() const { return codes_; }
    // Answers a whole service (for example the actuator tests) with its own handler.
    void setServiceHandler(std::uint8_t service, ServiceHandler handler);

    ServiceBytes answer(std::span<const std::uint8_t> request) override;

    double seconds() const { return clock_->seconds(); }

private:
    struct LocalData {
        BlockSource source;
        bool carriesTroubleCodeCount;
    };

    ServiceBytes identification(std::uint8_t option) const;
    ServiceBytes localData(std::uint8_t identifier) const;
    ServiceBytes readTroubleCodes() const;
    ServiceBytes clearTroubleCodes(std::span<const std::uint8_t> request);

    std::shared_ptr<const SimClock> clock_;
    std::map<std::uint8_t, ServiceBytes> identification_;
    std::map<std::uint8_t, LocalData> localData_;
    std::map<std::uint8_t, ServiceHandler> handlers_;
    std::vector<StoredTroubleCode> codes_;
};

}  // namespace quilldar::sim
