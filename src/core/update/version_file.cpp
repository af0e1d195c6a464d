#include "update/version_file.h"

namespace quilldar::update {

namespace {
constexpr qsizetype kFieldSize = 10;

// The version after the first '>' at or after from; from moves past its 10 bytes.
std::optional<QString> versionAfterMarker(const QByteArray& bytes, qsizetype& from) {
    const qsizetype marker = bytes.indexOf('>', from);
    if (marker < 0 || marker + kFieldSize >= bytes.size()) return std::nullopt;
    const qsizetype field = marker + 1;
    QString version;
    for (qsizetype offset : {2, 4, 6, 8}) version += QLatin1Char(bytes.at(field + offset));
    from = field + kFieldSize;
    return version;
}
}  // namespace

std::optional<ServerVersions> parseVersionFile(const QByteArray& bytes) {
    if (bytes.size() != kVersionFileSize) return std::nullopt;
    qsizetype position = 0;
    const auto program = versionAfterMarker(bytes, position);
    if (!program) return std::nullopt;
    const auto faq = versionAfterMarker(bytes, position);
    if (!faq) return std::nullopt;
    return ServerVersions{*program, *faq};
}

}  // namespace quilldar::update
