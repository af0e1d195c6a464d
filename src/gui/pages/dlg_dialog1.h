#pragma once

#include "gui/pages/data_page_window.h"

namespace quilldar::gui {

// The Engine page. With clipboard output on, it puts the engine speed and throttle on the
// clipboard at every tick.
class CDlgDialog1 : public DataPageWindow {
    Q_OBJECT
public:
    static constexpr int kTimerPeriodMs = 100;
    explicit CDlgDialog1(app::AppContext& context, QWidget* parent = nullptr);

protected:
    void afterTick() override;
};

}  // namespace quilldar::gui
