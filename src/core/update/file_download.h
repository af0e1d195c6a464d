#pragma once

#include <QString>
#include <atomic>
#include <functional>

#include "update/transfer_limits.h"

namespace quilldar::update {

// What a running download has done so far; written by the thread that downloads, read by a
// window that shows the progress.
struct DownloadProgress {
    std::atomic<qint64> received{0};
    std::atomic<qint64> expected{-1};  // the announced size, -1 while unknown
};

// How a download ended. A transfer that failed is the network's or the server's doing and may
// pass unnoticed; a file that arrived but could not be stored is this computer's, and the user
// must hear of it.
//
// NotVerified is never the result of a download itself: the update check gives it to a file that
// arrived but whose signature did not hold (or could not be checked), and which it discarded.
struct DownloadResult {
    enum class Status { Done, TransferFailed, NotStored, NotVerified };
    Status status = Status::TransferFailed;
    QString problem;  // for NotStored: the system's reason

    bool done() const { return status == Status::Done; }
    bool notStored() const { return status == Status::NotStored; }
    bool notVerified() const { return status == Status::NotVerified; }
    explicit operator bool() const { return done(); }
};

// Fetches the URL into the local file with the client's agent text: connects, sends the GET,
// takes the raw headers into a 1024-byte buffer and ignores them, then writes the body in pieces
// of at most 1024 bytes. The body goes to a temporary file beside the local file, which takes
// the final name only when the whole body arrived: a failed download leaves an earlier file of
// that name as it was and no part of the new one.
//
// Fails (TransferFailed) when the connection or the request fails, when the server answers with
// an HTTP error (status 400 and above: its error page is not the file asked for) or when the
// transfer breaks off; NotStored when the file cannot be created, written or given its name.
// Failure texts go to the reporter.
DownloadResult downloadFile(const QString& url, const QString& localPath, const TransferLimits& limits,
                  DownloadProgress* progress = nullptr,
                  const std::function<void(const QString&)>& reporter = {});

}  // namespace quilldar::update
