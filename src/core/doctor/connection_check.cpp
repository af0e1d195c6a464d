#include "doctor/connection_check.h"

#include "link/hid_link.h"
#include "link/link_handshake.h"
#include "settings/language_table.h"

namespace quilldar::doctor {

namespace {

using settings::MainText;

constexpr const char* kRuleFile = "70-quilldar.rules";

Finding make(const findings::Texts& texts, Check check, Verdict verdict, const QString& result, const QString& fix,
             const QString& word) {
    return {check, verdict, result, fix, word, checkTitle(check, texts), texts.text(MainText::CheckFix)};
}
Finding passed(const findings::Texts& texts, Check check, const QString& result) {
    return make(texts, check, Verdict::Passed, result, {}, {});
}
Finding failed(const findings::Texts& texts, Check check, MainText word, const QString& result, const QString& fix) {
    return make(texts, check, Verdict::Failed, result, fix, texts.text(word));
}

QString permissionFix(const findings::Texts& texts, const AccessHelp& help) {
    if (help.ruleFile.isEmpty()) return texts.text(MainText::CheckRuleMissingFix).arg(QLatin1String(kRuleFile));
    if (!help.inPlugdev) return texts.text(MainText::CheckJoinGroupFix).arg(help.ruleFile, help.user);
    return texts.text(MainText::CheckReloadRulesFix).arg(help.ruleFile, help.user);
}

}  // namespace

QString moduleUsbId() {
    return QStringLiteral("%1:%2")
        .arg(link::kModuleVendorId, 4, 16, QLatin1Char('0'))
        .arg(link::kModuleProductId, 4, 16, QLatin1Char('0'));
}

QString checkTitle(Check check, const settings::LanguageTable& texts) {
    switch (check) {
        case Check::Library: return texts.text(MainText::CheckLibrary);
        case Check::Device: return texts.text(MainText::CheckDevice).arg(moduleUsbId());
        case Check::Permission: return texts.text(MainText::CheckPermission);
        case Check::OtherInstance: return texts.text(MainText::CheckOtherInstance);
        case Check::ModuleAnswers: return texts.text(MainText::CheckModuleAnswers);
        case Check::VehiclePower: return texts.text(MainText::CheckVehiclePower);
    }
    return {};
}

QString Finding::text() const {
    QString text = title + QStringLiteral(": ") + result;
    if (!fix.isEmpty()) text += QLatin1Char(' ') + fixLabel + QLatin1Char(' ') + fix;
    return text;
}

QString Finding::line() const {
    switch (verdict) {
        case Verdict::Passed: return QStringLiteral("[ OK ] ") + text();
        case Verdict::Failed: return QStringLiteral("[FAIL] ") + text();
        case Verdict::NotChecked: return QStringLiteral("[ -- ] ") + text();
    }
    return text();
}

namespace findings {

Finding libraryLoaded(const Texts& texts, const QString& library) {
    return passed(texts, Check::Library, texts.text(MainText::CheckLibraryLoads).arg(library));
}

Finding libraryNotNeeded(const Texts& texts) {
    return passed(texts, Check::Library, texts.text(MainText::CheckLibraryNotNeeded));
}

Finding libraryMissing(const Texts& texts, const QString& library) {
    return failed(texts, Check::Library, MainText::CheckWordNoLibrary,
                  texts.text(MainText::CheckLibraryMissing).arg(library), texts.text(MainText::CheckLibraryFix));
}

Finding deviceFound(const Texts& texts) { return passed(texts, Check::Device, texts.text(MainText::CheckDeviceFound)); }

Finding deviceMissing(const Texts& texts) {
    return failed(texts, Check::Device, MainText::CheckWordNoUsb, texts.text(MainText::CheckDeviceMissing),
                  texts.text(MainText::CheckDeviceFix).arg(moduleUsbId()));
}

Finding accessGranted(const Texts& texts) {
    return passed(texts, Check::Permission, texts.text(MainText::CheckAccessGranted));
}

Finding accessDenied(const Texts& texts, const AccessHelp& help) {
    const QString where = help.deniedPath.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(help.deniedPath);
    return failed(texts, Check::Permission, MainText::CheckWordNoAccess,
                  texts.text(MainText::CheckAccessDenied).arg(where), permissionFix(texts, help));
}

Finding noOtherInstance(const Texts& texts) {
    return passed(texts, Check::OtherInstance, texts.text(MainText::CheckNoOtherInstance));
}

Finding otherInstance(const Texts& texts) {
    return failed(texts, Check::OtherInstance, MainText::CheckWordInUse, texts.text(MainText::CheckOtherInstanceFound),
                  texts.text(MainText::CheckOtherInstanceFix));
}

Finding moduleAnswered(const Texts& texts, const link::ModuleIdentity& identity) {
    return passed(texts, Check::ModuleAnswers,
                  texts.text(MainText::CheckModuleAnswered).arg(identity.hardwareId, identity.serialNumber, identity.type));
}

Finding moduleSilent(const Texts& texts) {
    return failed(texts, Check::ModuleAnswers, MainText::CheckWordNoReply, texts.text(MainText::CheckModuleSilent),
                  texts.text(MainText::CheckModuleSilentFix));
}

Finding moduleWrongType(const Texts& texts, const QString& type) {
    return failed(texts, Check::ModuleAnswers, MainText::CheckWordWrongType,
                  type.isEmpty() ? texts.text(MainText::CheckModuleOtherType)
                                 : texts.text(MainText::CheckModuleTypeIs).arg(type),
                  texts.text(MainText::CheckWrongTypeFix));
}

Finding powerStable(const Texts& texts) {
    return passed(texts, Check::VehiclePower, texts.text(MainText::CheckPowerStable).arg(link::kPowerStableCount));
}

Finding noPower(const Texts& texts, const QString& waited) {
    return failed(texts, Check::VehiclePower, MainText::CheckWordNoPower,
                  texts.text(MainText::CheckPowerUnstable).arg(waited), texts.text(MainText::CheckPowerFix));
}

Finding moduleLostDuringPowerPoll(const Texts& texts) {
    return failed(texts, Check::VehiclePower, MainText::CheckWordNoReply, texts.text(MainText::CheckPowerPollLost),
                  texts.text(MainText::CheckUsbCableFix));
}

Finding notChecked(const Texts& texts, Check check) {
    return make(texts, check, Verdict::NotChecked, texts.text(MainText::CheckNotChecked), {}, {});
}

}  // namespace findings

}  // namespace quilldar::doctor
