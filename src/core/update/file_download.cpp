#include "update/file_download.h"

#include <QSaveFile>
#include <array>

#include "update/w3_client.h"

namespace quilldar::update {

namespace {
constexpr int kHeaderBufferSize = 1024;
constexpr int kPieceSize = 1024;
constexpr long kFirstHttpError = 400;
}  // namespace

bool downloadFile(const QString& url, const QString& localPath, const TransferLimits& limits,
                  DownloadProgress* progress, const std::function<void(const QString&)>& reporter) {
    W3Client client;
    if (reporter) client.setReporter(reporter);
    client.setLimits(limits);
    if (!client.connect(url)) return false;
    if (!client.get(client.target().path)) return false;
    if (client.target().scheme != Scheme::Ftp && client.statusCode() >= kFirstHttpError) {
        if (reporter) reporter(QStringLiteral("response failed... HTTP status %1").arg(client.statusCode()));
        return false;
    }
    if (progress != nullptr) progress->expected.store(client.expectedSize());

    std::array<char, kHeaderBufferSize> headers{};
    client.rawHeaders(headers.data(), kHeaderBufferSize);

    // QSaveFile writes beside the target and renames at commit; without a commit the partial
    // file is removed.
    QSaveFile file(localPath);
    if (!file.open(QIODevice::WriteOnly)) {
        if (reporter) reporter(QStringLiteral("cannot create %1: %2").arg(localPath, file.errorString()));
        return false;
    }
    std::array<char, kPieceSize> piece{};
    qint64 received = 0;
    for (;;) {
        const int count = client.read(piece.data(), kPieceSize);
        if (count <= 0) break;
        if (file.write(piece.data(), count) != count) {
            if (reporter) reporter(QStringLiteral("cannot write %1: %2").arg(localPath, file.errorString()));
            file.cancelWriting();
            return false;
        }
        received += count;
        if (progress != nullptr) progress->received.store(received);
    }
    client.close();
    if (client.failed()) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (reporter) reporter(QStringLiteral("cannot store %1: %2").arg(localPath, file.errorString()));
        return false;
    }
    return true;
}

}  // namespace quilldar::update
