#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class QStackedWidget;
class QTabBar;

namespace quilldar::gui {

// The tab area of the main window: a strip of tabs over the eight page windows, each made once
// when first needed and kept for the whole run. Only the current page is visible. A click on a
// tab is handed to the core, which decides which page it shows.
class CMyTabCtrl : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPageCount = 8;

    explicit CMyTabCtrl(QWidget* parent = nullptr);

    // Page `page`'s window is made by `build` (on the parent it is given) when the page is first
    // needed: shown, asked for by page(), or made by buildNextPage(). Until then an empty window
    // stands in its place, so that a start builds only the page it shows.
    using PageBuilder = std::function<QWidget*(QWidget* parent)>;
    void setPageBuilder(std::uint16_t page, PageBuilder build);
    // The page's window, made now if it was not yet.
    QWidget* page(std::uint16_t page);
    // Makes one page window not made yet; false once every page has its window.
    bool buildNextPage();

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
    std::array<PageBuilder, kPageCount> builders_{};
    std::uint16_t shownPage_ = 0;
    std::function<void(int)> onClick_;
    bool updating_ = false;
};

}  // namespace quilldar::gui
