#include "app/faq_document.h"

#include <QDir>
#include <QFileInfo>

#include "platform/user_data_folder.h"
#include "state/message_sink.h"
#include "settings/language_table.h"
#include "settings/languages.h"
#include "settings/settings.h"

namespace quilldar::app {

QString faqDocumentName(int languageIndex) {
    switch (languageIndex) {
        case settings::kGerman:
            return QStringLiteral("FAQ_Quilldar_de.pdf");
        case settings::kRussian:
            return QStringLiteral("FAQ_Quilldar_ru.pdf");
        default:
            return QStringLiteral("FAQ_Quilldar.pdf");
    }
}

QString faqDocumentPath(const QString& installDir, int languageIndex) {
    return platform::findDataFile(installDir, faqDocumentName(languageIndex));
}

bool openFaq(const settings::Settings& settings, const settings::LanguageTable& table,
             const UrlOpener& opener, MessageSink& messages) {
    const QString path = faqDocumentPath(settings.installDir, settings.languageIndex);
    const QString shownPath = QDir::toNativeSeparators(path);
    // Without this check a missing document would look like nothing happening: the desktop's
    // opener reports a started viewer even when the viewer then finds no file.
    if (!QFileInfo(path).isFile()) {
        messages.showMessage(
            shownPath + QLatin1Char('\n') + table.text(settings::FileBrowserText::FileNotFound),
            table.text(settings::MainText::Faq));
        return false;
    }
    if (opener && opener(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()))) return true;
    messages.showMessage(
        table.text(settings::MainText::FaqNoViewer).arg(shownPath),
        table.text(settings::MainText::Error));
    return false;
}

}  // namespace quilldar::app
