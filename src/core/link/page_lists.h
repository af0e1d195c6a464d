#pragma once

#include <cstdint>
#include <vector>

#include "state/app_state.h"
#include "link/report.h"

namespace quilldar::link {

class HidLink;

// listState values: which data list the module was last told to stream.
namespace list_state {
inline constexpr std::uint16_t kLiveData = 0;
inline constexpr std::uint16_t kErrorCodes = 1;
inline constexpr std::uint16_t kFreezeFrame = 2;
inline constexpr std::uint16_t kNone = 100;  // a list request is pending
}  // namespace list_state

// Page indexes of the tab area.
namespace page {
inline constexpr std::uint16_t kEngine = 0;
inline constexpr std::uint16_t kTransmission = 1;
inline constexpr std::uint16_t kEngineTransmission = 2;
inline constexpr std::uint16_t kAbs = 3;
inline constexpr std::uint16_t kEps = 4;
inline constexpr std::uint16_t kErrorCodes = 5;
inline constexpr std::uint16_t kFreezeFrame = 6;
inline constexpr std::uint16_t kActiveTests = 7;
}  // namespace page

// The polling lists the page rules and commands send.
namespace polling_list {
std::vector<std::uint8_t> errorCodes(bool altListVariant);
std::vector<std::uint8_t> freezeFrame(std::uint16_t systemKind, bool altListVariant);
std::vector<std::uint8_t> clearCodes(bool altListVariant);
}  // namespace polling_list

// Re-selects the polling list for the page on show: each of the seven page rules whose condition
// on systemKind, currentPage and listState holds sends its list, waits for a report and only then
// moves listState on. A failed wait leaves listState as it was, so the rule fires again once the
// link is back. Returns false when a wait failed.
bool SelectPageList(HidLink& link, app::AppState& state);

// The rule of the Error codes page alone (the automatic switch to that page runs it at once).
bool SelectErrorCodesList(HidLink& link, app::AppState& state);

// Takes the trouble-code count out of a live-data reply of a unit that reports it there; any other
// report leaves dtcCount unchanged.
void extractDtcCount(const Report& report, app::AppState& state);

// Clears the unit's trouble codes after the user confirmed: the module alternates the clear
// request with live data until the next tick puts the page's list back (listState 100). Returns
// true when the clear list was sent and acknowledged by a report.
bool ClearTroubleCodes(HidLink& link, app::AppState& state);

}  // namespace quilldar::link
