// The greeting of the interface module and the Connect of each unit, run through the session
// controller with a window without a screen, against a module whose replies are drawn from the
// input: any reply to any command, text replies at the wrong moment, frames of the wrong length
// or option, and silence. Checks what a session promises: a failed Connect leaves the program not
// connected, with "Communication failed" unless the link went down; a connected engine always has
// its model code; the unit connected is the one of the selected tab.
//
// The link waits up to 1.5 s for a reply that does not come; silence would make each run slow, so
// here it is the module being pulled off the port (every later open and write fails), which ends
// the input. The module answers each wait at once: it sends its next reply as soon as the link
// has started a wait.
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>

#include "context/app_context.h"
#include "app/session_controller.h"
#include "files/temporary_recording.h"
#include "fuzz_input.h"
#include "link/hid_link.h"
#include "link/hid_transport.h"
#include "link/kwp_frame.h"
#include "link/module_replies.h"
#include "link/request_slots.h"
#include "settings/languages.h"
#include "tool/headless_main_view.h"

using namespace quilldar;

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

constexpr std::array<std::string_view, 9> kTextReplies = {
    link::replies::kStartOk,     link::replies::kConnectError, link::replies::kTimerError,
    link::replies::kDisconnected, link::replies::kPowerOk,     link::replies::kNoPower,
    "ID", "SN", "Tp",
};
constexpr std::array<std::uint8_t, 4> kIdentifiers = {0x91, 0x9A, 0x8E, 0x8A};

void putText(link::Report& report, std::string_view text, std::size_t at = 1) {
    for (std::size_t i = 0; i < text.size() && at + i < report.size(); ++i)
        report[at + i] = static_cast<std::uint8_t>(text[i]);
}

// The interface module as the input makes it behave.
class FuzzedModule final : public link::HidTransport {
public:
    explicit FuzzedModule(FuzzedDataProvider& data) : data_(data) {}

    void watch(const link::HidLink& link, app::AppState& state) {
        link_ = &link;
        state_ = &state;
    }
    // While honest, the module answers the greeting and the power question as a good module does.
    void setHonest(bool honest) {
        const std::lock_guard lock(mutex_);
        honest_ = honest;
    }
    bool pulled() const {
        const std::lock_guard lock(mutex_);
        return pulled_;
    }

    link::OpenOutcome open(std::uint16_t, std::uint16_t) override {
        const std::lock_guard lock(mutex_);
        return pulled_ ? link::OpenOutcome::NotFound : link::OpenOutcome::Opened;
    }
    void close() override {}
    bool write(const link::Report& report) override {
        const std::lock_guard lock(mutex_);
        command_ = report;
        // A good module confirms with its "List" count the configuration commands it took, from
        // "InitL" on.
        if (commandIs("InitL")) {
            sinceList_ = 1;
        } else if (commandIs("List")) {
            listCount_ = sinceList_;
            sinceList_ = 0;
        } else {
            ++sinceList_;
        }
        return !pulled_;
    }
    link::ReadOutcome read(link::Report& into, int timeoutMs) override {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(std::min(timeoutMs, 2));
        while (std::chrono::steady_clock::now() < until) {
            if (!link_->reportReady()) {
                // A wait has started since the last reply.
                const std::lock_guard lock(mutex_);
                if (!pulled_) into = nextReply();
                if (pulled_) {
                    // The reader would drop the link after its failed reads; done at once here.
                    state_->setLinkOpen(false);
                    return link::ReadOutcome::Failed;
                }
                return link::ReadOutcome::Report;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(20));
        }
        return link::ReadOutcome::TimedOut;
    }

private:
    bool commandIs(std::string_view word) const { return link::payloadStartsWith(command_, word); }

    link::Report honestReply() const {
        link::Report reply{};
        if (commandIs("Get_ID")) putText(reply, "ID3A1");
        else if (commandIs("Get_SN")) putText(reply, "SN004711");
        else if (commandIs("Get_Type")) putText(reply, "Tp1");
        else if (commandIs("Power")) putText(reply, link::replies::kPowerOk);
        else if (commandIs("Start")) putText(reply, link::replies::kStartOk);
        else if (commandIs("List")) reply[1] = static_cast<std::uint8_t>(listCount_);
        return reply;
    }

    link::Report identification() {
        link::Report reply{};
        reply[1] = data_.ConsumeBool() ? 0x80 : data_.ConsumeIntegral<std::uint8_t>();
        reply[5] = data_.ConsumeBool() ? 0x5A : data_.ConsumeIntegral<std::uint8_t>();
        reply[6] = data_.ConsumeBool() ? data_.PickValueInArray(kIdentifiers) : data_.ConsumeIntegral<std::uint8_t>();
        const auto text = data_.ConsumeBytes<std::uint8_t>(data_.ConsumeIntegralInRange<std::size_t>(0, 12));
        std::copy(text.begin(), text.end(), reply.begin() + 7);
        if (data_.ConsumeBool()) reply[12] = '-';
        return reply;
    }

