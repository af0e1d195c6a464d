#pragma once

#include <thread>

namespace quilldar::gui {

// Reads the system's font configuration on a thread of its own while the application object is
// made, which needs no fonts, so that the first text the main window measures does not wait for
// it. Made before the application object; wait() before the first widget. Where the toolkit
// reads no such configuration, it does nothing.
class FontConfigurationAhead {
public:
    FontConfigurationAhead();
    ~FontConfigurationAhead();
    FontConfigurationAhead(const FontConfigurationAhead&) = delete;
    FontConfigurationAhead& operator=(const FontConfigurationAhead&) = delete;

    void wait();

private:
    std::thread thread_;
};

}  // namespace quilldar::gui
