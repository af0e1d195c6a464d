#include "doctor/connection_doctor.h"

#include <algorithm>
#include <thread>

#include "context/app_context.h"
#include "link/hidapi_transport.h"
#include "platform/device_access.h"
#include "platform/instance_lock.h"
#include "settings/language_table.h"

namespace quilldar::doctor {

namespace {

constexpr Check kOrder[] = {Check::Library,       Check::Device,        Check::Permission,
                            Check::OtherInstance, Check::ModuleAnswers, Check::VehiclePower};

using Report = ConnectionDoctor::Report;

void add(std::vector<Finding>& found, const Report& report, Finding finding) {
    if (report) report(finding);
    found.push_back(std::move(finding));
}

}  // namespace

ConnectionDoctor::ConnectionDoctor(app::AppContext& context, DoctorSetup setup)
    : context_(context), setup_(std::move(setup)) {}

std::vector<Finding> ConnectionDoctor::run(const Report& report) {
    const settings::LanguageTable& texts = context_.languageTable();
    std::vector<Finding> found;
    bool fine = checkDevice(found, report);
    if (fine) {
        // Held while the module is greeted: a copy of the program started meanwhile runs offline.
        platform::InstanceLock lock(setup_.lockFolder);
        fine = lock.acquire();
        add(found, report, fine ? findings::noOtherInstance(texts) : findings::otherInstance(texts));
        if (fine) checkModule(found, report);
        context_.link().CloseInterface();
    }
    for (const Check check : kOrder) {
        const bool done = std::any_of(found.begin(), found.end(), [&](const Finding& f) { return f.check == check; });
        if (!done) add(found, report, findings::notChecked(texts, check));
    }
    return found;
}

bool ConnectionDoctor::checkDevice(std::vector<Finding>& found, const Report& report) {
    const settings::LanguageTable& texts = context_.languageTable();
    // One open attempt through the transport's enumeration tells the first three checks apart;
    // the device is closed again at once, so that a copy of the program using it is not disturbed.
    link::HidTransport& transport = context_.transport();
    const link::OpenOutcome outcome = transport.open(link::kModuleVendorId, link::kModuleProductId);
    const AccessHelp help = outcome == link::OpenOutcome::AccessDenied
                                ? examineAccess(transport, setup_.ruleFolders)
                                : AccessHelp{};
    transport.close();

    if (outcome == link::OpenOutcome::LibraryUnavailable) {
        add(found, report, findings::libraryMissing(texts, setup_.libraryName));
        return false;
    }
    add(found, report,
        setup_.libraryName.isEmpty() ? findings::libraryNotNeeded(texts) : findings::libraryLoaded(texts, setup_.libraryName));
    if (outcome == link::OpenOutcome::NotFound) {
        add(found, report, findings::deviceMissing(texts));
        return false;
    }
    add(found, report, findings::deviceFound(texts));
    if (outcome == link::OpenOutcome::AccessDenied) {
        add(found, report, findings::accessDenied(texts, help));
        return false;
    }
    add(found, report, findings::accessGranted(texts));
    return true;
}

bool ConnectionDoctor::checkModule(std::vector<Finding>& found, const Report& report) {
    const settings::LanguageTable& texts = context_.languageTable();
    app::AppState& state = context_.state();
    link::HidLink& link = context_.link();
    if (!link.ReopenInterface() || !link::LinkHandshake(link, state, context_.module())) {
        add(found, report, findings::moduleSilent(texts));
        return false;
    }
    if (state.adapterRejected) {
        add(found, report, findings::moduleWrongType(texts, context_.module().type));
        return false;
    }
    add(found, report, findings::moduleAnswered(texts, context_.module()));

    for (int poll = 0; poll < setup_.maxPowerPolls && !state.powerStable; ++poll) {
        link::PollPower(link, state);
        if (!state.isLinkOpen()) {
            add(found, report, findings::moduleLostDuringPowerPoll(texts));
            return false;
        }
        if (!state.powerStable) std::this_thread::sleep_for(setup_.pollPeriod);
    }
    if (!state.powerStable) {
        add(found, report, findings::noPower(texts, texts.text(settings::MainText::CheckPolls).arg(setup_.maxPowerPolls)));
        return false;
    }
    add(found, report, findings::powerStable(texts));
    return true;
}

AccessHelp examineAccess(const link::HidTransport& transport, const QStringList& ruleFolders) {
    AccessHelp help;
    if (const auto* hid = dynamic_cast<const link::HidApiTransport*>(&transport))
        help.deniedPath = QString::fromStdString(hid->deniedPath());
    help.ruleFile = platform::findUdevRule(ruleFolders, QStringLiteral("70-quilldar.rules")).value_or(QString());
    help.inPlugdev = platform::processInGroup("plugdev");
    help.user = platform::userName();
    return help;
}

bool readyToConnect(const std::vector<Finding>& found) {
    return !found.empty() && std::all_of(found.begin(), found.end(),
                                         [](const Finding& f) { return f.verdict == Verdict::Passed; });
}

const Finding* firstFailure(const std::vector<Finding>& found) {
    const auto it = std::find_if(found.begin(), found.end(), [](const Finding& f) { return f.failed(); });
    return it == found.end() ? nullptr : &*it;
}

}  // namespace quilldar::doctor
