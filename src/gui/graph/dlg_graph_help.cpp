#include "gui/graph/dlg_graph_help.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/widgets/dialog_style.h"
#include "settings/language_table.h"

namespace quilldar::gui {

CDlgGraphHelp::CDlgGraphHelp(const settings::LanguageTable& texts, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("graphHelp"));
    setStyleSheet(dialogStyleSheet());
    setWindowTitle(texts.text(settings::MainText::Help));
    auto* layout = new QVBoxLayout(this);
    // The texts write a line break as LF CR.
    QString help = texts.text(settings::GraphText::HelpText);
    help.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    auto* label = new QLabel(help, this);
    label->setObjectName(QStringLiteral("helpText"));
    label->setWordWrap(true);
    label->setMinimumWidth(420);
    layout->addWidget(label);
    auto* ok = new QPushButton(texts.text(settings::MainText::Ok), this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

}  // namespace quilldar::gui
