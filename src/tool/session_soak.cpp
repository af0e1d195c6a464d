#include "tool/session_soak.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <memory>
#include <random>
#include <sstream>

#include "context/app_context.h"
#include "files/recording_file.h"
#include "files/temporary_recording.h"
#include "link/module_replies.h"
#include "sim/fault_schedule.h"
#include "sim/simulation_spec.h"
#include "tool/hang_watchdog.h"
#include "tool/soak_recording_check.h"
#include "tool/soak_rig.h"

namespace quilldar::tool {

namespace {

using std::chrono::milliseconds;

// The timing of `quilldar-tool simulate` without --realtime: the module answers at once and, once
// a session runs, relays a response every 20 µs.
constexpr sim::ModuleTiming kFastModule{milliseconds(0), milliseconds(1)};
constexpr std::chrono::microseconds kFastLine{20};
constexpr char kWorkingModuleType = '1';
constexpr std::size_t kViolationsKept = 20;

// How long a fault that lasts stays, in ticks.
constexpr int kPowerOffTicks[] = {5, 60};
constexpr int kUnpluggedTicks[] = {1, 30};
constexpr int kSlowTicks[] = {1, 3};
// A lost command is one of the next few.
constexpr int kCommandsPassing[] = {0, 4};

const char* endName(app::SessionEnd end) {
    switch (end) {
        case app::SessionEnd::None: return "none";
        case app::SessionEnd::UserDisconnect: return "user disconnect";
        case app::SessionEnd::LinkLost: return "link lost";
        case app::SessionEnd::UnitDisconnected: return "unit disconnected";
    }
    return "?";
}

const char* messageName(app::Message message) {
    switch (message) {
        case app::Message::CommunicationFailed: return "Communication failed";
        case app::Message::CommunicationError: return "Communication error";
        case app::Message::RecordingFailed: return "recording failed";
        case app::Message::SaveFailed: return "save failed";
        case app::Message::FileLocked: return "file locked";
        case app::Message::FileCorrupted: return "file corrupted";
        case app::Message::RecordingNotFound: return "recording not found";
    }
    return "?";
}

std::string messagesText(const std::vector<app::Message>& messages) {
    if (messages.empty()) return "no message";
    std::string text;
    for (const app::Message message : messages) text += std::string(text.empty() ? "" : ", ") + messageName(message);
    return text;
}

// Faults that only mean something to a running session wait for one.
bool needsSession(SoakFault fault) {
    return fault == SoakFault::Disconnected || fault == SoakFault::BadChecksum || fault == SoakFault::LongFrame;
}

// One run of the program: its context around the tapped module, the headless window, the scratch
// recording and the session.
struct ProgramRun {
    ProgramRun(sim::SimulatedModule& module, ReportTap& tap, const QString& scratch)
        : context(std::make_unique<TappedTransport>(module, tap)), recording(scratch), session(context, view, recording) {
        // A soak never writes the program's settings; that Save As could not note its folder there
        // is no news.
        context.settingsStore().setReadOnly(true);
        context.settingsStore().setReporter([](const QString&) {});
    }
    app::AppContext context;
    SoakView view;
    files::TemporaryRecording recording;
    app::SessionController session;
};

class UnitSoak {
public:
    UnitSoak(const SoakOptions& options, sim::UnitKind unit, std::mt19937& rng, const std::vector<SoakFault>& forced,
             const QString& folder, HangWatchdog& watchdog)
        : options_(options),
          unit_(unit),
          unitTab_(static_cast<int>(unit)),
          rng_(rng),
          folder_(folder),
          watchdog_(watchdog),
          clock_(std::make_shared<sim::ManualSimClock>()) {
        sim::SimulationSpec spec;
        spec.unit = unit;
        module_ = sim::buildSimulatedModule(spec, clock_, kFastModule);
        plan(forced);
        startProgram();
    }

