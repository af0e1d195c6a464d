#include "gui/app/start_beside.h"

#include "gui/app/program_icon.h"
#include "update/transfer_library.h"

namespace quilldar::gui {

StartBeside::StartBeside()
    : iconImages_(std::async(std::launch::async, &programIconImages, programIconFolders())) {}

StartBeside::~StartBeside() {
    if (transferLibrary_.valid()) transferLibrary_.wait();
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
