#include "update/w3_client.h"

#include "update/curl_library.h"

#include <algorithm>
#include <cstring>
#include <exception>

namespace quilldar::update {

namespace {
// How long one wait for network activity lasts before libcurl checks its timeouts again.
constexpr int kPollMs = 100;

// The library, once connect() has found it loaded.
const CurlApi& lib() { return *curlApi(); }

QByteArray hostForUrl(const QString& host) {
    // An IPv6 address is written in brackets inside a URL.
    return host.contains(QLatin1Char(':')) ? "[" + host.toUtf8() + "]" : host.toUtf8();
}

const char* schemePrefix(Scheme scheme) {
    switch (scheme) {
        case Scheme::Ftp: return "ftp://";
        case Scheme::Http: return "http://";
        case Scheme::Https: return "https://";
    }
    return "http://";
}
}  // namespace

struct W3Client::Handles {
    CURLM* multi = nullptr;
    CURL* easy = nullptr;
    curl_slist* requestHeaders = nullptr;
    bool added = false;
    char error[CURL_ERROR_SIZE] = {};
    QByteArray url;
    QByteArray user;
    QByteArray password;

    ~Handles() {
        if (multi != nullptr && easy != nullptr && added) lib().multi_remove_handle(multi, easy);
        if (easy != nullptr) lib().easy_cleanup(easy);
        if (multi != nullptr) lib().multi_cleanup(multi);
        if (requestHeaders != nullptr) lib().slist_free_all(requestHeaders);
    }
};

W3Client::W3Client() = default;

W3Client::~W3Client() { close(); }

void W3Client::close() { handles_.reset(); }

bool W3Client::fail(const char* text, const QString& reason) {
    failed_ = true;
    close();
    if (reporter_) reporter_(reason.isEmpty() ? QString::fromLatin1(text) : QString::fromLatin1(text) + QLatin1Char(' ') + reason);
    return false;
}

bool W3Client::connect(const QString& url, const QString& user, const QString& password, const QString& agent) {
    close();
    headers_.clear();
    body_.clear();
    headersComplete_ = finished_ = failed_ = namesLocation_ = false;
    statusCode_ = 0;
    expectedSize_ = -1;
    try {
        if (!splitUrl(url, parts_)) return fail("connect failed...", QStringLiteral("(not an http, https or ftp address)"));
        if (!user.isEmpty()) parts_.user = user;
        if (!password.isEmpty()) parts_.password = password;
        if (curlApi() == nullptr)
            return fail("open internet failed...", QStringLiteral("(%1 could not be loaded)").arg(QLatin1String(kCurlLibrary)));
        auto handles = std::make_unique<Handles>();
        handles->multi = lib().multi_init();
        handles->easy = lib().easy_init();
        if (handles->multi == nullptr || handles->easy == nullptr) return fail("open internet failed...");
        handles->user = parts_.user.toUtf8();
        handles->password = parts_.password.toUtf8();
        agent_ = agent.toUtf8();
        handles_ = std::move(handles);
        return true;
    } catch (const std::exception&) {
        return fail("unknown exception...");
    }
}

bool W3Client::get(const QString& objectPath) {
    if (!handles_) return fail("handle not opened...");
    try {
        Handles& h = *handles_;
        CURL* easy = h.easy;
        h.url = QByteArray(schemePrefix(parts_.scheme)) + hostForUrl(parts_.host) + ':' +
                QByteArray::number(parts_.port) + (objectPath.startsWith(QLatin1Char('/')) ? "" : "/") +
                objectPath.toUtf8();
        bool ok = lib().easy_setopt(easy, CURLOPT_URL, h.url.constData()) == CURLE_OK;
        ok = ok && lib().easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https,ftp") == CURLE_OK;
        if (!ok) return fail("request failed...", QString::fromUtf8(h.url));

        // A redirect may not leave https: whatever comes from an https address stays verified.
        const char* redirects = parts_.scheme == Scheme::Https ? "https" : "http,https";
        lib().easy_setopt(easy, CURLOPT_FOLLOWLOCATION, parts_.scheme == Scheme::Ftp ? 0L : 1L);
        lib().easy_setopt(easy, CURLOPT_MAXREDIRS, 5L);
        lib().easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, redirects);
        lib().easy_setopt(easy, CURLOPT_USERAGENT, agent_.constData());
        lib().easy_setopt(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
        if (!h.user.isEmpty()) lib().easy_setopt(easy, CURLOPT_USERNAME, h.user.constData());
        if (!h.password.isEmpty()) lib().easy_setopt(easy, CURLOPT_PASSWORD, h.password.constData());
        lib().easy_setopt(easy, CURLOPT_ERRORBUFFER, h.error);
        // Transfers may run on a worker thread: no signals for name-resolution timeouts.
        lib().easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
        lib().easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits_.connectMs));
        lib().easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
        lib().easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, static_cast<long>(limits_.stallSeconds));
        lib().easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(limits_.totalMs));
        lib().easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L);
        lib().easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L);
        if (limits_.caFile != nullptr) lib().easy_setopt(easy, CURLOPT_CAINFO, limits_.caFile);
        lib().easy_setopt(easy, CURLOPT_WRITEFUNCTION, &W3Client::onBody);
        lib().easy_setopt(easy, CURLOPT_WRITEDATA, this);
        lib().easy_setopt(easy, CURLOPT_HEADERFUNCTION, &W3Client::onHeader);
        lib().easy_setopt(easy, CURLOPT_HEADERDATA, this);

        // "Accept: */*" replaces libcurl's own Accept line; "Pragma: no-cache" keeps caches on the
        // way from answering with an old copy.
        for (const char* line : {"Accept: */*", "Pragma: no-cache"}) {
            curl_slist* list = lib().slist_append(h.requestHeaders, line);
            if (list == nullptr) return fail("additional header failed...");
            h.requestHeaders = list;
        }
        if (lib().easy_setopt(easy, CURLOPT_HTTPHEADER, h.requestHeaders) != CURLE_OK)
            return fail("additional header failed...");

        if (lib().multi_add_handle(h.multi, easy) != CURLM_OK) return fail("request failed...");
        h.added = true;
        // ftp has no headers: the transfer has started once the first bytes arrived.
        const bool running = pump([this] { return headersComplete_ || !body_.isEmpty(); });
        // A response that arrived and then broke off is reported by read(), after the part that
        // came.
        if (!headersComplete_ && body_.isEmpty() && (!running || failed_))
            return fail("connection failed...", QString::fromUtf8(h.error));
        lib().easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &statusCode_);
        curl_off_t length = -1;
        if (lib().easy_getinfo(easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) == CURLE_OK && length >= 0)
            expectedSize_ = length;
        return true;
    } catch (const std::exception&) {
        return fail("unknown exception...");
    }
}

