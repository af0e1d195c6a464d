#pragma once

#include <QUrl>

#include "app/url_opener.h"
#include "state/maker_web_address.h"

namespace quilldar::settings {
class LanguageTable;
}

namespace quilldar::app {

class MessageSink;

// The maker's web site as the browser is given it: the address with its scheme.
QUrl makerWebSiteUrl();

// Opens the maker's web site in the desktop's browser (the About dialog's link and the click on
// the main window's header image). When no browser can be started, says so through the sink
// (caption "Error", text the address) and returns false; the program carries on either way.
bool openMakerWebSite(const UrlOpener& opener, MessageSink& messages,
                      const settings::LanguageTable& table);

}  // namespace quilldar::app
