#pragma once

#include <string_view>

// The interface module's text replies.
namespace quilldar::link::replies {

inline constexpr std::string_view kStartOk = "Start OK";
inline constexpr std::string_view kConnectError = "Connect Error";
inline constexpr std::string_view kTimerError = "TMR Error";
inline constexpr std::string_view kDisconnected = "Disconnected";
inline constexpr std::string_view kPowerOk = "Power OK";
inline constexpr std::string_view kNoPower = "No Power";
inline constexpr std::string_view kHardwareId = "ID";
inline constexpr std::string_view kSerialNumber = "SN";
inline constexpr std::string_view kType = "Tp";
// The only module type this program works with.
inline constexpr char kSupportedType = '1';

}  // namespace quilldar::link::replies
