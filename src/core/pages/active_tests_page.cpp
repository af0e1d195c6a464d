#include "pages/active_tests_page.h"

#include <algorithm>
#include <string_view>

#include "link/hid_link.h"
#include "link/kwp_frame.h"
#include "link/module_commands.h"
#include "link/test_command.h"
#include "settings/language_table.h"
#include "vehicle/ecm_model_table.h"
#include "vehicle/engine_channels.h"
#include "vehicle/value_text.h"

namespace quilldar::pages {

namespace {

using settings::ActiveTestsText;
using B = TestButton;

constexpr std::uint8_t kTestSlot = 20;
constexpr std::uint8_t kActuatorTest = 0xA5;
constexpr std::uint8_t kEngineTarget = 0x12;
constexpr std::uint8_t kCombinedTarget = 0x01;
constexpr std::uint8_t kConditionsNotMet = 0x91;
constexpr std::uint8_t kNotSupported = 0x12;
// A reset is reported done once the page has ticked this often after the request.
constexpr std::uint16_t kResetTicks = 3;
constexpr std::uint16_t kEngine = 1;
constexpr std::uint16_t kEngineTransmission = 3;

// The engines whose throttle position sensor can be taught afresh.
constexpr std::string_view kTpResetModels[] = {"37H2", "37H0", "37HR", "26G0", "26G1", "12HA", "47H2", "47H0",
                                               "47HR", "20H0", "44GA", "08J0", "42J0", "40J2", "04K0", "04K1",
                                               "48H0", "48H2", "12J0", "12J2", "20K2", "20K0"};

int frame(const link::Report& report, int byte) { return link::frameByte(report, static_cast<std::size_t>(byte)); }

// Written as the Engine page writes the same channel, tiny decimals included (0. rather than 7.84e-003).
QString valueText(int position, double value) {
    vehicle::ValueText text;
    switch (vehicle::numericChannel(position).display) {
        case vehicle::Display::Decimal4: vehicle::formatDecimal(vehicle::zeroBelowTenth(value), 4, text); break;
        case vehicle::Display::Decimal5: vehicle::formatDecimal(vehicle::zeroBelowTenth(value), 5, text); break;
        default: vehicle::formatInteger(value, text); break;
    }
    return QString::fromLatin1(text.chars().data(), static_cast<qsizetype>(text.chars().size()));
}

}  // namespace

ActiveTestsPage::ActiveTestsPage(link::HidLink& link, const app::AppState& state, const link::EcmIdentity& ecm,
                                 const settings::LanguageTable& texts, ActiveTestsView& view)
    : link_(link), state_(state), ecm_(ecm), texts_(texts), view_(view) {
    fields_.fill(QStringLiteral("---"));
}

void ActiveTestsPage::tick(const link::Report& report) {
    if (!initialised_) {
        groupEnabled_.fill(false);
        targetIdle_ = 0;
        initialised_ = true;
        initialisedShown_ = true;
    }
    if (state_.systemKind != rememberedKind_) {
        rememberedKind_ = state_.systemKind;
        if (state_.systemKind == 0) disableAll();
        const std::string code = ecm_.code.toStdString();
        if (state_.systemKind == kEngine &&
            std::find(std::begin(kTpResetModels), std::end(kTpResetModels), code) != std::end(kTpResetModels))
            set(B::TpReset, true);
        if (state_.systemKind == kEngineTransmission) set(B::PpsReset, true);
    }
    capabilityPass(report);
    if (!rejection(report)) rejectionHandled_ = false;
    completeReset();
}

void ActiveTestsPage::capabilityPass(const link::Report& report) {
    // Live data carries identifier 0x08; units of the second identification scheme answer 0x00.
    const int identifier = frame(report, 5);
    if (frame(report, 4) != 0x61 || !(identifier == 0x08 || (identifier == 0x00 && state_.altListVariant))) return;
    const vehicle::EcmModelEntry* model = vehicle::findModel(vehicle::ModelList::ActiveTests, ecm_.code.toStdString());
    if (model == nullptr) return;
    const auto digit = [&](int position) { return vehicle::digit(*model, static_cast<std::size_t>(position)); };
    const vehicle::UnitSettings metric{};

    engineTurning_ = frame(report, 17) != 0 || frame(report, 18) != 0;
    if (digit(0) != 0) {
        if (digit(13) != 0) enableOnce(Group::IdleSpeed, {B::IscAirOn, B::IscReset}, true);
        const vehicle::Conversion speed = vehicle::convertChannel(0, digit(0), static_cast<std::uint8_t>(frame(report, 17)),
                                                                  static_cast<std::uint8_t>(frame(report, 18)), metric);
        if (digit(0) <= 4 && speed.ok()) setField(TestField::EngineSpeed, valueText(0, speed.value));
    }
    if (digit(2) != 0) enableOnce(Group::Secondary, {B::SecondaryClose, B::SecondaryOpen});
    if (digit(2) == 1) setField(TestField::SecondaryThrottle, QString::number(100 * frame(report, 46) / 255));
    if (digit(10) != 0) enableOnce(Group::Exhaust, {B::ExhaustClose, B::ExhaustOpen});
    if (digit(10) == 1) setField(TestField::ExhaustValve, QString::number(100 * frame(report, 48) / 255));
    if (digit(13) == 1) targetIdle_ = static_cast<int>(32 * frame(report, 28) / 2.55);
    if (digit(13) == 2) targetIdle_ = static_cast<int>(127.5 * frame(report, 28) / 2.55);
    if (digit(14) != 0) enableOnce(Group::Damper, {B::DamperOn});
    if (digit(14) == 1) setField(TestField::DamperCurrent, valueText(14, 2.0 * frame(report, 47) / 255));
    const QString on = texts_.text(ActiveTestsText::On);
    const QString off = texts_.text(ActiveTestsText::Off);
    if (digit(26) != 0) enableOnce(Group::Evap, {B::EvapOn});
    if (digit(26) == 1) setField(TestField::Evap, (frame(report, 50) & 0x08) ? on : off);
    if (digit(28) != 0) enableOnce(Group::Fan, {B::FanStart, B::FanStop});
    if (digit(28) == 1) setField(TestField::Fan, (frame(report, 50) & 0x04) ? on : off);
    if (digit(29) != 0) enableOnce(Group::Pair, {B::PairOn});
    if (digit(29) == 1) setField(TestField::Pair, (frame(report, 51) & 0x01) ? on : off);
}

bool ActiveTestsPage::rejection(const link::Report& report) {
    if (frame(report, 3) != 3 || frame(report, 4) != 0x7F || frame(report, 5) != kActuatorTest || state_.playback)
        return false;
    const int reason = frame(report, 6);
    if (reason != kConditionsNotMet && reason != kNotSupported) return false;
    // The same answer still standing in the report at the next tick was dealt with already.
    if (rejectionHandled_) return true;
    rejectionHandled_ = true;
    // A refused reset was not performed: its completion message must not follow the refusal.
    testRepeatCounter_ = 0;
    QString text = texts_.text(ActiveTestsText::NotSupported);
    if (reason == kConditionsNotMet) {
        text = texts_.text(ActiveTestsText::SpeedOutOfCondition);
        if (iscAirRequested_ && engineTurning_) {
            text = texts_.text(ActiveTestsText::CoolantOutOfCondition);
            iscAirRequested_ = false;
        }
    }
    view_.holdTimer(true);
    view_.tell(Notice::Refused, texts_.text(settings::MainText::Error), text);
    view_.holdTimer(false);
    disableAll();
    link::SendTestCommand(link_, false);
    return true;
}

void ActiveTestsPage::completeReset() {
    if (testRepeatCounter_ == 0) return;
    if (++testRepeatCounter_ <= kResetTicks) return;
    testRepeatCounter_ = 0;
    link::SendTestCommand(link_, false);
    view_.holdTimer(true);
    view_.tell(Notice::Done, QString(), texts_.text(ActiveTestsText::ResetDone));
    view_.holdTimer(false);
}

void ActiveTestsPage::enableOnce(Group group, std::initializer_list<TestButton> buttons, bool spin) {
    auto& flag = groupEnabled_[static_cast<std::size_t>(group)];
    if (state_.playback || flag) return;
    flag = true;
    for (const TestButton button : buttons) set(button, true);
    if (spin) spinEnabled_ = true;
}

void ActiveTestsPage::disableAll() {
    enabled_.fill(false);
    spinEnabled_ = false;
    groupEnabled_.fill(false);
}

bool ActiveTestsPage::unitSupports(TestButton button) {
    const std::uint16_t required = button == B::PpsReset ? kEngineTransmission : kEngine;
    if (state_.systemKind == required) return true;
    view_.tell(Notice::Refused, texts_.text(settings::MainText::Error), texts_.text(ActiveTestsText::NotSupported));
    return false;
}

void ActiveTestsPage::sendTest(std::uint8_t target, std::uint8_t test, std::array<std::uint8_t, 4> p) {
    const std::uint8_t service[] = {kActuatorTest, test, p[0], p[1], p[2], p[3]};
    link::Report& command = link_.transmitReport();
    command[0] = 0;
    link::commands::defineSlot(command, kTestSlot, link::buildRequest(target, service));
    link::SendTestCommand(link_, true);
}

void ActiveTestsPage::press(TestButton button) {
    if (!unitSupports(button)) return;
    const bool alt = state_.altListVariant != 0;
    // A test that starts takes the page over: the other rows come back with the next live data.
    const auto starts = [this](Group own) {
        disableAll();
        groupEnabled_[static_cast<std::size_t>(own)] = true;
    };
    const auto show = [this](std::initializer_list<TestButton> on, std::initializer_list<TestButton> off) {
        for (const TestButton b : on) set(b, true);
        for (const TestButton b : off) set(b, false);
    };
    const std::uint8_t m = (ecm_.code == QLatin1String("27GA") || ecm_.code == QLatin1String("27GC")) ? 0x00 : 0x70;
    switch (button) {
        case B::PairOn: starts(Group::Pair); sendTest(kEngineTarget, 0x01, {0x80, 0, 0, 0}); show({B::PairOff}, {B::PairOn}); break;
        case B::PairOff: sendTest(kEngineTarget, 0x01, {0, 0, 0, 0}); show({B::PairOn}, {B::PairOff}); break;
        case B::DamperOn: starts(Group::Damper); sendTest(kEngineTarget, 0x01, {0x40, 0, 0, 0}); show({B::DamperOff}, {B::DamperOn}); break;
        case B::DamperOff: sendTest(kEngineTarget, 0x01, {0, 0, 0, 0}); show({B::DamperOn}, {B::DamperOff}); break;
        case B::SecondaryClose:
            starts(Group::Secondary);
            sendTest(kEngineTarget, 0x03, {0x80, 0, 0, 0});
            show({B::SecondaryOpen, B::SecondaryOff}, {B::SecondaryClose});
            break;
        case B::SecondaryOpen:
            starts(Group::Secondary);
            sendTest(kEngineTarget, 0x03, {0x80, 0x80, 0, 0});
            show({B::SecondaryClose, B::SecondaryOff}, {B::SecondaryOpen});
            break;
        case B::SecondaryOff:
            sendTest(kEngineTarget, 0x03, {0, 0, 0, 0});
            show({B::SecondaryClose, B::SecondaryOpen}, {B::SecondaryOff});
            break;
        case B::ExhaustClose:
            starts(Group::Exhaust);
            sendTest(kEngineTarget, 0x04, {0x80, 0, 0, 0});
            show({B::ExhaustOpen, B::ExhaustOff}, {B::ExhaustClose});
            break;
        case B::ExhaustOpen:
            starts(Group::Exhaust);
            sendTest(kEngineTarget, 0x04, {0x80, 0x80, 0, 0});
            show({B::ExhaustClose, B::ExhaustOff}, {B::ExhaustOpen});
            break;
        case B::ExhaustOff:
            sendTest(kEngineTarget, 0x04, {0, 0, 0, 0});
            show({B::ExhaustClose, B::ExhaustOpen}, {B::ExhaustOff});
            break;
        case B::FanStart:
            starts(Group::Fan);
            sendTest(kEngineTarget, 0x06, alt ? std::array<std::uint8_t, 4>{0, 0, 0, 0} : std::array<std::uint8_t, 4>{0x80, 0x80, 0, 0});
            show({B::FanStop, B::FanOff}, {B::FanStart});
            break;
        case B::FanStop:
            starts(Group::Fan);
            sendTest(kEngineTarget, 0x06, {0x80, 0, 0, 0});
            show({B::FanStart, B::FanOff}, {B::FanStop});
            break;
        case B::FanOff: sendTest(kEngineTarget, 0x06, {0, 0, 0, 0}); show({B::FanStart, B::FanStop}, {B::FanOff}); break;
        case B::EvapOn: starts(Group::Evap); sendTest(kEngineTarget, 0x07, {0x80, 0, 0, 0}); show({B::EvapOff}, {B::EvapOn}); break;
        case B::EvapOff: sendTest(kEngineTarget, 0x07, {0, 0, 0, 0}); show({B::EvapOn}, {B::EvapOff}); break;
        case B::IscAirOn:
            iscAirRequested_ = true;
            sendTest(kEngineTarget, 0x05, alt ? std::array<std::uint8_t, 4>{0, 0, 0, 0} : std::array<std::uint8_t, 4>{0x08, 0, m, 0});
            show({B::IscAirOff}, {B::IscAirOn});
            break;
        case B::IscAirOff: sendTest(kEngineTarget, 0x05, {0, 0, m, 0}); show({B::IscAirOn}, {B::IscAirOff}); break;
        case B::IscRpmOff: sendTest(kEngineTarget, 0x05, {0, 0, 0, 0}); show({}, {B::IscRpmOff}); break;
        case B::IscReset:
            if (!view_.ask(texts_.text(ActiveTestsText::IscResetQuestion))) return;
            sendTest(kEngineTarget, 0x05, alt ? std::array<std::uint8_t, 4>{0, 0, 0x70, 0} : std::array<std::uint8_t, 4>{0x20, 0, 0x70, 0});
            testRepeatCounter_ = 1;
            break;
        case B::TpReset:
            sendTest(kEngineTarget, 0x03, alt ? std::array<std::uint8_t, 4>{0, 0, 0, 0} : std::array<std::uint8_t, 4>{0x08, 0, 0, 0});
            testRepeatCounter_ = 1;
            break;
        case B::PpsReset:
            sendTest(kCombinedTarget, 0x09, {0x80, 0, 0, 0});
            testRepeatCounter_ = 1;
            break;
        case B::Count: break;
    }
}

void ActiveTestsPage::spinStep(int direction) {
    if (direction == 0 || !unitSupports(B::IscRpmOff)) return;
    const int steps = static_cast<int>(targetIdle_ / 12.5);
    // The up arrow raises the target idle speed by ten steps of 12.5 rpm, the down arrow lowers it.
    const auto v = static_cast<std::uint8_t>(direction > 0 ? steps + 10 : steps - 10);
    sendTest(kEngineTarget, 0x05, {0x80, 0, v, 0});
    set(B::IscRpmOff, true);
}

bool ActiveTestsPage::takeInitialised() {
    const bool shown = initialisedShown_;
    initialisedShown_ = false;
    return shown;
}

}  // namespace quilldar::pages
