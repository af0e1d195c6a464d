#include "sim/virtual_unit.h"

#include <algorithm>

#include "link/kwp_frame.h"

namespace quilldar::sim {

namespace {

constexpr std::uint8_t kClearDiagnosticInformation = 0x14;
constexpr std::uint8_t kReadTroubleCodesByStatus = 0x18;
constexpr std::uint8_t kReadIdentification = 0x1A;
constexpr std::uint8_t kReadLocalData = 0x21;
// A trouble-code answer must fit one report: frame bytes 6 .. 63 minus the checksum hold 19
// records of three bytes.
constexpr std::size_t kMaxReportedCodes = (link::kMaxResponseLength - 2) / 3;

}  // namespace

VirtualUnit::VirtualUnit(std::uint8_t address, std::shared_ptr<const SimClock> clock)
    : VirtualControlUnit(address), clock_(std::move(clock)) {}

void VirtualUnit::setIdentification(std::uint8_t option, ServiceBytes data) {
    identification_[option] = std::move(data);
}

void VirtualUnit::setLocalData(std::uint8_t identifier, BlockSource source, bool carriesTroubleCodeCount) {
    localData_[identifier] = LocalData{std::move(source), carriesTroubleCodeCount};
}

void VirtualUnit::setServiceHandler(std::uint8_t service, ServiceHandler handler) {
    handlers_[service] = std::move(handler);
}

ServiceBytes VirtualUnit::answer(std::span<const std::uint8_t> request) {
    if (request.empty()) return {};
    const std::uint8_t service = request[0];
    if (const auto handler = handlers_.find(service); handler != handlers_.end())
        return handler->second(request);
    switch (service) {
        case kReadIdentification:
        case kReadLocalData:
            if (request.size() < 2) return negativeResponse(service, nrc::kSubFunctionNotSupported);
            return service == kReadIdentification ? identification(request[1]) : localData(request[1]);
        case kReadTroubleCodesByStatus:
            return readTroubleCodes();
        case kClearDiagnosticInformation:
            return clearTroubleCodes(request);
        default:
            return negativeResponse(service, nrc::kServiceNotSupported);
    }
}

ServiceBytes VirtualUnit::identification(std::uint8_t option) const {
    const auto found = identification_.find(option);
    if (found == identification_.end()) return negativeResponse(kReadIdentification, nrc::kRequestOutOfRange);
    ServiceBytes reply = positiveResponse(kReadIdentification, option);
    reply.insert(reply.end(), found->second.begin(), found->second.end());
    return reply;
}

ServiceBytes VirtualUnit::localData(std::uint8_t identifier) const {
    const auto found = localData_.find(identifier);
    if (found == localData_.end()) return negativeResponse(kReadLocalData, nrc::kRequestOutOfRange);
    ServiceBytes data = found->second.source(clock_->seconds());
    if (found->second.carriesTroubleCodeCount && !data.empty())
        data[0] = static_cast<std::uint8_t>(std::min<std::size_t>(codes_.size(), 255));
    ServiceBytes reply = positiveResponse(kReadLocalData, identifier);
    reply.insert(reply.end(), data.begin(), data.end());
    return reply;
}

ServiceBytes VirtualUnit::readTroubleCodes() const {
    const std::size_t count = std::min(codes_.size(), kMaxReportedCodes);
    ServiceBytes reply{static_cast<std::uint8_t>(kReadTroubleCodesByStatus + 0x40),
                       static_cast<std::uint8_t>(count)};
    for (std::size_t i = 0; i < count; ++i)
        reply.insert(reply.end(), {codes_[i].high, codes_[i].low, codes_[i].status});
    return reply;
}

ServiceBytes VirtualUnit::clearTroubleCodes(std::span<const std::uint8_t> request) {
    codes_.clear();
    // The positive response echoes the group of codes that was cleared.
    ServiceBytes reply;
    reply.reserve(request.size());
    reply.push_back(static_cast<std::uint8_t>(kClearDiagnosticInformation + 0x40));
    for (std::size_t i = 1; i < request.size(); ++i) reply.push_back(request[i]);
    return reply;
}

}  // namespace quilldar::sim
