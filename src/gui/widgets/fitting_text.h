#pragma once

#include <QString>

class QLabel;
class QPushButton;

namespace quilldar::gui {

// Texts are shown as they are: an ampersand ("Engine & Transmission") is not a shortcut mark.
QString mnemonicFree(const QString& text);

// A text too long for its field ends in an ellipsis; the whole text is the field's tooltip.
void setElidedText(QLabel* field, const QString& text);

// Puts the text in the label in its parent's font, or in a smaller one down to 6.5 points when it
// would not fit, and ends it in an ellipsis if it still does not; the whole text is the tooltip.
void setFittingLabelText(QLabel* label, const QString& text);

// Puts the text on the button in its parent's font, or in a smaller one when a language's longer
// wording would not fit the button.
void setFittingText(QPushButton* button, const QString& text);

}  // namespace quilldar::gui
