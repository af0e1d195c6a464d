#include "gui/update/run_update_check.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "context/app_context.h"
#include "gui/update/dlg_downl.h"
#include "platform/user_data_folder.h"
#include "update/release_signature.h"
#include "update/server_url.h"
#include "update/update_check.h"
#include "update/update_view.h"

namespace quilldar::gui {

namespace {
// The windows of the update check, over the prompts and the download window.
class UpdateWindows : public update::UpdateView {
public:
    UpdateWindows(QWidget* parent, const settings::LanguageTable& texts, const UpdatePrompts& prompts)
        : parent_(parent), texts_(texts), prompts_(prompts) {}

    bool askYesNo(const QString& caption, const QString& text) override { return prompts_.ask(parent_, caption, text); }
    void showMessage(const QString& caption, const QString& text) override { prompts_.tell(parent_, caption, text); }
    update::DownloadResult download(const QString& url, const QString& localPath, bool showMessage) override {
        CDlgDownl window(texts_, parent_);
        window.setSource(url, localPath);
        window.setShowMessage(showMessage);
        // Only the version file is fetched unseen, before the user asked for anything: it gets
        // a few seconds; the documents and the installer may take as long as data keeps coming.
        window.setLimits(showMessage ? update::TransferLimits{} : update::kVersionFileLimits);
        return window.run();
    }
    void openFile(const QString& path) override { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

private:
    QWidget* parent_;
    const settings::LanguageTable& texts_;
    const UpdatePrompts& prompts_;
};

QString lineBreaks(const QString& text) { return QString(text).replace(QStringLiteral("\n\r"), QStringLiteral("\n")); }
}  // namespace

UpdatePrompts messageBoxPrompts() {
    return {
        [](QWidget* parent, const QString& caption, const QString& text) {
            return QMessageBox::question(parent, caption, lineBreaks(text), QMessageBox::Yes | QMessageBox::No) ==
                   QMessageBox::Yes;
        },
        [](QWidget* parent, const QString& caption, const QString& text) {
            QMessageBox::information(parent, caption, lineBreaks(text), QMessageBox::Ok);
        },
    };
}

bool runUpdateCheck(QWidget* parent, app::AppContext& context, const UpdatePrompts& prompts) {
    UpdateWindows windows(parent, context.languageTable(), prompts);
    update::UpdateCheck check(windows, context.languageTable(), context.settings(), context.settingsStore(),
                              context.state(),
                              {update::updateServerUrl(), platform::downloadFolder(context.settings().installDir),
                               update::defaultUninstallShortcut(), update::updatePublicKey()});
    return check.run();
}

}  // namespace quilldar::gui
