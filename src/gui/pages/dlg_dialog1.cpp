#include "gui/pages/dlg_dialog1.h"

#include <QClipboard>
#include <QGuiApplication>

#include "pages/engine_page.h"

namespace quilldar::gui {

CDlgDialog1::CDlgDialog1(app::AppContext& context, QWidget* parent)
    : DataPageWindow(context,
                     std::make_unique<pages::EnginePage>(context.liveValues(), context.currentValues(),
                                                         context.languageTable()),
                     settings::TextGroup::EnginePage, kTimerPeriodMs, parent) {}

void CDlgDialog1::afterTick() {
    if (!context_.state().clipboardOutput) return;
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(pages::clipboardText(context_.liveValues()));
}

}  // namespace quilldar::gui
