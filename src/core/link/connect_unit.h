#pragma once

#include <chrono>
#include <cstdint>

#include <QString>

#include "state/app_state.h"
#include "link/ecm_identity.h"
#include "link/request_slots.h"

namespace quilldar::link {

class HidLink;

// What a connect sequence needs from the window that runs it.
class ConnectObserver {
public:
    virtual ~ConnectObserver() = default;
    // The part number as soon as it is read ("ECM ID:").
    virtual void showPartNumber(const QString& partNumber) = 0;
    // The unit could not be reached: "Communication failed" with the caption "Error".
    virtual void communicationFailed() = 0;
    // Keeps the identification reply standing in the receive report in the session recording.
    virtual void recordReport() = 0;
};

// Runs the connect sequence for the unit: loads the module with the unit's request slots, wakes
// the unit, reads its part number and model code, and leaves the module streaming the unit's live
// data. On success state.connected is 1 and systemKind names the unit; a failed wait leaves
// connected at 0 without a message (the link is down and the poll loop reopens it). Every
// attempt starts with the first scheme's lists (altListVariant 0), whatever an earlier session
// of the run used.
void ConnectUnit(HidLink& link, app::AppState& state, ControlUnit unit, EcmIdentity& identity,
                 ConnectObserver& observer);

// Waits for up to 20 reports, ending early at one whose frame byte 5 is the identifier; the
// report it ended on is recorded. False only when a wait failed.
bool WaitReplyFor(HidLink& link, std::uint8_t identifier, ConnectObserver& observer);

}  // namespace quilldar::link
