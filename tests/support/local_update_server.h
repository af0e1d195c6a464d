#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

#include "support/test_signing_key.h"

namespace quilldar::testing {

// A real file server on 127.0.0.1 for the update tests (tests/support/update_server.py), on a
// port the system chooses. Files put here are served under "/software/obd/". The server has a
// signing key of its own: putSigned() serves a file with its signature beside it (NAME.sig), and
// publicKey() is the key that checks them.
class LocalUpdateServer {
public:
    // HttpsOtherName: a certificate made out to another host name than 127.0.0.1 (its own
    // authority: trusting it as the CA file still leaves the name wrong).
    enum class Mode { Http, Https, HttpsOtherName };

    explicit LocalUpdateServer(Mode mode = Mode::Http) : mode_(mode) {
        QDir(root_.path()).mkpath(QStringLiteral("software/obd"));
        const QString portFile = root_.filePath(QStringLiteral("port"));
        QStringList arguments = {QStringLiteral(QUILLDAR_UPDATE_SERVER_SCRIPT), QStringLiteral("--root"), root_.path(),
                                 QStringLiteral("--port-file"), portFile, QStringLiteral("--log"), logPath()};
        if (mode == Mode::Https)
            arguments << QStringLiteral("--cert") << QStringLiteral(QUILLDAR_TEST_CERT) << QStringLiteral("--key")
                      << QStringLiteral(QUILLDAR_TEST_KEY);
        if (mode == Mode::HttpsOtherName)
            arguments << QStringLiteral("--cert") << otherNameCertificate() << QStringLiteral("--key")
                      << QDir(fixtureFolder()).filePath(QStringLiteral("otherhost-key.pem"));
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(QUILLDAR_PYTHON3), arguments);
        // Bounded generously: a busy machine may take seconds to start an interpreter.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (std::chrono::steady_clock::now() < deadline && process_.state() != QProcess::NotRunning) {
            QFile file(portFile);
            if (file.open(QIODevice::ReadOnly)) {
                port_ = file.readAll().toInt();
                if (port_ > 0) return;
            }
            process_.waitForFinished(20);
        }
    }
    ~LocalUpdateServer() {
        process_.kill();
        process_.waitForFinished(10000);
    }

    bool started() const { return port_ > 0; }
    // The certificate of HttpsOtherName, made out to "updates.other.invalid".
    static QString otherNameCertificate() { return QDir(fixtureFolder()).filePath(QStringLiteral("otherhost-cert.pem")); }
    // The server's folder, ending with '/'.
    QString url() const {
        return QStringLiteral("%1://127.0.0.1:%2/software/obd/")
            .arg(mode_ == Mode::Http ? QStringLiteral("http") : QStringLiteral("https"))
            .arg(port_);
    }
    void put(const QString& name, const QByteArray& content) const {
        QFile file(folder().filePath(name));
        if (file.open(QIODevice::WriteOnly)) file.write(content);
    }
    // The file is no longer served (404).
    void remove(const QString& name) const { QFile::remove(folder().filePath(name)); }
    // The file and its detached signature by this server's key (or by the given key).
    void putSigned(const QString& name, const QByteArray& content) const { putSigned(name, content, key_); }
    void putSigned(const QString& name, const QByteArray& content, const TestSigningKey& key) const {
        put(name, content);
        put(name + QStringLiteral(".sig"), key.sign(content));
    }
    QString publicKey() const { return key_.publicKeyHex(); }
    QByteArray sign(const QByteArray& content) const { return key_.sign(content); }
    // The file is announced whole, but the connection closes after half of it.
    void breakOffHalfway(const QString& name) const { put(name + QStringLiteral(".truncate"), {}); }
    // A request for the name is answered with a redirect to the location (a URL or a path).
    void redirect(const QString& name, const QString& location) const {
        put(name + QStringLiteral(".redirect"), location.toLatin1());
    }
    // A request for the name is answered with the status, and the name's content if it was put.
    void answerWithStatus(const QString& name, int status) const {
        put(name + QStringLiteral(".status"), QByteArray::number(status));
    }
    // The file is sent in pieces, with a pause before each.
    void sendSlowly(const QString& name, int pieces, double pauseSeconds) const {
        put(name + QStringLiteral(".slow"), QByteArray::number(pieces) + ' ' + QByteArray::number(pauseSeconds));
    }
    // Every request's first line and headers, in order.
    QString requestLog() const {
        QFile file(logPath());
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    }

private:
    static QString fixtureFolder() {
        QString folder = QStringLiteral(QUILLDAR_TEST_CERT);
        return folder.left(folder.lastIndexOf(QLatin1Char('/')));
    }
    QDir folder() const { return QDir(root_.filePath(QStringLiteral("software/obd"))); }
    QString logPath() const { return root_.filePath(QStringLiteral("requests.log")); }

    Mode mode_;
    TestSigningKey key_;
    QTemporaryDir root_;
    QProcess process_;
    int port_ = 0;
};

// A socket on 127.0.0.1 that takes connections (the system completes them) and never answers.
class SilentListener {
public:
    SilentListener() {
        socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (socket_ >= 0 && ::bind(socket_, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
            ::listen(socket_, 8) == 0 && ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &size) == 0)
            port_ = ntohs(address.sin_port);
    }
    ~SilentListener() { close(); }
    int port() const { return port_; }
    // Stops listening: the port then refuses connections.
    void close() {
        if (socket_ >= 0) ::close(socket_);
        socket_ = -1;
    }

private:
    int socket_ = -1;
    int port_ = 0;
};

// A port on 127.0.0.1 where nothing listens.
inline int closedPort() {
    SilentListener probe;
    const int port = probe.port();
    probe.close();
    return port;
}

}  // namespace quilldar::testing
