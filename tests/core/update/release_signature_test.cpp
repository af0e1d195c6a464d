#include "update/release_signature.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "support/test_signing_key.h"

namespace quilldar::update {
namespace {

using testing::TestSigningKey;

class ReleaseSignatureTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& content) const {
        const QString path = QDir(folder_.path()).filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(content);
        return path;
    }
    static QByteArray keyBytes(const TestSigningKey& key) { return *parsePublicKey(key.publicKeyHex()); }

    QTemporaryDir folder_;
    TestSigningKey key_;
};

TEST_F(ReleaseSignatureTest, PublicKeyIsExactly64HexDigits) {
    const QString hex = key_.publicKeyHex();
    ASSERT_EQ(hex.size(), 64);
    EXPECT_EQ(parsePublicKey(hex).value().toHex(), hex.toLatin1());
    EXPECT_EQ(parsePublicKey(" " + hex.toUpper() + "\n").value().toHex(), hex.toLatin1());
    for (const QString& bad : {QString(), hex.left(63), hex + "a", hex.left(62) + "zz", hex.left(63) + " ",
                               "0x" + hex.left(62), hex.left(32) + " " + hex.mid(33)})
        EXPECT_FALSE(parsePublicKey(bad).has_value()) << bad.toStdString();
}

TEST_F(ReleaseSignatureTest, EnvironmentReplacesTheBuiltInKey) {
    const QByteArray saved = qgetenv("QUILLDAR_UPDATE_PUBLIC_KEY");
    qunsetenv("QUILLDAR_UPDATE_PUBLIC_KEY");
    const QString builtIn = updatePublicKey();
    EXPECT_TRUE(parsePublicKey(builtIn).has_value()) << builtIn.toStdString();
    qputenv("QUILLDAR_UPDATE_PUBLIC_KEY", " " + key_.publicKeyHex().toLatin1() + " ");
    EXPECT_EQ(updatePublicKey(), key_.publicKeyHex());
    qputenv("QUILLDAR_UPDATE_PUBLIC_KEY", "");
    EXPECT_EQ(updatePublicKey(), builtIn);
    if (saved.isNull()) qunsetenv("QUILLDAR_UPDATE_PUBLIC_KEY");
    else qputenv("QUILLDAR_UPDATE_PUBLIC_KEY", saved);
}

TEST_F(ReleaseSignatureTest, HoldsOnlyForTheExactBytesAndTheSigningKey) {
    const QByteArray content = QByteArray(300 * 1024, 'i') + "installer";
    const QString path = write(QStringLiteral("Setup"), content);
    const QByteArray signature = key_.sign(content);
    EXPECT_TRUE(verifyFileSignature(path, signature, keyBytes(key_)));
    EXPECT_FALSE(verifyFileSignature(path, signature, keyBytes(TestSigningKey())));
    EXPECT_FALSE(verifyFileSignature(path, key_.sign(content + "x"), keyBytes(key_)));
    EXPECT_FALSE(verifyFileSignature(path, signature.left(63), keyBytes(key_)));
    EXPECT_FALSE(verifyFileSignature(path, signature + "x", keyBytes(key_)));
    EXPECT_FALSE(verifyFileSignature(path, signature, keyBytes(key_).left(31)));
    EXPECT_FALSE(verifyFileSignature(QDir(folder_.path()).filePath(QStringLiteral("missing")), signature, keyBytes(key_)));

    QByteArray flipped = content;
    flipped[1000] = 'j';
    EXPECT_FALSE(verifyFileSignature(write(QStringLiteral("Flipped"), flipped), signature, keyBytes(key_)));
    // An empty file is a message like any other: only its own signature holds.
    const QString empty = write(QStringLiteral("Empty"), QByteArray());
    EXPECT_TRUE(verifyFileSignature(empty, key_.sign(QByteArray()), keyBytes(key_)));
    EXPECT_FALSE(verifyFileSignature(empty, signature, keyBytes(key_)));
}

// The maker's two release commands, and the program's check of what they make.
TEST_F(ReleaseSignatureTest, SignReleaseToolMakesKeysAndSignaturesTheProgramAccepts) {
    const QString keyFile = QDir(folder_.path()).filePath(QStringLiteral("maker.key"));
    QProcess generate;
    generate.start(QStringLiteral(QUILLDAR_SIGN_RELEASE_PATH), {QStringLiteral("--generate"), keyFile});
    ASSERT_TRUE(generate.waitForFinished(30000));
    ASSERT_EQ(generate.exitCode(), 0) << generate.readAllStandardError().toStdString();
    const auto publicKey = parsePublicKey(QString::fromLatin1(generate.readAllStandardOutput()));
    ASSERT_TRUE(publicKey.has_value());
    EXPECT_EQ(QFile::permissions(keyFile) & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
              QFile::Permissions());

    // An existing key is never replaced.
    const QByteArray secret = [&] { QFile f(keyFile); return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); }();
    QProcess again;
    again.start(QStringLiteral(QUILLDAR_SIGN_RELEASE_PATH), {QStringLiteral("--generate"), keyFile});
    ASSERT_TRUE(again.waitForFinished(30000));
    EXPECT_NE(again.exitCode(), 0);
    QFile kept(keyFile);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), secret);

    const QString pdf = write(QStringLiteral("FAQ_Quilldar.pdf"), "%PDF-1.4 signed");
    const QString deb = write(QStringLiteral("Setup_Quilldar.deb"), QByteArray(70000, 'd'));
    QProcess sign;
    sign.start(QStringLiteral(QUILLDAR_SIGN_RELEASE_PATH), {keyFile, pdf, deb});
    ASSERT_TRUE(sign.waitForFinished(30000));
    ASSERT_EQ(sign.exitCode(), 0) << sign.readAllStandardError().toStdString();
    for (const QString& path : {pdf, deb}) {
        QFile signature(path + ".sig");
        ASSERT_TRUE(signature.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray bytes = signature.readAll();
        EXPECT_EQ(bytes.size(), kSignatureSize);
        EXPECT_TRUE(verifyFileSignature(path, bytes, *publicKey)) << path.toStdString();
        EXPECT_FALSE(verifyFileSignature(path, bytes, keyBytes(key_)));
    }

    // A key file that holds no key signs nothing.
    const QString bogus = write(QStringLiteral("bogus.key"), key_.publicKeyHex().toLatin1());
    QFile::remove(pdf + ".sig");
    QProcess refused;
    refused.start(QStringLiteral(QUILLDAR_SIGN_RELEASE_PATH), {bogus, pdf});
    ASSERT_TRUE(refused.waitForFinished(30000));
    EXPECT_EQ(refused.exitCode(), 1);
    EXPECT_FALSE(QFile::exists(pdf + ".sig"));
}

}  // namespace
}  // namespace quilldar::update
