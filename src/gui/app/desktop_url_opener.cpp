#include "gui/app/desktop_url_opener.h"

#include <QDesktopServices>

namespace quilldar::gui {

app::UrlOpener desktopUrlOpener() {
    return [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

}  // namespace quilldar::gui
