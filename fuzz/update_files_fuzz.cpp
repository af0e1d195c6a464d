// The update check on whatever the server sends as its version file, without a network: the
// check fetches through its view, and the view here writes the input's body as the downloaded
// file, then lets the later downloads (installer, FAQ documents) and the user's answer succeed
// or fail as the input says. Checks the parse against the file's rule, that only an https server
// and a Yes lead to an install, that a version file naming this program asks nothing, and that a
// FAQ version taken over is the one the file named and reads back the same from the settings, so
// that the next start does not fetch the documents again. Each signature the check asks for is
// the maker's own or a forged one as the input says: an install or a FAQ version taken over
// needs the maker's signature of every file it used.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <set>

#include <sodium.h>

#include "state/app_state.h"
#include "fuzz_input.h"
#include "settings/language_table.h"
#include "settings/languages.h"
#include "settings/settings_store.h"
#include "update/server_url.h"
#include "update/release_signature.h"
#include "update/update_check.h"
#include "update/update_files.h"
#include "update/update_view.h"
#include "update/version_file.h"

using namespace quilldar;

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

// The version file's rule, restated: exactly 43 bytes; four characters at offsets 2, 4, 6, 8 of
// the ten bytes after the first '>', then after the next '>' past those ten bytes.
std::optional<update::ServerVersions> expectedVersions(const QByteArray& bytes) {
    if (bytes.size() != update::kVersionFileSize) return std::nullopt;
    QString versions[2];
    qsizetype from = 0;
    for (QString& version : versions) {
        const qsizetype marker = bytes.indexOf('>', from);
        if (marker < 0 || marker + 10 > bytes.size() - 1) return std::nullopt;
        for (const int offset : {2, 4, 6, 8})
            version += QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[marker + 1 + offset])));
        from = marker + 11;
    }
    return update::ServerVersions{versions[0], versions[1]};
}

// The maker's key pair of this fuzzing run, and what every downloaded installer or document holds.
struct MakerKey {
    unsigned char publicKey[crypto_sign_PUBLICKEYBYTES];
    unsigned char secretKey[crypto_sign_SECRETKEYBYTES];
    MakerKey() {
        require(sodium_init() >= 0);
        crypto_sign_keypair(publicKey, secretKey);
    }
    QString publicKeyHex() const {
        return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(publicKey), sizeof publicKey).toHex());
    }
    QByteArray sign(const QByteArray& bytes) const {
        QByteArray signature(crypto_sign_BYTES, '\0');
        crypto_sign_detached(reinterpret_cast<unsigned char*>(signature.data()), nullptr,
                             reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size(), secretKey);
        return signature;
    }
};
const QByteArray kServedFile = QByteArrayLiteral("%PDF-1.4\n");

class FuzzedUpdateView : public update::UpdateView {
public:
    FuzzedUpdateView(FuzzedDataProvider& input, QByteArray versionFile, const MakerKey& key)
        : input_(input), versionFile_(std::move(versionFile)), key_(key) {}

    bool askYesNo(const QString&, const QString&) override {
        ++questions;
        yes = input_.ConsumeBool();
        return yes;
    }
    void showMessage(const QString&, const QString&) override {}
    update::DownloadResult download(const QString& url, const QString& localPath, bool) override {
        urls << url;
        const bool arrives = urls.size() == 1 || input_.ConsumeIntegralInRange<int>(0, 5) != 0;
        if (!arrives) return {};
        QFile file(localPath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
        if (urls.size() == 1) {
            file.write(versionFile_);
        } else if (url.endsWith(QLatin1String(update::kSignatureSuffix))) {
            // The maker's signature, one of other bytes, or a cut one.
            const int kind = input_.ConsumeIntegralInRange<int>(0, 3);
            const QByteArray genuine = key_.sign(kServedFile);
            file.write(kind == 0 ? key_.sign(kServedFile + "x") : kind == 1 ? genuine.left(63) : genuine);
            if (kind >= 2) genuinelySigned.insert(url.chopped(4));
        } else {
            file.write(kServedFile);
        }
        return {update::DownloadResult::Status::Done, {}};
    }
    void openFile(const QString&) override {}

    QStringList urls;
    std::set<QString> genuinelySigned;  // the URLs whose signature the maker made
    int questions = 0;
    bool yes = false;

private:
    FuzzedDataProvider& input_;
    QByteArray versionFile_;
    const MakerKey& key_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir root(fuzz::scratchFolderTemplate("update"));
    static settings::Settings englishValues;
    static settings::LanguageTable texts;
    static const bool filled = (texts.fill(settings::kEnglish, englishValues), true);
    static int run = 0;
    static const MakerKey maker;
    (void)filled;

    FuzzedDataProvider input(data, size);
    const bool secure = input.ConsumeBool();
    const auto length = input.ConsumeIntegralInRange<std::size_t>(0, 64);
    const QByteArray body = QByteArray::fromStdString(input.ConsumeBytesAsString(length));

    const auto parsed = update::parseVersionFile(body);
    const auto expected = expectedVersions(body);
    require(parsed.has_value() == expected.has_value());
    if (parsed) require(parsed->program == expected->program && parsed->faq == expected->faq);

    const QString folder = root.filePath(QString::number(run++));
    const QString installDir = folder + QStringLiteral("/install/");
    if (!QDir().mkpath(installDir)) std::abort();
    settings::SettingsStore store(settings::RegistryLocation::inFolder(folder + QStringLiteral("/settings")));
    store.setReporter({});
    settings::Settings values;
    store.load(values, folder);
    const QString faqBefore = values.faqVersion;
    app::AppState state;
    FuzzedUpdateView view(input, body, maker);
    const QString server = secure ? QStringLiteral("https://updates.example/software/obd/")
                                  : QStringLiteral("http://updates.example/software/obd/");
    update::UpdateCheck check(view, texts, values, store, state, {server, installDir, {}, maker.publicKeyHex()});
    const bool install = check.run();

    require(!view.urls.isEmpty());
    require(install == (state.installPending != 0));
    if (!parsed || body.isEmpty()) {
        require(!install && view.questions == 0 && view.urls.size() == 1 && values.faqVersion == faqBefore);
    } else {
        // The version file is read once and removed.
        require(!QFile::exists(installDir + QLatin1String(update::kVersionFileName)));
        const bool newProgram = parsed->program != QLatin1String(update::kProgramVersion);
        require(view.questions == (newProgram ? 1 : 0));
        if (install) {
            require(secure && view.yes && newProgram);
            require(view.genuinelySigned.count(server + QLatin1String(update::kInstallerName)) == 1);
        }
        if (values.faqVersion != faqBefore) {
            require(!install && values.faqVersion == parsed->faq);
            for (const char* name : update::kFaqDocumentNames)
                require(view.genuinelySigned.count(server + QLatin1String(name)) == 1);
            settings::SettingsStore reader(store.location());
            reader.setReporter({});
            reader.setReadOnly(true);
            settings::Settings again;
            reader.load(again, folder);
            require(again.faqVersion == parsed->faq);
        }
    }
    QDir(folder).removeRecursively();
    return 0;
}
