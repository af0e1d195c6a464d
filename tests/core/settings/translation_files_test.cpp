// Checks the translation files under data/lang against the English language table.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <set>

#include "settings/language_table.h"
#include "settings/languages.h"
#include "settings/translation_file.h"

namespace quilldar::settings {
namespace {

// Languages whose translation is finished: no slot of theirs may be unfinished or missing. A
// translator who completes a language adds its code here.
const QStringList kCompleteLanguages = {"cs", "de", "es", "fr", "hu", "it", "pl", "ru", "tr"};

QString languageFolder() { return QStringLiteral(QUILLDAR_LANG_DIR); }

struct Slot {
    TextGroup group;
    int index;
    const SlotDefinition* definition;
};

std::vector<Slot> translatedSlots() {
    std::vector<Slot> allSlots;
    for (TextGroup group : kAllTextGroups) {
        const auto definitions = slotDefinitions(group);
        for (std::size_t i = 0; i < definitions.size(); ++i) {
            if (definitions[i].kind == SlotKind::Translated) {
                allSlots.push_back({group, static_cast<int>(i), &definitions[i]});
            }
        }
    }
    return allSlots;
}

std::vector<int> translatedLanguages() {
    std::vector<int> languages;
    for (int language = 0; language < kLanguageCount; ++language) {
        if (language != kEnglish) languages.push_back(language);
    }
    return languages;
}

TranslationFile load(int language) {
    const QString path = QDir(languageFolder()).filePath(translationFileName(language));
    QString error;
    const auto file = readTranslationFile(path, &error);
    if (!file) ADD_FAILURE() << path.toStdString() << ": " << error.toStdString();
    return file.value_or(TranslationFile{});
}

std::string describe(int language, const TranslationMessage& message) {
    return (QLatin1String(languageInfo(language).code) + u' ' + message.context + u'/' +
            message.comment)
        .toStdString();
}

TEST(TranslationFilesTest, EveryFileHoldsExactlyTheTranslatedSlotsWithTheirEnglishText) {
    const std::vector<Slot> allSlots = translatedSlots();
    for (int language : translatedLanguages()) {
        const TranslationFile file = load(language);
        EXPECT_EQ(file.language, translationLanguageTag(language));
        std::set<std::pair<QString, QString>> seen;
        for (const TranslationMessage& message : file.messages) {
            EXPECT_TRUE(seen.insert({message.context, message.comment}).second)
                << "twice: " << describe(language, message);
        }
        for (const Slot& slot : allSlots) {
            const QString context = QLatin1String(translationContext(slot.group));
            const QString name = QString::fromUtf16(slot.definition->name);
            const TranslationMessage* message = file.find(context, name);
            ASSERT_NE(message, nullptr)
                << languageInfo(language).code << " lacks " << context.toStdString() << "/"
                << name.toStdString() << ": run the lang_sync target";
            EXPECT_EQ(message->source, QString::fromUtf16(slot.definition->english))
                << "out of date: " << describe(language, *message);
        }
        EXPECT_EQ(file.messages.size(), allSlots.size()) << languageInfo(language).code;
    }
}

TEST(TranslationFilesTest, CompleteLanguagesHaveNoUnfinishedOrMissingTranslation) {
    for (int language : translatedLanguages()) {
        if (!kCompleteLanguages.contains(QLatin1String(languageInfo(language).code))) continue;
        for (const TranslationMessage& message : load(language).messages) {
            EXPECT_FALSE(message.unfinished) << "unfinished: " << describe(language, message);
            EXPECT_FALSE(message.obsolete) << "obsolete: " << describe(language, message);
            EXPECT_FALSE(message.translation.trimmed().isEmpty())
                << "missing: " << describe(language, message);
        }
    }
}

TEST(TranslationFilesTest, TranslationsKeepLineBreaksPlaceholdersAndColumnSeparators) {
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    for (int language : translatedLanguages()) {
        for (const TranslationMessage& message : load(language).messages) {
            if (message.translation.isEmpty()) continue;
            const QString& english = message.source;
            const QString& translated = message.translation;
            EXPECT_EQ(translated.count(QStringLiteral("\n\r")), english.count(QStringLiteral("\n\r")))
                << "line breaks: " << describe(language, message);
            EXPECT_EQ(translated.count(u'\r'), english.count(u'\r'))
                << "carriage returns: " << describe(language, message);
            QStringList wanted;
            for (const auto& match : placeholder.globalMatch(english)) wanted << match.captured();
            for (const QString& marker : wanted) {
                EXPECT_TRUE(translated.contains(marker))
                    << marker.toStdString() << " lost: " << describe(language, message);
            }
            if (english.count(u';') >= 2) {
                EXPECT_EQ(translated.count(u';'), english.count(u';'))
                    << "column separators: " << describe(language, message);
                EXPECT_TRUE(translated.endsWith(u';')) << describe(language, message);
            }
        }
    }
}

TEST(TranslationFilesTest, BuiltInTranslationsOfCompleteLanguagesMatchTheirFiles) {
    for (int language : translatedLanguages()) {
        if (!kCompleteLanguages.contains(QLatin1String(languageInfo(language).code))) continue;
        const TranslationFile file = load(language);
        LanguageTable table;
        Settings settings;
        table.fill(language, settings);
        for (const Slot& slot : translatedSlots()) {
            const TranslationMessage* message =
                file.find(QLatin1String(translationContext(slot.group)),
                          QString::fromUtf16(slot.definition->name));
            ASSERT_NE(message, nullptr);
            EXPECT_EQ(table.text(slot.group, slot.index), message->translation)
                << describe(language, *message);
        }
    }
}

TEST(TranslationFilesTest, SynchronizingKeepsTranslationsAndFlagsChangedEnglish) {
    TranslationFile old;
    old.language = translationLanguageTag(kGerman);
    TranslationMessage kept{"MainWindow", "Connect", "Connect", {}, "short!", "Verbinden", false};
    TranslationMessage changed{"MainWindow", "Disconnect now", "Disconnect", {}, {}, "Trennen",
                               false};
    TranslationMessage gone{"MainWindow", "Gone", "NoSuchSlot", {}, {}, "Weg", false};
    old.messages = {kept, changed, gone};

    const TranslationFile synced = synchronizeTranslationFile(kGerman, old);
    const TranslationMessage* connect = synced.find("MainWindow", "Connect");
    ASSERT_NE(connect, nullptr);
    EXPECT_EQ(connect->translation, "Verbinden");
    EXPECT_FALSE(connect->unfinished);
    EXPECT_EQ(connect->translatorComment, "short!");
    const TranslationMessage* disconnect = synced.find("MainWindow", "Disconnect");
    ASSERT_NE(disconnect, nullptr);
    EXPECT_EQ(disconnect->source, "Disconnect");
    EXPECT_EQ(disconnect->translation, "Trennen");
    EXPECT_TRUE(disconnect->unfinished) << "the English text changed: to be checked again";
    EXPECT_EQ(synced.find("MainWindow", "NoSuchSlot"), nullptr);
    const TranslationMessage* fresh = synced.find("MainWindow", "Exit");
    ASSERT_NE(fresh, nullptr);
    EXPECT_TRUE(fresh->unfinished);
    EXPECT_TRUE(fresh->translation.isEmpty());
}

TEST(TranslationFilesTest, WrittenFilesReadBackWithControlCharactersAndMarkup) {
    TranslationFile file;
    file.language = "de_DE";
    file.messages.push_back({"MainWindow", "A \"b\" & <c>\n\r''d''", "Slot", "hint", {},
                             "\u00C4 \"b\" & <c>\n\r''d''", false});
    const QByteArray written = writeTranslationFile(file);
    EXPECT_TRUE(written.contains("<byte value=\"xd\"/>"));
    QString error;
    const auto read = parseTranslationFile(written, &error);
    ASSERT_TRUE(read.has_value()) << error.toStdString();
    ASSERT_EQ(read->messages.size(), 1u);
    EXPECT_EQ(read->messages[0].source, file.messages[0].source);
    EXPECT_EQ(read->messages[0].translation, file.messages[0].translation);
    EXPECT_EQ(read->messages[0].extraComment, "hint");
    EXPECT_FALSE(read->messages[0].unfinished);
}

TEST(TranslationFilesTest, LanguageAttributesWithMarkupOrLineBreaksReadBackTheSame) {
    for (const QByteArray& language : {QByteArray("a&quot;b&lt;c&amp;"), QByteArray("a&#10;b&#9;c&#13;")}) {
        QString error;
        const auto file = parseTranslationFile("<TS language=\"" + language + "\" sourcelanguage='x\"y'></TS>", &error);
        ASSERT_TRUE(file.has_value()) << error.toStdString();
        const auto again = parseTranslationFile(writeTranslationFile(*file), &error);
        ASSERT_TRUE(again.has_value()) << error.toStdString();
        EXPECT_EQ(again->language, file->language);
        EXPECT_EQ(again->sourceLanguage, QStringLiteral("x\"y"));
    }
}

TEST(TranslationFilesTest, NonCharactersReadBackAndSurrogateHalvesAreDropped) {
    const auto file = parseTranslationFile(
        "<TS><context><name>MainWindow</name><message><source>a<byte value=\"xfffe\"/>b<byte value=\"xd800\"/>c"
        "<byte value=\"xffff\"/></source><translation/></message></context></TS>");
    ASSERT_TRUE(file.has_value());
    ASSERT_EQ(file->messages.size(), 1u);
    EXPECT_EQ(file->messages[0].source, QString::fromUtf16(u"a\uFFFEbc\uFFFF"));
    QString error;
    const auto again = parseTranslationFile(writeTranslationFile(*file), &error);
    ASSERT_TRUE(again.has_value()) << error.toStdString();
    EXPECT_EQ(again->messages[0].source, file->messages[0].source);
}

TEST(TranslationFilesTest, DamagedFileIsRefusedWithAReason) {
    QString error;
    EXPECT_FALSE(parseTranslationFile("<TS><context><name>x</name><message>", &error).has_value());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(parseTranslationFile("\x01\x02garbage", &error).has_value());
}

}  // namespace
}  // namespace quilldar::settings
