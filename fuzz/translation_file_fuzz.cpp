// The translation file reader on arbitrary files, and what is made of a file it accepts: the file
// written back must read back the same (the translation tool rewrites files in place, so a text
// that does not survive the round trip is lost for the translator), the file rebuilt from the
// English table must hold exactly the translated slots, and a language table filled from the
// file must keep every slot, with the fixed and shared texts in English.
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "fuzz_input.h"
#include "settings/language_table.h"
#include "settings/languages.h"
#include "settings/settings.h"
#include "settings/translation_file.h"
#include "settings/translation_source.h"

using namespace quilldar;
using settings::TranslationFile;
using settings::TranslationMessage;

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

bool sameMessage(const TranslationMessage& a, const TranslationMessage& b) {
    return a.context == b.context && a.source == b.source && a.comment == b.comment &&
           a.extraComment == b.extraComment && a.translatorComment == b.translatorComment &&
           a.translation == b.translation && a.unfinished == b.unfinished && a.obsolete == b.obsolete;
}

bool sameFile(const TranslationFile& a, const TranslationFile& b) {
    if (a.language != b.language || a.sourceLanguage != b.sourceLanguage || a.messages.size() != b.messages.size())
        return false;
    for (std::size_t i = 0; i < a.messages.size(); ++i) {
        if (!sameMessage(a.messages[i], b.messages[i])) return false;
    }
    return true;
}

// The finished translations of the file, as the compiled file would give them.
class FileTranslations : public settings::TranslationSource {
public:
    explicit FileTranslations(const TranslationFile& file) : file_(file) {}
    QString translate(int, const char* context, const QString&, const QString& slotName) const override {
        const TranslationMessage* message = file_.find(QLatin1String(context), slotName);
        return message != nullptr && !message->unfinished && !message->obsolete ? message->translation : QString();
    }

private:
    const TranslationFile& file_;
};

void checkRoundTrip(const TranslationFile& file) {
    const auto again = settings::parseTranslationFile(settings::writeTranslationFile(file));
    require(again.has_value() && sameFile(file, *again));
}

void checkSynchronized(int language, const TranslationFile& existing) {
    const TranslationFile rebuilt = settings::synchronizeTranslationFile(language, existing);
    std::size_t translated = 0;
    for (const settings::TextGroup group : settings::kAllTextGroups) {
        for (const settings::SlotDefinition& slot : settings::slotDefinitions(group)) {
            if (slot.kind != settings::SlotKind::Translated) continue;
            require(translated < rebuilt.messages.size());
            const TranslationMessage& message = rebuilt.messages[translated++];
            require(message.comment == QString::fromUtf16(slot.name));
            require(message.source == QString::fromUtf16(slot.english));
            require(message.context == QLatin1String(settings::translationContext(group)));
            require(!message.obsolete);
            // A translation is finished only when it was finished for the same English text.
            const TranslationMessage* old = existing.find(message.context, message.comment);
            if (!message.unfinished)
                require(old != nullptr && !old->unfinished && old->source == message.source &&
                        !message.translation.isEmpty());
        }
    }
    require(translated == rebuilt.messages.size());
    checkRoundTrip(rebuilt);
}

void checkTable(int language, const TranslationFile& file) {
    settings::LanguageTable table(std::make_unique<FileTranslations>(file));
    settings::Settings values;
    table.fill(language, values);
    require(values.languageIndex == (settings::isKnownLanguage(language) ? language : settings::kEnglish));
    for (const settings::TextGroup group : settings::kAllTextGroups) {
        const auto definitions = settings::slotDefinitions(group);
        require(table.slotCount(group) == static_cast<int>(definitions.size()));
        if (group == settings::TextGroup::Units) continue;
        for (std::size_t i = 0; i < definitions.size(); ++i) {
            const QString& text = table.text(group, static_cast<int>(i));
            if (definitions[i].kind != settings::SlotKind::Translated)
                require(text == QString::fromUtf16(definitions[i].english));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte chooses the language the file is used for; the rest is the file.
    if (size == 0) return 0;
    const int language = static_cast<int>(data[0] % (settings::kLanguageCount + 2)) - 1;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    QString error;
    const auto file = settings::parseTranslationFile(bytes, &error);
    if (!file) {
        require(!error.isEmpty());
        return 0;
    }
    checkRoundTrip(*file);
    checkSynchronized(language, *file);
    checkTable(language, *file);
    return 0;
}
