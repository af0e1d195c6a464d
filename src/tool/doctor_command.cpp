#include "tool/doctor_command.h"

#include <QDir>
#include <cstdio>
#include <memory>

#include "context/app_context.h"
#include "doctor/connection_doctor.h"
#include "settings/language_table.h"
#include "settings/languages.h"
#include "link/hidapi_transport.h"
#include "platform/device_access.h"
#include "platform/instance_lock.h"
#include "sim/fault_schedule.h"
#include "sim/simulation_spec.h"
#include "tool/console_message_sink.h"

namespace quilldar::tool {

namespace {

struct NamedFault {
    const char* name;
    DoctorFault fault;
};

constexpr NamedFault kFaults[] = {{"power", DoctorFault::Power},
                                  {"unplug", DoctorFault::Unplug},
                                  {"mute", DoctorFault::Mute},
                                  {"type", DoctorFault::Type},
                                  {"busy", DoctorFault::Busy}};

void printLine(const QString& text) {
    std::printf("%s\n", text.toUtf8().constData());
    std::fflush(stdout);
}

// Makes the simulated module show the fault; busy is not the module's doing and is left out.
void injectInto(sim::SimulatedModule& module, DoctorFault fault) {
    switch (fault) {
        case DoctorFault::Power: sim::injectFault(module, sim::Fault::Power); break;
        case DoctorFault::Unplug: sim::injectFault(module, sim::Fault::Unplug); break;
        // Silent for good: a mute that a reopen clears would pass unnoticed, since the check opens
        // the module twice.
        case DoctorFault::Mute: module.setMute(true); break;
        case DoctorFault::Type: sim::injectFault(module, sim::Fault::ModuleType); break;
        case DoctorFault::Busy: break;
    }
}

}  // namespace

std::optional<DoctorFault> parseDoctorFault(std::string_view text, QString& error) {
    for (const NamedFault& named : kFaults)
        if (text == named.name) return named.fault;
    error = QStringLiteral("No fault called '%1' for doctor; the faults are: power, unplug, mute, type, busy.")
                .arg(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return std::nullopt;
}

int runDoctor(const DoctorOptions& options) {
    ConsoleMessageSink messages;
    doctor::DoctorSetup setup;
    setup.lockFolder = QDir::tempPath();
    setup.ruleFolders = platform::udevRuleFolders();

    std::unique_ptr<link::HidTransport> transport;
    if (options.simulate) {
        QString error;
        const auto spec = sim::parseSimulationSpec(*options.simulate, error);
        if (!spec) {
            std::fprintf(stderr, "%s\n", error.toUtf8().constData());
            return 2;
        }
        auto module = sim::buildSimulatedModule(*spec, std::make_shared<sim::SteadySimClock>());
        for (const DoctorFault fault : options.faults) injectInto(*module, fault);
        transport = std::move(module);
    } else {
        setup.libraryName = QString::fromStdString(link::HidApiTransport::configuredLibrary());
        transport = std::make_unique<link::HidApiTransport>(messages);
    }
    // Another copy of the program, as far as the lock tells: it holds the lock for this run.
    std::optional<platform::InstanceLock> otherCopy;
    if (std::find(options.faults.begin(), options.faults.end(), DoctorFault::Busy) != options.faults.end()) {
        otherCopy.emplace(setup.lockFolder);
        otherCopy->acquire();
    }

    app::AppContext context(std::move(transport));
    // The console speaks English, as every command of the tool does.
    context.languageTable().fill(settings::kEnglish, context.settings());
    printLine(options.simulate ? QStringLiteral("Checking the connection to the simulated interface module...")
                               : QStringLiteral("Checking the connection to the interface module (USB id %1)...")
                                     .arg(doctor::moduleUsbId()));
    doctor::ConnectionDoctor doctor(context, setup);
    const auto found = doctor.run([](const doctor::Finding& finding) { printLine(finding.line()); });
    if (const doctor::Finding* failure = doctor::firstFailure(found)) {
        printLine(QStringLiteral("Not ready to connect: %1 (see the fix above).")
                      .arg(failure->title));
        return 1;
    }
    printLine(QStringLiteral("Ready to connect."));
    return 0;
}

}  // namespace quilldar::tool
