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

std::optional<ReportMailbox::Arrival> ReportMailbox::firstArrival(std::uint64_t from,
                                                                 Clock::time_point notBefore) const {
    std::lock_guard lock(mutex_);
    const std::uint64_t oldestKept = arrivals_ > kHistory ? arrivals_ - kHistory : 0;
    for (std::uint64_t sequence = from > oldestKept ? from : oldestKept; sequence < arrivals_; ++sequence) {
        const Arrival& arrival = history_[sequence % kHistory];
        if (arrival.at >= notBefore) return arrival;
    }
    return std::nullopt;
}

std::optional<ReportMailbox::Arrival> ReportMailbox::firstMatching(std::uint64_t from,
                                                                  bool (*accept)(const Report& report)) const {
    std::lock_guard lock(mutex_);
    const std::uint64_t oldestKept = arrivals_ > kHistory ? arrivals_ - kHistory : 0;
    for (std::uint64_t sequence = from > oldestKept ? from : oldestKept; sequence < arrivals_; ++sequence) {
        const Arrival& arrival = history_[sequence % kHistory];
        if (accept(arrival.report)) return arrival;
    }
    return std::nullopt;
}

}  // namespace quilldar::link
