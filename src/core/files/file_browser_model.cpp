#include "files/file_browser_model.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "files/file_naming.h"
#include "platform/protected_folders.h"
#include "settings/language_table.h"

namespace quilldar::files {

using settings::FileBrowserText;

namespace {

// File names are compared as the file system does.
#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;
#endif

// The folder in Qt's form without a trailing separator (except at the top); empty when nothing is
// left of it.
QString cleanFolder(const QString& folder) {
    if (folder.trimmed().isEmpty()) return {};
    return QDir::cleanPath(QDir::fromNativeSeparators(folder));
}

// The root without its trailing separator: "C:" for "C:/", "" for "/".
QString rootStem(const QString& root) { return root.endsWith(u'/') ? root.chopped(1) : root; }

bool folderIsOnDrive(const QString& folder, const QString& root) {
    const QString stem = rootStem(root);
    return folder.compare(stem, kPathCase) == 0 || folder.compare(root, kPathCase) == 0 ||
           folder.startsWith(stem + u'/', kPathCase);
}

// A message's quote marks are two apostrophes.
QString quoted(const QString& name) { return QStringLiteral("''") + name + QStringLiteral("''"); }

}  // namespace

QString extensionOf(FileBrowserMode mode) {
    return QString::fromUtf16(mode == FileBrowserMode::Export ? kExportExtension
                                                               : kRecordingExtension);
}

FileBrowserSystem FileBrowserSystem::platform() {
    return {platform::userDrives(), &platform::isProtectedFolder};
}

FileBrowserModel::FileBrowserModel(FileBrowserRequest request,
                                   const settings::LanguageTable& table,
                                   FileBrowserMemory& memory, FileBrowserSystem system)
    : request_(std::move(request)),
      table_(table),
      memory_(memory),
      system_(std::move(system)),
      extension_(extensionOf(request_.mode)) {}

QString FileBrowserModel::text(FileBrowserText slot) const { return table_.text(slot); }

FileBrowserTexts FileBrowserModel::texts() const {
    FileBrowserTexts texts;
    switch (request_.mode) {
        case FileBrowserMode::Open: texts.title = text(FileBrowserText::Open); break;
        case FileBrowserMode::Save: texts.title = text(FileBrowserText::SaveAs); break;
        // The browser's own texts have no title for exports; the graph view's button names it.
        case FileBrowserMode::Export: texts.title = table_.text(settings::GraphText::Export); break;
    }
    const bool saving = isSaveMode(request_.mode);
    texts.okButton = text(saving ? FileBrowserText::Save : FileBrowserText::Open);
    texts.cancelButton = text(FileBrowserText::Cancel);
    texts.driveLabel = text(FileBrowserText::Drive);
    texts.pathLabel = text(FileBrowserText::Path);
    texts.nameLabel = text(saving ? FileBrowserText::FileName : FileBrowserText::Filter);
    texts.fileTypeLabel = text(FileBrowserText::FileType);
    texts.fileType = table_.text(settings::MainText::ProductTitle) + QStringLiteral("  *") + extension_;
    texts.renameTip = text(FileBrowserText::RenameTip);
    texts.deleteTip = text(FileBrowserText::DeleteTip);
    texts.newFolderTip = text(FileBrowserText::NewFolderTip);
    texts.toolButtonsShown = request_.mode == FileBrowserMode::Save;
    return texts;
}

void FileBrowserModel::open(FileBrowserView& view) {
    view_ = &view;
    view_->applyTexts(texts());
    folder_ = bestListableFolder(cleanFolder(request_.startFolder));
    currentDrive_ = driveOf(folder_);
    view_->showDrives(driveLabels(), currentDrive_);
    if (isSaveMode(request_.mode) && !request_.defaultName.isEmpty()) {
        putName(nameWithoutExtension(request_.defaultName, extension_));
    } else {
        view_->showName(QString());
        setOkEnabled(false);
    }
    refresh();
}

void FileBrowserModel::tick() {
    if (view_ == nullptr || closed_ || isSaveMode(request_.mode)) return;
    const int row = view_->selectedRow();
    if (row >= 0 && row != lastClickedRow_) clickItem(row);
}

QString FileBrowserModel::bestListableFolder(const QString& wanted) const {
    for (const QString& candidate : {wanted, cleanFolder(memory_.lastGoodFolder),
                                     QDir::cleanPath(QDir::homePath()), QDir::rootPath()}) {
        if (platform::canListFolder(candidate)) return candidate;
    }
    return QDir::rootPath();
}

int FileBrowserModel::driveOf(const QString& folder) const {
    int best = system_.drives.empty() ? -1 : 0;
    qsizetype bestLength = -1;
    for (std::size_t i = 0; i < system_.drives.size(); ++i) {
        const QString& root = system_.drives[i].root;
        if (folderIsOnDrive(folder, root) && root.size() > bestLength) {
            best = static_cast<int>(i);
            bestLength = root.size();
        }
    }
    return best;
}

QStringList FileBrowserModel::driveLabels() const {
    QStringList labels;
    for (const platform::UserDrive& drive : system_.drives) labels << drive.label;
    return labels;
}

void FileBrowserModel::refresh() {
    if (!platform::canListFolder(folder_)) folder_ = bestListableFolder(memory_.lastGoodFolder);
    const QString prefix = isSaveMode(request_.mode) ? QString() : nameText_;
    items_ = listFolder({folder_, extension_, prefix});
    memory_.lastGoodFolder = folder_;
    lastClickedRow_ = -1;
    if (view_ == nullptr) return;
    view_->showItems(items_);
    showPath();
}

void FileBrowserModel::showPath() {
    QString relative = folder_;
    if (currentDrive_ >= 0 && currentDrive_ < static_cast<int>(system_.drives.size()) &&
        folderIsOnDrive(folder_, system_.drives[currentDrive_].root)) {
        relative = folder_.mid(rootStem(system_.drives[currentDrive_].root).size());
    }
    if (!relative.endsWith(u'/')) relative += u'/';
    view_->showPathText(shortenPathText(QDir::toNativeSeparators(relative), QDir::separator()));
}

void FileBrowserModel::setOkEnabled(bool enabled) {
    okEnabled_ = enabled;
    if (view_ != nullptr) view_->setOkEnabled(enabled);
}

void FileBrowserModel::putName(const QString& text) {
    if (view_ != nullptr) view_->showName(text);
    editName(text);
}

void FileBrowserModel::editName(const QString& text) {
    nameText_ = text;
    if (isSaveMode(request_.mode)) {
        setOkEnabled(!nameText_.isEmpty());
    } else {
        refresh();
    }
}

void FileBrowserModel::selectDrive(int index) {
    if (index < 0 || index >= static_cast<int>(system_.drives.size())) return;
    const QString& root = system_.drives[index].root;
    if (!platform::canListFolder(root)) {
        view_->showMessage(text(FileBrowserText::DriveNotAvailable));
        system_.drives.erase(system_.drives.begin() + index);
        if (index < currentDrive_) --currentDrive_;
        if (currentDrive_ >= static_cast<int>(system_.drives.size())) {
            currentDrive_ = system_.drives.empty() ? -1 : 0;
        }
        view_->showDrives(driveLabels(), currentDrive_);
        refresh();
        return;
    }
    currentDrive_ = index;
    changeFolder(QDir::cleanPath(root));
}

void FileBrowserModel::changeFolder(const QString& folder) {
    folder_ = folder;
    // A file chosen in open mode belongs to the folder it was chosen in, and the filter to the
    // folder it was typed for.
    if (!isSaveMode(request_.mode)) {
        nameText_.clear();
        if (view_ != nullptr) view_->showName(QString());
        fileName_.clear();
        setOkEnabled(false);
    }
    refresh();
}

QString FileBrowserModel::pathOf(const QString& name) const { return QDir(folder_).filePath(name); }

QString FileBrowserModel::chosenPath() const { return pathOf(fileName_); }

void FileBrowserModel::clickItem(int row) {
    if (row < 0 || row >= static_cast<int>(items_.size())) return;
    lastClickedRow_ = row;
    const BrowserItem item = items_[row];
    selectedPath_ = pathOf(item.name);
    if (item.kind != BrowserItem::Kind::File) {
        if (!isSaveMode(request_.mode)) {
            fileName_.clear();
            setOkEnabled(false);
        }
        return;
    }
    if (isSaveMode(request_.mode)) {
        putName(nameWithoutExtension(item.name, extension_));
    } else {
        fileName_ = item.name;
        setOkEnabled(true);
    }
}

void FileBrowserModel::doubleClickItem(int row) {
    if (row < 0 || row >= static_cast<int>(items_.size())) return;
    clickItem(row);
    const BrowserItem item = items_[row];
    switch (item.kind) {
        case BrowserItem::Kind::Parent: changeFolder(QDir::cleanPath(folder_ + QStringLiteral("/.."))); break;
        case BrowserItem::Kind::Folder: changeFolder(pathOf(item.name)); break;
        case BrowserItem::Kind::File: ok(); break;
    }
}

const BrowserItem* FileBrowserModel::selectedItem() const {
    const int row = view_ != nullptr ? view_->selectedRow() : -1;
    if (row < 0 || row >= static_cast<int>(items_.size())) return nullptr;
    const BrowserItem* item = &items_[row];
    return item->kind == BrowserItem::Kind::Parent ? nullptr : item;
}

void FileBrowserModel::deleteSelected() {
    if (const BrowserItem* item = selectedItem()) deleteItem(*item);
}

void FileBrowserModel::deleteItem(const BrowserItem& item) {
    bool removed = false;
    if (item.kind == BrowserItem::Kind::Folder) {
        if (!view_->askYesNo(text(FileBrowserText::DeleteFolderQuestion) + u' ' + quoted(item.name) +
                             QStringLiteral(" ?"))) {
            return;
        }
        // Only an empty folder can be removed.
        removed = QDir(folder_).rmdir(item.name);
    } else {
        if (!view_->askYesNo(text(FileBrowserText::DeleteFileQuestion) + QStringLiteral("\n\r") +
                             quoted(item.name) + QStringLiteral(" ?"))) {
            return;
        }
        removed = QFile::remove(pathOf(item.name));
    }
    if (!removed) view_->showMessage(text(FileBrowserText::AccessDenied));
    refresh();
}

void FileBrowserModel::renameSelected() {
    if (const BrowserItem* item = selectedItem()) renameItem(*item);
}

void FileBrowserModel::renameItem(const BrowserItem& item) {
    const bool isFolder = item.kind == BrowserItem::Kind::Folder;
    const std::optional<QString> answer = view_->askNewName(
        text(FileBrowserText::RenameTitle),
        isFolder ? item.name : nameWithoutExtension(item.name, extension_));
    if (!answer) return;
    const QString target = isFolder ? *answer : applyNamingRule(*answer, extension_);
    if (target == item.name) return;
    bool renamed = false;
    if (isPlainName(*answer) && !QFileInfo::exists(pathOf(target))) {
        if (isFolder) {
            // Only an empty folder takes a new name, and an existing name is never replaced.
            const QDir dir(pathOf(item.name));
            renamed = dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System) &&
                      QDir(folder_).rename(item.name, target);
        } else {
            renamed = QFile::rename(pathOf(item.name), pathOf(target));
        }
    }
    if (!renamed) view_->showMessage(text(FileBrowserText::AccessDenied));
    refresh();
}

