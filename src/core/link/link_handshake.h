#pragma once

#include <QString>

#include "state/app_state.h"

namespace quilldar::link {

class HidLink;

// What the module told about itself in the link-up handshake.
struct ModuleIdentity {
    static constexpr const char* kUnknown = "---";
    QString hardwareId = kUnknown;    // three characters of the "Get_ID" reply
    QString serialNumber = kUnknown;  // six characters of the "Get_SN" reply
    QString type;                     // the type character of the "Get_Type" reply

    void clear() {
        hardwareId = kUnknown;
        serialNumber = kUnknown;
        type.clear();
    }
};

// Greets a freshly opened module: "DisC." without a frame and "Stop" end whatever it was doing,
// then its hardware id, serial number and type are read. A module of another type than "1" is
// rejected for the rest of the run. Returns false when a wait failed (the link is down again).
bool LinkHandshake(HidLink& link, app::AppState& state, ModuleIdentity& identity);

// Asks the module for vehicle power. Thirty consecutive "Power OK" replies make power stable;
// one "No Power" makes it unstable and starts the count again.
void PollPower(HidLink& link, app::AppState& state);

// Consecutive "Power OK" replies needed before power counts as stable.
inline constexpr int kPowerStableCount = 30;

}  // namespace quilldar::link
