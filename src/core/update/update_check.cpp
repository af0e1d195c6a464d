#include "update/update_check.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "state/app_state.h"
#include "settings/language_table.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "platform/file_replace.h"
#include "update/release_signature.h"
#include "update/server_url.h"
#include "update/update_files.h"
#include "update/update_view.h"
#include "update/version_file.h"

namespace quilldar::update {

using settings::MainText;

namespace {
// What every PDF file starts with; an HTML page or an error text does not.
constexpr char kPdfSignature[] = "%PDF-";
constexpr qint64 kPdfSignatureSize = sizeof kPdfSignature - 1;
// A FAQ document waits under this suffix until all three arrived and were verified, the
// installer until it was verified.
constexpr char kStagingSuffix[] = ".new";

bool startsAsPdf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(kPdfSignatureSize) == QByteArray(kPdfSignature);
}

void removeAll(const QStringList& paths) {
    for (const QString& path : paths) QFile::remove(path);
}
}  // namespace

QString defaultUninstallShortcut() {
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\Program Files\\Morvalin\\Quilldar\\Uninstall.lnk");
#else
    return {};
#endif
}

UpdateCheck::UpdateCheck(UpdateView& view, const settings::LanguageTable& texts, settings::Settings& settings,
                         settings::SettingsStore& store, app::AppState& state, UpdateSources sources)
    : view_(view), texts_(texts), settings_(settings), store_(store), state_(state), sources_(std::move(sources)) {}

QString UpdateCheck::localPath(const char* name) const { return sources_.downloadDir + QString::fromLatin1(name); }

void UpdateCheck::report(const QString& text) const {
    if (reporter_) reporter_(text);
}

DownloadResult UpdateCheck::download(const QString& name, const QString& path) {
    return view_.download(sources_.serverUrl + name, path, showMessage_);
}

DownloadResult UpdateCheck::downloadSigned(const QString& name, const QString& path) {
    const DownloadResult notVerified{DownloadResult::Status::NotVerified, {}};
    // Without a usable key nothing could be verified: nothing is fetched.
    const auto key = parsePublicKey(sources_.publicKey);
    if (!key) {
        report(QStringLiteral("%1 not fetched: the update public key is not 64 hex digits").arg(name));
        return notVerified;
    }
    const QString signatureName = name + QLatin1String(kSignatureSuffix);
    const QString signaturePath = path + QLatin1String(kSignatureSuffix);
    const DownloadResult signatureFetched = download(signatureName, signaturePath);
    if (signatureFetched.notStored()) return signatureFetched;
    // A signature that did not arrive leaves an empty one, which holds for nothing. The file is
    // fetched all the same, so that a server without the file still ends in the download error.
    QByteArray signature;
    if (signatureFetched) {
        QFile file(signaturePath);
        if (file.open(QIODevice::ReadOnly)) signature = file.read(kSignatureSize + 1);
        file.close();
        QFile::remove(signaturePath);
    }
    const DownloadResult fetched = download(name, path);
    if (!fetched) return fetched;
    if (!verifyFileSignature(path, signature, *key)) {
        report(signature.isEmpty() ? QStringLiteral("%1 discarded: no signature %2").arg(name, signatureName)
                                   : QStringLiteral("%1 discarded: its signature %2 does not hold").arg(name, signatureName));
        QFile::remove(path);
        return notVerified;
    }
    return fetched;
}

void UpdateCheck::tellNotVerified() {
    // Once per check, however many files were refused for it.
    if (notVerifiedTold_) return;
    notVerifiedTold_ = true;
    view_.showMessage(texts_.text(MainText::Error), texts_.text(MainText::UpdateNotVerified));
}

void UpdateCheck::tellProblem(MainText text, const QString& subject, const QString& reason) {
    const QString& wording = texts_.text(text);
    QString message = wording.arg(QDir::toNativeSeparators(subject));
    if (wording.contains(QLatin1String("%2"))) message = message.arg(reason);
    report(message);
    view_.showMessage(texts_.text(MainText::Error), message);
}

