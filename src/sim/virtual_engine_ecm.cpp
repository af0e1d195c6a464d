#include "sim/virtual_engine_ecm.h"

#include "link/kwp_frame.h"

namespace quilldar::sim {

namespace {

constexpr std::uint8_t kReadIdentification = 0x1A;
constexpr std::uint8_t kReadLocalData = 0x21;
// Identification options: part number and model code, in the first and in the second scheme.
constexpr std::uint8_t kPartNumber = 0x91;
constexpr std::uint8_t kModelCode = 0x9A;
constexpr std::uint8_t kPartNumberSecond = 0x8E;
constexpr std::uint8_t kModelCodeSecond = 0x8A;
constexpr std::uint8_t kLiveData = 0x08;
constexpr std::uint8_t kLiveDataSecond = 0x00;
// The code reply carries six bytes of software version before the model code.
constexpr const char* kSoftwareVersion = "SW0104";

void appendText(ServiceBytes& bytes, const std::string& text, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i)
        bytes.push_back(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0x20);
}

}  // namespace

VirtualEngineEcm::VirtualEngineEcm(EngineEcmProfile profile, std::shared_ptr<const SimClock> clock)
    : VirtualControlUnit(link::address::kEngine),
      profile_(std::move(profile)),
      clock_(std::move(clock)),
      engine_(profile_.cylinders) {}

ServiceBytes VirtualEngineEcm::answer(std::span<const std::uint8_t> request) {
    if (request.empty()) return {};
    const std::uint8_t service = request[0];
    if (request.size() < 2) return negativeResponse(service, nrc::kSubFunctionNotSupported);
    switch (service) {
        case kReadIdentification:
            return identification(request[1]);
        case kReadLocalData:
            return liveData(request[1]);
        default:
            return negativeResponse(service, nrc::kServiceNotSupported);
    }
}

ServiceBytes VirtualEngineEcm::identification(std::uint8_t identifier) const {
    const bool second = profile_.secondScheme;
    ServiceBytes reply = positiveResponse(kReadIdentification, identifier);
    if (identifier == kPartNumber && second) {
        // Tells the tester to use the second scheme.
        reply.insert(reply.end(), {0x12, 0x31});
        appendText(reply, "", 9);
    } else if ((identifier == kPartNumber && !second) || (identifier == kPartNumberSecond && second)) {
        appendText(reply, profile_.partNumber, 11);
    } else if ((identifier == kModelCode && !second) || (identifier == kModelCodeSecond && second)) {
        appendText(reply, kSoftwareVersion, 6);
        appendText(reply, profile_.modelCode, 4);
    } else {
        return negativeResponse(kReadIdentification, nrc::kRequestOutOfRange);
    }
    return reply;
}

ServiceBytes VirtualEngineEcm::liveData(std::uint8_t identifier) const {
    const std::uint8_t expected = profile_.secondScheme ? kLiveDataSecond : kLiveData;
    if (identifier != expected) return negativeResponse(kReadLocalData, nrc::kRequestOutOfRange);
    ServiceBytes reply = positiveResponse(kReadLocalData, identifier);
    const auto block = engine_.liveBlock(clock_->seconds(), 0);
    reply.insert(reply.end(), block.begin(), block.end());
    return reply;
}

}  // namespace quilldar::sim
