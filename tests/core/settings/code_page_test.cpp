#include "settings/code_page.h"

#include <gtest/gtest.h>

#include "settings/languages.h"

namespace quilldar::settings {
namespace {

struct Sample {
    int language;
    const char16_t* text;
    const char* bytes;  // hexadecimal
};

// Texts as the CSV header and the report write them, with their expected bytes.
const Sample kSamples[] = {
    {kCzech, u"Ot\u00E1\u010Dky motoru \u010Derpadla \u0159\u00EDzen\u00ED",
     "4f74e1e86b79206d6f746f727520e865727061646c6120f8ed7a656eed"},
    {kRussian, u"\u041E\u0431\u043E\u0440\u043E\u0442\u044B \u0434\u0432\u0438\u0433\u0430\u0442\u0435\u043B\u044F \u00B0C",
     "cee1eef0eef2fb20e4e2e8e3e0f2e5ebff20b043"},
    {kTurkish, u"Motor devri \u011F\u0131\u015F\u0130\u00E7\u00F6\u00FC \u011E\u015E",
     "4d6f746f7220646576726920f0fdfedde7f6fc20d0de"},
    {kGerman, u"K\u00FChlmittel-/\u00D6ltemperatur \u00B0F \u00DF",
     "4bfc686c6d697474656c2d2fd66c74656d7065726174757220b04620df"},
};

QByteArray hex(const char* digits) { return QByteArray::fromHex(digits); }

TEST(CodePageTest, TextsComeOutByteExactInTheirLanguagesCodePage) {
    for (const Sample& sample : kSamples) {
        const QString text = QString::fromUtf16(sample.text);
        EXPECT_EQ(encodeForLanguage(sample.language, text).toHex(), hex(sample.bytes).toHex())
            << languageInfo(sample.language).code;
    }
}

TEST(CodePageTest, IconvPathGivesTheSameBytes) {
    for (const Sample& sample : kSamples) {
        const QString text = QString::fromUtf16(sample.text);
        EXPECT_EQ(encodeWindowsCodePageWithIconv(windowsCodePage(sample.language), text),
                  encodeForLanguage(sample.language, text))
            << languageInfo(sample.language).code;
    }
}

TEST(CodePageTest, UnencodableCharactersBecomeOneQuestionMarkEach) {
    // A Cyrillic letter in Czech, a Chinese one, and an emoji (two UTF-16 units).
    const QString text = QStringLiteral("a\u0416b\u4E2Dc") + QString::fromUcs4(U"\U0001F600") + "d";
    EXPECT_EQ(encodeForLanguage(kCzech, text), QByteArray("a?b?c?d"));
    EXPECT_EQ(encodeWindowsCodePageWithIconv(1250, text), QByteArray("a?b?c?d"));
}

TEST(CodePageTest, LanguagesMapToTheirCodePages) {
    EXPECT_EQ(windowsCodePage(kCzech), 1250);
    EXPECT_EQ(windowsCodePage(kHungarian), 1250);
    EXPECT_EQ(windowsCodePage(kPolish), 1250);
    EXPECT_EQ(windowsCodePage(kRussian), 1251);
    EXPECT_EQ(windowsCodePage(kTurkish), 1254);
    EXPECT_EQ(windowsCodePage(kEnglish), 1252);
    EXPECT_EQ(windowsCodePage(12), 1252);
    EXPECT_EQ(encodeForLanguage(kEnglish, u"\u00B0C"), QByteArray("\xB0" "C"));
}

}  // namespace
}  // namespace quilldar::settings
