#pragma once

#include <QString>

namespace quilldar::link {
struct ModuleIdentity;
}
namespace quilldar::settings {
class LanguageTable;
}

namespace quilldar::doctor {

// What stands between a user and a connection, in the order the checks run: each one needs the
// ones before it to pass.
enum class Check {
    Library,        // the HID library loads
    Device,         // a USB device with the module's vendor and product id is plugged in
    Permission,     // this user may open it
    OtherInstance,  // no other copy of the program holds the module
    ModuleAnswers,  // it answers "Get_ID", "Get_SN" and "Get_Type" and is of a supported type
    VehiclePower,   // it reports stable vehicle power
};

enum class Verdict { Passed, Failed, NotChecked };

// The outcome of one check, in plain language.
struct Finding {
    Check check = Check::Library;
    Verdict verdict = Verdict::NotChecked;
    QString result;  // what was found
    QString fix;     // what the user can do about it; empty when the check passed
    QString word;    // the failure in a word short enough for a hardware field: "No USB"
    QString title;     // the check's name, as checkTitle gives it
    QString fixLabel;  // "Fix:"

    bool failed() const { return verdict == Verdict::Failed; }
    // "USB device 04d8:05f1: not found. Fix: ..." — the finding as one sentence or two.
    QString text() const;
    // The text behind a status tag: "[ OK ]", "[FAIL]" or "[ -- ]".
    QString line() const;
};

// The name of a check as it starts its line: "HID library", "USB device 04d8:05f1", ...
QString checkTitle(Check check, const settings::LanguageTable& texts);

// The module's USB id as lsusb shows it: "04d8:05f1".
QString moduleUsbId();

// Where the udev rule stands, for the permission fix.
struct AccessHelp {
    QString deniedPath;  // the device node that could not be opened, when known
    QString ruleFile;    // the installed rule, empty when none is installed
    bool inPlugdev = false;
    QString user;
};

// The findings, one builder per outcome, in the language of the table.
namespace findings {
using Texts = settings::LanguageTable;
Finding libraryLoaded(const Texts& texts, const QString& library);
Finding libraryNotNeeded(const Texts& texts);
Finding libraryMissing(const Texts& texts, const QString& library);
Finding deviceFound(const Texts& texts);
Finding deviceMissing(const Texts& texts);
Finding accessGranted(const Texts& texts);
Finding accessDenied(const Texts& texts, const AccessHelp& help);
Finding noOtherInstance(const Texts& texts);
Finding otherInstance(const Texts& texts);
Finding moduleAnswered(const Texts& texts, const link::ModuleIdentity& identity);
Finding moduleSilent(const Texts& texts);
// type: the character the module reported; empty when not known.
Finding moduleWrongType(const Texts& texts, const QString& type);
Finding powerStable(const Texts& texts);
// waited: how long power was waited for, in words ("5 seconds", "50 polls").
Finding noPower(const Texts& texts, const QString& waited);
Finding moduleLostDuringPowerPoll(const Texts& texts);
Finding notChecked(const Texts& texts, Check check);
}  // namespace findings

}  // namespace quilldar::doctor
