#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

#include "link/kwp_frame.h"
#include "link/report.h"

// Builders for the interface module's command words. Each writes only the bytes its command
// names into the command report; every other byte keeps what an earlier command left there,
// which the module ignores.
namespace quilldar::link::commands {

// Command word bytes start at report byte 1; the first parameter byte is byte 7.
inline constexpr std::size_t kWordStart = 1;
inline constexpr std::size_t kFirstParameter = 7;
// The line-setup value of "InitL".
inline constexpr std::size_t kLineSetupByte = 31;
// Lists of up to this many entries are followed by zeros through report byte 14.
inline constexpr std::size_t kShortListEntries = 7;
inline constexpr std::size_t kShortListEnd = 14;

// Line setup value of "InitL": the transmission unit needs its own line initialisation.
inline constexpr std::uint8_t kLineSetupTransmission = 5;
inline constexpr std::uint8_t kLineSetupDefault = 0;

void setWord(Report& report, std::string_view word);

// "InitL": line initialisation for the coming "Start".
void initLine(Report& report, std::uint8_t lineSetup);
// "Init0": the StartCommunication frame that wakes the ECM at target.
void initWakeUp(Report& report, std::uint8_t target);
// "DisC.": the StopCommunication frame that ends the ECM session.
void disconnectFrame(Report& report, std::uint8_t target);
// "DisC." with no frame (the link-up handshake).
void disconnectWithoutFrame(Report& report);
// "Comm01".."Comm23": stores a request frame as the numbered slot.
void defineSlot(Report& report, int slot, std::span<const std::uint8_t> frame);
// "List": the polling list, slots in order, then zeros through byte 14 for lists of up to seven
// entries and a single zero after longer lists.
void list(Report& report, std::span<const std::uint8_t> slotNumbers);
void list(Report& report, std::initializer_list<std::uint8_t> slotNumbers);
// "List" followed by a single zero, whatever its length (the lists of the active tests).
void listWithSingleZero(Report& report, std::initializer_list<std::uint8_t> slotNumbers);
void start(Report& report);
void stop(Report& report);
void power(Report& report);
void getId(Report& report);
void getSerial(Report& report);
void getType(Report& report);

}  // namespace quilldar::link::commands
