#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

#include "link/hid_transport.h"
#include "sim/simulated_module.h"
#include "tool/headless_main_view.h"

namespace quilldar::tool {

// The reports the module's transport handed to the link, in the order they were read, so that a
// soak can tell that every recorded reply is one the module really sent. Keeps at most kLimit
// reports not yet matched: a link reads many more than the poll tick takes.
class ReportTap {
public:
    static constexpr std::size_t kLimit = 200000;

    void add(const link::Report& report) {
        std::lock_guard lock(mutex_);
        if (reads_.size() >= kLimit) reads_.pop_front();
        reads_.push_back(report);
    }
    // True when the record's payload (bytes 1..64) is the report matched last (a reply the
    // connection records twice: once on arrival and once as the identification it kept) or one of
    // the reports read after it; that one becomes the last matched and all before it are passed over.
    bool consume(const link::Report& record) {
        std::lock_guard lock(mutex_);
        const auto samePayload = [&](const link::Report& read) {
            return std::equal(read.begin() + 1, read.end(), record.begin() + 1);
        };
        if (matched_ && samePayload(*matched_)) return true;
        const auto found = std::find_if(reads_.begin(), reads_.end(), samePayload);
        if (found == reads_.end()) return false;
        matched_ = *found;
        reads_.erase(reads_.begin(), found + 1);
        return true;
    }

private:
    std::mutex mutex_;
    std::deque<link::Report> reads_;
    std::optional<link::Report> matched_;
};

// The simulated module as the link sees it, with every report it returns from read put on the tap.
// The module is borrowed: it outlives the program runs of a soak (a restart builds a new link
// around the same module).
class TappedTransport : public link::HidTransport {
public:
    TappedTransport(sim::SimulatedModule& module, ReportTap& tap) : module_(module), tap_(tap) {}

    link::OpenOutcome open(std::uint16_t vendorId, std::uint16_t productId) override {
        return module_.open(vendorId, productId);
    }
    void close() override { module_.close(); }
    bool write(const link::Report& report) override { return module_.write(report); }
    link::ReadOutcome read(link::Report& into, int timeoutMs) override {
        const link::ReadOutcome outcome = module_.read(into, timeoutMs);
        if (outcome == link::ReadOutcome::Report) tap_.add(into);
        return outcome;
    }

private:
    sim::SimulatedModule& module_;
    ReportTap& tap_;
};

// The headless window of a soak: it keeps every message in order, counts the returns to the idle
// state, knows which of Connect and Save As are offered, and answers like a user who keeps data:
// No to giving up a recording that Save As offers to keep, Yes otherwise.
class SoakView : public HeadlessMainView {
public:
    void setControlEnabled(app::MainControl control, bool enabled) override {
        if (control == app::MainControl::Connect) connectOffered = enabled;
        if (control == app::MainControl::SaveAs) saveOffered = enabled;
    }
    void showMessage(app::Message message, const QString& detail) override {
        HeadlessMainView::showMessage(message, detail);
        shown.push_back(message);
    }
    void resetView() override {
        HeadlessMainView::resetView();
        ++resets;
    }
    bool askYesNo(app::Question question) override {
        ++questions;
        if (saveOffered) return false;
        if (question != app::Question::ClearErrors && onGiveUpRecording) onGiveUpRecording();
        return true;
    }

    std::vector<app::Message> shown;
    int resets = 0;
    int questions = 0;
    bool connectOffered = false;
    bool saveOffered = false;
    // Called when the user lets a recording that was not worth saving go.
    std::function<void()> onGiveUpRecording;
};

}  // namespace quilldar::tool
