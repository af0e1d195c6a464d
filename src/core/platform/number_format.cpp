#include "platform/number_format.h"

#include <QLocale>
#include <clocale>

namespace quilldar::platform {

void useProgramNumberFormat() {
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
}

}  // namespace quilldar::platform
