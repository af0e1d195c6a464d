#pragma once

#include <QTimer>
#include <QWidget>

#include "context/app_context.h"
#include "pages/error_codes_page.h"

class QTreeWidget;

namespace quilldar::gui {

// The Error codes page: one row per trouble code of the last trouble-code answer, the answer's
// last record at the top, with its display code, description and status word.
class CDlgDialog6 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTimerPeriodMs = 100;

    explicit CDlgDialog6(app::AppContext& context, QWidget* parent = nullptr);

    // One timer tick; the timer calls it, tests too.
    void tick();
    pages::ErrorCodesPage& model() { return model_; }
    QTreeWidget& list() { return *list_; }
    QTimer& timer() { return timer_; }

protected:
    bool focusNextPrevChild(bool next) override;

private:
    void buildColumns();
    void showRows();

    app::AppContext& context_;
    pages::ErrorCodesPage model_;
    QTreeWidget* list_;
    QTimer timer_;
    int builtWidth_ = -1;
};

}  // namespace quilldar::gui