    SoakCounts run() {
        for (tick_ = 0; tick_ < options_.ticksPerUnit; ++tick_) tickOnce();
        finish();
        return counts_;
    }

private:
    app::AppState& state() { return run_->context.state(); }
    SoakView& view() { return run_->view; }
    app::SessionController& session() { return run_->session; }
    int draw(const int (&range)[2]) { return std::uniform_int_distribution<int>(range[0], range[1])(rng_); }

    void violation(const std::string& what) {
        ++counts_.violationCount;
        if (counts_.violations.size() < kViolationsKept)
            counts_.violations.push_back(std::string(sim::unitName(unit_)) + " tick " + std::to_string(tick_) + ": " + what);
    }

    void plan(const std::vector<SoakFault>& forced) {
        const int ticks = options_.ticksPerUnit;
        std::uniform_int_distribution<int> anyTick(ticks / 10, std::max(ticks / 10, ticks * 9 / 10));
        for (const SoakFault fault : forced) planned_.emplace(anyTick(rng_), fault);
        if (std::all_of(options_.weights.begin(), options_.weights.end(), [](int w) { return w == 0; })) return;
        std::discrete_distribution<int> kind(options_.weights.begin(), options_.weights.end());
        std::exponential_distribution<double> gap(1.0 / std::max(1, options_.meanTicksBetweenFaults));
        for (double at = gap(rng_); at < ticks; at += std::max(1.0, gap(rng_)))
            planned_.emplace(static_cast<int>(at), static_cast<SoakFault>(kind(rng_)));
    }

    void startProgram() {
        run_ = std::make_unique<ProgramRun>(*module_, tap_, scratch_.path());
        session().setReplyObserver([this](const link::Report& reply) { taken(reply); });
        view().onGiveUpRecording = [this] {
            counts_.recordsGivenUp += static_cast<long>(taken_.size());
            taken_.clear();
        };
    }

    void taken(const link::Report& reply) {
        taken_.push_back(reply);
        if (!tap_.consume(reply)) {
            ++counts_.recordsNotSent;
            violation("a reply the module never sent was taken for the recording");
        }
    }

    // --- faults ---
    void strikeDue() {
        if (tick_ == powerBackAt_) module_->setVehiclePower(true);
        if (tick_ == replugAt_) module_->replug();
        if (tick_ == fastAgainAt_) module_->setReplyDelay(kFastModule.replyDelay);
        const bool connected = state().connected != 0;
        const auto [first, last] = planned_.equal_range(tick_);
        for (auto it = first; it != last; ++it) {
            if (needsSession(it->second)) {
                waiting_.push_back(it->second);
            } else if (!connected && std::bernoulli_distribution(0.5)(rng_)) {
                // Outside a session half the faults wait for the next Connect and come just before
                // it is pressed, so that they strike in the middle of the connection.
                beforeConnect_.push_back(it->second);
            } else {
                strike(it->second);
            }
        }
        if (state().connected) {
            for (const SoakFault fault : waiting_) strike(fault);
            waiting_.clear();
        }
    }

    void strike(SoakFault fault) {
        ++counts_.faults[static_cast<std::size_t>(fault)];
        if (fault == SoakFault::LostCommand) {
            module_->loseCommandAfter(draw(kCommandsPassing));
            return;
        }
        sim::injectFault(*module_, static_cast<sim::Fault>(fault));
        if (fault == SoakFault::Power) powerBackAt_ = tick_ + draw(kPowerOffTicks);
        if (fault == SoakFault::Unplug) replugAt_ = tick_ + draw(kUnpluggedTicks);
        if (fault == SoakFault::Replug) replugAt_ = -1;
        if (fault == SoakFault::Slow) fastAgainAt_ = tick_ + draw(kSlowTicks);
    }

