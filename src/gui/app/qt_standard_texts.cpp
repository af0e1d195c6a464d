#include "gui/app/qt_standard_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "settings/languages.h"

namespace quilldar::gui {

QtStandardTexts::~QtStandardTexts() {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
}

bool QtStandardTexts::apply(int languageIndex) {
    if (installed_) {
        QCoreApplication::removeTranslator(&translator_);
        installed_ = false;
    }
    if (!settings::isKnownLanguage(languageIndex) || languageIndex == settings::kEnglish) return true;
    const QString name = QStringLiteral("qtbase_") + QLatin1String(settings::languageInfo(languageIndex).code);
    if (!translator_.load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return false;
    installed_ = QCoreApplication::installTranslator(&translator_);
    return installed_;
}

}  // namespace quilldar::gui
