#include "settings/display_text.h"

namespace quilldar::settings {

QString displayText(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n') {
            shown.append(c);
            continue;
        }
        shown.append(u'\n');
        // The other half of a CR LF or LF CR pair belongs to the same break.
        const QChar partner = c == u'\r' ? QChar(u'\n') : QChar(u'\r');
        if (i + 1 < text.size() && text.at(i + 1) == partner) ++i;
    }
    return shown;
}

}  // namespace quilldar::settings