    // --- the user's side ---
    void tickOnce() {
        strikeDue();
        const bool wasConnected = state().connected != 0;
        const bool linkWasOpen = state().isLinkOpen();
        const std::size_t shownBefore = view().shown.size();
        const int resetsBefore = view().resets;
        if (!wasConnected) selectUnitTab();
        // Ticks without pauses outrun the module; each takes a reply sent after the faults of its
        // tick struck, as at the pace of the real line.
        run_->context.link().discardArrived();
        counts_.longestTick = std::max(counts_.longestTick, watchdog_.timed("a poll tick", [&] { session().tick(); }));
        clock_->advance(files::kSecondsPerRecord);
        ++counts_.ticks;
        const std::vector<app::Message> shown(view().shown.begin() + static_cast<std::ptrdiff_t>(shownBefore),
                                              view().shown.end());
        if (wasConnected && !state().connected) {
            checkSessionEnd(shown, resetsBefore, linkWasOpen);
        } else if (!shown.empty()) {
            violation("a tick showed " + messagesText(shown) + " without ending a session");
        }
        if (!wasConnected && state().connected) violation("a tick connected without Connect");

        if (state().adapterRejected) {
            restartProgram();
            return;
        }
        if (state().connected) {
            if (std::bernoulli_distribution(options_.userDisconnectChance)(rng_)) pressDisconnect();
            return;
        }
        saveIfOffered();
        if (view().connectOffered && state().isLinkOpen()) pressConnect();
    }

    void checkSessionEnd(const std::vector<app::Message>& shown, int resetsBefore, bool linkWasOpen) {
        if (view().resets == resetsBefore) violation("the session ended without the window returning to idle");
        const app::SessionEnd end = session().lastSessionEnd();
        ++counts_.ends[static_cast<std::size_t>(end)];
        switch (end) {
            case app::SessionEnd::UnitDisconnected:
                if (shown != std::vector<app::Message>{app::Message::CommunicationError})
                    violation("the unit dropped out and the window showed " + messagesText(shown));
                if (taken_.empty() || !link::payloadStartsWith(taken_.back(), link::replies::kDisconnected))
                    violation("the unit dropped out but the last record is not the module's \"Disconnected\"");
                break;
            case app::SessionEnd::LinkLost:
                if (!shown.empty()) violation("the link was lost and the window showed " + messagesText(shown));
                if (linkWasOpen) violation("the session ended as link lost while the link was open");
                break;
            default: violation(std::string("a poll tick ended the session as ") + endName(end));
        }
    }

    // The window shows page 0 again after each session: the user clicks the unit's tab.
    void selectUnitTab() {
        view().selectTab(unitTab_);
        session().tabClicked(unitTab_);
    }

    void pressConnect() {
        selectUnitTab();
        for (const SoakFault fault : beforeConnect_) strike(fault);
        beforeConnect_.clear();
        ++counts_.connectPresses;
        const std::size_t shownBefore = view().shown.size();
        const int questionsBefore = view().questions;
        const bool keptAsked = view().saveOffered;
        counts_.longestConnect =
            std::max(counts_.longestConnect, watchdog_.timed("Connect", [&] { session().connectCommand(); }));
        const std::vector<app::Message> shown(view().shown.begin() + static_cast<std::ptrdiff_t>(shownBefore),
                                              view().shown.end());
        if (state().connected) {
            ++counts_.sessions;
            if (!shown.empty()) violation("a Connect that succeeded showed " + messagesText(shown));
            module_->setLineInterval(kFastLine);
            return;
        }
        // The user kept a recording Save As still offers; it is saved on the next tick.
        if (view().questions > questionsBefore && keptAsked) return;
        if (shown == std::vector<app::Message>{app::Message::CommunicationFailed}) {
            ++counts_.connectFailedWithMessage;
        } else if (shown.empty() && !state().isLinkOpen()) {
            ++counts_.connectLinkLost;
        } else {
            violation("a Connect failed with " + messagesText(shown) + " and the link " +
                      (state().isLinkOpen() ? "open" : "closed"));
        }
    }

