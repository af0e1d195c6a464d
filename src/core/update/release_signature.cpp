#include "update/release_signature.h"

#include <QFile>
#include <QtGlobal>

#include <sodium.h>

#ifndef QUILLDAR_UPDATE_PUBLIC_KEY_DEFAULT
#error "QUILLDAR_UPDATE_PUBLIC_KEY_DEFAULT must be defined by the build"
#endif

static_assert(quilldar::update::kSignatureSize == crypto_sign_BYTES);
static_assert(quilldar::update::kPublicKeySize == crypto_sign_PUBLICKEYBYTES);

namespace quilldar::update {

namespace {
// libsodium must be initialised once before its first use; the result is kept, so that later
// calls cost nothing and a failed initialisation refuses every signature.
bool sodiumReady() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}

bool isHexDigit(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}
}  // namespace

QString updatePublicKey() {
    const QString key = qEnvironmentVariable("QUILLDAR_UPDATE_PUBLIC_KEY").trimmed();
    return key.isEmpty() ? QStringLiteral(QUILLDAR_UPDATE_PUBLIC_KEY_DEFAULT) : key;
}

std::optional<QByteArray> parsePublicKey(const QString& hex) {
    const QString digits = hex.trimmed();
    if (digits.size() != kPublicKeySize * 2) return std::nullopt;
    for (const QChar c : digits)
        if (!isHexDigit(c)) return std::nullopt;
    return QByteArray::fromHex(digits.toLatin1());
}

bool verifyFileSignature(const QString& filePath, const QByteArray& signature, const QByteArray& publicKey) {
    if (signature.size() != kSignatureSize || publicKey.size() != kPublicKeySize || !sodiumReady()) return false;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) return false;
    // A large installer is mapped rather than copied; an empty file cannot be mapped and is
    // checked as the empty message it is.
    const qint64 size = file.size();
    const uchar* bytes = size > 0 ? file.map(0, size) : nullptr;
    QByteArray copy;
    if (size > 0 && bytes == nullptr) {
        copy = file.readAll();
        if (copy.size() != size) return false;
        bytes = reinterpret_cast<const uchar*>(copy.constData());
    }
    static const unsigned char kNothing = 0;
    const int verdict = crypto_sign_verify_detached(reinterpret_cast<const unsigned char*>(signature.constData()),
                                                    size > 0 ? bytes : &kNothing, static_cast<unsigned long long>(size),
                                                    reinterpret_cast<const unsigned char*>(publicKey.constData()));
    return verdict == 0;
}

}  // namespace quilldar::update
