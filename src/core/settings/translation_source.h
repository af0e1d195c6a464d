#pragma once

#include <QString>
#include <array>
#include <memory>

class QTranslator;

namespace quilldar::settings {

// Where the language table finds a language's wording of a slot.
class TranslationSource {
public:
    virtual ~TranslationSource() = default;
    // The translation of a slot's English text, or an empty string when the language has none
    // (the English text then stands).
    virtual QString translate(int languageIndex, const char* context, const QString& english,
                              const QString& slotName) const = 0;
};

// The compiled translation files built into the program (":/i18n/quilldar_<code>.qm"), each
// loaded the first time its language is filled. A language without a file has no translations.
class CompiledTranslations : public TranslationSource {
public:
    CompiledTranslations();
    ~CompiledTranslations() override;
    QString translate(int languageIndex, const char* context, const QString& english,
                      const QString& slotName) const override;

    // The resource path of a language's compiled file.
    static QString resourcePath(int languageIndex);

private:
    const QTranslator* translator(int languageIndex) const;

    mutable std::array<std::unique_ptr<QTranslator>, 10> translators_;
    mutable std::array<bool, 10> tried_{};
};

}  // namespace quilldar::settings
