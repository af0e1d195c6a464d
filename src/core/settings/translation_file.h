#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace quilldar::settings {

// One message of a Qt Linguist translation file. Each translated slot of the language table is
// one message: its context is the slot's group, its source the English text and its comment (the
// disambiguation) the slot's name, so every message is unique.
struct TranslationMessage {
    QString context;
    QString source;
    QString comment;            // the slot name
    QString extraComment;       // hints for the translator, written by the generator
    QString translatorComment;  // the translator's own notes, kept as they are
    QString translation;
    bool unfinished = true;     // type="unfinished"
    bool obsolete = false;      // type="obsolete" or "vanished"
};

struct TranslationFile {
    QString language;  // e.g. "de_DE"
    QString sourceLanguage = QStringLiteral("en");
    std::vector<TranslationMessage> messages;

    const TranslationMessage* find(const QString& context, const QString& comment) const;
};

// Reads a .ts file; on failure returns nothing and says why in *error.
std::optional<TranslationFile> readTranslationFile(const QString& path, QString* error = nullptr);
std::optional<TranslationFile> parseTranslationFile(const QByteArray& xml, QString* error = nullptr);

// Writes a .ts file the way lupdate does, so Qt Linguist and lupdate leave it unchanged.
QByteArray writeTranslationFile(const TranslationFile& file);

// The file of a language rebuilt from the English table: one message per translated slot, in
// table order. A translation whose slot and English text are unchanged is kept as it is; one
// whose English text changed is kept but marked unfinished; new slots get an empty, unfinished
// translation; messages of slots that no longer exist are dropped.
TranslationFile synchronizeTranslationFile(int languageIndex,
                                           const std::optional<TranslationFile>& existing);

// The file name of a language: "quilldar_de.ts".
QString translationFileName(int languageIndex);
// The value of the TS element's language attribute: "de_DE".
QString translationLanguageTag(int languageIndex);

}  // namespace quilldar::settings
