#include "link/link_handshake.h"

#include <string_view>

#include "link/ecm_identity.h"
#include "link/hid_link.h"
#include "link/module_commands.h"
#include "link/module_replies.h"

namespace quilldar::link {

namespace {

// A module that keeps answering with something else is given up after this many replies, so that
// a confused module cannot hold the program; the link is dropped and reopened on the next tick.
constexpr int kMaxRepliesPerQuestion = 50;

// Sends the command until a reply starts with prefix; false when a wait fails.
template <typename BuildCommand>
bool askUntil(HidLink& link, BuildCommand build, std::string_view prefix, Report& reply) {
    for (int attempt = 0; attempt < kMaxRepliesPerQuestion; ++attempt) {
        build(link.transmitReport());
        link.SendReport();
        if (!link.WaitReport()) return false;
        reply = link.reply();
        if (payloadStartsWith(reply, prefix)) return true;
    }
    link.dropLink();
    return false;
}

}  // namespace

bool LinkHandshake(HidLink& link, app::AppState& state, ModuleIdentity& identity) {
    state.handshakePending = 0;
    Report& command = link.transmitReport();
    commands::disconnectWithoutFrame(command);
    link.SendReport();
    commands::stop(command);
    link.SendReport();
    if (!link.WaitReport()) return false;

    Report reply{};
    if (!askUntil(link, commands::getId, replies::kHardwareId, reply)) return false;
    identity.hardwareId = frameText(reply, 2, 3);
    if (!askUntil(link, commands::getSerial, replies::kSerialNumber, reply)) return false;
    identity.serialNumber = frameText(reply, 2, 6);
    if (!askUntil(link, commands::getType, replies::kType, reply)) return false;
    identity.type = frameText(reply, 2, 1);
    if (frameByte(reply, 2) != static_cast<std::uint8_t>(replies::kSupportedType)) {
        state.adapterRejected = 1;
        link.dropLink();
    }
    return true;
}

void PollPower(HidLink& link, app::AppState& state) {
    commands::power(link.transmitReport());
    link.SendReport();
    if (!link.WaitReport()) return;
    if (link.ReplyIs(replies::kPowerOk)) {
        if (state.powerStable == 0) {
            ++state.powerOkCount;
            if (state.powerOkCount >= kPowerStableCount) state.powerStable = 1;
        }
    } else if (link.ReplyIs(replies::kNoPower)) {
        state.powerStable = 0;
        state.powerOkCount = 0;
    }
}

}  // namespace quilldar::link
