#include "gui/app/message_box_sink.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace quilldar::gui {

void MessageBoxSink::showMessage(const QString& text, const QString& caption) {
    const QString title = caption.isEmpty() ? QCoreApplication::applicationName() : caption;
    QMessageBox::information(owner_, title, text, QMessageBox::Ok);
}

}  // namespace quilldar::gui
