#include "gui/files/dlg_open_save.h"

#include <QComboBox>
#include <QFileIconProvider>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/files/dlg_new_dir.h"
#include "gui/files/name_validator.h"
#include "gui/widgets/dialog_finish.h"
#include "gui/widgets/dialog_style.h"

namespace quilldar::gui {

namespace {

// The browser's timer: in open mode it follows a selection moved by keyboard.
constexpr int kTickMs = 100;

// The language table writes a line break as "\n\r"; a message box needs only the line feed.
QString messageText(const QString& text) {
    QString shown = text;
    return shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
}

QToolButton* makeToolButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon,
                            const QString& fallback) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    const QIcon standard = parent->style()->standardIcon(icon);
    if (standard.isNull()) {
        button->setText(fallback);
    } else {
        button->setIcon(standard);
    }
    button->setAutoRaise(false);
    return button;
}

}  // namespace

CDlgOpenSave::CDlgOpenSave(files::FileBrowserRequest request, const settings::LanguageTable& table,
                           files::FileBrowserMemory& memory, files::FileBrowserSystem system,
                           QWidget* parent)
    : QDialog(parent),
      model_(std::move(request), table, memory, std::move(system)),
      askUser_([](QWidget* owner, const QString& text) {
          return QMessageBox::question(owner, QString(), messageText(text),
                                       QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
      }),
      tellUser_([](QWidget* owner, const QString& text) {
          QMessageBox::warning(owner, QString(), messageText(text), QMessageBox::Ok);
      }),
      askName_([&table](QWidget* owner, const QString& title, const QString& name) {
          return CDlgNewDir::ask(owner, table, title, name);
      }) {
    setObjectName(QStringLiteral("fileBrowser"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setStyleSheet(dialogStyleSheet());
    buildControls();

    connect(okButton_, &QPushButton::clicked, this, &CDlgOpenSave::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &CDlgOpenSave::reject);
    connect(driveList_, &QComboBox::activated, this, [this](int index) { model_.selectDrive(index); });
    connect(nameField_, &QLineEdit::textEdited, this, [this](const QString& text) { model_.editName(text); });
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { model_.clickItem(list_->row(item)); });
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { model_.doubleClickItem(list_->row(item)); });
    connect(renameButton_, &QToolButton::clicked, this, [this] { model_.renameSelected(); });
    connect(deleteButton_, &QToolButton::clicked, this, [this] { model_.deleteSelected(); });
    connect(newFolderButton_, &QToolButton::clicked, this, [this] { model_.createFolder(); });
    list_->installEventFilter(this);

    model_.open(*this);
    connect(&timer_, &QTimer::timeout, this, [this] { model_.tick(); });
    timer_.start(kTickMs);
}

CDlgOpenSave::~CDlgOpenSave() = default;

void CDlgOpenSave::buildControls() {
    driveLabel_ = new QLabel(this);
    driveList_ = new QComboBox(this);
    driveList_->setObjectName(QStringLiteral("driveList"));
    driveList_->setMinimumWidth(160);
    renameButton_ = makeToolButton(this, "renameButton", QStyle::SP_FileDialogDetailedView, QStringLiteral("ab"));
    deleteButton_ = makeToolButton(this, "deleteButton", QStyle::SP_TrashIcon, QStringLiteral("X"));
    newFolderButton_ = makeToolButton(this, "newFolderButton", QStyle::SP_FileDialogNewFolder, QStringLiteral("+"));
    pathLabel_ = new QLabel(this);
    pathText_ = new QLabel(this);
    pathText_->setObjectName(QStringLiteral("pathText"));
    pathText_->setTextFormat(Qt::PlainText);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("fileList"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMinimumSize(420, 240);

    nameLabel_ = new QLabel(this);
    nameField_ = new QLineEdit(this);
    nameField_->setObjectName(QStringLiteral("nameField"));
    nameField_->setMaxLength(kMaxNameLength);
    nameField_->setValidator(makeNameValidator(nameField_));
    fileTypeLabel_ = new QLabel(this);
    fileTypeList_ = new QComboBox(this);
    fileTypeList_->setObjectName(QStringLiteral("fileTypeList"));
    okButton_ = new QPushButton(this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    cancelButton_->setAutoDefault(false);

    auto* top = new QGridLayout;
    top->addWidget(driveLabel_, 0, 0);
    auto* driveRow = new QHBoxLayout;
    driveRow->addWidget(driveList_, 1);
    driveRow->addSpacing(16);
    driveRow->addWidget(renameButton_);
    driveRow->addWidget(deleteButton_);
    driveRow->addWidget(newFolderButton_);
    top->addLayout(driveRow, 0, 1);
    top->addWidget(pathLabel_, 1, 0);
    top->addWidget(pathText_, 1, 1);
    top->setColumnStretch(1, 1);

    auto* bottom = new QGridLayout;
    bottom->addWidget(nameLabel_, 0, 0);
    bottom->addWidget(nameField_, 0, 1);
    bottom->addWidget(okButton_, 0, 2);
    bottom->addWidget(fileTypeLabel_, 1, 0);
    bottom->addWidget(fileTypeList_, 1, 1);
    bottom->addWidget(cancelButton_, 1, 2);
    bottom->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(list_, 1);
    layout->addLayout(bottom);
}

void CDlgOpenSave::accept() {
    if (!closing_) model_.ok();
}

void CDlgOpenSave::reject() {
    if (!closing_) model_.cancel();
}

bool CDlgOpenSave::focusNextPrevChild(bool) {
    // The Tab key does not move the keyboard focus in this dialog.
    return false;
}

bool CDlgOpenSave::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        model_.deleteSelected();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CDlgOpenSave::applyTexts(const files::FileBrowserTexts& texts) {
    setWindowTitle(texts.title);
    okButton_->setText(texts.okButton);
    cancelButton_->setText(texts.cancelButton);
    driveLabel_->setText(texts.driveLabel);
    pathLabel_->setText(texts.pathLabel);
    nameLabel_->setText(texts.nameLabel);
    fileTypeLabel_->setText(texts.fileTypeLabel);
    fileTypeList_->clear();
    fileTypeList_->addItem(texts.fileType);
    renameButton_->setToolTip(texts.renameTip);
    deleteButton_->setToolTip(texts.deleteTip);
    newFolderButton_->setToolTip(texts.newFolderTip);
    renameButton_->setVisible(texts.toolButtonsShown);
    deleteButton_->setVisible(texts.toolButtonsShown);
    newFolderButton_->setVisible(texts.toolButtonsShown);
}

void CDlgOpenSave::showDrives(const QStringList& labels, int current) {
    const QSignalBlocker blocker(driveList_);
    driveList_->clear();
    driveList_->addItems(labels);
    driveList_->setCurrentIndex(current);
}

void CDlgOpenSave::showPathText(const QString& text) { pathText_->setText(text); }

void CDlgOpenSave::showItems(const std::vector<files::BrowserItem>& items) {
    const QFileIconProvider icons;
    list_->clear();
    for (const files::BrowserItem& item : items) {
        const auto kind = item.kind == files::BrowserItem::Kind::File ? QAbstractFileIconProvider::File
                                                                      : QAbstractFileIconProvider::Folder;
        list_->addItem(new QListWidgetItem(icons.icon(kind), item.name));
    }
}

int CDlgOpenSave::selectedRow() const {
    const QListWidgetItem* item = list_->currentItem();
    return item != nullptr && item->isSelected() ? list_->row(item) : -1;
}

void CDlgOpenSave::showName(const QString& text) { nameField_->setText(text); }

void CDlgOpenSave::setOkEnabled(bool enabled) { okButton_->setEnabled(enabled); }

bool CDlgOpenSave::askYesNo(const QString& text) { return askUser_(this, text); }

void CDlgOpenSave::showMessage(const QString& text) { tellUser_(this, text); }

std::optional<QString> CDlgOpenSave::askNewName(const QString& title, const QString& name) {
    return askName_(this, title, name);
}

void CDlgOpenSave::closeDialog(bool accepted) { finishDialog(*this, timer_, closing_, accepted); }

}  // namespace quilldar::gui
