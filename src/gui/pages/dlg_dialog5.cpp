#include "gui/pages/dlg_dialog5.h"

#include "pages/eps_page.h"

namespace quilldar::gui {

CDlgDialog5::CDlgDialog5(app::AppContext& context, QWidget* parent)
    : DataPageWindow(context, std::make_unique<pages::EpsPage>(context.liveValues(), context.languageTable()),
                     settings::TextGroup::EpsPage, pages::EpsPage::kTimerPeriodMs, parent) {}

}  // namespace quilldar::gui
