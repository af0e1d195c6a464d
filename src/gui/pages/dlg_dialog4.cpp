#include "gui/pages/dlg_dialog4.h"

#include "pages/abs_page.h"

namespace quilldar::gui {

CDlgDialog4::CDlgDialog4(app::AppContext& context, QWidget* parent)
    : DataPageWindow(context, std::make_unique<pages::AbsPage>(context.liveValues(), context.languageTable()),
                     settings::TextGroup::AbsPage, pages::AbsPage::kTimerPeriodMs, parent) {}

}  // namespace quilldar::gui
