#include "settings/code_page.h"

#include <iconv.h>

#include <QStringEncoder>
#include <cerrno>

#include "settings/languages.h"

namespace quilldar::settings {
namespace {

constexpr char kUnencodable = '?';

int knownCodePage(int codePage) {
    switch (codePage) {
        case 1250:
        case 1251:
        case 1252:
        case 1254: return codePage;
        default: return 1252;
    }
}

QByteArray codePageName(int codePage) {
    return "windows-" + QByteArray::number(knownCodePage(codePage));
}

// One character (a surrogate pair counts as one) at a time, so that an unencodable character
// gives exactly one '?' and the rest of the text is unaffected.
template <typename EncodeOne>
QByteArray encodeEachCharacter(QStringView text, EncodeOne encodeOne) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype length = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            length = 2;
        }
        const QByteArray bytes = encodeOne(text.mid(i, length));
        out += bytes.size() == 1 ? bytes : QByteArray(1, kUnencodable);
        i += length - 1;
    }
    return out;
}

}  // namespace

int windowsCodePage(int languageIndex) { return languageInfo(languageIndex).codePage; }

QByteArray encodeForLanguage(int languageIndex, QStringView text) {
    return encodeWindowsCodePage(windowsCodePage(languageIndex), text);
}

QByteArray encodeWindowsCodePage(int codePage, QStringView text) {
    const QByteArray name = codePageName(codePage);
    QStringEncoder probe(name.constData());
    if (!probe.isValid()) return encodeWindowsCodePageWithIconv(codePage, text);

    // The fast path: plain ASCII and well-formed text convert in one go.
    QStringEncoder whole(name.constData());
    const QByteArray bytes = whole.encode(text);
    if (!whole.hasError() && !bytes.contains('\x1A') && bytes.size() == text.size()) return bytes;

    return encodeEachCharacter(text, [&name](QStringView character) {
        QStringEncoder encoder(name.constData());
        QByteArray encoded = encoder.encode(character);
        if (encoder.hasError() || (encoded == "\x1A" && character != u'\x1A')) return QByteArray();
        return encoded;
    });
}

QByteArray encodeWindowsCodePageWithIconv(int codePage, QStringView text) {
    const QByteArray target = "WINDOWS-" + QByteArray::number(knownCodePage(codePage));
    iconv_t converter = iconv_open(target.constData(), "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        // Without any converter only ASCII can be written faithfully.
        return encodeEachCharacter(text, [](QStringView character) {
            return character.size() == 1 && character[0].unicode() < 0x80
                       ? QByteArray(1, static_cast<char>(character[0].unicode()))
                       : QByteArray();
        });
    }
    QByteArray out = encodeEachCharacter(text, [converter](QStringView character) {
        QByteArray in = character.toUtf8();
        char buffer[8];
        char* inPointer = in.data();
        size_t inLeft = static_cast<size_t>(in.size());
        char* outPointer = buffer;
        size_t outLeft = sizeof buffer;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);  // a fresh shift state each time
        if (iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) == static_cast<size_t>(-1)) {
            return QByteArray();
        }
        return QByteArray(buffer, static_cast<qsizetype>(outPointer - buffer));
    });
    iconv_close(converter);
    return out;
}

}  // namespace quilldar::settings
