#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace quilldar::update {

// The maker signs every file of an update the program uses (the installer, the FAQ documents)
// with an Ed25519 key; the server serves each file's detached signature beside it under the
// file's name plus ".sig": the 64 raw bytes of the signature of the file's exact bytes.
inline constexpr qsizetype kSignatureSize = 64;
inline constexpr qsizetype kPublicKeySize = 32;
inline constexpr const char* kSignatureSuffix = ".sig";

// The public key the signatures are checked with, as 64 hex digits: the environment variable
// QUILLDAR_UPDATE_PUBLIC_KEY when it is set and not empty (a private mirror, the tests), else
// the maker's key built into the program (the CMake cache value QUILLDAR_UPDATE_PUBLIC_KEY).
QString updatePublicKey();

// The 32 bytes of a key written as exactly 64 hex digits (either case, blanks around allowed);
// nothing for any other text.
std::optional<QByteArray> parsePublicKey(const QString& hex);

// True when signature is the 64-byte Ed25519 signature of the file's whole content by the key.
// A signature of another length, a key of another length or an unreadable file give false.
bool verifyFileSignature(const QString& filePath, const QByteArray& signature, const QByteArray& publicKey);

}  // namespace quilldar::update
