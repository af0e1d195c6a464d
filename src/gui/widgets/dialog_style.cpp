#include "gui/widgets/dialog_style.h"

namespace quilldar::gui {

QString dialogStyleSheet() {
    return QStringLiteral(
        "QDialog { background: #1e1e1e; }"
        "QLabel { color: #ffffff; }"
        "QComboBox, QLineEdit { color: #ffffff; background: #323232; border: 1px solid #6e6e6e; padding: 1px 4px; }"
        "QComboBox:disabled, QLineEdit:disabled { color: #8c8c8c; }"
        "QComboBox QAbstractItemView { color: #ffffff; background: #323232; selection-background-color: #505050; }"
        "QListWidget { color: #ffffff; background: #000000; border: 1px solid #505050; }"
        "QListWidget::item:selected { color: #ffff00; background: #505050; }"
        "QPushButton, QToolButton { color: #ffffff; background: #505050; border: 1px solid #6e6e6e; border-radius: 2px; padding: 1px 6px; }"
        "QPushButton:hover, QToolButton:hover { background: #5e5e5e; }"
        "QPushButton:pressed, QToolButton:pressed { background: #3a3a3a; }"
        "QPushButton:disabled, QToolButton:disabled { color: #8c8c8c; background: #3a3a3a; border-color: #444444; }"
        "QToolTip { color: #000000; background: #ffffe1; border: 1px solid #6e6e6e; }");
}

}  // namespace quilldar::gui
