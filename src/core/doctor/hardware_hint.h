#pragma once

#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

#include "doctor/connection_check.h"

namespace quilldar::app {
struct AppState;
}
namespace quilldar::link {
class HidLink;
class HidTransport;
}  // namespace quilldar::link

namespace quilldar::settings {
class LanguageTable;
}

namespace quilldar::doctor {

// What the main window's hardware fields show instead of staying empty when no connection can be
// made: a short word that fits the field, and the whole finding as the tooltip.
struct HardwareHint {
    QString word;     // "No USB", "No access", "No power", ...
    QString tooltip;  // the finding's text, as quilldar-tool doctor prints it
    Check check = Check::Device;

    bool operator==(const HardwareHint&) const = default;
};

// The short word for a failed finding.
QString hintWord(const Finding& finding);
HardwareHint hintFor(const Finding& finding);

// Watches the program's link from its poll tick and says when the hardware fields should explain
// why Connect is unavailable: at once when the last attempt found no usable module (no library, no
// device, no permission), and once Connect has stayed unavailable for kPatience with the module open
// (no vehicle power, a module of another type, a module that stopped answering). A session, a
// playback or offline mode (whose fields say so themselves) show no hint.
class HardwareHintWatch {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::seconds kPatience{10};

    // texts: the language the hints are given in, followed as it changes.
    HardwareHintWatch(QStringList ruleFolders, const settings::LanguageTable& texts);

    // Call at every poll tick. Returns true when the hint to show changed since the last call.
    bool update(const app::AppState& state, const link::HidLink& link, const link::HidTransport& transport,
                Clock::time_point now);
    // The hint to show now; nothing: the fields show what the window puts there.
    const std::optional<HardwareHint>& current() const { return current_; }

private:
    std::optional<Finding> reason(const app::AppState& state, const link::HidLink& link,
                                  const link::HidTransport& transport, Clock::time_point now);

    QStringList ruleFolders_;
    const settings::LanguageTable& texts_;
    std::optional<Clock::time_point> unavailableSince_;
    std::optional<AccessHelp> accessDenied_;
    std::optional<HardwareHint> current_;
};

}  // namespace quilldar::doctor
