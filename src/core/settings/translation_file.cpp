#include "settings/translation_file.h"

#include <QFile>
#include <QXmlStreamReader>

#include "settings/language_table.h"
#include "settings/languages.h"

namespace quilldar::settings {
namespace {

// Reads the text of the current element up to its end, turning lupdate's <byte value="xd"/>
// elements back into the control characters they stand for.
QString readText(QXmlStreamReader& xml) {
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement() && xml.name() == u"byte") {
            QStringView value = xml.attributes().value(QLatin1String("value"));
            bool isNumber = false;
            const uint code = value.startsWith(u'x') ? value.mid(1).toUInt(&isNumber, 16)
                                                     : value.toUInt(&isNumber, 10);
            // Only characters a text can hold: no surrogate halves, nothing beyond U+10FFFF.
            if (isNumber && code < 0x110000 && (code < 0xD800 || code > 0xDFFF)) {
                const char32_t character = code;
                text += QString::fromUcs4(&character, 1);
            }
            xml.skipCurrentElement();
        } else if (xml.isStartElement()) {
            xml.skipCurrentElement();
        } else if (xml.isEndElement()) {
            break;
        }
    }
    return text;
}

QString protect(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
            case u'&': out += QStringLiteral("&amp;"); break;
            case u'<': out += QStringLiteral("&lt;"); break;
            case u'>': out += QStringLiteral("&gt;"); break;
            case u'"': out += QStringLiteral("&quot;"); break;
            case u'\'': out += QStringLiteral("&apos;"); break;
            default:
                // Characters an XML file cannot hold as they are (control characters, and the
                // two non-characters U+FFFE and U+FFFF) become lupdate's <byte> elements.
                if ((c.unicode() < 0x20 && c != u'\n') || c.unicode() >= 0xFFFE) {
                    out += QStringLiteral("<byte value=\"x%1\"/>").arg(c.unicode(), 0, 16);
                } else {
                    out += c;
                }
        }
    }
    return out;
}

// An attribute value: besides the markup characters, the line breaks and tabs are written as
// character references, which keep them where a reader would turn them into blanks.
QString protectAttribute(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r') {
            out += QStringLiteral("&#x%1;").arg(c.unicode(), 0, 16);
        } else {
            out += protect(QString(c));
        }
    }
    return out;
}

QString hintsFor(const SlotDefinition& slot) {
    const QString english = QString::fromUtf16(slot.english);
    QStringList hints;
    if (slot.dtcNumber >= 0) {
        hints << (slot.dtcNumber == 0
                      ? QStringLiteral("Description of a trouble code that has no text of its own.")
                      : QStringLiteral("Description of trouble code P%1.")
                            .arg(slot.dtcNumber, 4, 10, QLatin1Char('0')));
    }
    if (english.contains(u"\n\r")) {
        hints << QStringLiteral("Keep every line break where the sentence allows it.");
    }
    if (english.count(u';') >= 2) {
        hints << QStringLiteral("Column names separated by ';': keep every ';', the last one too.");
    }
    if (english.contains(u"%1")) hints << QStringLiteral("Keep %1 and %2: they become numbers.");
    if (english.contains(u"''")) hints << QStringLiteral("'' (two apostrophes) is a quote mark.");
    if (english.startsWith(u' ')) hints << QStringLiteral("Keep the blank at the start.");
    if (english.endsWith(u' ')) hints << QStringLiteral("Keep the blank at the end.");
    return hints.join(u' ');
}

}  // namespace

const TranslationMessage* TranslationFile::find(const QString& context,
                                                const QString& comment) const {
    for (const TranslationMessage& message : messages) {
        if (message.context == context && message.comment == comment) return &message;
    }
    return nullptr;
}

std::optional<TranslationFile> readTranslationFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error != nullptr) *error = file.errorString();
        return std::nullopt;
    }
    return parseTranslationFile(file.readAll(), error);
}

