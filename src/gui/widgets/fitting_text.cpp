#include "gui/widgets/fitting_text.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace quilldar::gui {

QString mnemonicFree(const QString& text) {
    QString shown = text;
    return shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void setElidedText(QLabel* field, const QString& text) {
    field->setText(QFontMetrics(field->font()).elidedText(text, Qt::ElideRight, field->width()));
    field->setToolTip(text);
}

void setFittingLabelText(QLabel* label, const QString& text) {
    constexpr double kSmallestPoints = 6.5;
    QFont font = label->parentWidget()->font();
    while (font.pointSizeF() > kSmallestPoints && QFontMetrics(font).horizontalAdvance(text) > label->width())
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
    setElidedText(label, text);
}

void setFittingText(QPushButton* button, const QString& text) {
    constexpr double kSmallestPoints = 6.0;
    constexpr int kPadding = 8;
    QFont font = button->parentWidget()->font();
    while (font.pointSizeF() > kSmallestPoints &&
           QFontMetrics(font).horizontalAdvance(QString(text).replace(QStringLiteral("&&"), QStringLiteral("&"))) >
               button->width() - kPadding)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    button->setFont(font);
    button->setText(text);
}

}  // namespace quilldar::gui
