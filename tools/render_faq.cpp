// Renders an FAQ text (data/faq/*.txt) to PDF with the program's own PDF layer:
//   render_faq INPUT.txt LANGUAGE DATA_FOLDER OUTPUT.pdf
// LANGUAGE is a language name, code or index; DATA_FOLDER gives the fonts and the header image.
#include <QCoreApplication>
#include <QFile>

#include <cstdio>

#include "report/faq_document_pdf.h"
#include "settings/languages.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: render_faq INPUT.txt LANGUAGE DATA_FOLDER OUTPUT.pdf\n");
        return 2;
    }
    const auto language = quilldar::settings::languageIndexFromName(QString::fromLocal8Bit(argv[2]));
    if (!language) {
        std::fprintf(stderr, "render_faq: unknown language %s\n", argv[2]);
        return 2;
    }
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "render_faq: cannot read %s\n", argv[1]);
        return 1;
    }
    QString problem;
    if (!quilldar::report::renderFaqPdf(QString::fromUtf8(input.readAll()), *language,
                                        QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]),
                                        &problem)) {
        std::fprintf(stderr, "render_faq: %s\n", problem.toUtf8().constData());
        return 1;
    }
    return 0;
}
