#pragma once

#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <vector>

#include "doctor/connection_check.h"

namespace quilldar::app {
class AppContext;
}
namespace quilldar::link {
class HidTransport;
}

namespace quilldar::doctor {

struct DoctorSetup {
    // The HID library the transport loads; empty for the simulated module, which needs none.
    QString libraryName;
    // Where the copies of the program keep their lock (the temporary folder in the program).
    QString lockFolder;
    // Where udev rules are looked for, for the permission fix.
    QStringList ruleFolders;
    // Vehicle power is polled at the pace of the program's poll timer, at most maxPowerPolls times.
    std::chrono::milliseconds pollPeriod{100};
    int maxPowerPolls = 50;
};

// Checks, in order, everything between the user and a connection: the library, the device, the
// permission on it, another copy of the program, the module's answers and vehicle power. The
// device is found through the transport's own enumeration, as the program finds it. The module is
// greeted only while this check holds the program's lock, so a running copy is never disturbed.
class ConnectionDoctor {
public:
    using Report = std::function<void(const Finding&)>;

    ConnectionDoctor(app::AppContext& context, DoctorSetup setup);

    // Runs every check; each finding goes to report as soon as it is known. The checks after a
    // failed one are reported as not checked. Returns the six findings in order.
    std::vector<Finding> run(const Report& report = {});

private:
    // Returns false when a check failed.
    bool checkDevice(std::vector<Finding>& found, const Report& report);
    bool checkModule(std::vector<Finding>& found, const Report& report);

    app::AppContext& context_;
    DoctorSetup setup_;
};

// The device node that could not be opened, the installed udev rule and the user's groups.
AccessHelp examineAccess(const link::HidTransport& transport, const QStringList& ruleFolders);

// True when every check passed: a connection can be made.
bool readyToConnect(const std::vector<Finding>& found);

// The first failed finding, or nullptr when none failed.
const Finding* firstFailure(const std::vector<Finding>& found);

}  // namespace quilldar::doctor
