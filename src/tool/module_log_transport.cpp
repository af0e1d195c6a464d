#include "tool/module_log_transport.h"

#include <cstdio>

namespace quilldar::tool {

bool ModuleLogTransport::openLog(const QString& path, QString& error) {
    log_.setFileName(path);
    if (log_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) return true;
    error = log_.errorString();
    return false;
}

link::ReadOutcome ModuleLogTransport::read(link::Report& into, int timeoutMs) {
    const link::ReadOutcome outcome = inner_->read(into, timeoutMs);
    if (outcome == link::ReadOutcome::Report && log_.isOpen()) {
        const auto size = static_cast<qint64>(into.size());
        if (log_.write(reinterpret_cast<const char*>(into.data()), size) != size) {
            // A log with a gap would make every later comparison wrong: it stops here, once.
            std::fprintf(stderr, "The module log could not be written: %s\n",
                         log_.errorString().toUtf8().constData());
            log_.close();
        }
    }
    return outcome;
}

}  // namespace quilldar::tool
