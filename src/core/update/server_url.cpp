#include "update/server_url.h"

#include <QUrl>
#include <QtGlobal>

#ifndef QUILLDAR_UPDATE_URL_DEFAULT
#error "QUILLDAR_UPDATE_URL_DEFAULT must be defined by the build"
#endif

namespace quilldar::update {

namespace {
int defaultPort(Scheme scheme) {
    switch (scheme) {
        case Scheme::Ftp: return 21;
        case Scheme::Http: return 80;
        case Scheme::Https: return 443;
    }
    return 80;
}
}  // namespace

bool splitUrl(const QString& url, UrlParts& parts) {
    const QString trimmed = url.trimmed();
    // "https" is tested before "http", which is its prefix.
    Scheme scheme;
    if (trimmed.startsWith(QStringLiteral("https://"), Qt::CaseInsensitive)) {
        scheme = Scheme::Https;
    } else if (trimmed.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive)) {
        scheme = Scheme::Http;
    } else if (trimmed.startsWith(QStringLiteral("ftp://"), Qt::CaseInsensitive)) {
        scheme = Scheme::Ftp;
    } else {
        return false;
    }
    const QUrl parsed(trimmed, QUrl::StrictMode);
    if (!parsed.isValid() || parsed.host().isEmpty()) return false;
    parts.scheme = scheme;
    parts.host = parsed.host();
    parts.port = parsed.port(defaultPort(scheme));
    parts.user = parsed.userName(QUrl::FullyDecoded);
    parts.password = parsed.password(QUrl::FullyDecoded);
    parts.path = parsed.path(QUrl::FullyEncoded);
    if (parts.path.isEmpty()) parts.path = QStringLiteral("/");
    if (parsed.hasQuery()) parts.path += QLatin1Char('?') + parsed.query(QUrl::FullyEncoded);
    return true;
}

QString updateServerUrl() {
    QString url = qEnvironmentVariable("QUILLDAR_UPDATE_URL").trimmed();
    if (url.isEmpty()) url = QStringLiteral(QUILLDAR_UPDATE_URL_DEFAULT);
    if (!url.endsWith(QLatin1Char('/'))) url += QLatin1Char('/');
    return url;
}

}  // namespace quilldar::update
