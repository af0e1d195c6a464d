#include "update/update_check.h"

#include <QFile>
#include <QFileInfo>

#include "state/app_state.h"
#include "settings/language_table.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "update/server_url.h"
#include "update/update_files.h"
#include "update/update_view.h"
#include "update/version_file.h"

namespace quilldar::update {

using settings::MainText;

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

QString UpdateCheck::localPath(const char* name) const { return sources_.installDir + QString::fromLatin1(name); }

void UpdateCheck::report(const QString& text) const {
    if (reporter_) reporter_(text);
}

bool UpdateCheck::download(const QString& name, const QString& path) {
    return view_.download(sources_.serverUrl + name, path, showMessage_);
}

bool UpdateCheck::run() {
    showMessage_ = false;

    if (!sources_.uninstallShortcut.isEmpty() && QFileInfo::exists(sources_.uninstallShortcut)) {
        view_.showMessage(QStringLiteral("Uninstalling old version"),
                          QStringLiteral("In the next step, the old version will be uninstalled.\r\n"
                                         "Please select 'Yes' after closing this window."));
        view_.openFile(sources_.uninstallShortcut);
    }

    // Without a network or server the check ends here, without a word.
    const QString versionPath = localPath(kVersionFileName);
    if (!download(QString::fromLatin1(kVersionFileName), versionPath)) return false;
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
    } else if (download(QString::fromLatin1(kInstallerName), localPath(kInstallerName))) {
        state_.installPending = 1;
        return true;
    }
    view_.showMessage(texts_.text(MainText::Error), texts_.text(MainText::DownloadError));
    return false;
}

void UpdateCheck::refreshFaq(const QString& version) {
    for (const char* name : kFaqDocumentNames) {
        if (!download(QString::fromLatin1(name), localPath(name))) {
            // "FAQ" keeps the old version, so the next start fetches all three again.
            view_.showMessage(texts_.text(MainText::Error), texts_.text(MainText::DownloadError));
            return;
        }
    }
    settings_.faqVersion = version;
    store_.storeFaqVersion(version);
    view_.showMessage(texts_.text(MainText::Note), texts_.text(MainText::FaqUpdated));
}

}  // namespace quilldar::update
