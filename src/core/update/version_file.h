#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace quilldar::update {

// The length of a valid version file in bytes.
inline constexpr qsizetype kVersionFileSize = 43;

// The versions the server names.
struct ServerVersions {
    QString program;  // four characters, compared with the running program's "2034"
    QString faq;      // four characters, compared with the stored "FAQ" value
};

// Reads a version file: exactly 43 bytes, else nothing. Each version is found after a '>': of the
// 10 bytes that follow it, the bytes at offsets 2, 4, 6 and 8 are the version's four characters.
// The program version follows the first '>', the FAQ version the next '>' after those 10 bytes.
// A file where either '>' or its 10 bytes are missing gives nothing.
std::optional<ServerVersions> parseVersionFile(const QByteArray& bytes);

}  // namespace quilldar::update
