#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>
#include <string>

#include "context/app_context.h"
#include "pages/page_model.h"
#include "settings/language_table.h"

namespace quilldar::gui {

class PageGrid;

// A live-data tab page: its own timer decodes whatever stands in the receive report, whether the
// page is shown or not, resets the page after the language table was refilled, and repaints the
// cells that changed. The Tab key does nothing here.
class DataPageWindow : public QWidget {
    Q_OBJECT
public:
    DataPageWindow(app::AppContext& context, std::unique_ptr<pages::PageModel> model,
                   settings::TextGroup texts, int periodMs, QWidget* parent = nullptr);
    ~DataPageWindow() override;

    // One timer tick; the timer calls it, tests too.
    void tick();
    pages::PageModel& model() { return *model_; }
    PageGrid& grid() { return *grid_; }
    QTimer& timer() { return timer_; }

protected:
    bool focusNextPrevChild(bool next) override;
    // Work a page does after each tick (the Engine page's clipboard output).
    virtual void afterTick() {}

    app::AppContext& context_;

private:
    std::unique_ptr<pages::PageModel> model_;
    settings::TextGroup texts_;
    PageGrid* grid_;
    QTimer timer_;
    std::string ecmCode_;
};

}  // namespace quilldar::gui
