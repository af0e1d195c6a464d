#pragma once

#include <QIcon>
#include <QImage>
#include <QList>
#include <future>

namespace quilldar::gui {

// Reading the start needs but no window does, each part on a thread of its own beside the
// building of the main window: the icon's images, and later the transfer library of the first
// tick's update check. Made once the application object exists; its end waits for every part.
class StartBeside {
public:
    StartBeside();
    ~StartBeside();
    StartBeside(const StartBeside&) = delete;
    StartBeside& operator=(const StartBeside&) = delete;

    // The program's icon, once its images are read.
    QIcon programIcon();
    // Starts loading the transfer library; the first update check then finds it loaded.
    void loadTransferLibrary();

private:
    std::future<QList<QImage>> iconImages_;
    std::future<void> transferLibrary_;
};

}  // namespace quilldar::gui
