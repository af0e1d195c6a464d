#pragma once

#include "app/url_opener.h"

namespace quilldar::gui {

// The desktop's own opener: web addresses go to the default browser, local documents to the
// application the desktop associates with their type (the PDF viewer for the FAQ).
app::UrlOpener desktopUrlOpener();

}  // namespace quilldar::gui
