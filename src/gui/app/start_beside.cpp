#include "gui/app/start_beside.h"

#include <QFontDatabase>

#include "gui/app/program_icon.h"
#include "update/transfer_library.h"

namespace quilldar::gui {

StartBeside::StartBeside()
    // The database's functions may be called from any thread; the first call reads the fonts.
    : fonts_(std::async(std::launch::async, [] { QFontDatabase::families(); })),
      iconImages_(std::async(std::launch::async, &programIconImages, programIconFolders())) {}

StartBeside::~StartBeside() {
    for (std::future<void>* part : {&fonts_, &transferLibrary_})
        if (part->valid()) part->wait();
    if (iconImages_.valid()) iconImages_.wait();
}

QIcon StartBeside::programIcon() {
    return gui::programIcon(iconImages_.valid() ? iconImages_.get() : QList<QImage>());
}

void StartBeside::loadTransferLibrary() {
    if (!transferLibrary_.valid())
        transferLibrary_ = std::async(std::launch::async, [] { update::loadTransferLibrary(); });
}

}  // namespace quilldar::gui
