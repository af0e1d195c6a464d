#include "gui/app/font_configuration_ahead.h"

#if defined(__linux__)
#include <fontconfig/fontconfig.h>
#endif

namespace quilldar::gui {

FontConfigurationAhead::FontConfigurationAhead() {
#if defined(__linux__)
    // Qt's own first call finds the configuration loaded. Loading it twice at once is safe: the
    // library keeps one and drops the other.
    thread_ = std::thread([] { FcInit(); });
#endif
}

FontConfigurationAhead::~FontConfigurationAhead() { wait(); }

void FontConfigurationAhead::wait() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace quilldar::gui
