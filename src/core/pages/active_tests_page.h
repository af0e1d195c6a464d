#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "state/app_state.h"
#include "link/ecm_identity.h"
#include "link/report.h"

namespace quilldar::link {
class HidLink;
}
namespace quilldar::settings {
class LanguageTable;
}

namespace quilldar::pages {

// The buttons of the Active tests page.
enum class TestButton {
    DamperOn, DamperOff,
    SecondaryClose, SecondaryOpen, SecondaryOff,
    ExhaustClose, ExhaustOpen, ExhaustOff,
    IscAirOn, IscAirOff,
    IscRpmOff,
    EvapOn, EvapOff,
    PairOn, PairOff,
    FanStart, FanStop, FanOff,
    PpsReset, IscReset, TpReset,
    Count
};
inline constexpr int kTestButtonCount = static_cast<int>(TestButton::Count);

// The value and state fields of the page.
enum class TestField {
    DamperCurrent,      // A
    SecondaryThrottle,  // %
    ExhaustValve,       // %
    EngineSpeed,        // rpm, beside the idle speed control
    Evap,               // "On"/"Off"
    Pair,
    Fan,
    Count
};
inline constexpr int kTestFieldCount = static_cast<int>(TestField::Count);

// What a message of the page reports: a completed reset, or a test the unit or the program refused.
enum class Notice { Done, Refused };

// What the page needs of its window: a Yes/No question (empty caption), a message with an OK
// button (an information icon for Done, a warning for Refused), and its timer held while a
// message is shown.
class ActiveTestsView {
public:
    virtual ~ActiveTestsView() = default;
    virtual bool ask(const QString& text) = 0;
    virtual void tell(Notice notice, const QString& caption, const QString& text) = 0;
    virtual void holdTimer(bool held) = 0;
};

// The Active tests page without its window: drives actuators of the engine ECM and resets its
// learned values. Each button puts one test request into request slot 20 of the interface module
// and makes the module alternate it with the live-data request; what the ECM does shows in the
// live data, which the page's fields follow. Which rows can be used follows from the ECM's
// capability string, enabled once per row by the live data.
class ActiveTestsPage {
public:
    ActiveTestsPage(link::HidLink& link, const app::AppState& state, const link::EcmIdentity& ecm,
                    const settings::LanguageTable& texts, ActiveTestsView& view);

    // A language change: the next tick fills the texts again.
    void requestInit() { initialised_ = false; }
    // One timer tick on the report standing in the receive report.
    void tick(const link::Report& report);
    // A button of the page.
    void press(TestButton button);
    // The idle speed spin: +1 up, -1 down.
    void spinStep(int direction);

    bool enabled(TestButton button) const { return enabled_[static_cast<std::size_t>(button)]; }
    bool spinEnabled() const { return spinEnabled_; }
    const QString& field(TestField field) const { return fields_[static_cast<std::size_t>(field)]; }
    int targetIdle() const { return targetIdle_; }
    std::uint16_t testRepeatCounter() const { return testRepeatCounter_; }
    // True once after the texts were filled again (the window re-applies labels and captions).
    bool takeInitialised();

private:
    // The row groups that the capability pass enables once each.
    enum class Group { Secondary, Exhaust, Damper, Evap, Fan, Pair, IdleSpeed, Count };

    void capabilityPass(const link::Report& report);
    bool rejection(const link::Report& report);
    void completeReset();
    void enableOnce(Group group, std::initializer_list<TestButton> buttons, bool spin = false);
    void disableAll();
    void set(TestButton button, bool on) { enabled_[static_cast<std::size_t>(button)] = on; }
    void setField(TestField field, const QString& text) { fields_[static_cast<std::size_t>(field)] = text; }
    // Writes the request into slot 20 and starts it.
    void sendTest(std::uint8_t target, std::uint8_t test, std::array<std::uint8_t, 4> parameters);
    // The button's unit check; false (after telling the user) for another unit.
    bool unitSupports(TestButton button);

    link::HidLink& link_;
    const app::AppState& state_;
    const link::EcmIdentity& ecm_;
    const settings::LanguageTable& texts_;
    ActiveTestsView& view_;

    bool initialised_ = false;
    bool initialisedShown_ = false;
    int rememberedKind_ = -1;
    std::array<bool, kTestButtonCount> enabled_{};
    bool spinEnabled_ = false;
    std::array<bool, static_cast<std::size_t>(Group::Count)> groupEnabled_{};
    std::array<QString, kTestFieldCount> fields_{};
    bool iscAirRequested_ = false;
    bool engineTurning_ = false;
    bool rejectionHandled_ = false;
    std::uint16_t testRepeatCounter_ = 0;
    int targetIdle_ = 0;
};

}  // namespace quilldar::pages
