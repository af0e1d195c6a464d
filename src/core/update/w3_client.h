#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

#include "update/server_url.h"
#include "update/transfer_limits.h"

namespace quilldar::update {

// An HTTP, HTTPS and FTP client over libcurl that is read like a file: connect to a URL, send a
// GET for an object path, then take the raw headers and read the body in pieces. The transfer
// makes progress only inside get() and read(), on the calling thread.
//
// Every failure closes the handles and returns false or 0; its text ("open internet
// failed...", "connect failed...", "request failed...", "additional header failed...", "handle
// not opened...", "connection failed...", "response failed...", "unknown exception...", with
// libcurl's reason after it) goes to the reporting hook, which by default does nothing.
//
// https verifies the server's certificate and host name against the system's certificate
// store. The proxy settings are the system's (the http_proxy, https_proxy and no_proxy
// variables).
//
// Not implemented, because nothing calls them: POST requests and cookies.
class W3Client {
public:
    using Reporter = std::function<void(const QString& text)>;
    static constexpr const char* kAgent = "Mozilla/4.0 (compatible; )";

    W3Client();
    ~W3Client();
    W3Client(const W3Client&) = delete;
    W3Client& operator=(const W3Client&) = delete;

    void setReporter(Reporter reporter) { reporter_ = std::move(reporter); }
    void setLimits(const TransferLimits& limits) { limits_ = limits; }

    // Takes the URL apart and prepares a session with the agent text; the connection itself is
    // made by get(). A user or password given here replaces the URL's own.
    bool connect(const QString& url, const QString& user = {}, const QString& password = {},
                 const QString& agent = QString::fromLatin1(kAgent));
    // Sends "GET objectPath HTTP/1.0" with "Accept: */*" and no caching, and waits for the
    // response headers. True once they arrived (for ftp: once the transfer started).
    bool get(const QString& objectPath);
    // Copies the response's raw header lines (at most size bytes); the number of bytes copied.
    int rawHeaders(char* buffer, int size);
    // The next piece of the body, at most size bytes; 0 at the end of the body or on error.
    int read(char* buffer, int size);
    // Closes the handles; also done by every failure and by the destructor.
    void close();

    // The transfer ended in an error rather than at the end of the body (for example the server
    // closed the connection before sending all it announced).
    bool failed() const { return failed_; }
    // The HTTP status of the response, 0 before one arrived or for ftp.
    long statusCode() const { return statusCode_; }
    // The body's announced size in bytes, -1 when the server did not announce it.
    qint64 expectedSize() const { return expectedSize_; }
    const UrlParts& target() const { return parts_; }

private:
    struct Handles;
    bool fail(const char* text, const QString& reason = {});
    // Runs the transfer until the condition holds or the transfer ended; false when it ended in
    // an error.
    bool pump(const std::function<bool()>& enough);
    void takeResult();

    static size_t onBody(char* data, size_t size, size_t count, void* self);
    static size_t onHeader(char* data, size_t size, size_t count, void* self);

    std::unique_ptr<Handles> handles_;
    Reporter reporter_;
    TransferLimits limits_;
    UrlParts parts_;
    QByteArray agent_;
    QByteArray headers_;
    QByteArray body_;  // received and not yet read
    bool headersComplete_ = false;
    bool namesLocation_ = false;  // the answer whose headers are arriving has a Location header
    bool finished_ = false;
    bool failed_ = false;
    long statusCode_ = 0;
    qint64 expectedSize_ = -1;
};

}  // namespace quilldar::update
