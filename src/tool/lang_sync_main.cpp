// quilldar-lang-sync: brings the translation files in line with the English language table.
//
//   quilldar-lang-sync [--check] DIR
//
// Rewrites DIR/quilldar_<code>.ts for the nine translated languages: one message per translated
// slot, in table order, keeping every translation whose English text is unchanged. Translators
// then fill the <translation> elements (in Qt Linguist or any editor). With --check nothing is
// written and the exit status is 1 when a file is out of date.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstring>

#include "settings/languages.h"
#include "settings/translation_file.h"

using namespace quilldar::settings;

int main(int argc, char** argv) {
    bool check = false;
    QString folder;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--check") == 0) {
            check = true;
        } else if (folder.isEmpty() && argv[i][0] != '-') {
            folder = QString::fromLocal8Bit(argv[i]);
        } else {
            std::fprintf(stderr, "usage: quilldar-lang-sync [--check] DIR\n");
            return 2;
        }
    }
    if (folder.isEmpty()) {
        std::fprintf(stderr, "usage: quilldar-lang-sync [--check] DIR\n");
        return 2;
    }

    int outOfDate = 0;
    for (int language = 0; language < kLanguageCount; ++language) {
        if (language == kEnglish) continue;  // English is the source language
        const QString path = QDir(folder).filePath(translationFileName(language));
        std::optional<TranslationFile> existing;
        if (QFile::exists(path)) {
            QString error;
            existing = readTranslationFile(path, &error);
            if (!existing) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(error));
                return 1;
            }
        }
        const QByteArray text = writeTranslationFile(synchronizeTranslationFile(language, existing));
        QFile file(path);
        const bool same = file.open(QIODevice::ReadOnly) && file.readAll() == text;
        file.close();
        if (same) continue;
        ++outOfDate;
        if (check) {
            std::printf("%s is out of date\n", qPrintable(path));
            continue;
        }
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(file.errorString()));
            return 1;
        }
        std::printf("updated %s\n", qPrintable(path));
    }
    return check && outOfDate > 0 ? 1 : 0;
}
