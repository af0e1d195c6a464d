#include "sim/fault_schedule.h"

#include <QStringList>
#include <algorithm>
#include <chrono>
#include <iterator>

#include "link/module_replies.h"
#include "sim/simulated_module.h"

namespace quilldar::sim {

namespace {

constexpr Fault kFaults[] = {Fault::Power,  Fault::Unplug,       Fault::Replug,       Fault::Mute,
                             Fault::Slow,   Fault::Stale,        Fault::Tmr,          Fault::ConnectError,
                             Fault::Disconnected, Fault::BadChecksum, Fault::LongFrame, Fault::ModuleType};

// Later than the 1,500 ms within which a reply counts.
constexpr std::chrono::milliseconds kSlowReply{1600};
// A type character the program does not work with.
constexpr char kForeignModuleType = '0';

}  // namespace

const char* faultName(Fault fault) {
    switch (fault) {
        case Fault::Power: return "power";
        case Fault::Unplug: return "unplug";
        case Fault::Replug: return "replug";
        case Fault::Mute: return "mute";
        case Fault::Slow: return "slow";
        case Fault::Stale: return "stale";
        case Fault::Tmr: return "tmr";
        case Fault::ConnectError: return "connect-error";
        case Fault::Disconnected: return "disconnected";
        case Fault::BadChecksum: return "bad-checksum";
        case Fault::LongFrame: return "long-frame";
        case Fault::ModuleType: return "module-type";
    }
    return "power";
}

QString faultNames() {
    QStringList names;
    for (const Fault fault : kFaults) names.append(QLatin1String(faultName(fault)));
    return names.join(QStringLiteral(", "));
}

std::optional<ScheduledFault> parseScheduledFault(std::string_view text, QString& error) {
    const QString value = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const qsizetype at = value.indexOf(u'@');
    const QString name = (at < 0 ? value : value.left(at)).toLower();
    const auto found = std::find_if(std::begin(kFaults), std::end(kFaults),
                                    [&](Fault f) { return name == QLatin1String(faultName(f)); });
    if (found == std::end(kFaults)) {
        error = QStringLiteral("No fault called '%1'; the faults are: %2.").arg(name, faultNames());
        return std::nullopt;
    }
    ScheduledFault scheduled{*found, 0};
    if (at >= 0) {
        bool ok = false;
        const int tick = value.mid(at + 1).toInt(&ok);
        if (!ok || tick < 0) {
            error = QStringLiteral("'%1' is not a tick: give a whole number from 0, as in %2@10.")
                        .arg(value.mid(at + 1), name);
            return std::nullopt;
        }
        scheduled.tick = tick;
    }
    return scheduled;
}

void injectFault(SimulatedModule& module, Fault fault) {
    switch (fault) {
        case Fault::Power: module.setVehiclePower(false); break;
        case Fault::Unplug: module.unplug(); break;
        case Fault::Replug: module.replug(); break;
        case Fault::Mute: module.muteUntilReopened(); break;
        case Fault::Slow: module.setReplyDelay(kSlowReply); break;
        case Fault::Stale: module.sendStaleReplies(); break;
        case Fault::Tmr: module.failNextStart(link::replies::kTimerError); break;
        case Fault::ConnectError: module.failNextStart(link::replies::kConnectError); break;
        case Fault::Disconnected: module.loseControlUnit(); break;
        case Fault::BadChecksum: module.corruptNextResponse(); break;
        case Fault::LongFrame: module.overlongNextResponse(); break;
        case Fault::ModuleType: module.setModuleType(kForeignModuleType); break;
    }
}

void FaultSchedule::strike(int tick, SimulatedModule& module) const {
    for (const ScheduledFault& scheduled : faults_)
        if (scheduled.tick == tick) injectFault(module, scheduled.fault);
}

int FaultSchedule::beforePollTick(bool connected, SimulatedModule& module) {
    if (sessionTick_ == 0 && !connected) return 0;
    strike(++sessionTick_, module);
    return sessionTick_;
}

int FaultSchedule::lastTick() const {
    int last = 0;
    for (const ScheduledFault& scheduled : faults_) last = std::max(last, scheduled.tick);
    return last;
}

}  // namespace quilldar::sim
