#include "update/file_download.h"

#include <QSaveFile>
#include <array>

#include "update/w3_client.h"

namespace quilldar::update {

namespace {
constexpr int kHeaderBufferSize = 1024;
constexpr int kPieceSize = 1024;
constexpr long kFirstHttpError = 400;

DownloadResult transferFailed() { return {DownloadResult::Status::TransferFailed, {}}; }
// The reporter hears what and where; the result keeps the system's reason for the user.
DownloadResult notStored(const std::function<void(const QString&)>& reporter, const char* what,
                         const QString& localPath, const QString& reason) {
    if (reporter) reporter(QStringLiteral("%1 %2: %3").arg(QLatin1String(what), localPath, reason));
    return {DownloadResult::Status::NotStored, reason};
}
}  // namespace

DownloadResult downloadFile(const QString& url, const QString& localPath, const TransferLimits& limits,
                            DownloadProgress* progress, const std::function<void(const QString&)>& reporter) {
    W3Client client;
    if (reporter) client.setReporter(reporter);
    client.setLimits(limits);
    if (!client.connect(url)) return transferFailed();
    if (!client.get(client.target().path)) return transferFailed();
    if (client.target().scheme != Scheme::Ftp && client.statusCode() >= kFirstHttpError) {
        if (reporter) reporter(QStringLiteral("response failed... HTTP status %1").arg(client.statusCode()));
        return transferFailed();
    }
    if (progress != nullptr) progress->expected.store(client.expectedSize());

    std::array<char, kHeaderBufferSize> headers{};
    client.rawHeaders(headers.data(), kHeaderBufferSize);

    // QSaveFile writes beside the target and renames at commit; without a commit the partial
    // file is removed.
    QSaveFile file(localPath);
    if (!file.open(QIODevice::WriteOnly))
        return notStored(reporter, "cannot create", localPath, file.errorString());
    std::array<char, kPieceSize> piece{};
    qint64 received = 0;
    for (;;) {
        const int count = client.read(piece.data(), kPieceSize);
        if (count <= 0) break;
        if (file.write(piece.data(), count) != count) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return notStored(reporter, "cannot write", localPath, reason);
        }
        received += count;
        if (progress != nullptr) progress->received.store(received);
    }
    client.close();
    if (client.failed()) {
        file.cancelWriting();
        return transferFailed();
    }
    if (!file.commit())
        return notStored(reporter, "cannot store", localPath, file.errorString());
    return {DownloadResult::Status::Done, {}};
}

}  // namespace quilldar::update
