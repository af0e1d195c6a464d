#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

#include "link/report.h"

namespace quilldar::link {

// Addresses on the vehicle's diagnostic line.
namespace address {
inline constexpr std::uint8_t kTester = 0xF1;
inline constexpr std::uint8_t kEngine = 0x12;
inline constexpr std::uint8_t kTransmission = 0x19;
inline constexpr std::uint8_t kEngineTransmission = 0x01;
inline constexpr std::uint8_t kAbs = 0x29;
inline constexpr std::uint8_t kEps = 0x31;
}  // namespace address

using Frame = std::vector<std::uint8_t>;

// Low 8 bits of the sum of the bytes.
std::uint8_t checksum(std::span<const std::uint8_t> bytes);

// A request frame in the framing with a separate length byte:
// 80, target, F1, length, service id and parameters, checksum.
Frame buildRequest(std::uint8_t target, std::initializer_list<std::uint8_t> serviceBytes);
Frame buildRequest(std::uint8_t target, std::span<const std::uint8_t> serviceBytes);
// A response frame as the ECM sends it: 80, F1, source, length, service bytes, checksum.
Frame buildResponse(std::uint8_t source, std::span<const std::uint8_t> serviceBytes);
// The one-byte StartCommunication request with the length in the format byte: 81 tt F1 81 cs.
Frame buildStartCommunication(std::uint8_t target);
// StopCommunication: 80 tt F1 01 82 cs.
Frame buildStopCommunication(std::uint8_t target);

// The largest length byte whose checksum still lies inside the report (frame byte 4 + L <= 63).
inline constexpr std::size_t kMaxResponseLength = kLastFrameByte - 4;

// True when the response in the report carries a correct checksum at frame byte 4 + L. A length
// that would put the checksum past the end of the report makes the response bad; nothing past
// frame byte 63 is read.
bool responseChecksumOk(const Report& report);

// The reply check of the polling loop: a response with a bad checksum is wiped (report bytes
// 0..63 set to zero) so that no page decodes it. Skipped for ECMs of the second identification
// scheme. Returns true when the report was left as it was.
bool checkResponse(Report& report, bool altListVariant);

}  // namespace quilldar::link