int W3Client::rawHeaders(char* buffer, int size) {
    if (!handles_ && headers_.isEmpty()) {
        fail("handle not opened...");
        return 0;
    }
    const int count = std::min<int>(size, static_cast<int>(headers_.size()));
    if (count > 0) std::memcpy(buffer, headers_.constData(), static_cast<size_t>(count));
    return count;
}

int W3Client::read(char* buffer, int size) {
    if (size <= 0) return 0;
    if (body_.isEmpty()) {
        if (!handles_) {
            if (!finished_ && !failed_) fail("handle not opened...");
            return 0;
        }
        if (!finished_) {
            try {
                if (!pump([this] { return !body_.isEmpty(); })) {
                    fail("response failed...", QString::fromUtf8(handles_->error));
                    return 0;
                }
            } catch (const std::exception&) {
                fail("unknown exception...");
                return 0;
            }
        }
        if (body_.isEmpty()) {
            // The end of the body, or the transfer broke off after its last piece.
            if (failed_) fail("response failed...", QString::fromUtf8(handles_->error));
            return 0;
        }
    }
    const int count = std::min<int>(size, static_cast<int>(body_.size()));
    std::memcpy(buffer, body_.constData(), static_cast<size_t>(count));
    body_.remove(0, count);
    return count;
}

bool W3Client::pump(const std::function<bool()>& enough) {
    Handles& h = *handles_;
    for (;;) {
        int running = 0;
        const CURLMcode code = lib().multi_perform(h.multi, &running);
        if (code != CURLM_OK) {
            std::strncpy(h.error, lib().multi_strerror(code), CURL_ERROR_SIZE - 1);
            return false;
        }
        takeResult();
        if (enough()) return true;
        if (finished_) return !failed_;
        lib().multi_poll(h.multi, nullptr, 0, kPollMs, nullptr);
    }
}

void W3Client::takeResult() {
    Handles& h = *handles_;
    int left = 0;
    while (CURLMsg* message = lib().multi_info_read(h.multi, &left)) {
        if (message->msg != CURLMSG_DONE) continue;
        finished_ = true;
        const CURLcode result = message->data.result;
        if (result != CURLE_OK) {
            failed_ = true;
            if (h.error[0] == '\0') std::strncpy(h.error, lib().easy_strerror(result), CURL_ERROR_SIZE - 1);
        }
    }
}

size_t W3Client::onBody(char* data, size_t size, size_t count, void* self) {
    auto* client = static_cast<W3Client*>(self);
    client->body_.append(data, static_cast<qsizetype>(size * count));
    return size * count;
}

size_t W3Client::onHeader(char* data, size_t size, size_t count, void* self) {
    auto* client = static_cast<W3Client*>(self);
    const QByteArray line(data, static_cast<qsizetype>(size * count));
    // Each response of a redirect chain starts again with its status line.
    if (line.startsWith("HTTP/")) {
        client->headers_.clear();
        client->headersComplete_ = false;
        client->namesLocation_ = false;
    }
    client->headers_.append(line);
    constexpr qsizetype kLocation = 9;  // "Location:"
    if (line.size() > kLocation && qstrnicmp(line.constData(), "location:", kLocation) == 0)
        client->namesLocation_ = true;
    if (line == "\r\n" || line == "\n") {
        long status = 0;
        lib().easy_getinfo(client->handles_->easy, CURLINFO_RESPONSE_CODE, &status);
        // An interim answer or a redirect that is followed has more headers to come: the answer
        // that counts, its status above all, is the last one of the chain. Curl follows a 3xx
        // answer (but 304) that names a location; it makes the new address known only after the
        // headers, too late to be asked here. A redirect it may not follow (to plain http from
        // https, past the redirect limit) ends the transfer with an error.
        const bool followed = status / 100 == 3 && status != 304 && client->namesLocation_ &&
                              client->parts_.scheme != Scheme::Ftp;
        if (status / 100 != 1 && !followed) client->headersComplete_ = true;
    }
    return size * count;
}

}  // namespace quilldar::update
