#pragma once

#include <cstdint>

#include "link/report.h"

namespace quilldar::link {

enum class OpenOutcome {
    Opened,
    NotFound,            // no interface with the vendor and product id among those examined
    AccessDenied,        // a matching interface exists but could not be opened
    LibraryUnavailable,  // the platform HID library or one of its entry points is missing
};

enum class ReadOutcome {
    Report,   // a complete input report was read
    TimedOut, // nothing arrived within the slice; the device is still there
    Failed,   // the device failed or is gone
};

// The seam between the link and a HID device: the real module through the platform HID library,
// or the simulated module. open and close are called from the GUI thread only; write from the
// GUI thread; read from the link's reader thread while the device is open.
class HidTransport {
public:
    virtual ~HidTransport() = default;

    // Examines at most kMaxInterfaces interfaces in enumeration order and opens the first whose
    // vendor and product id match.
    virtual OpenOutcome open(std::uint16_t vendorId, std::uint16_t productId) = 0;
    virtual void close() = 0;
    // Writes all 65 bytes of the report (byte 0 is the report id).
    virtual bool write(const Report& report) = 0;
    // Blocks for at most timeoutMs for the next input report; fills bytes 1..64, byte 0 = 0.
    virtual ReadOutcome read(Report& into, int timeoutMs) = 0;

    static constexpr int kMaxInterfaces = 50;
};

}  // namespace quilldar::link
