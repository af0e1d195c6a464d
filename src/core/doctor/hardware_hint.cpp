#include "doctor/hardware_hint.h"

#include "state/app_state.h"
#include "doctor/connection_doctor.h"
#include "link/hid_link.h"
#include "link/hidapi_transport.h"
#include "settings/language_table.h"

namespace quilldar::doctor {

HardwareHint hintFor(const Finding& finding) { return {finding.word, finding.text(), finding.check}; }

HardwareHintWatch::HardwareHintWatch(QStringList ruleFolders, const settings::LanguageTable& texts)
    : ruleFolders_(std::move(ruleFolders)), texts_(texts) {}

bool HardwareHintWatch::update(const app::AppState& state, const link::HidLink& link,
                               const link::HidTransport& transport, Clock::time_point now) {
    std::optional<HardwareHint> hint;
    if (const auto finding = reason(state, link, transport, now)) hint = hintFor(*finding);
    if (hint == current_) return false;
    current_ = std::move(hint);
    return true;
}

std::optional<Finding> HardwareHintWatch::reason(const app::AppState& state, const link::HidLink& link,
                                                 const link::HidTransport& transport, Clock::time_point now) {
    const bool connectable = state.isLinkOpen() && state.powerStable && !state.adapterRejected;
    if (state.connected || state.playback || state.offlineInstance || connectable) {
        unavailableSince_.reset();
        return std::nullopt;
    }
    if (!unavailableSince_) unavailableSince_ = now;
    if (state.isLinkOpen() || link.lastOpenOutcome() != link::OpenOutcome::AccessDenied) accessDenied_.reset();

    // No usable module at all: said at once, at the first tick after the failed attempt.
    if (!state.isLinkOpen() && !state.adapterRejected) {
        switch (link.lastOpenOutcome()) {
            case link::OpenOutcome::LibraryUnavailable:
                return findings::libraryMissing(texts_, QString::fromStdString(link::HidApiTransport::configuredLibrary()));
            case link::OpenOutcome::NotFound: return findings::deviceMissing(texts_);
            case link::OpenOutcome::AccessDenied:
                // The rule folders are looked at once while access stays denied, not at every tick.
                if (!accessDenied_) accessDenied_ = examineAccess(transport, ruleFolders_);
                return findings::accessDenied(texts_, *accessDenied_);
            case link::OpenOutcome::Opened: break;
        }
    }
    if (now - *unavailableSince_ < kPatience) return std::nullopt;
    if (state.adapterRejected) return findings::moduleWrongType(texts_, QString());
    if (!state.isLinkOpen()) return findings::moduleSilent(texts_);
    return findings::noPower(texts_, texts_.text(settings::MainText::CheckSeconds).arg(kPatience.count()));
}

}  // namespace quilldar::doctor
