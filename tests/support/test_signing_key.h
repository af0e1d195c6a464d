#pragma once

#include <QByteArray>
#include <QString>

#include <sodium.h>

namespace quilldar::testing {

// An Ed25519 key pair made for one test, which signs what the test's update server serves.
class TestSigningKey {
public:
    TestSigningKey() {
        if (sodium_init() < 0) return;
        crypto_sign_keypair(reinterpret_cast<unsigned char*>(publicKey_.data()),
                            reinterpret_cast<unsigned char*>(secretKey_.data()));
    }

    // The public key as the program takes it: 64 hex digits.
    QString publicKeyHex() const { return QString::fromLatin1(publicKey_.toHex()); }
    // The detached signature of the bytes: 64 raw bytes.
    QByteArray sign(const QByteArray& bytes) const {
        QByteArray signature(crypto_sign_BYTES, '\0');
        crypto_sign_detached(reinterpret_cast<unsigned char*>(signature.data()), nullptr,
                             reinterpret_cast<const unsigned char*>(bytes.constData()),
                             static_cast<unsigned long long>(bytes.size()),
                             reinterpret_cast<const unsigned char*>(secretKey_.constData()));
        return signature;
    }

private:
    QByteArray publicKey_ = QByteArray(crypto_sign_PUBLICKEYBYTES, '\0');
    QByteArray secretKey_ = QByteArray(crypto_sign_SECRETKEYBYTES, '\0');
};

}  // namespace quilldar::testing
