#include "gui/pages/dlg_dialog2.h"

#include "pages/transmission_page.h"

namespace quilldar::gui {

CDlgDialog2::CDlgDialog2(app::AppContext& context, QWidget* parent)
    : DataPageWindow(context, std::make_unique<pages::TransmissionPage>(context.liveValues(), context.languageTable()),
                     settings::TextGroup::TransmissionPage, pages::TransmissionPage::kTimerPeriodMs, parent) {}

}  // namespace quilldar::gui
