#include "doctor/connection_check.h"

#include "link/hid_link.h"
#include "link/link_handshake.h"

namespace quilldar::doctor {

namespace {

constexpr const char* kRuleFile = "70-quilldar.rules";

Finding passed(Check check, const QString& result) { return {check, Verdict::Passed, result, {}, {}}; }
Finding failed(Check check, const char* word, const QString& result, const QString& fix) {
    return {check, Verdict::Failed, result, fix, QString::fromLatin1(word)};
}

QString permissionFix(const AccessHelp& help) {
    if (help.ruleFile.isEmpty()) {
        return QStringLiteral(
                   "Install the Quilldar package, which brings the udev rule, or install the rule by "
                   "hand: sudo cp packaging/linux/%1 /etc/udev/rules.d/ && sudo udevadm control "
                   "--reload-rules && sudo udevadm trigger; then unplug and replug the module.")
            .arg(QLatin1String(kRuleFile));
    }
    if (!help.inPlugdev) {
        return QStringLiteral(
                   "The udev rule %1 is installed: unplug and replug the module. If it still "
                   "fails (for example when not logged in at this computer's own screen), join the "
                   "plugdev group with: sudo adduser %2 plugdev, then log out and in again.")
            .arg(help.ruleFile, help.user);
    }
    return QStringLiteral(
               "The udev rule %1 is installed and %2 is in the plugdev group: unplug and replug the "
               "module; if that does not help, run: sudo udevadm control --reload-rules && sudo "
               "udevadm trigger.")
        .arg(help.ruleFile, help.user);
}

}  // namespace

QString moduleUsbId() {
    return QStringLiteral("%1:%2")
        .arg(link::kModuleVendorId, 4, 16, QLatin1Char('0'))
        .arg(link::kModuleProductId, 4, 16, QLatin1Char('0'));
}

QString checkTitle(Check check) {
    switch (check) {
        case Check::Library: return QStringLiteral("HID library");
        case Check::Device: return QStringLiteral("USB device %1").arg(moduleUsbId());
        case Check::Permission: return QStringLiteral("Device permission");
        case Check::OtherInstance: return QStringLiteral("Other Quilldar");
        case Check::ModuleAnswers: return QStringLiteral("Module answers");
        case Check::VehiclePower: return QStringLiteral("Vehicle power");
    }
    return {};
}

QString Finding::text() const {
    QString text = checkTitle(check) + QStringLiteral(": ") + result;
    if (!fix.isEmpty()) text += QStringLiteral(" Fix: ") + fix;
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

Finding libraryLoaded(const QString& library) {
    return passed(Check::Library, QStringLiteral("%1 loads.").arg(library));
}

Finding libraryNotNeeded() {
    return passed(Check::Library, QStringLiteral("not needed by the simulated module."));
}

Finding libraryMissing(const QString& library) {
    return failed(Check::Library, "No library", QStringLiteral("%1 cannot be loaded.").arg(library),
                  QStringLiteral("Install it with: sudo apt-get install libhidapi-hidraw0"));
}

Finding deviceFound() { return passed(Check::Device, QStringLiteral("plugged in.")); }

Finding deviceMissing() {
    return failed(Check::Device, "No USB", QStringLiteral("not found among the USB HID devices."),
                  QStringLiteral("Plug the interface module in; try another USB port or cable. "
                                 "lsusb should list %1.")
                      .arg(moduleUsbId()));
}

Finding accessGranted() {
    return passed(Check::Permission, QStringLiteral("this user may read and write the module."));
}

Finding accessDenied(const AccessHelp& help) {
    const QString where = help.deniedPath.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(help.deniedPath);
    return failed(Check::Permission, "No access",
                  QStringLiteral("the module is plugged in but this user may not open it%1.").arg(where),
                  permissionFix(help));
}

Finding noOtherInstance() {
    return passed(Check::OtherInstance, QStringLiteral("none is using the module."));
}

Finding otherInstance() {
    return failed(Check::OtherInstance, "In use", QStringLiteral("another copy of Quilldar owns the module."),
                  QStringLiteral("Close the other Quilldar window (or use it), then try again."));
}

Finding moduleAnswered(const link::ModuleIdentity& identity) {
    return passed(Check::ModuleAnswers, QStringLiteral("hardware ID %1, serial number %2, type %3.")
                                            .arg(identity.hardwareId, identity.serialNumber, identity.type));
}

Finding moduleSilent() {
    return failed(Check::ModuleAnswers, "No reply", QStringLiteral("the module did not answer."),
                  QStringLiteral("Unplug the module, wait a few seconds, plug it in again and retry."));
}

Finding moduleWrongType(const QString& type) {
    return failed(Check::ModuleAnswers, "Wrong type",
                  type.isEmpty()
                      ? QStringLiteral("the module is of another type; Quilldar works only with type '1'.")
                      : QStringLiteral("the module is of type '%1'; Quilldar works only with type '1'.").arg(type),
                  QStringLiteral("Use a Quilldar interface module; this one is meant for another program."));
}

Finding powerStable() {
    return passed(Check::VehiclePower,
                  QStringLiteral("stable (%1 consecutive \"Power OK\").").arg(link::kPowerStableCount));
}

Finding noPower(const QString& waited) {
    return failed(Check::VehiclePower, "No power",
                  QStringLiteral("not stable within %1.").arg(waited),
                  QStringLiteral("Switch the ignition on, check the battery and that the diagnostic "
                                 "connector sits firmly."));
}

Finding moduleLostDuringPowerPoll() {
    return failed(Check::VehiclePower, "No reply", QStringLiteral("the module stopped answering while power was polled."),
                  QStringLiteral("Check the USB cable; unplug and replug the module."));
}

Finding notChecked(Check check) {
    return {check, Verdict::NotChecked, QStringLiteral("not checked (an earlier check failed)."), {}, {}};
}

}  // namespace findings

}  // namespace quilldar::doctor
