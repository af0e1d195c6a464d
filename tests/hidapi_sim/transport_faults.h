#pragma once

#include <QString>
#include <chrono>
#include <optional>
#include <string_view>
#include <vector>

namespace quilldar::hidsim {

// What the simulated device does wrong at the USB side, as hidapi would show it.
enum class TransportFault {
    Unplug,       // reads and writes fail with -1; the device leaves the enumeration
    Replug,       // the device is back, the module starts afresh
    Mute,         // reads time out until the device is closed and opened again
    Busy,         // every open fails from then on (another program holds the device)
    ShortWrite,   // the next write sends only part of the report
    ZeroRead,     // the next read returns 0 bytes although a report is on its way
    ExtraDevice,  // a second device with the module's ids, which fails to open, is listed first
    NoReportId,   // writes count the bytes sent without the leading report-id byte (64, not 65)
};

struct TimedFault {
    TransportFault fault = TransportFault::Unplug;
    std::chrono::milliseconds at{0};  // from the moment the device was plugged in
};

// Parses a comma-separated list of NAME[@SECONDS] (no @: at once). On a bad entry returns
// nothing and puts the reason into error.
std::optional<std::vector<TimedFault>> parseTransportFaults(std::string_view text, QString& error);

}  // namespace quilldar::hidsim
