#include "link/connect_unit.h"

#include "link/hid_link.h"
#include "link/module_commands.h"
#include "link/module_replies.h"

namespace quilldar::link {

namespace {

// Reports a WaitReplyFor looks at before giving up on the identifier.
constexpr int kReplyWindow = 20;
// The module restarts the sequence after "TMR Error" or a wrong "List" count; a module that keeps
// doing so would hold the program for ever, so after this many restarts the attempt fails.
constexpr int kMaxRestarts = 10;
// Reports skipped while waiting for the answer to "Start".
constexpr int kMaxStartReplies = 50;
// Model-code requests before the attempt fails.
constexpr int kMaxCodeRequests = 20;
// Part-number requests of the engine beyond the first: five in all per scheme.
constexpr int kPartNumberRetries = 4;
// The engine's first part-number reply names the second scheme with these two bytes.
constexpr std::uint8_t kSecondSchemeMark[] = {0x12, 0x31};
// The module needs this long to take in the configuration before it counts it.
constexpr std::chrono::milliseconds kConfigurationSettle{50};

enum class Outcome { Done, Restart, Failed, LinkLost };

class Sequence {
public:
    Sequence(HidLink& link, app::AppState& state, ControlUnit unit, EcmIdentity& identity,
             ConnectObserver& observer)
        : link_(link),
          state_(state),
          setup_(unitSetup(unit)),
          identity_(identity),
          observer_(observer) {}

    void run() {
        for (int restarts = 0;; ++restarts) {
            if (restarts > kMaxRestarts) {
                observer_.communicationFailed();
                return;
            }
            const Outcome outcome =
                setup_.unit == ControlUnit::Engine ? connectEngine() : connectOther();
            if (outcome == Outcome::Failed) observer_.communicationFailed();
            if (outcome != Outcome::Restart) return;
        }
    }

private:
    Report& command() { return link_.transmitReport(); }
    Report reply() const { return link_.reply(); }

    void sendList(std::initializer_list<std::uint8_t> slotNumbers) {
        commands::list(command(), slotNumbers);
        link_.SendReport();
    }
    void sendList(const std::vector<std::uint8_t>& slotNumbers) {
        commands::list(command(), slotNumbers);
        link_.SendReport();
    }

    void sendConfiguration() {
        commands::initLine(command(), setup_.lineSetup);
        link_.SendReport();
        commands::initWakeUp(command(), setup_.target);
        link_.SendReport();
        commands::disconnectFrame(command(), setup_.target);
        link_.SendReport();
        for (const std::uint8_t number : setup_.slotNumbers) {
            commands::defineSlot(command(), number, requestSlot(setup_.unit, number));
            link_.SendReport();
        }
    }

    // Sends "Start" and waits for the module's verdict, skipping any other report.
    Outcome start() {
        commands::start(command());
        link_.SendReport();
        for (int skipped = 0; skipped < kMaxStartReplies; ++skipped) {
            if (!link_.WaitReport()) return Outcome::LinkLost;
            if (link_.ReplyIs(replies::kConnectError)) return Outcome::Failed;
            if (link_.ReplyIs(replies::kTimerError)) return Outcome::Restart;
            if (link_.ReplyIs(replies::kStartOk)) return Outcome::Done;
        }
        return Outcome::Failed;
    }

    void connected(const std::vector<std::uint8_t>& finalList) {
        sendList(finalList);
        state_.connected = 1;
        state_.systemKind = static_cast<std::uint16_t>(setup_.unit);
        state_.listState = 0;
    }

    static bool goodPartNumber(const Report& r) {
        return frameByte(r, 6) != 0 && frameByte(r, 0) == 0x80 && frameByte(r, 11) == '-';
    }
    static bool goodCode(const Report& r) { return frameByte(r, 12) != 0 && frameByte(r, 0) == 0x80; }

