#pragma once

#include <QString>

namespace quilldar::app {

// Where the core puts a message for the user: a message box in the program, standard error in
// the command-line tool, a recording fake in tests.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // An empty caption means the system's default caption.
    virtual void showMessage(const QString& text, const QString& caption) = 0;
};

}  // namespace quilldar::app
