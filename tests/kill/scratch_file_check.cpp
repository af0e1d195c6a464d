#include "kill/scratch_file_check.h"

#include <QDeadlineTimer>
#include <QFile>
#include <algorithm>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

#include "link/kwp_frame.h"
#include "link/module_replies.h"

namespace quilldar::testing {

ScratchRecords readRecords(const QString& path) {
    ScratchRecords out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return out;
    const QByteArray bytes = file.readAll();
    out.bytes = bytes.size();
    out.whole = bytes.size() % static_cast<qsizetype>(link::kReportSize) == 0;
    for (qsizetype at = 0; at + static_cast<qsizetype>(link::kReportSize) <= bytes.size();
         at += static_cast<qsizetype>(link::kReportSize)) {
        link::Report record{};
        std::memcpy(record.data(), bytes.constData() + at, link::kReportSize);
        out.records.push_back(record);
    }
    return out;
}

bool isModuleReply(const link::Report& record) {
    using namespace link::replies;
    for (const std::string_view text :
         {kStartOk, kConnectError, kTimerError, kDisconnected, kPowerOk, kNoPower, kHardwareId, kSerialNumber, kType}) {
        if (link::payloadStartsWith(record, text)) return true;
    }
    return link::responseChecksumOk(record);
}

std::vector<std::size_t> positionsInLog(const std::vector<link::Report>& records,
                                        const std::vector<link::Report>& log) {
    const auto samePayload = [](const link::Report& a, const link::Report& b) {
        return std::equal(a.begin() + 1, a.end(), b.begin() + 1);
    };
    std::vector<std::size_t> positions;
    std::size_t next = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        // 5A: the positive answer to "read ECU identification".
        if (i > 0 && samePayload(records[i], records[i - 1]) && link::frameByte(records[i], 4) == 0x5A) {
            positions.push_back(positions.back());
            continue;
        }
        while (next < log.size() && !samePayload(records[i], log[next])) ++next;
        if (next == log.size()) break;
        positions.push_back(next++);
    }
    return positions;
}

void limitFileSize(QProcess& process, std::uint64_t limitBytes) {
    process.setChildProcessModifier([limitBytes] {
        // Only async-signal-safe calls here: the child runs them between fork and exec.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{limitBytes, limitBytes};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
}

bool readLinesUntil(QProcess& process, QStringList& seen, const std::function<bool(const QString&)>& done,
                    int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        while (process.canReadLine()) {
            const QString line = QString::fromUtf8(process.readLine()).trimmed();
            seen << line;
            if (done(line)) return true;
        }
        if (process.state() == QProcess::NotRunning) {
            if (!process.canReadLine()) return false;
            continue;
        }
        process.waitForReadyRead(static_cast<int>(std::max<qint64>(1, std::min<qint64>(deadline.remainingTime(), 200))));
    }
    return false;
}

}  // namespace quilldar::testing
