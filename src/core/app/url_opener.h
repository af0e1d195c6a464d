#pragma once

#include <QUrl>
#include <functional>

namespace quilldar::app {

// Hands a web address or a local document to the desktop: its browser for a web site, its PDF
// viewer for a document. Returns false when the desktop could not start anything for it. The
// program passes the desktop's own opener; tests pass one that records the address, so that no
// test starts a browser.
using UrlOpener = std::function<bool(const QUrl& url)>;

}  // namespace quilldar::app
