#include "link/ecm_identity.h"

namespace quilldar::link {

QString frameText(const Report& report, std::size_t first, std::size_t count) {
    QString text;
    for (std::size_t k = first; k < first + count && k <= kLastFrameByte; ++k) {
        const std::uint8_t byte = frameByte(report, k);
        if (byte == 0) break;
        text.append(QChar::fromLatin1(static_cast<char>(byte)));
    }
    return text;
}

}  // namespace quilldar::link
