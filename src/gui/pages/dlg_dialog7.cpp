#include "gui/pages/dlg_dialog7.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "settings/language_table.h"

namespace quilldar::gui {

namespace {

using Page = pages::FreezeFramePage;
constexpr int kUnitColumn = Page::kColumns - 1;

QTableWidget* makeTable(QWidget* parent) {
    auto* table = new QTableWidget(Page::kRows, Page::kColumns, parent);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setShowGrid(true);
    table->verticalHeader()->hide();
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Six rows and the header, all in view.
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setFixedHeight(table->horizontalHeader()->sizeHint().height() + Page::kRows * (table->fontMetrics().height() + 6) + 4);
    return table;
}

}  // namespace

CDlgDialog7::CDlgDialog7(app::AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    // One style sheet for the page, not one per label and table: each is parsed once.
    setStyleSheet(QStringLiteral(
        "QLabel { color: #ffffff; }"
        "QTableWidget { background: #000000; color: #ffffff; gridline-color: #505050; border: none; }"
        "QHeaderView::section { background: #323232; color: #ffffff; border: 1px solid #505050; padding: 2px 4px; }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    for (std::size_t fault = 0; fault < Page::kFaults; ++fault) {
        labels_[fault] = new QLabel(this);
        labels_[fault]->setObjectName(QStringLiteral("faultLabel%1").arg(fault + 1));
        tables_[fault] = makeTable(this);
        tables_[fault]->setObjectName(QStringLiteral("faultTable%1").arg(fault + 1));
        layout->addWidget(labels_[fault]);
        layout->addWidget(tables_[fault]);
    }
    layout->addStretch(1);
    timer_.setTimerType(Qt::CoarseTimer);
    connect(&timer_, &QTimer::timeout, this, &CDlgDialog7::tick);
    timer_.start(kTimerPeriodMs);
}

void CDlgDialog7::tick() {
    settings::LanguageTable& texts = context_.languageTable();
    if (texts.takeRefresh(settings::TextGroup::FreezeFramePage)) model_.requestLayout();
    const std::string code = context_.ecm().code.toStdString();
    const bool changed = model_.tick(context_.receiveReport(), code, texts, context_.dtcCatalogue());
    if (model_.takeLayoutChanged() || laidOutWidth_ != tables_[0]->viewport()->width()) layOutColumns();
    if (changed) showCells();
}

void CDlgDialog7::layOutColumns() {
    // The name column takes two ninths of the width, each moment one ninth, the unit the rest.
    const int width = tables_[0]->viewport()->width();
    laidOutWidth_ = width;
    const int unit = width / 9;
    for (std::size_t fault = 0; fault < Page::kFaults; ++fault) {
        QTableWidget* table = tables_[fault];
        table->setHorizontalHeaderLabels(model_.headers(static_cast<int>(fault)));
        table->setColumnWidth(0, 2 * unit);
        for (int column = 1; column < kUnitColumn; ++column) table->setColumnWidth(column, unit);
        table->setColumnWidth(kUnitColumn, width - 8 * unit);
    }
    showCells();
}

void CDlgDialog7::showCells() {
    for (std::size_t fault = 0; fault < Page::kFaults; ++fault) {
        labels_[fault]->setText(model_.label(static_cast<int>(fault)));
        QTableWidget* table = tables_[fault];
        const Page::Grid& grid = model_.table(static_cast<int>(fault));
        for (int row = 0; row < Page::kRows; ++row) {
            for (int column = 0; column < Page::kColumns; ++column) {
                const QString& text = grid[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
                QTableWidgetItem* item = table->item(row, column);
                if (item == nullptr) {
                    item = new QTableWidgetItem;
                    table->setItem(row, column, item);
                }
                if (item->text() != text) item->setText(text);
            }
        }
    }
}

bool CDlgDialog7::focusNextPrevChild(bool) { return false; }

}  // namespace quilldar::gui
