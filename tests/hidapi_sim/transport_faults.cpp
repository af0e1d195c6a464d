#include "hidapi_sim/transport_faults.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace quilldar::hidsim {

namespace {

struct NamedFault {
    const char* name;
    TransportFault fault;
};

constexpr NamedFault kFaults[] = {
    {"unplug", TransportFault::Unplug},       {"replug", TransportFault::Replug},
    {"mute", TransportFault::Mute},           {"busy", TransportFault::Busy},
    {"short-write", TransportFault::ShortWrite}, {"zero-read", TransportFault::ZeroRead},
    {"extra-device", TransportFault::ExtraDevice}, {"no-report-id", TransportFault::NoReportId},
};

}  // namespace

std::optional<std::vector<TimedFault>> parseTransportFaults(std::string_view text, QString& error) {
    std::vector<TimedFault> faults;
    const QString all = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    for (const QString& entry : all.split(u',', Qt::SkipEmptyParts)) {
        const QStringList parts = entry.trimmed().split(u'@');
        const auto named = std::find_if(std::begin(kFaults), std::end(kFaults), [&](const NamedFault& f) {
            return parts.at(0) == QLatin1String(f.name);
        });
        if (parts.size() > 2 || named == std::end(kFaults)) {
            error = QStringLiteral("'%1' is not a fault: NAME[@SECONDS] with NAME one of unplug, replug, "
                                   "mute, busy, short-write, zero-read, extra-device, no-report-id.")
                        .arg(entry);
            return std::nullopt;
        }
        TimedFault timed{named->fault, {}};
        if (parts.size() == 2) {
            bool ok = false;
            const double seconds = parts.at(1).toDouble(&ok);
            if (!ok || !(seconds >= 0) || !std::isfinite(seconds)) {
                error = QStringLiteral("'%1' is not a time in seconds (in '%2').").arg(parts.at(1), entry);
                return std::nullopt;
            }
            timed.at = std::chrono::milliseconds(std::llround(seconds * 1000));
        }
        faults.push_back(timed);
    }
    std::stable_sort(faults.begin(), faults.end(),
                     [](const TimedFault& a, const TimedFault& b) { return a.at < b.at; });
    return faults;
}

}  // namespace quilldar::hidsim
