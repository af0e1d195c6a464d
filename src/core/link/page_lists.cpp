#include "link/page_lists.h"

#include <chrono>

#include "link/hid_link.h"
#include "link/module_commands.h"
#include "link/request_slots.h"

namespace quilldar::link {

namespace {

// Time the module needs to send the clear request at least once before the list changes again.
constexpr std::chrono::milliseconds kClearSettle{200};

std::uint8_t liveSlot(bool alt) { return alt ? slot::kAltLiveData : slot::kLiveData; }

bool sendListAndWait(HidLink& link, const std::vector<std::uint8_t>& slotNumbers) {
    commands::list(link.transmitReport(), slotNumbers);
    link.SendReport();
    return link.WaitReport();
}

}  // namespace

namespace polling_list {

std::vector<std::uint8_t> errorCodes(bool alt) {
    return {slot::kReadCodes, slot::kReadCodes, liveSlot(alt)};
}

std::vector<std::uint8_t> freezeFrame(std::uint16_t systemKind, bool alt) {
    // Slot 11 comes before slot 10, and slot 17 before slot 16.
    std::vector<std::uint8_t> slotNumbers{6, 7, 8, 9, 11, 10, liveSlot(alt), 12, 13, 14, 15, 17, 16, liveSlot(alt)};
    if (systemKind == static_cast<std::uint16_t>(ControlUnit::EngineTransmission)) {
        slotNumbers = {6, 7, 8, 9, 11, 10, 3, 12, 13, 14, 15, 17, 16, 3, slot::kSecondLiveData};
    }
    return slotNumbers;
}

std::vector<std::uint8_t> clearCodes(bool alt) { return {slot::kClearCodes, liveSlot(alt)}; }

}  // namespace polling_list

bool SelectPageList(HidLink& link, app::AppState& state) {
    const bool alt = state.altListVariant != 0;
    using enum ControlUnit;
    const auto kind = [&](ControlUnit unit) { return state.systemKind == static_cast<std::uint16_t>(unit); };

    // Rules 1 to 5: each data page puts its unit's live data back.
    const struct {
        ControlUnit unit;
        std::uint16_t page;
        std::vector<std::uint8_t> slotNumbers;
    } dataRules[] = {
        {Engine, page::kEngine, {liveSlot(alt)}},
        {Transmission, page::kTransmission, {slot::kLiveData}},
        {EngineTransmission, page::kEngineTransmission,
         {slot::kLiveData, slot::kSecondLiveData, slot::kLiveData, slot::kSecondLiveData}},
        {Abs, page::kAbs, {slot::kLiveData, 6}},
        {Eps, page::kEps, {slot::kLiveData}},
    };
    for (const auto& rule : dataRules) {
        if (!kind(rule.unit) || state.currentPage != rule.page || state.listState == list_state::kLiveData)
            continue;
        if (!sendListAndWait(link, rule.slotNumbers)) return false;
        state.listState = list_state::kLiveData;
    }
    if (!SelectErrorCodesList(link, state)) return false;
    // Rule 7: the fault-time blocks, for the units that store them.
    if ((kind(Engine) || kind(EngineTransmission)) && state.currentPage == page::kFreezeFrame &&
        state.listState != list_state::kFreezeFrame) {
        if (!sendListAndWait(link, polling_list::freezeFrame(state.systemKind, alt))) return false;
        state.listState = list_state::kFreezeFrame;
    }
    return true;
}

bool SelectErrorCodesList(HidLink& link, app::AppState& state) {
    if (state.systemKind == 0 || state.currentPage != page::kErrorCodes ||
        state.listState == list_state::kErrorCodes)
        return true;
    if (!sendListAndWait(link, polling_list::errorCodes(state.altListVariant != 0))) return false;
    state.listState = list_state::kErrorCodes;
    return true;
}

void extractDtcCount(const Report& report, app::AppState& state) {
    if (frameByte(report, 4) != 0x61) return;
    const std::uint8_t source = frameByte(report, 2);
    const std::uint8_t identifier = frameByte(report, 5);
    const bool reportsCount = (source == address::kEngineTransmission && identifier == 0x08) ||
                              (source == address::kEngine && (identifier == 0x08 || identifier == 0x00)) ||
                              (source == address::kTransmission && identifier == 0x08) ||
                              (source == address::kAbs && identifier == 0x00) ||
                              (source == address::kEps && identifier == 0x08);
    if (reportsCount) state.dtcCount = frameByte(report, 6);
}

bool ClearTroubleCodes(HidLink& link, app::AppState& state) {
    if (state.systemKind == 0) return false;
    if (!sendListAndWait(link, polling_list::clearCodes(state.altListVariant != 0))) return false;
    link.pause(kClearSettle);
    state.listState = list_state::kNone;
    return true;
}

}  // namespace quilldar::link
