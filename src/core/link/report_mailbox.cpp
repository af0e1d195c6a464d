#include "link/report_mailbox.h"

namespace quilldar::link {

void ReportMailbox::publish(const Report& report) {
    const auto now = Clock::now();
    std::lock_guard lock(mutex_);
    latest_ = report;
    history_[arrivals_ % kHistory] = Arrival{report, now, arrivals_};
    ++arrivals_;
}

void ReportMailbox::store(const Report& report) {
    std::lock_guard lock(mutex_);
    latest_ = report;
}

Report ReportMailbox::snapshot() const {
    std::lock_guard lock(mutex_);
    return latest_;
}

std::uint64_t ReportMailbox::arrivals() const {
    std::lock_guard lock(mutex_);
    return arrivals_;
}

template <typename Accept>
std::optional<ReportMailbox::Arrival> ReportMailbox::firstHeld(std::uint64_t from, Accept accept) const {
    std::lock_guard lock(mutex_);
    const std::uint64_t oldestKept = arrivals_ > kHistory ? arrivals_ - kHistory : 0;
    for (std::uint64_t sequence = from > oldestKept ? from : oldestKept; sequence < arrivals_; ++sequence) {
        const Arrival& arrival = history_[sequence % kHistory];
        if (accept(arrival)) return arrival;
    }
    return std::nullopt;
}

std::optional<ReportMailbox::Arrival> ReportMailbox::firstArrival(std::uint64_t from,
                                                                 Clock::time_point notBefore) const {
    return firstHeld(from, [notBefore](const Arrival& arrival) { return arrival.at >= notBefore; });
}

std::optional<ReportMailbox::Arrival> ReportMailbox::firstMatching(std::uint64_t from,
                                                                  bool (*accept)(const Report& report)) const {
    return firstHeld(from, [accept](const Arrival& arrival) { return accept(arrival.report); });
}

}  // namespace quilldar::link
