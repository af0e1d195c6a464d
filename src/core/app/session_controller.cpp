#include "app/session_controller.h"

#include <QFileInfo>
#include <QTime>
#include <algorithm>

#include "app/tab_map.h"
#include "settings/language_table.h"
#include "platform/device_access.h"
#include "link/kwp_frame.h"
#include "link/link_handshake.h"
#include "link/module_commands.h"
#include "link/module_replies.h"
#include "link/page_lists.h"

namespace quilldar::app {

namespace {
// The Connect button connects to the unit of tabs 0 to 4; the other tabs have none.
constexpr int kUnitTabs = 5;
// More records than this make a finished session worth saving.
constexpr std::uint32_t kRecordsWorthSaving = 10;
// While the module takes its time, the window repaints at least this often.
constexpr std::chrono::milliseconds kPumpInterval{20};
}  // namespace

SessionController::SessionController(AppContext& context, MainView& view, files::TemporaryRecording& recording)
    : context_(context),
      state_(context.state()),
      link_(context.link()),
      view_(view),
      recording_(recording),
      playback_(context, view, recording, *this),
      hint_(platform::udevRuleFolders(), context.languageTable()) {
    // Every wait of a tick or a command keeps the window painted while the module takes its time.
    link_.setWaitPump([this] { view_.keepPainted(); }, kPumpInterval, this);
}

SessionController::~SessionController() { link_.clearWaitPump(this); }

void SessionController::tick() {
    runTick();
    updateHardwareHint();
}

void SessionController::updateHardwareHint() {
    const bool changed = hint_.update(state_, link_, context_.transport(), std::chrono::steady_clock::now());
    // The hint stands where the fields would say "---" and nowhere else.
    if (view_.hardwareFieldsShown() != HardwareFields::Unknown) return;
    if (const auto& hint = hint_.current()) {
        view_.showHardwareHint(hint->word, hint->tooltip);
    } else if (changed) {
        view_.showHardwareFields(HardwareFields::Unknown, {}, {});
    }
}

void SessionController::runTick() {
    view_.setControlEnabled(MainControl::GraphView, state_.connected || state_.playback);

    if (!state_.isLinkOpen()) {
        if (!state_.offlineInstance && view_.hardwareFieldsShown() != HardwareFields::Unknown)
            view_.showHardwareFields(HardwareFields::Unknown, {}, {});
        state_.handshakePending = 1;
    }
    // A session whose link was lost ends before the link is opened again: the greeting of a
    // reopened link stops the module, and a session that still counted as connected would then
    // wait in vain on every tick.
    if (state_.connected && !state_.isLinkOpen()) endSession(SessionEnd::LinkLost);
    view_.setControlEnabled(MainControl::Settings, !state_.playback && !state_.connected);
    if (!state_.playback) {
        view_.setControlEnabled(MainControl::Back, false);
        view_.setControlEnabled(MainControl::Forward, false);
        if (state_.offlineInstance) {
            if (view_.hardwareFieldsShown() != HardwareFields::Offline)
                view_.showHardwareFields(HardwareFields::Offline, {}, {});
        } else if (!state_.isLinkOpen()) {
            link_.ReopenInterface();
        }
    }
    // A playback never uses the module, and a rejected module is never used again.
    if (state_.playback || state_.adapterRejected) link_.dropLink();

    if (state_.isLinkOpen() && !talkToModule()) {
        // A wait failed: the link is down and the tick ends here.
        view_.setControlEnabled(MainControl::Connect, false);
        return;
    }
    if (!state_.isLinkOpen()) view_.setControlEnabled(MainControl::Connect, false);

    link::extractDtcCount(context_.receiveReport(), state_);
    if (state_.dtcCount != 0 && !state_.playback && state_.autoErrorPage) {
        state_.autoErrorPage = 0;
        state_.currentPage = link::page::kErrorCodes;
        link::SelectErrorCodesList(link_, state_);
        view_.showPage(link::page::kErrorCodes, 1);
    }
    if (state_.playback) playback_.step();
}

bool SessionController::talkToModule() {
    if (state_.handshakePending) {
        link::ModuleIdentity& module = context_.module();
        if (!link::LinkHandshake(link_, state_, module)) return false;
        // A rejected module's identity is shown too; the next tick finds the link closed and puts
        // "---" back.
        view_.showHardwareFields(HardwareFields::Known, module.hardwareId, module.serialNumber);
        if (!state_.isLinkOpen()) return false;
    }
    selectedTab_ = view_.selectedTab();
    if (!state_.connected) link::PollPower(link_, state_);
    applyConnectRule();
    if (!state_.connected) return true;
    // The module's word that the unit dropped out ends the session whenever it came, even when
    // it arrived before this tick's request, which a wait would pass over as old.
    if (link_.takeUnreadDisconnect()) {
        takeReply();
        return true;
    }
    state_.nearEnd = 0;
    if (state_.builtKind != state_.systemKind) rebuildTabStrip();
    if (!link::SelectPageList(link_, state_)) return false;
    view_.setControlEnabled(MainControl::Open, false);
    if (!link_.WaitReport()) return false;
    takeReply();
    return true;
}

bool SessionController::ask(Question question) {
    const link::HidLink::IdleHold hold(link_);
    if (question == Question::UnsavedContinue && unsavedAreLeftover_) question = Question::DiscardLeftover;
    return view_.askYesNo(question);
}

void SessionController::tell(Message message, const QString& detail) {
    const link::HidLink::IdleHold hold(link_);
    view_.showMessage(message, detail);
}

void SessionController::endSession(SessionEnd how) {
    lastSessionEnd_ = how;
    sessionReset();
    announceSessionEnd(how);
}

void SessionController::announceSessionEnd(SessionEnd how) {
    const settings::LanguageTable& texts = context_.languageTable();
    QString why;
    switch (how) {
        case SessionEnd::LinkLost:
            why = texts.text(link_.lastDrop() == link::LinkDrop::DeviceGone ? settings::MainText::ModuleUnplugged
                                                                             : settings::MainText::ModuleSilent);
            break;
        case SessionEnd::UnitDisconnected: why = texts.text(settings::MainText::UnitDisconnected); break;
        case SessionEnd::None:
        case SessionEnd::UserDisconnect: view_.showSessionEnd({}); return;
    }
    const QString line = texts.text(settings::MainText::SessionEnded)
                             .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")), why);
    QString kept;
    if (state_.recordCount > kRecordsWorthSaving)
        kept = texts.text(settings::MainText::RecordsKeptForSaveAs).arg(state_.recordCount);
    view_.showSessionEnd(line, kept);
}

void SessionController::takeReply() {
    link::Report reply = link_.reply();
    if (replyObserver_) replyObserver_(reply);
    // The record keeps the reply exactly as it came, even with a wrong checksum.
    record(reply);
    if (link::payloadStartsWith(reply, link::replies::kDisconnected)) {
        view_.stopPollTimer();
        endSession(SessionEnd::UnitDisconnected);
        tell(Message::CommunicationError);
        state_.connected = 0;
        view_.startPollTimer(kPollPeriodMs);
    }
    link::checkResponse(reply, state_.altListVariant != 0);
    context_.receiveReport() = reply;
    view_.setControlEnabled(MainControl::ClearErrors, state_.dtcCount != 0);
    view_.showTroubleCodeCount(state_.dtcCount);
}

void SessionController::record(link::Report& report) {
    if (recording_.RecordReport(report, state_)) return;
    // The session goes on live; the user learns once that it is not being kept.
    if (recordingFailureShown_) return;
    recordingFailureShown_ = true;
    view_.stopPollTimer();
    tell(Message::RecordingFailed, recording_.lastError());
    view_.startPollTimer(kPollPeriodMs);
}

void SessionController::applyConnectRule() {
    if (!state_.isLinkOpen()) {
        view_.setControlEnabled(MainControl::Connect, false);
    } else if (!state_.connected) {
        view_.setControlEnabled(MainControl::Connect, selectedTab_ < kUnitTabs && state_.powerStable);
    }
}

void SessionController::rebuildTabStrip() {
    state_.builtKind = state_.systemKind;
    view_.rebuildTabStrip(pageTabMap(state_.builtKind, state_.altListVariant != 0));
    state_.currentPage = firstPageOf(state_.systemKind);
    view_.showPage(state_.currentPage, 0);
}

void SessionController::connectCommand() {
    link_.transmitReport()[0] = 0;
    if (state_.connected) {
        link::commands::stop(link_.transmitReport());
        link_.SendReport();
        link_.SendReport();
        endSession(SessionEnd::UserDisconnect);
        return;
    }
    // Without an open link no connection can be made: nothing is asked and nothing is dropped.
    if (!state_.isLinkOpen()) return;
    view_.sessionStarting();
    if (state_.recordingOpen) {
        if (!ask(Question::UnsavedContinue)) return;
        // The user's Yes gives them up for good, on disk too, whether or not a session follows.
        recording_.discard(state_);
    }
    unsavedAreLeftover_ = false;
    view_.setControlEnabled(MainControl::SaveAs, false);
    if (selectedTab_ < 0 || selectedTab_ >= kUnitTabs) return;
    view_.showSessionEnd({});
    recordingFailureShown_ = false;
    view_.setBusy(true);
    context_.ecm().clear();
    link::ConnectUnit(link_, state_, static_cast<link::ControlUnit>(selectedTab_ + 1), context_.ecm(), *this);
    view_.setBusy(false);
    if (state_.connected) {
        view_.showConnectCaption(true);
        view_.setControlEnabled(MainControl::Print, true);
    }
}

void SessionController::clearErrorsCommand() {
    if (state_.systemKind == 0) return;
    if (!ask(Question::ClearErrors)) return;
    if (link::ClearTroubleCodes(link_, state_)) view_.troubleCodesCleared();
}

void SessionController::tabClicked(int tab) {
    if (state_.playback) return;
    const int page = pageForTab(state_.builtKind, state_.altListVariant != 0, tab);
    if (page < 0) return;
    state_.currentPage = static_cast<std::uint16_t>(page);
    selectedTab_ = tab;
    view_.showPage(state_.currentPage, tab);
}

void SessionController::sessionReset() {
    link::Report& report = context_.receiveReport();
    std::fill(report.begin(), report.end() - 1, std::uint8_t{0});
    view_.resetView();
    view_.setControlEnabled(MainControl::Open, true);
    view_.setControlEnabled(MainControl::ClearErrors, false);
    if (state_.recordCount > kRecordsWorthSaving) view_.setControlEnabled(MainControl::SaveAs, true);
    state_.connected = 0;
    state_.systemKind = 0;
    state_.dtcCount = 0;
    state_.builtKind = 0;
    // The next session, of whatever unit, starts with the first scheme's lists and checks.
    state_.altListVariant = 0;
    state_.currentPage = link::page::kEngine;
    link_.dropLink();
    // Connect comes back once the reopened module reports stable power.
    view_.setControlEnabled(MainControl::Connect, false);
    state_.listState = link::list_state::kNone;
    state_.handshakePending = 1;
    state_.autoErrorPage = 1;
    // The recording named on the command line has been closed: now the leftover is offered.
    if (leftoverPending_ && !state_.playback) {
        leftoverPending_ = false;
        adoptLeftoverRecording();
    }
}

std::uint32_t SessionController::adoptLeftoverRecording() {
    const std::uint32_t records = recording_.adoptLeftover(state_);
    if (records > 0) unsavedAreLeftover_ = true;
    // Worth saving as a finished session's records would be.
    if (records > kRecordsWorthSaving) view_.setControlEnabled(MainControl::SaveAs, true);
    return records;
}

void SessionController::adoptLeftoverRecordingWhenIdle() {
    if (state_.playback) {
        leftoverPending_ = true;
        return;
    }
    adoptLeftoverRecording();
}

bool SessionController::saveRecordingAs(const QString& target) {
    if (state_.playback || state_.connected) return false;
    if (!state_.recordingOpen) {
        // Save As is never left enabled with nothing behind it; if it was, the user hears so.
        view_.setControlEnabled(MainControl::SaveAs, false);
        tell(Message::SaveFailed, context_.languageTable().text(settings::MainText::NoUnsavedRecords));
        return false;
    }
    const QString folder = QFileInfo(target).absolutePath();
    context_.settings().openSave1 = folder;
    context_.settingsStore().storeOpenSave1(folder);
    if (!recording_.saveRecording(target, state_)) {
        tell(Message::SaveFailed, recording_.lastError());
        return false;
    }
    unsavedAreLeftover_ = false;
    view_.setControlEnabled(MainControl::SaveAs, false);
    view_.showSessionEnd({});
    return true;
}

int SessionController::pollPeriodMs() const {
    return state_.playback ? PlaybackController::kPlaybackPeriodMs : kPollPeriodMs;
}

bool SessionController::shutdown() {
    view_.stopPollTimer();
    if (state_.recordingOpen && !ask(Question::UnsavedExit)) {
        view_.startPollTimer(pollPeriodMs());
        return false;
    }
    // The user chose to exit without them: the next start does not offer them again. Only what
    // a crash or a kill leaves behind comes back.
    if (state_.recordingOpen) recording_.discard(state_);
    if (state_.isLinkOpen()) {
        link::commands::stop(link_.transmitReport());
        link_.SendReport();
    }
    state_.exiting = 1;
    return true;
}

void SessionController::showPartNumber(const QString& partNumber) { view_.showPartNumber(partNumber); }

void SessionController::communicationFailed() {
    // The tab picks the control unit (the unit tabs are the first pages'): the message names the
    // one that was tried.
    const auto text = selectedTab_ >= 0 && selectedTab_ < kUnitTabs ? tabText(static_cast<std::uint16_t>(selectedTab_))
                                                                    : std::nullopt;
    const QString unit = text ? context_.languageTable().text(*text) : QString();
    tell(Message::CommunicationFailed, unit);
}

void SessionController::recordReport() {
    link::Report report = link_.reply();
    if (replyObserver_) replyObserver_(report);
    record(report);
}

}  // namespace quilldar::app
