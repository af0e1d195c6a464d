#pragma once

#include <QString>
#include <functional>

#include "update/file_download.h"

namespace quilldar::app {
struct AppState;
}
namespace quilldar::settings {
class LanguageTable;
enum class MainText;
class SettingsStore;
struct Settings;
}  // namespace quilldar::settings

namespace quilldar::update {

class UpdateView;

// Where the update check looks.
struct UpdateSources {
    QString serverUrl;   // the server's folder, ending with '/'
    // Where the files go, ending with a separator: the user's own data folder where the system
    // has one, else the install folder. Created when missing.
    QString downloadDir;
    // The uninstall shortcut of an older installation, opened before the check when it exists;
    // empty where there is none (Linux).
    QString uninstallShortcut;
    // The Ed25519 public key the installer and the FAQ documents must be signed with, as 64 hex
    // digits (updatePublicKey()). Any other text verifies nothing: every signed file is refused.
    QString publicKey;
};

// The uninstall shortcut of the platform: the fixed path of older Windows installations.
QString defaultUninstallShortcut();

// The check that runs once per run: fetches the version file unseen, offers a new program
// version and downloads its installer when the user agrees, and refreshes the three FAQ
// documents when their version differs from the stored one.
//
// A download that arrives but cannot be stored is never passed over: the user is told what
// failed and what stays as it was. The FAQ documents are fetched beside the current ones under
// a staging name and replace them only when all three arrived and each starts as a PDF; a
// server's error or portal page leaves the current documents and the stored FAQ version alone.
//
// The installer is fetched only from an https server, because the program hands it control at
// exit; from any other address a Yes ends in the download error message. Nothing downloaded is
// started here.
//
// The installer and each FAQ document are used only when the maker signed them: their detached
// signature (the name plus ".sig") is fetched first, then the file under a staging name, and the
// file takes its place only when the signature of its exact bytes holds for the public key. A
// file without a signature, with a wrong one or with one of other bytes is deleted: no installer
// is handed over, no FAQ document replaced, the FAQ version not stored, and the user is told
// once. The version file is not signed: it can only lead to an offer of signed files.
class UpdateCheck {
public:
    UpdateCheck(UpdateView& view, const settings::LanguageTable& texts, settings::Settings& settings,
                settings::SettingsStore& store, app::AppState& state, UpdateSources sources);

    void setReporter(std::function<void(const QString&)> reporter) { reporter_ = std::move(reporter); }

    // Runs the check. True when the installer arrived and the user chose to install: then
    // installPending is set and the program should shut down, which hands over to the installer.
    // Without a network or server the check ends silently.
    bool run();

private:
    bool offerNewVersion();
    void refreshFaq(const QString& version);
    DownloadResult download(const QString& name, const QString& localPath);
    // Fetches name's signature, then name into localPath, and checks the one against the other:
    // NotVerified (the file deleted) when the signature is missing or does not hold.
    DownloadResult downloadSigned(const QString& name, const QString& localPath);
    void tellNotVerified();
    QString localPath(const char* name) const;
    // Shows one of the update check's own problems: %1 the subject, %2 (where the text has it) the reason.
    void tellProblem(settings::MainText text, const QString& subject, const QString& reason = {});
    void report(const QString& text) const;

    UpdateView& view_;
    const settings::LanguageTable& texts_;
    settings::Settings& settings_;
    settings::SettingsStore& store_;
    app::AppState& state_;
    UpdateSources sources_;
    bool showMessage_ = false;
    bool notVerifiedTold_ = false;
    std::function<void(const QString&)> reporter_;
};

}  // namespace quilldar::update