    // Asks for the part number with the slot until a good reply or the retries are used up.
    // Returns false when a wait failed.
    bool readPartNumber(std::uint8_t slotNumber, std::uint8_t option, int& retries) {
        for (;;) {
            sendList({slotNumber});
            if (!WaitReplyFor(link_, option, observer_)) return false;
            const Report r = reply();
            identity_.partNumber = partNumberOf(r);
            observer_.showPartNumber(identity_.partNumber);
            if (slotNumber == slot::kPartNumber && frameByte(r, 6) == kSecondSchemeMark[0] &&
                frameByte(r, 7) == kSecondSchemeMark[1])
                retries = 10;
            if (goodPartNumber(r) || retries >= kPartNumberRetries) break;
            ++retries;
        }
        observer_.recordReport();
        return true;
    }

    // Asks for the model code until a good reply.
    Outcome readCode(std::uint8_t slotNumber, std::uint8_t option) {
        for (int attempt = 0; attempt < kMaxCodeRequests; ++attempt) {
            sendList({slotNumber});
            if (!WaitReplyFor(link_, option, observer_)) return Outcome::LinkLost;
            const Report r = reply();
            identity_.code = codeOf(r);
            if (goodCode(r)) {
                observer_.recordReport();
                return Outcome::Done;
            }
        }
        return Outcome::Failed;
    }

    Outcome connectEngine() {
        state_.altListVariant = 0;
        sendConfiguration();
        sendList({slot::kPartNumber});
        if (const Outcome started = start(); started != Outcome::Done) return started;

        if (!readPartNumber(slot::kPartNumber, 0x91, retries_)) return Outcome::LinkLost;
        if (retries_ < kPartNumberRetries) {
            const Outcome code = readCode(slot::kModelCode, 0x9A);
            if (code != Outcome::Done) return code;
            connected({slot::kLiveData});
            return Outcome::Done;
        }
        // The second identification scheme.
        retries_ = 0;
        if (!readPartNumber(slot::kAltPartNumber, 0x8E, retries_)) return Outcome::LinkLost;
        const Outcome code = readCode(slot::kAltModelCode, 0x8A);
        if (code != Outcome::Done) return code;
        connected({slot::kAltLiveData});
        state_.altListVariant = 1;
        return Outcome::Done;
    }

    Outcome connectOther() {
        sendConfiguration();
        link_.pause(kConfigurationSettle);
        sendList({slot::kPartNumber});
        if (!link_.WaitReport()) return Outcome::LinkLost;
        if (link_.ReplyIs(replies::kTimerError) ||
            frameByte(reply(), 0) != setup_.expectedListCount)
            return Outcome::Restart;
        if (const Outcome started = start(); started != Outcome::Done) return started;

        if (!link_.WaitReport()) return Outcome::LinkLost;
        const Report part = reply();
        if (frameByte(part, 4) != 0x5A || frameByte(part, 5) != setup_.partNumberOption)
            return Outcome::Failed;
        identity_.partNumber = partNumberOf(part);
        observer_.showPartNumber(identity_.partNumber);
        observer_.recordReport();

        sendList({slot::kModelCode});
        if (!link_.WaitReport()) return Outcome::LinkLost;
        if (!WaitReplyFor(link_, setup_.codeOption, observer_)) return Outcome::LinkLost;
        identity_.code = codeOf(reply());

        sendList(setup_.finalList);
        if (!link_.WaitReport()) return Outcome::LinkLost;
        state_.connected = 1;
        state_.systemKind = static_cast<std::uint16_t>(setup_.unit);
        state_.listState = 0;
        return Outcome::Done;
    }

    HidLink& link_;
    app::AppState& state_;
    const UnitSetup& setup_;
    EcmIdentity& identity_;
    ConnectObserver& observer_;
    // Part-number retries; kept across restarts of the sequence.
    int retries_ = 0;
};

}  // namespace

bool WaitReplyFor(HidLink& link, std::uint8_t identifier, ConnectObserver& observer) {
    for (int seen = 0; seen < kReplyWindow; ++seen) {
        if (!link.WaitReport()) return false;
        if (frameByte(link.reply(), 5) == identifier) break;
    }
    observer.recordReport();
    return true;
}

void ConnectUnit(HidLink& link, app::AppState& state, ControlUnit unit, EcmIdentity& identity,
                 ConnectObserver& observer) {
    if (unit == ControlUnit::None) return;
    state.altListVariant = 0;
    Sequence(link, state, unit, identity, observer).run();
}

}  // namespace quilldar::link
