#include "tool/update_command.h"

#include <QCoreApplication>
#include <QDir>
#include <QUrl>

#include <cstdio>

#include "app/faq_document.h"
#include "platform/user_data_folder.h"
#include "settings/language_table.h"
#include "settings/languages.h"
#include "settings/settings_store.h"
#include "state/app_state.h"
#include "tool/console_message_sink.h"
#include "update/release_signature.h"
#include "update/server_url.h"
#include "update/update_check.h"
#include "update/update_view.h"

namespace quilldar::tool {
namespace {

void printLine(const QString& text) { std::printf("%s\n", text.toUtf8().constData()); }

QString lineBreaks(const QString& text) {
    return QString(text).replace(QStringLiteral("\n\r"), QStringLiteral("\n")).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The check's questions and messages on standard output. A new version is announced and
// declined: installing is the program's business.
class ConsoleUpdateView : public update::UpdateView {
public:
    bool askYesNo(const QString& caption, const QString& text) override {
        printLine(caption + QStringLiteral(": ") + lineBreaks(text) + QStringLiteral(" No"));
        return false;
    }
    void showMessage(const QString& caption, const QString& text) override {
        printLine(caption + QStringLiteral(": ") + lineBreaks(text));
        if (caption == errorCaption) errorShown = true;
    }
    // The program says nothing when the server cannot be reached (it may be offline); the
    // command says why on standard error and fails.
    update::DownloadResult download(const QString& url, const QString& localPath, bool showMessage) override {
        QString reason;
        const update::DownloadResult result =
            update::downloadFile(url, localPath, showMessage ? update::TransferLimits{} : update::kVersionFileLimits,
                                 nullptr, [&reason](const QString& text) { reason = text; });
        if (result.status == update::DownloadResult::Status::TransferFailed) {
            std::fprintf(stderr, "Not fetched: %s%s%s\n", url.toUtf8().constData(), reason.isEmpty() ? "" : ": ",
                         reason.toUtf8().constData());
            transferFailed = true;
        }
        return result;
    }
    void openFile(const QString&) override {}

    QString errorCaption;
    bool errorShown = false;
    bool transferFailed = false;
};

// The program's own data folder is found beside the program, which needs the application object.
QCoreApplication* applicationObject() {
    static int argc = 1;
    static char name[] = "quilldar-tool";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    return app;
}

settings::Settings loadSettings(settings::SettingsStore& store) {
    settings::Settings settings = settings::SettingsStore::defaults(QDir::currentPath());
    store.setReporter([](const QString&) {});
    store.load(settings, QDir::currentPath());
    if (!settings::isKnownLanguage(settings.languageIndex)) settings.languageIndex = settings::kEnglish;
    return settings;
}

}  // namespace

int runUpdate() {
    // Before the store, which takes the install folder beside the program when it is made.
    applicationObject();
    settings::SettingsStore store;
    settings::Settings settings = loadSettings(store);
    settings::LanguageTable texts;
    texts.fill(settings.languageIndex, settings);
    app::AppState state;
    ConsoleUpdateView view;
    view.errorCaption = texts.text(settings::MainText::Error);
    update::UpdateCheck check(view, texts, settings, store, state,
                              {update::updateServerUrl(), platform::downloadFolder(settings.installDir), QString(),
                               update::updatePublicKey()});
    check.run();
    return view.errorShown || view.transferFailed ? 1 : 0;
}

int runFaq(std::optional<int> language) {
    applicationObject();
    settings::SettingsStore store;
    store.setReadOnly(true);
    settings::Settings settings = loadSettings(store);
    if (language) settings.languageIndex = *language;
    settings::LanguageTable texts;
    texts.fill(settings.languageIndex, settings);
    ConsoleMessageSink messages;
    const app::UrlOpener printer = [](const QUrl& url) {
        printLine(QDir::toNativeSeparators(url.toLocalFile()));
        return true;
    };
    return app::openFaq(settings, texts, printer, messages) ? 0 : 1;
}

}  // namespace quilldar::tool
