#include "gui/app/my_tab_ctrl.h"

#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace quilldar::gui {

CMyTabCtrl::CMyTabCtrl(QWidget* parent) : QWidget(parent) {
    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("tabStrip"));
    tabs_->setExpanding(false);
    tabs_->setDrawBase(true);
    stack_ = new QStackedWidget(this);
    stack_->setObjectName(QStringLiteral("pageArea"));
    for (int page = 0; page < kPageCount; ++page) {
        // An empty page until its page window is put in.
        pages_[static_cast<std::size_t>(page)] = new QWidget(stack_);
        stack_->addWidget(pages_[static_cast<std::size_t>(page)]);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tabs_);
    layout->addWidget(stack_, 1);
    connect(tabs_, &QTabBar::tabBarClicked, this, [this](int tab) {
        if (!updating_ && tab >= 0 && onClick_) onClick_(tab);
    });
}

void CMyTabCtrl::setPage(std::uint16_t page, QWidget* window) {
    if (page >= kPageCount) return;
    QWidget*& slot = pages_[page];
    const bool shown = stack_->currentWidget() == slot;
    stack_->insertWidget(page, window);
    stack_->removeWidget(slot);
    slot->deleteLater();
    slot = window;
    if (shown) stack_->setCurrentWidget(window);
}

void CMyTabCtrl::setTabs(const QStringList& names) {
    updating_ = true;
    while (tabs_->count() > 0) tabs_->removeTab(0);
    for (const QString& name : names) tabs_->addTab(name);
    updating_ = false;
}

int CMyTabCtrl::tabCount() const { return tabs_->count(); }

int CMyTabCtrl::selectedTab() const { return tabs_->currentIndex(); }

QString CMyTabCtrl::tabText(int tab) const { return tabs_->tabText(tab); }

void CMyTabCtrl::showPage(std::uint16_t page, int tab) {
    if (page >= kPageCount) return;
    shownPage_ = page;
    stack_->setCurrentWidget(pages_[page]);
    pages_[page]->setFocus();
    updating_ = true;
    if (tab >= 0 && tab < tabs_->count()) tabs_->setCurrentIndex(tab);
    updating_ = false;
}

}  // namespace quilldar::gui
