#pragma once

#include <QString>

class QFontMetrics;
class QLabel;

namespace quilldar::gui {

// Texts are shown as they are: an ampersand ("Engine & Transmission") is not a shortcut mark.
QString mnemonicFree(const QString& text);

// A text too long for its field ends in an ellipsis; the whole text is the field's tooltip.
void setElidedText(QLabel* field, const QString& text);

// The text cut to the width so that its end stays: a short last word ("1", "2", "L") after the
// ellipsis, else the ellipsis in the middle. Names that differ only at the end stay apart.
QString elidedKeepingEnd(const QFontMetrics& metrics, const QString& text, int width);

}  // namespace quilldar::gui
