#pragma once

#include <QFile>
#include <QString>
#include <memory>

#include "link/hid_transport.h"

namespace quilldar::tool {

// Passes every call to the transport it owns and appends each input report it reads to a log
// file before the link sees it: 65 bytes a report, as read (byte 0 the report id, 0). Every
// report goes to the operating system unbuffered, so the log holds at least every report the
// link could have taken, even when the process is killed.
class ModuleLogTransport : public link::HidTransport {
public:
    explicit ModuleLogTransport(std::unique_ptr<link::HidTransport> inner) : inner_(std::move(inner)) {}

    // Opens the log for appending (creating it). False, with the reason, when it cannot be opened.
    bool openLog(const QString& path, QString& error);

    link::OpenOutcome open(std::uint16_t vendorId, std::uint16_t productId) override {
        return inner_->open(vendorId, productId);
    }
    void close() override { inner_->close(); }
    bool write(const link::Report& report) override { return inner_->write(report); }
    link::ReadOutcome read(link::Report& into, int timeoutMs) override;

private:
    std::unique_ptr<link::HidTransport> inner_;
    QFile log_;
};

}  // namespace quilldar::tool
