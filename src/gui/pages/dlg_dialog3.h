#pragma once

#include "gui/pages/data_page_window.h"

namespace quilldar::gui {

// The Engine & Transmission page of a combined module.
class CDlgDialog3 : public DataPageWindow {
    Q_OBJECT
public:
    explicit CDlgDialog3(app::AppContext& context, QWidget* parent = nullptr);
};

}  // namespace quilldar::gui