    void pressDisconnect() {
        const std::size_t shownBefore = view().shown.size();
        watchdog_.timed("Disconnect", [&] { session().connectCommand(); });
        ++counts_.ends[static_cast<std::size_t>(app::SessionEnd::UserDisconnect)];
        if (state().connected || session().lastSessionEnd() != app::SessionEnd::UserDisconnect)
            violation("Disconnect did not end the session as the user's");
        if (view().shown.size() != shownBefore) violation("Disconnect showed a message");
        saveIfOffered();
    }

    // Save As, whenever the window offers it, to a file of the session's own.
    void saveIfOffered() {
        if (!view().saveOffered || !state().recordingOpen || state().connected) return;
        if (state().recordCount != taken_.size())
            violation("the recording holds " + std::to_string(state().recordCount) + " records, the session took " +
                      std::to_string(taken_.size()));
        const QString path =
            QDir(folder_).filePath(QStringLiteral("%1-%2.qlt").arg(QLatin1String(sim::unitName(unit_))).arg(files_.size(), 4, 10, QLatin1Char('0')));
        if (!session().saveRecordingAs(path)) {
            violation("Save As failed: " + run_->recording.lastError().toStdString());
            return;
        }
        const SavedRecordingCheck check = checkSavedRecording(path, taken_);
        counts_.recordsChecked += static_cast<long>(check.expected);
        counts_.recordsLost += static_cast<long>(check.lost());
        counts_.recordsExtra += static_cast<long>(check.extra());
        if (!check.exact())
            violation(QFileInfo(path).fileName().toStdString() + " holds " + std::to_string(check.saved) + " records, " +
                      std::to_string(check.matched) + " of the " + std::to_string(check.expected) + " taken in place");
        files_.emplace_back(path, taken_.size());
        ++counts_.savedFiles;
        taken_.clear();
    }

    // A rejected module is never used again in the run: the user puts the right one back and starts
    // the program again, after keeping what Save As offers.
    void restartProgram() {
        saveIfOffered();
        if (!session().shutdown()) violation("the program would not close");
        run_.reset();
        module_->setModuleType(kWorkingModuleType);
        startProgram();
        ++counts_.programRestarts;
    }

    void finish() {
        if (state().connected) pressDisconnect();
        saveIfOffered();
        if (state().recordingOpen) view().onGiveUpRecording();
        int ended = 0;
        for (const int count : counts_.ends) ended += count;
        if (ended != counts_.sessions)
            violation(std::to_string(counts_.sessions) + " sessions but " + std::to_string(ended) + " session ends");
        // Every session's file is still there, whole, after all the sessions that followed it.
        for (const auto& [path, records] : files_) {
            if (QFileInfo(path).size() != static_cast<qint64>(records * files::kRecordSize))
                violation(QFileInfo(path).fileName().toStdString() + " changed after it was saved");
        }
    }

    const SoakOptions& options_;
    const sim::UnitKind unit_;
    const int unitTab_;
    std::mt19937& rng_;
    const QString folder_;
    HangWatchdog& watchdog_;
    std::shared_ptr<sim::ManualSimClock> clock_;
    std::unique_ptr<sim::SimulatedModule> module_;
    ReportTap tap_;
    QTemporaryDir scratch_;
    std::unique_ptr<ProgramRun> run_;

