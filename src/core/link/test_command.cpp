#include "link/test_command.h"

#include <chrono>

#include "link/hid_link.h"
#include "link/module_commands.h"

namespace quilldar::link {

namespace {
// Time the module needs to take in a new slot definition before the list refers to it.
constexpr std::chrono::milliseconds kSlotSettleTime{200};
constexpr std::uint8_t kTestSlot = 20;
constexpr std::uint8_t kLiveDataSlot = 3;
}  // namespace

void SendTestCommand(HidLink& link, bool startTest) {
    if (startTest) {
        link.SendReportUnchecked();
        link.pause(kSlotSettleTime);
        commands::listWithSingleZero(link.transmitReport(), {kTestSlot, kLiveDataSlot});
    } else {
        commands::listWithSingleZero(link.transmitReport(), {kLiveDataSlot});
    }
    link.SendReportUnchecked();
}

}  // namespace quilldar::link
