#include "gui/files/run_file_browser.h"

#include "context/app_context.h"
#include "files/file_browser_folders.h"
#include "gui/files/dlg_open_save.h"

namespace quilldar::gui {

std::optional<QString> runFileBrowser(QWidget* parent, app::AppContext& context,
                                      files::FileBrowserMode mode, const QString& defaultName) {
    files::FileBrowserRequest request;
    request.mode = mode;
    request.startFolder = files::browserStartFolder(mode, context.settings(), context.settingsStore());
    request.defaultName = defaultName;
    CDlgOpenSave dialog(std::move(request), context.languageTable(), context.fileBrowser(),
                        files::FileBrowserSystem::platform(), parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    files::rememberBrowserFolder(mode, dialog.model().folder(), context.settings(),
                                 context.settingsStore());
    return dialog.model().chosenPath();
}

}  // namespace quilldar::gui
