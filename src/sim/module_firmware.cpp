#include "sim/module_firmware.h"

#include <algorithm>

#include "link/module_commands.h"
#include "link/module_replies.h"

namespace quilldar::sim {

namespace {

using link::Frame;
using link::Report;

// The module's reply to "Stop".
constexpr std::string_view kStopped = "Stop OK";

bool wordIs(const Report& command, std::string_view word) {
    return link::payloadStartsWith(command, word);
}

// The frame carried by a command: length in byte 7, frame from byte 8.
Frame carriedFrame(const Report& command) {
    const std::size_t first = link::commands::kFirstParameter + 1;
    const std::size_t length = std::min<std::size_t>(command[link::commands::kFirstParameter],
                                                     link::kReportSize - first);
    return Frame(command.begin() + static_cast<std::ptrdiff_t>(first),
                 command.begin() + static_cast<std::ptrdiff_t>(first + length));
}

// Slot number of a "CommNN" command, or 0 when the digits are not a slot number.
int slotNumber(const Report& command) {
    const auto digit = [](std::uint8_t c) { return c >= '0' && c <= '9' ? c - '0' : -1; };
    const int tens = digit(command[5]);
    const int ones = digit(command[6]);
    if (tens < 0 || ones < 0) return 0;
    const int number = tens * 10 + ones;
    return number >= 1 && number <= ModuleFirmware::kSlotCount ? number : 0;
}

bool wellFormedRequest(const Frame& frame) {
    if (frame.size() < 5 || frame[0] != 0x80) return false;
    const std::size_t length = frame[3];
    if (frame.size() < length + 5) return false;
    return link::checksum(std::span(frame.data(), length + 4)) == frame[length + 4];
}

}  // namespace

Report textReport(std::string_view text) {
    Report report{};
    std::copy_n(text.begin(), std::min(text.size(), link::kPayloadSize), report.begin() + 1);
    return report;
}

ModuleFirmware::ModuleFirmware(VirtualVehicle& vehicle, ModuleHardware hardware)
    : vehicle_(vehicle), hardware_(std::move(hardware)) {}

const Frame& ModuleFirmware::slot(int number) const {
    static const Frame kEmpty;
    return number >= 1 && number <= kSlotCount ? slots_[static_cast<std::size_t>(number)] : kEmpty;
}

std::vector<Report> ModuleFirmware::handleCommand(const Report& command) {
    if (loseIn_ > 0 && --loseIn_ == 0) return {};
    // Longer and more specific words first: a shorter word leaves the previous command's
    // characters behind it, which the module does not look at.
    if (wordIs(command, "Get_Type")) return {textReport(std::string("Tp") + hardware_.type)};
    if (wordIs(command, "Get_ID")) return {textReport("ID" + hardware_.hardwareId)};
    if (wordIs(command, "Get_SN")) return {textReport("SN" + hardware_.serialNumber)};
    if (wordIs(command, "Comm")) {
        ++configurationCount_;
        if (const int number = slotNumber(command); number != 0)
            slots_[static_cast<std::size_t>(number)] = carriedFrame(command);
        return {};
    }
    if (wordIs(command, "InitL")) {
        state_ = State::Configured;
        configurationCount_ = 1;
        lineSetup_ = command[link::commands::kLineSetupByte];
        return {};
    }
    if (wordIs(command, "Init0")) {
        ++configurationCount_;
        wakeUpFrame_ = carriedFrame(command);
        return {};
    }
    if (wordIs(command, "DisC.")) {
        ++configurationCount_;
        stopFrame_ = carriedFrame(command);
        return {};
    }
    if (wordIs(command, "Start")) return start();
    if (wordIs(command, "Power"))
        return {textReport(vehicle_.powered() ? link::replies::kPowerOk : link::replies::kNoPower)};
    if (wordIs(command, "List")) return setList(command);
    if (wordIs(command, "Stop")) {
        if (state_ == State::Polling && wellFormedRequest(stopFrame_)) (void)relay(stopFrame_);
        state_ = State::Idle;
        return {textReport(kStopped)};
    }
    return {};
}

std::vector<Report> ModuleFirmware::start() {
    if (startFault_) {
        const std::string reply = *startFault_;
        startFault_.reset();
        return {textReport(reply)};
    }
    VirtualControlUnit* unit =
        wakeUpFrame_.size() >= 2 ? vehicle_.unitAt(wakeUpFrame_[1]) : nullptr;
    // A unit woken with another line setup than its own never hears the wake-up.
    if (!vehicle_.powered() || unit == nullptr || unit->lineSetup() != lineSetup_ || !unit->wakeUp())
        return {textReport(link::replies::kConnectError)};
    state_ = State::Polling;
    listPosition_ = 0;
    staleDue_ = staleReplies_;
    return {textReport(link::replies::kStartOk)};
}

std::vector<Report> ModuleFirmware::setList(const Report& command) {
    list_.clear();
    for (std::size_t i = link::commands::kFirstParameter; i < link::kReportSize && command[i] != 0; ++i)
        list_.push_back(command[i]);
    listPosition_ = 0;
    if (state_ == State::Polling) {
        staleDue_ = staleReplies_;
        return {};
    }
    // While configuring, the module answers with the number of configuration commands it has
    // received since "InitL", so the program can tell whether every one arrived.
    Report count{};
    count[1] = static_cast<std::uint8_t>(configurationCount_);
    return {count};
}

std::optional<Report> ModuleFirmware::nextPolledResponse() {
    if (state_ != State::Polling || list_.empty()) return std::nullopt;
    if (!vehicle_.powered()) return loseControlUnit();
    if (staleDue_) {
        staleDue_ = false;
        return staleReplyBefore(slot(list_[listPosition_]));
    }
    for (std::size_t tried = 0; tried < list_.size(); ++tried) {
        const std::uint8_t number = list_[listPosition_];
        listPosition_ = (listPosition_ + 1) % list_.size();
        if (auto response = relay(slot(number))) {
            lastRelayed_ = *response;
            return response;
        }
    }
    return std::nullopt;
}

Report ModuleFirmware::staleReplyBefore(const Frame& request) const {
    if (lastRelayed_) return *lastRelayed_;
    // "Request correctly received, response pending" from the unit the request is for.
    constexpr std::uint8_t kResponsePending = 0x78;
    const std::uint8_t target = request.size() > 1 ? request[1] : 0;
    const std::uint8_t service = request.size() > 4 ? request[4] : 0;
    const Frame negative = link::buildResponse(target, std::vector<std::uint8_t>{0x7F, service, kResponsePending});
    Report report{};
    std::copy(negative.begin(), negative.end(), report.begin() + 1);
    return report;
}

std::optional<Report> ModuleFirmware::relay(const Frame& request) {
    if (!wellFormedRequest(request)) return std::nullopt;
    VirtualControlUnit* unit = vehicle_.unitAt(request[1]);
    if (unit == nullptr) return std::nullopt;
    const std::span<const std::uint8_t> service(request.data() + 4, request[3]);
    ServiceBytes answer = unit->answer(service);
    if (answer.empty()) return std::nullopt;
    answer.resize(std::min(answer.size(), link::kMaxResponseLength));
    Frame response = link::buildResponse(unit->address(), answer);
    if (corruptNext_) {
        response.back() = static_cast<std::uint8_t>(response.back() + 1);
        corruptNext_ = false;
    }
    if (overlongNext_) {
        // The length byte points past the end of the report.
        constexpr std::uint8_t kOverlong = 0xF0;
        response[3] = kOverlong;
        overlongNext_ = false;
    }
    Report report{};
    std::copy(response.begin(), response.end(), report.begin() + 1);
    return report;
}

Report ModuleFirmware::loseControlUnit() {
    state_ = State::Idle;
    return textReport(link::replies::kDisconnected);
}

}  // namespace quilldar::sim
