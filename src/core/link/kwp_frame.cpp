#include "link/kwp_frame.h"

#include <algorithm>

namespace quilldar::link {

std::uint8_t checksum(std::span<const std::uint8_t> bytes) {
    unsigned sum = 0;
    for (const std::uint8_t b : bytes) sum += b;
    return static_cast<std::uint8_t>(sum & 0xFF);
}

Frame buildRequest(std::uint8_t target, std::initializer_list<std::uint8_t> serviceBytes) {
    return buildRequest(target, std::span<const std::uint8_t>(serviceBytes.begin(), serviceBytes.size()));
}

namespace {

Frame framed(std::uint8_t first, std::uint8_t second, std::uint8_t third,
             std::span<const std::uint8_t> serviceBytes) {
    Frame frame;
    frame.reserve(serviceBytes.size() + 5);
    frame.push_back(first);
    frame.push_back(second);
    frame.push_back(third);
    frame.push_back(static_cast<std::uint8_t>(serviceBytes.size()));
    for (const std::uint8_t b : serviceBytes) frame.push_back(b);
    frame.push_back(checksum(frame));
    return frame;
}

}  // namespace

Frame buildRequest(std::uint8_t target, std::span<const std::uint8_t> serviceBytes) {
    return framed(0x80, target, address::kTester, serviceBytes);
}

Frame buildResponse(std::uint8_t source, std::span<const std::uint8_t> serviceBytes) {
    return framed(0x80, address::kTester, source, serviceBytes);
}

Frame buildStartCommunication(std::uint8_t target) {
    Frame frame{0x81, target, address::kTester, 0x81};
    frame.push_back(checksum(frame));
    return frame;
}

Frame buildStopCommunication(std::uint8_t target) { return buildRequest(target, {0x82}); }

bool responseChecksumOk(const Report& report) {
    const std::size_t length = frameByte(report, 3);
    if (length > kMaxResponseLength) return false;
    // Frame bytes 0 .. 3 + L are report bytes 1 .. 4 + L; the checksum is report byte 5 + L.
    const std::span<const std::uint8_t> summed(report.data() + 1, 4 + length);
    return checksum(summed) == frameByte(report, 4 + length);
}

bool checkResponse(Report& report, bool altListVariant) {
    if (altListVariant || responseChecksumOk(report)) return true;
    // Report bytes 0..63 are wiped; the last payload byte stays as received.
    std::fill(report.begin(), report.begin() + kReportSize - 1, std::uint8_t{0});
    return false;
}

}  // namespace quilldar::link
