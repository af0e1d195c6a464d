#pragma once

#include <QTimer>
#include <QWidget>
#include <array>

#include "context/app_context.h"
#include "pages/freeze_frame_page.h"

class QLabel;
class QTableWidget;

namespace quilldar::gui {

// The Show data when trouble page: the two stored faults, each a label with its description over
// a table of six engine values at six moments around the fault.
class CDlgDialog7 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTimerPeriodMs = 100;

    explicit CDlgDialog7(app::AppContext& context, QWidget* parent = nullptr);

    // One timer tick; the timer calls it, tests too.
    void tick();
    pages::FreezeFramePage& model() { return model_; }
    QTableWidget& table(int fault) { return *tables_[static_cast<std::size_t>(fault)]; }
    QLabel& label(int fault) { return *labels_[static_cast<std::size_t>(fault)]; }

protected:
    bool focusNextPrevChild(bool next) override;

private:
    void layOutColumns();
    void showCells();

    app::AppContext& context_;
    pages::FreezeFramePage model_;
    std::array<QLabel*, pages::FreezeFramePage::kFaults> labels_{};
    std::array<QTableWidget*, pages::FreezeFramePage::kFaults> tables_{};
    QTimer timer_;
    int laidOutWidth_ = -1;
};

}  // namespace quilldar::gui
