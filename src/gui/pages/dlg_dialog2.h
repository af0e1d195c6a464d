#pragma once

#include "gui/pages/data_page_window.h"

namespace quilldar::gui {

// The Transmission page of a separate transmission module; it refreshes every 136 ms.
class CDlgDialog2 : public DataPageWindow {
    Q_OBJECT
public:
    explicit CDlgDialog2(app::AppContext& context, QWidget* parent = nullptr);
};

}  // namespace quilldar::gui
