#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "link/report.h"

namespace quilldar::testing {

// What a killed or failing run left behind, read as whole records.
struct ScratchRecords {
    std::vector<link::Report> records;
    qint64 bytes = 0;
    bool whole = true;  // the size is a multiple of a record
};
ScratchRecords readRecords(const QString& path);

// A reply of the simulated module as the program records it: a response frame with a correct
// checksum or one of the module's text replies. The page tag (byte 0) is not looked at.
bool isModuleReply(const link::Report& record);

// The records matched to the log's reports in the log's order (payload bytes 1..64 only: byte 0
// of a record is its page tag): for each record from the first on, the index of the earliest log
// report after the previous record's that is equal to it, or the previous record's own index when
// the record repeats an identification reply (the connection records those twice). Shorter
// than records when a record has no such report: the next record is then no report of the log's,
// or out of order.
std::vector<std::size_t> positionsInLog(const std::vector<link::Report>& records,
                                        const std::vector<link::Report>& log);

// A child process that writes files no larger than limitBytes: a write past it writes what fits
// and then fails (the signal the limit raises is ignored), as on a disk that fills.
void limitFileSize(QProcess& process, std::uint64_t limitBytes);

// Reads the lines of a running process's standard output until one satisfies done or the
// timeout passes; every line read is kept in seen. True when done was satisfied.
bool readLinesUntil(QProcess& process, QStringList& seen, const std::function<bool(const QString&)>& done,
                    int timeoutMs);

}  // namespace quilldar::testing
