#include "link/report_mailbox.h"

namespace quilldar::link {

void ReportMailbox::publish(const Report& report) {
    const auto now = Clock::now();
    std::lock_guard lock(mutex_);
    report_ = report;
    ++arrivals_;
    lastArrival_ = now;
}

void ReportMailbox::store(const Report& report) {
    std::lock_guard lock(mutex_);
    report_ = report;
}

void ReportMailbox::clear() { store(Report{}); }

Report ReportMailbox::snapshot() const {
    std::lock_guard lock(mutex_);
    return report_;
}

std::uint64_t ReportMailbox::arrivals() const {
    std::lock_guard lock(mutex_);
    return arrivals_;
}

ReportMailbox::Clock::time_point ReportMailbox::lastArrival() const {
    std::lock_guard lock(mutex_);
    return lastArrival_;
}

}  // namespace quilldar::link
