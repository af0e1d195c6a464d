#pragma once

#include <QDialog>
#include <QTimer>

namespace quilldar::gui {

// Ends a dialog whose core model decided to close it: its timer stops, and `closing` tells the
// dialog's own accept() and reject() overrides not to hand the close back to the model.
inline void finishDialog(QDialog& dialog, QTimer& timer, bool& closing, bool accepted) {
    closing = true;
    timer.stop();
    if (accepted) {
        dialog.QDialog::accept();
    } else {
        dialog.QDialog::reject();
    }
}

}  // namespace quilldar::gui
