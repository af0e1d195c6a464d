// A download from an HTTP server that answers whatever the input holds: status line, header
// lines and body as raw bytes, served by a one-connection server on 127.0.0.1 in this process.
// This is what a broken or hostile update server can send (a wrong length, a broken chunk, a
// header line without an end, an error page). Checks that a failed download leaves the earlier
// file of that name as it was and nothing beside it, that an HTTP error never counts as a
// download, and that a download of a body with an announced length has exactly that length.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <thread>

#include "update/file_download.h"

using namespace quilldar;

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

// A listening socket on a free port of 127.0.0.1, for the whole run.
class LoopbackListener {
public:
    LoopbackListener() {
        socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
        require(socket_ >= 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        require(::bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
        require(::listen(socket_, 4) == 0);
        socklen_t length = sizeof address;
        require(::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) == 0);
        port_ = ntohs(address.sin_port);
    }
    int socket() const { return socket_; }
    int port() const { return port_; }

private:
    int socket_ = -1;
    int port_ = 0;
};

// Takes one connection, reads the request up to its blank line, sends the response and closes.
void serveOnce(int listener, const QByteArray& response) {
    const int connection = ::accept(listener, nullptr, nullptr);
    if (connection < 0) return;
    timeval wait{1, 0};
    ::setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    QByteArray request;
    char piece[1024];
    while (!request.contains("\r\n\r\n") && request.size() < 16384) {
        const ssize_t count = ::recv(connection, piece, sizeof piece, 0);
        if (count <= 0) break;
        request.append(piece, count);
    }
    const char* data = response.constData();
    qsizetype left = response.size();
    while (left > 0) {
        const ssize_t sent = ::send(connection, data, static_cast<std::size_t>(left), MSG_NOSIGNAL);
        if (sent <= 0) break;
        data += sent;
        left -= sent;
    }
    ::close(connection);
}

// What the response says of itself when it is plainly formed: its status, and the length it
// announces when the body is sent as it is (no chunks, no compression).
struct PlainResponse {
    int status = 0;
    std::optional<qint64> length;
};

// A header name as HTTP allows it: letters, digits and a few marks, nothing else.
bool isToken(const QByteArray& name) {
    static const QByteArray marks("!#$%&'*+-.^_`|~");
    if (name.isEmpty()) return false;
    for (const char c : name) {
        const bool alnum = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!alnum && !marks.contains(c)) return false;
    }
    return true;
}

// Only a response without anything a client may read in more than one way: every line ends in
// CR LF and holds no other CR or NUL, header names are names, no line is folded onto the one
// before.
std::optional<PlainResponse> plainResponse(const QByteArray& response) {
    const qsizetype end = response.indexOf("\r\n\r\n");
    if (end < 0) return std::nullopt;
    const QByteArray head = response.left(end);
    if (head.contains('\0')) return std::nullopt;
    QList<QByteArray> lines = head.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // The last line's CR LF is part of the blank line's.
        if (i + 1 < lines.size()) {
            if (!lines[i].endsWith('\r')) return std::nullopt;
            lines[i].chop(1);
        }
        if (lines[i].contains('\r')) return std::nullopt;
    }
    const QList<QByteArray> statusLine = lines[0].split(' ');
    if (statusLine.size() < 2 || !(statusLine[0] == "HTTP/1.0" || statusLine[0] == "HTTP/1.1")) return std::nullopt;
    bool numeric = false;
    PlainResponse plain;
    plain.status = statusLine[1].toInt(&numeric);
    if (!numeric || statusLine[1].size() != 3 || !std::isdigit(static_cast<unsigned char>(statusLine[1][0])))
        return std::nullopt;
    int lengths = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0 || !isToken(line.left(colon))) return std::nullopt;
        const QByteArray name = line.left(colon).toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name == "transfer-encoding" || name == "content-encoding") return std::nullopt;
        if (name == "content-length") {
            bool valid = false;
            const qint64 length = value.toLongLong(&valid);
            const bool digits = !value.isEmpty() && std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
            if (!valid || !digits || ++lengths > 1) return std::nullopt;
            plain.length = length;
        }
    }
    return plain;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const LoopbackListener listener;
    static const QTemporaryDir folder;
    require(folder.isValid());
    const QByteArray response(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString target = QDir(folder.path()).filePath(QStringLiteral("quilldar.exe"));
    const QByteArray earlier("the file downloaded before");
    {
        QFile file(target);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        require(file.write(earlier) == earlier.size());
    }

    std::thread server(serveOnce, listener.socket(), response);
    // Short limits: the server always closes after its response, so only a broken transfer
    // waits, and never for long.
    const update::TransferLimits limits{1000, 2, 4000, nullptr};
    const QString url = QStringLiteral("http://127.0.0.1:%1/quilldar.exe").arg(listener.port());
    const bool downloaded = update::downloadFile(url, target, limits).done();
    server.join();

    QFile file(target);
    require(file.open(QIODevice::ReadOnly));
    const QByteArray stored = file.readAll();
    // Nothing but the target in the folder: no partial file left beside it.
    require(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size() == 1);
    if (!downloaded) {
        require(stored == earlier);
        return 0;
    }
    if (const auto plain = plainResponse(response)) {
        require(plain->status < 400);
        const bool bodyless = plain->status < 200 || plain->status == 204 || plain->status == 304;
        if (plain->length && !bodyless) require(stored.size() == *plain->length);
    }
    return 0;
}