bool UpdateCheck::run() {
    showMessage_ = false;
    notVerifiedTold_ = false;

    if (!sources_.uninstallShortcut.isEmpty() && QFileInfo::exists(sources_.uninstallShortcut)) {
        view_.showMessage(QStringLiteral("Uninstalling old version"),
                          QStringLiteral("In the next step, the old version will be uninstalled.\r\n"
                                         "Please select 'Yes' after closing this window."));
        view_.openFile(sources_.uninstallShortcut);
    }

    // A folder that cannot be made is this computer's problem, not the network's: it is told.
    if (!QDir().mkpath(sources_.downloadDir)) {
        tellProblem(MainText::UpdateVersionFileNotStored, sources_.downloadDir, texts_.text(MainText::UpdateFolderNotCreated));
        return false;
    }
    // Without a network or server the check ends here, without a word.
    const QString versionPath = localPath(kVersionFileName);
    const DownloadResult fetched = download(QString::fromLatin1(kVersionFileName), versionPath);
    if (fetched.notStored()) tellProblem(MainText::UpdateVersionFileNotStored, sources_.downloadDir, fetched.problem);
    if (!fetched) return false;
    QFile versionFile(versionPath);
    if (!versionFile.open(QIODevice::ReadOnly)) {
        // Treated like a failed download.
        report(QStringLiteral("cannot open %1: %2").arg(versionPath, versionFile.errorString()));
        return false;
    }
    if (versionFile.size() == 0) return false;  // an empty file stays where it is
    const QByteArray bytes = versionFile.read(kVersionFileSize + 1);
    versionFile.close();
    // The file is read once and not needed afterwards, whatever follows.
    versionFile.remove();
    const auto versions = parseVersionFile(bytes);
    if (!versions) return false;

    // Any other version counts, newer or older: the server names the one to run.
    if (versions->program != QLatin1String(kProgramVersion)) {
        showMessage_ = true;
        if (offerNewVersion()) return true;
    }
    if (versions->faq != settings_.faqVersion) {
        showMessage_ = true;
        refreshFaq(versions->faq);
    }
    return false;
}

bool UpdateCheck::offerNewVersion() {
    if (!view_.askYesNo(texts_.text(MainText::Attention), texts_.text(MainText::NewVersionQuestion))) return false;
    UrlParts parts;
    const bool secure = splitUrl(sources_.serverUrl, parts) && parts.scheme == Scheme::Https;
    if (!secure) {
        // The installer gets control of the machine: it is fetched only with a verified server.
        report(QStringLiteral("installer refused: %1 is not an https address").arg(sources_.serverUrl));
    } else {
        // Staged until verified: a refused installer replaces nothing.
        const QString staged = localPath(kInstallerName) + QLatin1String(kStagingSuffix);
        const DownloadResult fetched = downloadSigned(QString::fromLatin1(kInstallerName), staged);
        if (fetched) {
            if (platform::replaceFile(staged, localPath(kInstallerName))) {
                state_.installPending = 1;
                return true;
            }
            QFile::remove(staged);
            tellProblem(MainText::UpdateInstallerNotStored, sources_.downloadDir,
                        texts_.text(MainText::UpdateDocumentNotRenamed));
            return false;
        }
        if (fetched.notVerified()) {
            tellNotVerified();
            return false;
        }
        if (fetched.notStored()) {
            tellProblem(MainText::UpdateInstallerNotStored, sources_.downloadDir, fetched.problem);
            return false;
        }
    }
    view_.showMessage(texts_.text(MainText::Error), texts_.text(MainText::DownloadError));
    return false;
}

void UpdateCheck::refreshFaq(const QString& version) {
    // On any failure the staged documents go, the current ones stay and "FAQ" keeps the old
    // version, so the next start fetches all three again.
    QStringList staged;
    for (const char* name : kFaqDocumentNames) {
        const QString stagingPath = localPath(name) + QLatin1String(kStagingSuffix);
        const DownloadResult fetched = downloadSigned(QString::fromLatin1(name), stagingPath);
        if (!fetched) {
            removeAll(staged);
            if (fetched.notVerified()) {
                tellNotVerified();
            } else if (fetched.notStored()) {
                tellProblem(MainText::UpdateFaqNotStored, sources_.downloadDir, fetched.problem);
            } else {
                view_.showMessage(texts_.text(MainText::Error), texts_.text(MainText::DownloadError));
            }
            return;
        }
        staged << stagingPath;
        if (!startsAsPdf(stagingPath)) {
            removeAll(staged);
            tellProblem(MainText::UpdateFaqNotPdf, QString::fromLatin1(name));
            return;
        }
    }
    for (qsizetype i = 0; i < staged.size(); ++i) {
        if (!platform::replaceFile(staged[i], localPath(kFaqDocumentNames[i]))) {
            removeAll(staged.mid(i));
            tellProblem(MainText::UpdateFaqNotStored, sources_.downloadDir, texts_.text(MainText::UpdateDocumentNotRenamed));
            return;
        }
    }
    settings_.faqVersion = version;
    store_.storeFaqVersion(version);
    view_.showMessage(texts_.text(MainText::Note), texts_.text(MainText::FaqUpdated));
}

}  // namespace quilldar::update
