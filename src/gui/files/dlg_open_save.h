#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>
#include <optional>

#include "files/file_browser_model.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace quilldar::gui {

// The program's own file browser for opening and saving recordings and exporting CSV files: a
// drive list, the path line, the list of folders and files, the name (or filter) field, the file
// type, and tool buttons to rename, delete and create folders. A thin window over
// FileBrowserModel, which holds the rules. The Tab key does nothing here.
class CDlgOpenSave : public QDialog, private files::FileBrowserView {
    Q_OBJECT
public:
    // How questions, messages and the name dialog reach the user: message boxes without caption
    // and CDlgNewDir in the program; tests answer from a script.
    using QuestionPresenter = std::function<bool(QWidget* parent, const QString& text)>;
    using MessagePresenter = std::function<void(QWidget* parent, const QString& text)>;
    using NamePresenter = std::function<std::optional<QString>(QWidget* parent, const QString& title,
                                                               const QString& name)>;

    CDlgOpenSave(files::FileBrowserRequest request, const settings::LanguageTable& table,
                 files::FileBrowserMemory& memory, files::FileBrowserSystem system,
                 QWidget* parent = nullptr);
    ~CDlgOpenSave() override;

    void setQuestionPresenter(QuestionPresenter presenter) { askUser_ = std::move(presenter); }
    void setMessagePresenter(MessagePresenter presenter) { tellUser_ = std::move(presenter); }
    void setNamePresenter(NamePresenter presenter) { askName_ = std::move(presenter); }
    files::FileBrowserModel& model() { return model_; }

    void accept() override;
    void reject() override;

protected:
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void applyTexts(const files::FileBrowserTexts& texts) override;
    void showDrives(const QStringList& labels, int current) override;
    void showPathText(const QString& text) override;
    void showItems(const std::vector<files::BrowserItem>& items) override;
    int selectedRow() const override;
    void showName(const QString& text) override;
    void setOkEnabled(bool enabled) override;
    bool askYesNo(const QString& text) override;
    void showMessage(const QString& text) override;
    std::optional<QString> askNewName(const QString& title, const QString& name) override;
    void closeDialog(bool accepted) override;

    files::FileBrowserModel model_;
    QuestionPresenter askUser_;
    MessagePresenter tellUser_;
    NamePresenter askName_;
    QTimer timer_;
    bool closing_ = false;

    QLabel* driveLabel_;
    QComboBox* driveList_;
    QToolButton* renameButton_;
    QToolButton* deleteButton_;
    QToolButton* newFolderButton_;
    QLabel* pathLabel_;
    QLabel* pathText_;
    QListWidget* list_;
    QLabel* nameLabel_;
    QLineEdit* nameField_;
    QLabel* fileTypeLabel_;
    QComboBox* fileTypeList_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

}  // namespace quilldar::gui
