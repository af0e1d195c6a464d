#pragma once

#include <cstdio>

#include "state/message_sink.h"

namespace quilldar::tool {

// Messages of the core go to standard error in the command-line tool.
class ConsoleMessageSink : public app::MessageSink {
public:
    void showMessage(const QString& text, const QString& caption) override {
        const QByteArray line = (caption.isEmpty() ? text : caption + QStringLiteral(": ") + text).toUtf8();
        std::fprintf(stderr, "%s\n", line.constData());
    }
};

}  // namespace quilldar::tool
