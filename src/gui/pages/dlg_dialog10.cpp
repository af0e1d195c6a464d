#include "gui/pages/dlg_dialog10.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "context/app_context.h"
#include "pages/models_list.h"

namespace quilldar::gui {
namespace {

// The dark window of the program is inherited from the main window. The lists are black on
// white in 13-pixel type, the headings bold.
constexpr char kModelsStyle[] =
    "#motorcyclesHeading, #atvsHeading { font-weight: bold; color: #ffff00; }"
    "#motorcycleList, #atvList { font-size: 13px; color: #000000; background: #ffffff;"
    " border: 1px solid #6e6e6e; padding: 6px 8px; }";

QLabel* makeLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

CDlgDialog10::CDlgDialog10(settings::LanguageTable& table, int languageIndex, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("modelsDialog"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setStyleSheet(QLatin1String(kModelsStyle));

    motorcyclesHeading_ = makeLabel(this, "motorcyclesHeading");
    motorcycleList_ = makeLabel(this, "motorcycleList");
    atvsHeading_ = makeLabel(this, "atvsHeading");
    atvList_ = makeLabel(this, "atvList");
    for (QLabel* list : {motorcycleList_, atvList_})
        list->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    closeButton_ = new QPushButton(this);
    closeButton_->setObjectName(QStringLiteral("closeButton"));
    closeButton_->setDefault(true);

    const pages::ModelsDialogTexts texts = pages::takeModelsDialogTexts(table, languageIndex);
    setWindowTitle(texts.title);
    motorcyclesHeading_->setText(texts.motorcyclesHeading);
    motorcycleList_->setText(texts.motorcycleList);
    atvsHeading_->setText(texts.atvsHeading);
    atvList_->setText(texts.atvList);
    closeButton_->setText(texts.close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->addWidget(motorcyclesHeading_);
    layout->addWidget(motorcycleList_);
    layout->addSpacing(8);
    layout->addWidget(atvsHeading_);
    layout->addWidget(atvList_);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Close is the dialog's cancel command, like Escape and the close box.
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
}

bool CDlgDialog10::focusNextPrevChild(bool) {
    // The Tab key does not move the keyboard focus in this dialog.
    return false;
}

void runModelsDialog(QWidget* parent, app::AppContext& context) {
    CDlgDialog10 dialog(context.languageTable(), context.settings().languageIndex, parent);
    dialog.exec();
}

}  // namespace quilldar::gui
