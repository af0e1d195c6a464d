#include "link/module_commands.h"

#include <algorithm>
#include <cstdio>

namespace quilldar::link::commands {

namespace {

void writeBytes(Report& report, std::size_t at, std::span<const std::uint8_t> bytes) {
    const std::size_t room = at < kReportSize ? kReportSize - at : 0;
    const std::size_t count = std::min(room, bytes.size());
    std::copy_n(bytes.begin(), count, report.begin() + static_cast<std::ptrdiff_t>(at));
}

void writeList(Report& report, std::span<const std::uint8_t> slotNumbers, bool zerosThroughShortEnd) {
    setWord(report, "List");
    writeBytes(report, kFirstParameter, slotNumbers);
    std::size_t next = kFirstParameter + slotNumbers.size();
    const std::size_t zerosEnd =
        zerosThroughShortEnd && slotNumbers.size() <= kShortListEntries ? kShortListEnd : next;
    for (; next <= zerosEnd && next < kReportSize; ++next) report[next] = 0;
}

}  // namespace

void setWord(Report& report, std::string_view word) {
    writeBytes(report, kWordStart,
               std::span(reinterpret_cast<const std::uint8_t*>(word.data()), word.size()));
}

void initLine(Report& report, std::uint8_t lineSetup) {
    setWord(report, "InitL");
    report[7] = 2;
    report[8] = 25;
    report[9] = 25;
    report[kLineSetupByte] = lineSetup;
}

void initWakeUp(Report& report, std::uint8_t target) {
    setWord(report, "Init0");
    const Frame frame = buildStartCommunication(target);
    report[kFirstParameter] = static_cast<std::uint8_t>(frame.size());
    writeBytes(report, kFirstParameter + 1, frame);
}

void disconnectFrame(Report& report, std::uint8_t target) {
    setWord(report, "DisC.");
    const Frame frame = buildStopCommunication(target);
    report[kFirstParameter] = static_cast<std::uint8_t>(frame.size());
    writeBytes(report, kFirstParameter + 1, frame);
}

void disconnectWithoutFrame(Report& report) {
    setWord(report, "DisC.");
    report[kFirstParameter] = 0;
}

void defineSlot(Report& report, int slot, std::span<const std::uint8_t> frame) {
    char word[8];
    std::snprintf(word, sizeof word, "Comm%02d", slot % 100);
    setWord(report, word);
    report[kFirstParameter] = static_cast<std::uint8_t>(frame.size());
    writeBytes(report, kFirstParameter + 1, frame);
}

void list(Report& report, std::span<const std::uint8_t> slotNumbers) { writeList(report, slotNumbers, true); }

void list(Report& report, std::initializer_list<std::uint8_t> slotNumbers) {
    writeList(report, std::span(slotNumbers.begin(), slotNumbers.size()), true);
}

void listWithSingleZero(Report& report, std::initializer_list<std::uint8_t> slotNumbers) {
    writeList(report, std::span(slotNumbers.begin(), slotNumbers.size()), false);
}

void start(Report& report) { setWord(report, "Start"); }
void stop(Report& report) { setWord(report, "Stop"); }
void power(Report& report) { setWord(report, "Power"); }
void getId(Report& report) { setWord(report, "Get_ID"); }
void getSerial(Report& report) { setWord(report, "Get_SN"); }
void getType(Report& report) { setWord(report, "Get_Type"); }

}  // namespace quilldar::link::commands
