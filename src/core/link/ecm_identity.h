#pragma once

#include <QString>

#include "link/report.h"

namespace quilldar::link {

// The identification of the connected ECM, or of the open recording.
struct EcmIdentity {
    QString partNumber;  // EcmPartNumber: up to 11 characters, frame bytes 6 to 16
    QString code;        // EcmCode: 4 characters, frame bytes 12 to 15; the model table's key

    void clear() {
        partNumber.clear();
        code.clear();
    }
};

// Characters of frame bytes first .. first + count - 1, each byte one character; a zero byte
// ends the text.
QString frameText(const Report& report, std::size_t first, std::size_t count);

inline QString partNumberOf(const Report& report) { return frameText(report, 6, 11); }
inline QString codeOf(const Report& report) { return frameText(report, 12, 4); }

}  // namespace quilldar::link