void FileBrowserModel::createFolder() {
    const std::optional<QString> name = view_->askNewName(text(FileBrowserText::NewFolderTitle), QString());
    if (!name || name->isEmpty()) return;
    if (!isPlainName(*name)) {
        view_->showMessage(text(FileBrowserText::AccessDenied));
        return;
    }
    // A folder that cannot be created simply does not appear in the list.
    QDir(folder_).mkdir(*name);
    refresh();
}

bool FileBrowserModel::ok() {
    if (closed_ || !okEnabled_) return false;
    const bool saving = isSaveMode(request_.mode);
    if (saving) {
        if (system_.isProtectedFolder && system_.isProtectedFolder(folder_)) {
            view_->showMessage(text(FileBrowserText::NoPermission));
            return false;
        }
        // A typed name with a separator would save into another folder than the one checked.
        if (!isPlainName(nameText_)) {
            view_->showMessage(text(FileBrowserText::AccessDenied));
            return false;
        }
        fileName_ = nameText_;
    } else if (!QFileInfo(pathOf(fileName_)).isFile()) {
        view_->showMessage(text(FileBrowserText::FileNotFound));
        refresh();
        return false;
    }
    fileName_ = applyNamingRule(fileName_, extension_);
    if (saving) {
        const QFileInfo target(pathOf(fileName_));
        if (target.isDir()) {
            // A folder of that name cannot be overwritten by a file.
            view_->showMessage(text(FileBrowserText::AccessDenied));
            return false;
        }
        if (target.exists() &&
            !view_->askYesNo(text(FileBrowserText::TheFile) + u' ' + quoted(fileName_) + u' ' +
                             text(FileBrowserText::AlreadyExists))) {
            return false;
        }
    }
    closed_ = true;
    view_->closeDialog(true);
    return true;
}

void FileBrowserModel::cancel() {
    if (closed_) return;
    closed_ = true;
    if (view_ != nullptr) view_->closeDialog(false);
}

}  // namespace quilldar::files
