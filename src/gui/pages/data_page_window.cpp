#include "gui/pages/data_page_window.h"

#include <QVBoxLayout>

#include "gui/widgets/page_grid.h"
#include "pages/page_texts.h"

namespace quilldar::gui {

DataPageWindow::DataPageWindow(app::AppContext& context, std::unique_ptr<pages::PageModel> model,
                               settings::TextGroup texts, int periodMs, QWidget* parent)
    : QWidget(parent), context_(context), model_(std::move(model)), texts_(texts) {
    grid_ = new PageGrid(*model_, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    // The page is drawn whole from its first paint, in the language as it stands now: the
    // language's refresh is taken here, so the first tick does not lay the page out again.
    context_.languageTable().takeRefresh(texts_);
    model_->applyPendingReset(pages::unitSettings(context_.settings()));
    grid_->refresh();
    timer_.setTimerType(Qt::CoarseTimer);
    connect(&timer_, &QTimer::timeout, this, &DataPageWindow::tick);
    timer_.start(periodMs);
}

DataPageWindow::~DataPageWindow() = default;

void DataPageWindow::tick() {
    settings::LanguageTable& table = context_.languageTable();
    if (table.takeRefresh(texts_)) model_->requestReset();
    const app::AppState& state = context_.state();
    // The code is copied so that the view the model reads stays valid for the whole tick.
    ecmCode_ = context_.ecm().code.toStdString();
    pages::PageInput input;
    input.ecmCode = ecmCode_;
    input.altListVariant = state.altListVariant != 0;
    input.nearEnd = state.nearEnd != 0;
    input.units = pages::unitSettings(context_.settings());
    model_->tick(context_.receiveReport(), input);
    grid_->refresh();
    afterTick();
}

bool DataPageWindow::focusNextPrevChild(bool) { return false; }

}  // namespace quilldar::gui
