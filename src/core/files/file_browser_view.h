#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "files/folder_listing.h"

namespace quilldar::files {

// The browser's texts, all from the language table, for the mode it runs in.
struct FileBrowserTexts {
    QString title;
    QString okButton;
    QString cancelButton;
    QString driveLabel;
    QString pathLabel;
    QString nameLabel;     // "Filter :" in open mode, "File name:" in save mode
    QString fileTypeLabel;
    QString fileType;      // the drop-down's one entry, "Quilldar  *.QLS"
    QString renameTip;
    QString deleteTip;
    QString newFolderTip;
    bool toolButtonsShown = false;  // rename, delete and new folder: in "Save" mode only
};

// What the browser's window does for its core object. Questions and messages go through here, so
// that tests answer them from a script; the window shows them in message boxes without caption.
class FileBrowserView {
public:
    virtual ~FileBrowserView() = default;
    virtual void applyTexts(const FileBrowserTexts& texts) = 0;
    virtual void showDrives(const QStringList& labels, int current) = 0;
    virtual void showPathText(const QString& text) = 0;
    virtual void showItems(const std::vector<BrowserItem>& items) = 0;
    // The list's selected row, -1 when none.
    virtual int selectedRow() const = 0;
    // Sets the name field without reporting it back as an edit.
    virtual void showName(const QString& text) = 0;
    virtual void setOkEnabled(bool enabled) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool askYesNo(const QString& text) = 0;
    // A message with an OK button.
    virtual void showMessage(const QString& text) = 0;
    // The new-folder dialog with its title and the name it starts with; nothing on Cancel.
    virtual std::optional<QString> askNewName(const QString& title, const QString& name) = 0;
    virtual void closeDialog(bool accepted) = 0;
};

}  // namespace quilldar::files
