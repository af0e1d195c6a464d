#pragma once

#include <QWidget>
#include <vector>

#include "pages/page_model.h"

namespace quilldar::gui {

// Draws a data page: three columns of rows, each a label, a right-aligned value cell on its
// background colour and a unit label. Serves all five data pages. After each tick the owner
// calls refresh(): only the cells whose text or colour changed are repainted.
class PageGrid : public QWidget {
    Q_OBJECT
public:
    explicit PageGrid(pages::PageModel& model, QWidget* parent = nullptr);

    // Repaints what the model changed since the last call.
    void refresh();

    // The rectangle of a row's value cell, for tests and tools.
    QRect cellRect(int row) const;
    // A row's label as drawn: cut to its column keeping the end, the whole label then being the
    // tooltip over it.
    QString shownLabel(int row) const;
    QRect labelArea(int row) const { return labelRect(row); }
    // The tooltip over a point: the whole label of a cut row, else nothing.
    QString toolTipAt(QPoint point) const;
    // Number of value cells repainted by the last refresh (all of them after a layout change).
    int lastRepaintedCells() const { return lastRepainted_; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Geometry {
        int lineHeight = 0;
        int top = 0;
        int columnWidth = 0;
        int labelWidth = 0;
        int cellWidth = 0;
        int unitWidth = 0;
        int widestCharacter = 1;
    };
    // The geometry for the widget's size, font and texts: measured when first needed after any of
    // them changed, so that a page nobody looks at measures no text.
    const Geometry& geometry() const;
    void computeGeometry() const;
    void cutLabels() const;
    QRect labelRect(int row) const;
    QRect unitRect(int row) const;
    int columnLeft(int column) const;

    pages::PageModel& model_;
    mutable Geometry g_;
    mutable std::vector<QString> shownLabels_;  // each row's label as drawn
    mutable bool measured_ = false;
    int lastRepainted_ = 0;
};

}  // namespace quilldar::gui