std::optional<TranslationFile> parseTranslationFile(const QByteArray& data, QString* error) {
    QXmlStreamReader xml(data);
    TranslationFile file;
    QString context;
    bool sawTs = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"TS") {
            sawTs = true;
            file.language = xml.attributes().value(QLatin1String("language")).toString();
            file.sourceLanguage = xml.attributes().value(QLatin1String("sourcelanguage")).toString();
        } else if (xml.name() == u"name") {
            context = readText(xml);
        } else if (xml.name() == u"message") {
            TranslationMessage message;
            message.context = context;
            while (xml.readNextStartElement()) {
                if (xml.name() == u"source") {
                    message.source = readText(xml);
                } else if (xml.name() == u"comment") {
                    message.comment = readText(xml);
                } else if (xml.name() == u"extracomment") {
                    message.extraComment = readText(xml);
                } else if (xml.name() == u"translatorcomment") {
                    message.translatorComment = readText(xml);
                } else if (xml.name() == u"translation") {
                    const QStringView type = xml.attributes().value(QLatin1String("type"));
                    message.unfinished = type == u"unfinished";
                    message.obsolete = type == u"obsolete" || type == u"vanished";
                    message.translation = readText(xml);
                } else {
                    xml.skipCurrentElement();
                }
            }
            file.messages.push_back(std::move(message));
        }
    }
    if (xml.hasError() || !sawTs) {
        if (error != nullptr) {
            *error = xml.hasError() ? QStringLiteral("line %1: %2")
                                          .arg(xml.lineNumber())
                                          .arg(xml.errorString())
                                    : QStringLiteral("not a translation file");
        }
        return std::nullopt;
    }
    return file;
}

QByteArray writeTranslationFile(const TranslationFile& file) {
    QString out;
    out += QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n");
    out += QStringLiteral("<TS version=\"2.1\" language=\"%1\" sourcelanguage=\"%2\">\n")
               .arg(protectAttribute(file.language), protectAttribute(file.sourceLanguage));
    QString context;
    bool open = false;
    for (const TranslationMessage& message : file.messages) {
        if (!open || message.context != context) {
            if (open) out += QStringLiteral("</context>\n");
            context = message.context;
            open = true;
            out += QStringLiteral("<context>\n    <name>%1</name>\n").arg(protect(context));
        }
        out += QStringLiteral("    <message>\n");
        out += QStringLiteral("        <source>%1</source>\n").arg(protect(message.source));
        if (!message.comment.isEmpty()) {
            out += QStringLiteral("        <comment>%1</comment>\n").arg(protect(message.comment));
        }
        if (!message.extraComment.isEmpty()) {
            out += QStringLiteral("        <extracomment>%1</extracomment>\n")
                       .arg(protect(message.extraComment));
        }
        if (!message.translatorComment.isEmpty()) {
            out += QStringLiteral("        <translatorcomment>%1</translatorcomment>\n")
                       .arg(protect(message.translatorComment));
        }
        const QString type = message.obsolete     ? QStringLiteral(" type=\"vanished\"")
                             : message.unfinished ? QStringLiteral(" type=\"unfinished\"")
                                                  : QString();
        out += QStringLiteral("        <translation%1>%2</translation>\n")
                   .arg(type, protect(message.translation));
        out += QStringLiteral("    </message>\n");
    }
    if (open) out += QStringLiteral("</context>\n");
    out += QStringLiteral("</TS>\n");
    return out.toUtf8();
}

TranslationFile synchronizeTranslationFile(int languageIndex,
                                           const std::optional<TranslationFile>& existing) {
    TranslationFile file;
    file.language = translationLanguageTag(languageIndex);
    for (const TextGroup group : kAllTextGroups) {
        const QString context = QLatin1String(translationContext(group));
        for (const SlotDefinition& slot : slotDefinitions(group)) {
            if (slot.kind != SlotKind::Translated) continue;
            TranslationMessage message;
            message.context = context;
            message.source = QString::fromUtf16(slot.english);
            message.comment = QString::fromUtf16(slot.name);
            message.extraComment = hintsFor(slot);
            const TranslationMessage* old =
                existing ? existing->find(message.context, message.comment) : nullptr;
            if (old != nullptr && !old->obsolete) {
                message.translation = old->translation;
                message.translatorComment = old->translatorComment;
                message.unfinished = old->unfinished || old->source != message.source ||
                                     old->translation.isEmpty();
            }
            file.messages.push_back(std::move(message));
        }
    }
    return file;
}

QString translationFileName(int languageIndex) {
    return QStringLiteral("quilldar_%1.ts").arg(QLatin1String(languageInfo(languageIndex).code));
}

QString translationLanguageTag(int languageIndex) {
    static constexpr const char* kTags[kLanguageCount] = {"cs_CZ", "en_GB", "fr_FR", "de_DE",
                                                          "hu_HU", "it_IT", "pl_PL", "ru_RU",
                                                          "es_ES", "tr_TR"};
    return QLatin1String(kTags[isKnownLanguage(languageIndex) ? languageIndex : kEnglish]);
}

}  // namespace quilldar::settings