    link::Report nextReply() {
        if (data_.remaining_bytes() == 0) {
            pulled_ = true;
            return {};
        }
        if (honest_) {
            last_ = honestReply();
            return last_;
        }
        link::Report reply{};
        // Each connect attempt of a unit other than the engine pauses 50 ms before its "List";
        // honest answers are common enough that most inputs get past it without a restart.
        switch (data_.ConsumeIntegralInRange<int>(0, 9)) {
            case 0:  // silence: the module is gone
                pulled_ = true;
                return {};
            case 1: {
                putText(reply, data_.PickValueInArray(kTextReplies));
                const auto tail = data_.ConsumeBytes<std::uint8_t>(data_.ConsumeIntegralInRange<std::size_t>(0, 4));
                std::copy(tail.begin(), tail.end(), reply.begin() + 3);
                break;
            }
            case 2: reply = identification(); break;
            case 3: reply[1] = data_.ConsumeIntegralInRange<std::uint8_t>(0, 24); break;  // a "List" count
            case 4: {
                const auto raw = data_.ConsumeBytes<std::uint8_t>(data_.ConsumeIntegralInRange<std::size_t>(0, 64));
                std::copy(raw.begin(), raw.end(), reply.begin() + 1);
                break;
            }
            case 5:
            case 8:
            case 9: reply = honestReply(); break;
            case 6: reply = last_; break;
            default: {
                const auto service = data_.ConsumeBytes<std::uint8_t>(data_.ConsumeIntegralInRange<std::size_t>(0, 20));
                const link::Frame frame = link::buildResponse(link::address::kEngine, service);
                std::copy(frame.begin(), frame.end(), reply.begin() + 1);
                break;
            }
        }
        last_ = reply;
        return reply;
    }

    FuzzedDataProvider& data_;
    const link::HidLink* link_ = nullptr;
    app::AppState* state_ = nullptr;
    mutable std::mutex mutex_;
    link::Report command_{};
    link::Report last_{};
    int sinceList_ = 0;
    int listCount_ = 0;
    bool honest_ = true;
    bool pulled_ = false;
};

void checkSessionState(const app::AppState& state, int unitTab) {
    if (state.connected) {
        require(state.systemKind == unitTab + 1);
    } else {
        require(state.systemKind == 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir folder;
    FuzzedDataProvider input(data, size);
    const int unitTab = input.ConsumeIntegralInRange<int>(0, 4);
    const bool fuzzedGreeting = input.ConsumeIntegralInRange<int>(0, 7) == 0;
    // Drawn before the link threads start: from then on only the module draws from the input.
    const int sessionTicks = input.ConsumeIntegralInRange<int>(0, 6);

    auto owned = std::make_unique<FuzzedModule>(input);
    FuzzedModule& module = *owned;
    app::AppContext context(std::move(owned));
    app::AppState& state = context.state();
    module.watch(context.link(), state);
    module.setHonest(!fuzzedGreeting);
    files::TemporaryRecording recording(folder.path());
    tool::HeadlessMainView view;
    app::SessionController session(context, view, recording);
    view.selectTab(unitTab);

    for (int tick = 0; tick < 40 && !state.powerStable && !state.adapterRejected && !module.pulled(); ++tick)
        session.tick();
    const link::ModuleIdentity& identity = context.module();
    require(identity.hardwareId.size() <= 3 || identity.hardwareId == link::ModuleIdentity::kUnknown);
    require(identity.serialNumber.size() <= 6 || identity.serialNumber == link::ModuleIdentity::kUnknown);
    require(identity.type.size() <= 1);
    if (state.adapterRejected) require(identity.type != QStringLiteral("1"));
    session.tick();
    if (!state.powerStable || !state.isLinkOpen() || state.adapterRejected) return 0;

    module.setHonest(false);
    const int messagesBefore = view.messages;
    session.connectCommand();
    checkSessionState(state, unitTab);
    if (state.connected) {
        const link::EcmIdentity& ecm = context.ecm();
        require(ecm.partNumber.size() <= 11 && ecm.code.size() <= 4);
        if (unitTab == 0) require(!ecm.code.isEmpty());
        require(state.altListVariant == 0 || unitTab == 0);
    } else {
        const bool told = view.messages > messagesBefore && view.lastMessage == app::Message::CommunicationFailed;
        require(told || !state.isLinkOpen());
        require(state.altListVariant == 0);
    }

    // A few poll ticks of the session, then Disconnect.
    for (int tick = 0; tick < sessionTicks && !module.pulled(); ++tick) {
        session.tick();
        checkSessionState(state, unitTab);
    }
    if (state.connected) {
        session.connectCommand();
        require(!state.connected && state.systemKind == 0);
    }
    return 0;
}
