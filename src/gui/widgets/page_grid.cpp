#include "gui/widgets/page_grid.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <bit>

#include "gui/widgets/fitting_text.h"

namespace quilldar::gui {

namespace {

QColor fromColourRef(vehicle::Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

constexpr int kGap = 6;          // between label, cell and unit, in pixels
constexpr int kCellPadding = 4;  // inside a value cell
constexpr int kMargin = 8;

}  // namespace

PageGrid::PageGrid(pages::PageModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

const PageGrid::Geometry& PageGrid::geometry() const {
    if (!measured_) computeGeometry();
    return g_;
}

void PageGrid::computeGeometry() const {
    const QFontMetrics metrics(font());
    // Lines share the page's height, but never spread wider than twice the text height.
    const int available = (height() - 2 * kMargin) / pages::PageModel::kLines;
    g_.lineHeight = std::clamp(available, metrics.height() + 6, 2 * metrics.height());
    g_.top = kMargin;
    g_.columnWidth = std::max((width() - 2 * kMargin) / pages::PageModel::kColumns, 1);
    // The value cell is wide enough for the longest number any page writes and for every word
    // the model shows in a cell, so that values never clip.
    int cell = metrics.horizontalAdvance(QStringLiteral("-0000.000"));
    int unit = metrics.horizontalAdvance(QStringLiteral("mmHg"));
    for (int row = 0; row < model_.rowCount(); ++row) {
        cell = std::max(cell, metrics.horizontalAdvance(model_.cellText(row)));
        unit = std::max(unit, metrics.horizontalAdvance(model_.unitLabel(row)));
    }
    g_.cellWidth = cell + 2 * kCellPadding;
    g_.widestCharacter = 1;
    for (const QChar c : QStringLiteral("0123456789.-+e"))
        g_.widestCharacter = std::max(g_.widestCharacter, metrics.horizontalAdvance(c));
    g_.unitWidth = unit;
    g_.labelWidth = std::max(g_.columnWidth - g_.cellWidth - g_.unitWidth - 3 * kGap, 10);
    measured_ = true;
    cutLabels();
}

int PageGrid::columnLeft(int column) const { return kMargin + column * geometry().columnWidth; }

QRect PageGrid::labelRect(int row) const {
    const pages::GridPlace place = model_.place(row);
    const Geometry& g = geometry();
    return {columnLeft(place.column), g.top + place.line * g.lineHeight, g.labelWidth, g.lineHeight - 2};
}

QRect PageGrid::cellRect(int row) const {
    const QRect label = labelRect(row);
    return {label.right() + 1 + kGap, label.top(), geometry().cellWidth, label.height()};
}

QRect PageGrid::unitRect(int row) const {
    const QRect cell = cellRect(row);
    return {cell.right() + 1 + kGap, cell.top(), geometry().unitWidth, cell.height()};
}

QString PageGrid::shownLabel(int row) const {
    geometry();
    if (row >= 0 && row < static_cast<int>(shownLabels_.size())) return shownLabels_[static_cast<std::size_t>(row)];
    return elidedKeepingEnd(QFontMetrics(font()), model_.label(row), labelRect(row).width());
}

void PageGrid::cutLabels() const {
    // Two rows whose names differ only in the part a cut takes out ("ABS IN" and "ABS OUT") are
    // cut elsewhere, first in the middle, then at the start, so that they stay apart.
    const QFontMetrics metrics(font());
    const int rows = model_.rowCount();
    shownLabels_.assign(static_cast<std::size_t>(rows), QString());
    for (int row = 0; row < rows; ++row)
        shownLabels_[static_cast<std::size_t>(row)] = elidedKeepingEnd(metrics, model_.label(row), labelRect(row).width());
    const auto takenByOther = [&](int row, const QString& text) {
        for (int other = 0; other < rows; ++other)
            if (other != row && shownLabels_[static_cast<std::size_t>(other)] == text &&
                model_.label(other) != model_.label(row))
                return true;
        return false;
    };
    for (int row = 0; row < rows; ++row) {
        QString& shown = shownLabels_[static_cast<std::size_t>(row)];
        if (!takenByOther(row, shown)) continue;
        for (const Qt::TextElideMode mode : {Qt::ElideMiddle, Qt::ElideLeft}) {
            const QString other = metrics.elidedText(model_.label(row), mode, labelRect(row).width());
            if (!takenByOther(row, other)) {
                shown = other;
                break;
            }
        }
    }
}

QString PageGrid::toolTipAt(QPoint point) const {
    for (int row = 0; row < model_.rowCount(); ++row)
        if (labelRect(row).contains(point) && shownLabel(row) != model_.label(row)) return model_.label(row);
    return {};
}

bool PageGrid::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = toolTipAt(help->pos());
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), tip, this);
    }
    return true;
}

void PageGrid::refresh() {
    const bool relaidOut = model_.takeLayoutChanged();
    std::uint64_t changed = model_.takeChangedCells();
    if (relaidOut || (changed != 0 && !isVisible())) {
        // Measured again when next drawn. A hidden page is drawn whole when it shows: the cells
        // it changed meanwhile need no repaint of their own.
        measured_ = false;
        lastRepainted_ = relaidOut ? model_.rowCount() : 0;
        update();
        return;
    }
    lastRepainted_ = std::popcount(changed);
    if (changed == 0) return;
    const Geometry& g = geometry();
    while (changed != 0) {
        const int row = std::countr_zero(changed);
        changed &= changed - 1;
        // A word wider than the cell (another language's state word) needs the layout redone.
        // Short texts cannot be: measuring every changed value would cost more than painting it.
        const QString text = model_.cellText(row);
        if (text.size() * g.widestCharacter > g.cellWidth - 2 * kCellPadding &&
            QFontMetrics(font()).horizontalAdvance(text) > g.cellWidth - 2 * kCellPadding) {
            measured_ = false;
            update();
            return;
        }
        update(cellRect(row));
    }
}

void PageGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::black);
    const QFontMetrics metrics(font());
    for (int row = 0; row < model_.rowCount(); ++row) {
        const QRect cell = cellRect(row);
        const QRect label = labelRect(row);
        const QRect unit = unitRect(row);
        if (event->rect().intersects(label)) {
            painter.setPen(Qt::white);
            painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, shownLabel(row));
        }
        if (event->rect().intersects(cell)) {
            painter.fillRect(cell, fromColourRef(model_.cellColour(row)));
            painter.setPen(Qt::black);
            painter.drawText(cell.adjusted(kCellPadding, 0, -kCellPadding, 0), Qt::AlignRight | Qt::AlignVCenter,
                             model_.cellText(row));
        }
        if (event->rect().intersects(unit) && !model_.unitLabel(row).isEmpty()) {
            painter.setPen(Qt::white);
            painter.drawText(unit, Qt::AlignLeft | Qt::AlignVCenter, model_.unitLabel(row));
        }
    }
}

void PageGrid::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    measured_ = false;
}

void PageGrid::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        measured_ = false;
        update();
    }
}

}  // namespace quilldar::gui
