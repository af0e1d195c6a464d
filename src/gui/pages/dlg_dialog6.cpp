#include "gui/pages/dlg_dialog6.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "settings/language_table.h"

namespace quilldar::gui {

using settings::ErrorCodesText;

CDlgDialog6::CDlgDialog6(app::AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("troubleCodeList"));
    list_->setRootIsDecorated(false);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setUniformRowHeights(true);
    list_->setStyleSheet(QStringLiteral(
        "QTreeWidget { background: #000000; color: #ffffff; border: none; }"
        "QHeaderView::section { background: #323232; color: #ffffff; border: 1px solid #505050; padding: 2px 4px; }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    timer_.setTimerType(Qt::CoarseTimer);
    connect(&timer_, &QTimer::timeout, this, &CDlgDialog6::tick);
    timer_.start(kTimerPeriodMs);
}

void CDlgDialog6::tick() {
    settings::LanguageTable& table = context_.languageTable();
    // The columns are rebuilt after a language change and whenever the list's width changed.
    if (table.takeRefresh(settings::TextGroup::ErrorCodesPage) || builtWidth_ != list_->viewport()->width())
        buildColumns();
    const vehicle::DtcStatusWords words{table.text(ErrorCodesText::Past), table.text(ErrorCodesText::Pending),
                                        table.text(ErrorCodesText::Current)};
    if (model_.tick(context_.receiveReport(), context_.dtcCatalogue(), words)) showRows();
}

void CDlgDialog6::buildColumns() {
    list_->setHeaderLabels(pages::ErrorCodesPage::columnNames(
        context_.languageTable().text(ErrorCodesText::Header)));
    // The code takes a sixth of the width, the description four sixths, the status the rest.
    const int width = list_->viewport()->width();
    builtWidth_ = width;
    const int unit = width / 6;
    list_->setColumnWidth(0, unit);
    list_->setColumnWidth(1, 4 * unit);
    list_->setColumnWidth(2, width - 5 * unit);
}

void CDlgDialog6::showRows() {
    list_->setUpdatesEnabled(false);
    list_->clear();
    // Every row goes in at the top: the answer's last record is shown first.
    for (const pages::ErrorCodesPage::Row& row : model_.rows())
        list_->insertTopLevelItem(0, new QTreeWidgetItem(QStringList{row.code, row.description, row.status}));
    list_->setUpdatesEnabled(true);
}

bool CDlgDialog6::focusNextPrevChild(bool) { return false; }

}  // namespace quilldar::gui
