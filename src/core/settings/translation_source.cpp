#include "settings/translation_source.h"

#include <QTranslator>

#include "settings/languages.h"

namespace quilldar::settings {

CompiledTranslations::CompiledTranslations() = default;

CompiledTranslations::~CompiledTranslations() = default;

QString CompiledTranslations::resourcePath(int languageIndex) {
    return QStringLiteral(":/i18n/quilldar_%1.qm")
        .arg(QLatin1String(languageInfo(languageIndex).code));
}

const QTranslator* CompiledTranslations::translator(int languageIndex) const {
    if (!isKnownLanguage(languageIndex)) return nullptr;
    if (!tried_[languageIndex]) {
        tried_[languageIndex] = true;
        auto loaded = std::make_unique<QTranslator>();
        if (loaded->load(resourcePath(languageIndex))) translators_[languageIndex] = std::move(loaded);
    }
    return translators_[languageIndex].get();
}

QString CompiledTranslations::translate(int languageIndex, const char* context,
                                        const QString& english, const QString& slotName) const {
    const QTranslator* source = translator(languageIndex);
    if (source == nullptr) return QString();
    return source->translate(context, english.toUtf8().constData(), slotName.toUtf8().constData());
}

}  // namespace quilldar::settings
