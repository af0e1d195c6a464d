#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <clocale>
#include <cstdio>

namespace quilldar::testing {

// The test runs that stand for a German or Russian desktop name the locale they expect in
// QUILLDAR_TEST_LOCALE; such a run stops at once when that locale is not what the process got
// (not generated on this machine), rather than passing under the C locale unnoticed.
inline bool desktopLocaleIsInForce() {
    const QByteArray wanted = qgetenv("QUILLDAR_TEST_LOCALE");
    if (wanted.isEmpty()) return true;
    const char* current = std::setlocale(LC_TIME, nullptr);
    if (current != nullptr && QByteArray(current) == wanted) return true;
    std::fprintf(stderr, "The desktop locale %s is not in force (the process has %s); generate it first.\n",
                 wanted.constData(), current != nullptr ? current : "none");
    return false;
}

}  // namespace quilldar::testing
