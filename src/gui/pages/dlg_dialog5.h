#pragma once

#include "gui/pages/data_page_window.h"

namespace quilldar::gui {

// The EPS page; it shows values only for the 31H0 steering module.
class CDlgDialog5 : public DataPageWindow {
    Q_OBJECT
public:
    explicit CDlgDialog5(app::AppContext& context, QWidget* parent = nullptr);
};

}  // namespace quilldar::gui
