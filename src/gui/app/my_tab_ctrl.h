#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class QStackedWidget;
class QTabBar;

namespace quilldar::gui {

// The tab area of the main window: a strip of tabs over the eight page windows, created once and
// kept for the whole run. Only the current page is visible. A click on a tab is handed to the
// core, which decides which page it shows.
class CMyTabCtrl : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPageCount = 8;

    explicit CMyTabCtrl(QWidget* parent = nullptr);

    // Puts a page window in place of page `page`'s empty window.
    void setPage(std::uint16_t page, QWidget* window);
    QWidget* page(std::uint16_t page) const { return pages_[page]; }

    // Deletes all tabs and inserts the names, in order.
    void setTabs(const QStringList& names);
    int tabCount() const;
    int selectedTab() const;
    // Hides every page, shows this one and gives it the focus; selects the tab.
    void showPage(std::uint16_t page, int tab);
    std::uint16_t shownPage() const { return shownPage_; }
    QString tabText(int tab) const;

    void setTabClicked(std::function<void(int)> onClick) { onClick_ = std::move(onClick); }

private:
    QTabBar* tabs_;
    QStackedWidget* stack_;
    std::array<QWidget*, kPageCount> pages_{};
    std::uint16_t shownPage_ = 0;
    std::function<void(int)> onClick_;
    bool updating_ = false;
};

}  // namespace quilldar::gui
