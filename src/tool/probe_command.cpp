#include "tool/probe_command.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include "context/app_context.h"
#include "link/hidapi_transport.h"
#include "link/link_handshake.h"
#include "sim/simulation_spec.h"
#include "tool/console_message_sink.h"

namespace quilldar::tool {

namespace {

// The power poll runs at the pace of the program's poll timer.
constexpr std::chrono::milliseconds kPollPeriod{100};
constexpr int kMaxPowerPolls = 50;

void printLine(const QString& text) { std::printf("%s\n", text.toUtf8().constData()); }
void printError(const QString& text) { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); }

QString usbId() {
    return QStringLiteral("%1:%2")
        .arg(link::kModuleVendorId, 4, 16, QLatin1Char('0'))
        .arg(link::kModuleProductId, 4, 16, QLatin1Char('0'));
}

void explainOpenFailure(link::OpenOutcome outcome, const link::HidTransport& transport) {
    switch (outcome) {
        case link::OpenOutcome::AccessDenied: {
            const auto* hid = dynamic_cast<const link::HidApiTransport*>(&transport);
            const QString path = hid != nullptr ? QString::fromStdString(hid->deniedPath()) : QString();
            printError(QStringLiteral(
                           "An interface module (USB id %1) is plugged in at %2, but this user may "
                           "not open it. Install the udev rule packaging/linux/70-quilldar.rules "
                           "(sudo cp packaging/linux/70-quilldar.rules /etc/udev/rules.d/ && sudo "
                           "udevadm control --reload-rules), then unplug and replug the module.")
                           .arg(usbId(), path));
            return;
        }
        case link::OpenOutcome::LibraryUnavailable:
            printError(QStringLiteral(
                "The HID library could not be loaded, so no interface module can be used. "
                "Install it with: sudo apt-get install libhidapi-hidraw0"));
            return;
        case link::OpenOutcome::NotFound:
        case link::OpenOutcome::Opened:
            printError(QStringLiteral("No interface module found: no USB HID device with id %1 is "
                                      "plugged in. Check the USB cable and try another port.")
                           .arg(usbId()));
            return;
    }
}

}  // namespace

int runProbe(const ProbeOptions& options) {
    ConsoleMessageSink messages;
    std::unique_ptr<link::HidTransport> transport;
    if (options.simulate) {
        QString error;
        const auto spec = sim::parseSimulationSpec(*options.simulate, error);
        if (!spec) {
            printError(error);
            return 2;
        }
        transport = sim::buildSimulatedModule(*spec, std::make_shared<sim::SteadySimClock>());
    } else {
        transport = std::make_unique<link::HidApiTransport>(messages);
    }
    app::AppContext context(std::move(transport));
    app::AppState& state = context.state();
    link::HidLink& link = context.link();

    printLine(options.simulate ? QStringLiteral("Looking for the simulated interface module...")
                               : QStringLiteral("Looking for the interface module (USB id %1)...").arg(usbId()));
    if (!link.ReopenInterface()) {
        explainOpenFailure(link.lastOpenOutcome(), context.transport());
        return 1;
    }
    if (!link::LinkHandshake(link, state, context.module())) {
        printError(QStringLiteral("The interface module was found but did not answer. Unplug it, "
                                  "plug it in again and retry."));
        return 1;
    }
    const link::ModuleIdentity& module = context.module();
    printLine(QStringLiteral("Hardware ID: %1").arg(module.hardwareId));
    printLine(QStringLiteral("Hardware SN: %1").arg(module.serialNumber));
    printLine(QStringLiteral("Type: %1").arg(module.type));
    if (state.adapterRejected) {
        printError(QStringLiteral("This interface module is of type '%1'; Quilldar works only with "
                                  "modules of type '1'.")
                       .arg(module.type));
        return 1;
    }

    for (int poll = 0; poll < kMaxPowerPolls && !state.powerStable; ++poll) {
        link::PollPower(link, state);
        if (!state.isLinkOpen()) {
            printError(QStringLiteral("The interface module stopped answering while vehicle power "
                                      "was polled. Check the USB connection."));
            return 1;
        }
        if (!state.powerStable) std::this_thread::sleep_for(kPollPeriod);
    }
    if (!state.powerStable) {
        printLine(QStringLiteral("Vehicle power: not present"));
        printError(QStringLiteral("No vehicle power: the module did not report stable power within %1 "
                                  "polls. Switch the ignition on and check the diagnostic connector.")
                       .arg(kMaxPowerPolls));
        return 1;
    }
    printLine(QStringLiteral("Vehicle power: stable (%1 consecutive \"Power OK\")")
                  .arg(link::kPowerStableCount));
    printLine(QStringLiteral("The interface module is ready."));
    return 0;
}

}  // namespace quilldar::tool
