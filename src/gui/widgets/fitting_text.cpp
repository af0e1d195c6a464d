#include "gui/widgets/fitting_text.h"

#include <QFontMetrics>
#include <QLabel>

namespace quilldar::gui {

QString mnemonicFree(const QString& text) {
    QString shown = text;
    return shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void setElidedText(QLabel* field, const QString& text) {
    field->setText(QFontMetrics(field->font()).elidedText(text, Qt::ElideRight, field->width()));
    field->setToolTip(text);
}

QString elidedKeepingEnd(const QFontMetrics& metrics, const QString& text, int width) {
    if (metrics.horizontalAdvance(text) <= width) return text;
    const int space = text.lastIndexOf(QLatin1Char(' '));
    const QString tail = space > 0 ? text.mid(space) : QString();
    // A last word that takes up to a third of the room stays whole after the ellipsis, and the
    // head keeps as much of its start as fits; a longer one is cut in the middle.
    if (tail.trimmed().isEmpty() || 3 * metrics.horizontalAdvance(tail) > width)
        return metrics.elidedText(text, Qt::ElideMiddle, width);
    return metrics.elidedText(text.left(space), Qt::ElideRight, width - metrics.horizontalAdvance(tail)) + tail;
}

}  // namespace quilldar::gui
