#pragma once

#include <functional>

class QWidget;

namespace quilldar::gui {

// Makes a plain widget (the main window's header image) act on a left click: the action runs
// when the button is released over the widget, and the pointer shows a hand over it. The filter
// belongs to the widget and goes with it.
void setClickAction(QWidget* widget, std::function<void()> action);

}  // namespace quilldar::gui
