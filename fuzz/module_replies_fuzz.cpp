// The checks the program makes on a report from the interface module, on any 65 bytes: the text
// replies ("Start OK", "ID...", "SN...", "Tp..."), the frame bytes and texts taken from them, and
// the response check with its length byte pointing anywhere, including past the report. Each
// result is compared with a plain restatement of the rule, so a wrong answer is a finding too.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz_input.h"
#include "link/ecm_identity.h"
#include "link/kwp_frame.h"
#include "link/module_replies.h"
#include "link/report.h"

using namespace quilldar;

namespace {

constexpr std::array<std::string_view, 9> kReplies = {
    link::replies::kStartOk,     link::replies::kConnectError, link::replies::kTimerError,
    link::replies::kDisconnected, link::replies::kPowerOk,     link::replies::kNoPower,
    link::replies::kHardwareId,  link::replies::kSerialNumber, link::replies::kType,
};

void require(bool condition) {
    if (!condition) std::abort();
}

bool expectedStartsWith(const link::Report& report, std::string_view text) {
    return text.size() <= link::kPayloadSize && std::memcmp(report.data() + 1, text.data(), text.size()) == 0;
}

void checkText(const link::Report& report, std::size_t first, std::size_t count) {
    const QString text = link::frameText(report, first, count);
    require(static_cast<std::size_t>(text.size()) <= count);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const std::size_t k = first + static_cast<std::size_t>(i);
        require(k <= link::kLastFrameByte);
        require(text[i].unicode() == report[k + 1] && report[k + 1] != 0);
    }
    // The text ends at a zero byte, at the end of the payload or after count characters.
    const std::size_t end = first + static_cast<std::size_t>(text.size());
    require(text.size() == static_cast<qsizetype>(count) || end > link::kLastFrameByte || report[end + 1] == 0);
}

void checkResponse(const link::Report& report, bool altListVariant) {
    const std::size_t length = report[4];
    bool expected = false;
    if (length + 4 <= link::kLastFrameByte) {
        unsigned sum = 0;
        for (std::size_t i = 1; i <= 4 + length; ++i) sum += report[i];
        expected = static_cast<std::uint8_t>(sum) == report[5 + length];
    }
    require(link::responseChecksumOk(report) == expected);

    link::Report checked = report;
    const bool kept = link::checkResponse(checked, altListVariant);
    require(kept == (altListVariant || expected));
    if (kept) {
        require(checked == report);
    } else {
        require(std::all_of(checked.begin(), checked.end() - 1, [](std::uint8_t b) { return b == 0; }));
        require(checked.back() == report.back());
    }
}

// A response built by the program itself passes the check whenever it fits in the report.
void checkBuiltResponse(FuzzedDataProvider& data) {
    const auto source = data.ConsumeIntegral<std::uint8_t>();
    const auto service = data.ConsumeBytes<std::uint8_t>(data.ConsumeIntegralInRange<std::size_t>(0, 70));
    const link::Frame frame = link::buildResponse(source, service);
    require(frame.size() == service.size() + 5);
    link::Report report{};
    const std::size_t copied = std::min(frame.size(), link::kPayloadSize);
    std::copy_n(frame.begin(), copied, report.begin() + 1);
    const bool fits = service.size() <= link::kMaxResponseLength;
    require(link::responseChecksumOk(report) == fits);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first 64 bytes are the payload; the rest steers the checks.
    link::Report report{};
    const std::size_t payload = std::min(size, link::kPayloadSize);
    std::copy_n(data, payload, report.begin() + 1);
    FuzzedDataProvider control(data + payload, size - payload);

    for (const std::string_view reply : kReplies) {
        require(link::payloadStartsWith(report, reply) == expectedStartsWith(report, reply));
    }
    const std::string text = control.ConsumeRandomLengthString(80);
    require(link::payloadStartsWith(report, text) == expectedStartsWith(report, text));

    for (std::size_t k = 0; k < 80; ++k) {
        require(link::frameByte(report, k) == (k <= link::kLastFrameByte ? report[k + 1] : 0));
    }
    // The texts of the handshake and of the identification replies, then anywhere.
    checkText(report, 2, 3);
    checkText(report, 2, 6);
    checkText(report, 2, 1);
    checkText(report, 6, 11);
    checkText(report, 12, 4);
    require(link::partNumberOf(report) == link::frameText(report, 6, 11));
    require(link::codeOf(report) == link::frameText(report, 12, 4));
    checkText(report, control.ConsumeIntegralInRange<std::size_t>(0, 80),
              control.ConsumeIntegralInRange<std::size_t>(0, 80));

    checkResponse(report, false);
    checkResponse(report, true);
    checkBuiltResponse(control);
    return 0;
}
