#include "gui/settings/colour_box.h"

#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>
#include <QStylePainter>

#include "settings/highlight_colour.h"

namespace quilldar::gui {
namespace {

constexpr int kColourRole = Qt::UserRole + 1;

// Paints a list item as a swatch with a thin frame, inside the selection highlight.
class SwatchDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem background = option;
        background.text.clear();
        QStyledItemDelegate::paint(painter, background, index);
        const QRect swatch = option.rect.adjusted(3, 2, -3, -2);
        painter->fillRect(swatch, index.data(kColourRole).value<QColor>());
        painter->setPen(option.palette.color(QPalette::Text));
        painter->drawRect(swatch.adjusted(0, 0, -1, -1));
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(qMax(size.height(), option.fontMetrics.height() + 6));
        return size;
    }
};

}  // namespace

QColor ColourBox::toQColor(settings::ColourRef colour) {
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

ColourBox::ColourBox(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new SwatchDelegate(this));
    for (int i = 0; i < settings::kHighlightColourCount; ++i) {
        const QString name = QString::fromLatin1(settings::kHighlightColours[i].name);
        addItem(name);
        setItemData(i, toQColor(settings::kHighlightColours[i].colour), kColourRole);
        setItemData(i, name, Qt::ToolTipRole);
        setItemData(i, name, Qt::AccessibleTextRole);
    }
}

void ColourBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    if (currentIndex() >= 0) {
        const QRect swatch = field.adjusted(2, 2, -2, -2);
        painter.fillRect(swatch, currentData(kColourRole).value<QColor>());
        painter.setPen(palette().color(QPalette::Text));
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    }
}

}  // namespace quilldar::gui
