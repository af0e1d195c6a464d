#include "gui/files/dlg_new_dir.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/files/name_validator.h"
#include "gui/widgets/dialog_style.h"
#include "settings/language_table.h"

namespace quilldar::gui {

CDlgNewDir::CDlgNewDir(const QString& title, const QString& name,
                       const settings::LanguageTable& table, QWidget* parent)
    : QDialog(parent) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(title);
    setStyleSheet(dialogStyleSheet());

    nameField_ = new QLineEdit(name, this);
    nameField_->setObjectName(QStringLiteral("newNameField"));
    nameField_->setMaxLength(kMaxNameLength);
    nameField_->setValidator(makeNameValidator(nameField_));
    nameField_->setMinimumWidth(240);
    nameField_->selectAll();

    okButton_ = new QPushButton(table.text(settings::MainText::Ok), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(table.text(settings::FileBrowserText::Cancel), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nameField_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

QString CDlgNewDir::name() const { return nameField_->text(); }

std::optional<QString> CDlgNewDir::ask(QWidget* parent, const settings::LanguageTable& table,
                                       const QString& title, const QString& name) {
    CDlgNewDir dialog(title, name, table, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.name();
}

bool CDlgNewDir::focusNextPrevChild(bool) {
    // The Tab key does not move the keyboard focus in this dialog.
    return false;
}

}  // namespace quilldar::gui
