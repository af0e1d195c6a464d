#pragma once

#include "state/message_sink.h"

class QWidget;

namespace quilldar::gui {

// Shows core messages in a modal message box with an OK button. An empty caption gives the
// application's name, the platform's default caption.
class MessageBoxSink : public app::MessageSink {
public:
    explicit MessageBoxSink(QWidget* owner = nullptr) : owner_(owner) {}
    void showMessage(const QString& text, const QString& caption) override;

private:
    QWidget* owner_;
};

}  // namespace quilldar::gui
