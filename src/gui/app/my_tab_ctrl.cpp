#include "gui/app/my_tab_ctrl.h"

#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <utility>

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

void CMyTabCtrl::setPageBuilder(std::uint16_t page, PageBuilder build) {
    if (page < kPageCount) builders_[page] = std::move(build);
}

QWidget* CMyTabCtrl::page(std::uint16_t page) {
    if (page >= kPageCount) return nullptr;
    QWidget*& slot = pages_[page];
    if (PageBuilder build = std::exchange(builders_[page], nullptr)) {
        // Made on the stack itself: putting it in place moves no widget to another parent.
        QWidget* window = build(stack_);
        const bool shown = stack_->currentWidget() == slot;
        stack_->insertWidget(page, window);
        stack_->removeWidget(slot);
        delete slot;
        slot = window;
        if (shown) stack_->setCurrentWidget(window);
    }
    return slot;
}

bool CMyTabCtrl::buildNextPage() {
    for (std::uint16_t p = 0; p < kPageCount; ++p) {
        if (builders_[p]) {
            page(p);
            return true;
        }
    }
    return false;
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
    QWidget* window = this->page(page);
    stack_->setCurrentWidget(window);
    window->setFocus();
    updating_ = true;
    if (tab >= 0 && tab < tabs_->count()) tabs_->setCurrentIndex(tab);
    updating_ = false;
}

}  // namespace quilldar::gui
