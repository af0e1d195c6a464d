#pragma once

#include "gui/pages/data_page_window.h"

namespace quilldar::gui {

// The ABS page.
class CDlgDialog4 : public DataPageWindow {
    Q_OBJECT
public:
    explicit CDlgDialog4(app::AppContext& context, QWidget* parent = nullptr);
};

}  // namespace quilldar::gui