    std::multimap<int, SoakFault> planned_;
    std::vector<SoakFault> waiting_;
    std::vector<SoakFault> beforeConnect_;
    int tick_ = 0;
    int powerBackAt_ = -1;
    int replugAt_ = -1;
    int fastAgainAt_ = -1;
    // The replies taken since the recording started.
    std::vector<link::Report> taken_;
    std::vector<std::pair<QString, std::size_t>> files_;
    SoakCounts counts_;
};

}  // namespace

const char* soakFaultName(SoakFault fault) {
    if (fault == SoakFault::LostCommand) return "lost-command";
    return sim::faultName(static_cast<sim::Fault>(fault));
}

void SoakCounts::add(const SoakCounts& other) {
    ticks += other.ticks;
    sessions += other.sessions;
    connectPresses += other.connectPresses;
    connectFailedWithMessage += other.connectFailedWithMessage;
    connectLinkLost += other.connectLinkLost;
    programRestarts += other.programRestarts;
    for (std::size_t i = 0; i < faults.size(); ++i) faults[i] += other.faults[i];
    for (std::size_t i = 0; i < ends.size(); ++i) ends[i] += other.ends[i];
    savedFiles += other.savedFiles;
    recordsChecked += other.recordsChecked;
    recordsLost += other.recordsLost;
    recordsExtra += other.recordsExtra;
    recordsNotSent += other.recordsNotSent;
    recordsGivenUp += other.recordsGivenUp;
    longestTick = std::max(longestTick, other.longestTick);
    longestConnect = std::max(longestConnect, other.longestConnect);
    for (const std::string& v : other.violations)
        if (violations.size() < kViolationsKept) violations.push_back(v);
    violationCount += other.violationCount;
}

SoakCounts runSessionSoak(const SoakOptions& options, const QString& folder,
                          const std::function<void(sim::UnitKind, const SoakCounts&)>& progress) {
    std::mt19937 rng(options.seed);
    HangWatchdog watchdog(options.watchdog, options.seed);
    const std::size_t units = options.units.size();
    SoakCounts total;
    for (std::size_t u = 0; u < units; ++u) {
        // Each kind is forced on one unit, the kinds dealt out in turn.
        std::vector<SoakFault> forced;
        for (int kind = 0; options.everyKindOnce && kind < kSoakFaultCount; ++kind)
            if (static_cast<std::size_t>(kind) % units == u) forced.push_back(static_cast<SoakFault>(kind));
        const QString unitFolder = QDir(folder).filePath(QLatin1String(sim::unitName(options.units[u])));
        QDir().mkpath(unitFolder);
        UnitSoak soak(options, options.units[u], rng, forced, unitFolder, watchdog);
        const SoakCounts counts = soak.run();
        if (progress) progress(options.units[u], counts);
        total.add(counts);
    }
    return total;
}

std::string soakSummary(const SoakCounts& c) {
    std::ostringstream out;
    out << "ticks " << c.ticks << ", sessions " << c.sessions << ", Connect pressed " << c.connectPresses << " ("
        << c.connectFailedWithMessage << " \"Communication failed\", " << c.connectLinkLost
        << " link lost), program restarts " << c.programRestarts << "\n";
    out << "faults injected:";
    for (int kind = 0; kind < kSoakFaultCount; ++kind)
        out << (kind ? ", " : " ") << soakFaultName(static_cast<SoakFault>(kind)) << " " << c.faults[static_cast<std::size_t>(kind)];
    out << "\nsession ends:";
    for (const auto end : {app::SessionEnd::UserDisconnect, app::SessionEnd::LinkLost, app::SessionEnd::UnitDisconnected,
                           app::SessionEnd::None})
        out << (end == app::SessionEnd::UserDisconnect ? " " : ", ") << endName(end) << " "
            << c.ends[static_cast<std::size_t>(end)];
    out << "\nrecordings saved " << c.savedFiles << ", records checked " << c.recordsChecked << ", lost "
        << c.recordsLost << ", extra or out of place " << c.recordsExtra << ", not sent by the module "
        << c.recordsNotSent << ", let go at the program's question " << c.recordsGivenUp << "\n";
    out << "longest tick " << c.longestTick.count() / 1000.0 << " ms, longest Connect " << c.longestConnect.count() / 1000.0
        << " ms\n";
    out << "violations " << c.violationCount << "\n";
    for (const std::string& v : c.violations) out << "  " << v << "\n";
    return out.str();
}

}  // namespace quilldar::tool
