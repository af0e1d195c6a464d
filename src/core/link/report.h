#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quilldar::link {

// One HID report of the interface module: byte 0 is the report id (0), bytes 1..64 the payload.
inline constexpr std::size_t kReportSize = 65;
inline constexpr std::size_t kPayloadSize = kReportSize - 1;
using Report = std::array<std::uint8_t, kReportSize>;

// Payload byte k is called frame byte k: it is report byte k + 1.
inline constexpr std::size_t kLastFrameByte = kPayloadSize - 1;

inline std::uint8_t frameByte(const Report& report, std::size_t k) {
    return k <= kLastFrameByte ? report[k + 1] : 0;
}

// True when the payload starts with the characters of text; nothing after them is compared.
inline bool payloadStartsWith(const Report& report, std::string_view text) {
    if (text.size() > kPayloadSize) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (report[i + 1] != static_cast<std::uint8_t>(text[i])) return false;
    }
    return true;
}

}  // namespace quilldar::link
