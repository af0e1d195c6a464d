#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "files/file_browser_mode.h"
#include "files/file_browser_view.h"
#include "files/folder_listing.h"
#include "platform/user_drives.h"

namespace quilldar::settings {
class LanguageTable;
enum class FileBrowserText;
}

namespace quilldar::files {

struct FileBrowserRequest {
    FileBrowserMode mode = FileBrowserMode::Open;
    QString startFolder;
    QString defaultName;  // proposed in "Save" mode; may be empty
};

// Where the browser looks at the system: the drive list and the folders it refuses to save into.
// The program takes the platform's; tests pass their own.
struct FileBrowserSystem {
    std::vector<platform::UserDrive> drives;
    std::function<bool(const QString& folder)> isProtectedFolder;

    static FileBrowserSystem platform();
};

// The behaviour of the file browser CDlgOpenSave: the drive list, the folder listing, the name or
// filter field, the list actions (rename, delete, new folder) with their questions, and the checks
// of OK. Folders are kept in Qt's form ("/" separators, no trailing one except at the top); the
// path line shows them with the system's separators.
class FileBrowserModel {
public:
    FileBrowserModel(FileBrowserRequest request, const settings::LanguageTable& table,
                     FileBrowserMemory& memory, FileBrowserSystem system);

    // Shows the texts, the drives and the start folder's list.
    void open(FileBrowserView& view);
    // The dialog's 100 ms timer: in open mode a selection moved by keyboard counts as a click.
    void tick();

    void selectDrive(int index);
    // The user edited the name field (at most 99 characters).
    void editName(const QString& text);
    void clickItem(int row);
    void doubleClickItem(int row);
    // The Delete key on the list or the delete tool button.
    void deleteSelected();
    void renameSelected();
    void createFolder();
    // OK: true when the dialog closed with a choice.
    bool ok();
    void cancel();

    FileBrowserMode mode() const { return request_.mode; }
    const QString& extension() const { return extension_; }
    const QString& folder() const { return folder_; }
    // The chosen name, with the extension, after OK.
    const QString& fileName() const { return fileName_; }
    // Folder and file name joined.
    QString chosenPath() const;
    // The full path of the list item last clicked.
    const QString& selectedPath() const { return selectedPath_; }
    const std::vector<BrowserItem>& items() const { return items_; }
    // Whether OK is enabled.
    bool okEnabled() const { return okEnabled_; }

private:
    FileBrowserTexts texts() const;
    void setFolder(const QString& folder);
    void refresh();
    void showPath();
    void setOkEnabled(bool enabled);
    void putName(const QString& text);
    void changeFolder(const QString& folder);
    const BrowserItem* selectedItem() const;
    QString pathOf(const QString& name) const;
    QString bestListableFolder(const QString& wanted) const;
    int driveOf(const QString& folder) const;
    QStringList driveLabels() const;
    void deleteItem(const BrowserItem& item);
    void renameItem(const BrowserItem& item);
    QString text(settings::FileBrowserText slot) const;

    FileBrowserRequest request_;
    const settings::LanguageTable& table_;
    FileBrowserMemory& memory_;
    FileBrowserSystem system_;
    QString extension_;
    FileBrowserView* view_ = nullptr;

    QString folder_;
    QString fileName_;
    QString nameText_;  // the name field: the file name in save mode, the filter in open mode
    QString selectedPath_;
    std::vector<BrowserItem> items_;
    int currentDrive_ = 0;
    int lastClickedRow_ = -1;
    bool okEnabled_ = false;
    bool closed_ = false;
};

}  // namespace quilldar::files
