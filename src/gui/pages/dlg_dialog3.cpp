#include "gui/pages/dlg_dialog3.h"

#include "pages/combined_page.h"

namespace quilldar::gui {

CDlgDialog3::CDlgDialog3(app::AppContext& context, QWidget* parent)
    : DataPageWindow(context, std::make_unique<pages::CombinedPage>(context.liveValues(), context.languageTable()),
                     settings::TextGroup::CombinedPage, pages::CombinedPage::kTimerPeriodMs, parent) {}

}  // namespace quilldar::gui
