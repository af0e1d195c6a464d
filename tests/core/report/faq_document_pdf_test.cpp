#include "report/faq_document_pdf.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "app/faq_document.h"
#include "settings/languages.h"
#include "settings/settings_store.h"

namespace quilldar::report {
namespace {

QString poppler(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0) return QStringLiteral("<%1 failed>").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pageCount(const QString& path) {
    const QString info = poppler("pdfinfo", {path});
    const qsizetype at = info.indexOf("Pages:");
    return at < 0 ? 0 : info.mid(at + 6).section('\n', 0, 0).trimmed().toInt();
}

TEST(FaqDocumentPdf, WrapsLongTextOverPagesKeepingEveryWordInOrder) {
    QTemporaryDir dir;
    QString markup = "# Title of the FAQ\n\n## First question?\nA paragraph that goes on\nover two source lines.\n\n"
                     "- an item\n  continued here\n- second item\n\n## Long answer\n";
    QStringList words;
    for (int i = 0; i < 1500; ++i) words << QStringLiteral("word%1").arg(i);
    markup += words.join(' ') + "\n";
    const QString path = dir.filePath("faq.pdf");
    QString problem;
    ASSERT_TRUE(renderFaqPdf(markup, settings::kEnglish, QStringLiteral(QUILLDAR_SOURCE_DATA_DIR), path, &problem))
        << problem.toStdString();
    EXPECT_GE(pageCount(path), 3);
    const QString text = poppler("pdftotext", {path, "-"}).simplified();
    EXPECT_TRUE(text.contains("A paragraph that goes on over two source lines."));
    EXPECT_TRUE(text.contains(QStringLiteral("\u2022 an item continued here \u2022 second item"))) << text.left(600).toStdString();
    // No word lost or cut at a line or page break.
    qsizetype from = 0;
    for (const QString& word : words) {
        const qsizetype at = text.indexOf(QRegularExpression("\\b" + word + "\\b"), from);
        ASSERT_GE(at, from) << word.toStdString();
        from = at + word.size();
    }
}

TEST(FaqDocumentPdf, RussianTextIsWrittenInCyrillicAndNothingIsWrittenForAnEmptyText) {
    QTemporaryDir dir;
    const QString path = dir.filePath("ru.pdf");
    ASSERT_TRUE(renderFaqPdf(QStringLiteral("# Вопросы\n\nСбой связи: проверьте зажигание.\n"), settings::kRussian,
                             QStringLiteral(QUILLDAR_SOURCE_DATA_DIR), path));
    EXPECT_TRUE(poppler("pdftotext", {path, "-"}).contains(QStringLiteral("Сбой связи: проверьте зажигание.")));
    QString problem;
    EXPECT_FALSE(renderFaqPdf("\n\n", settings::kEnglish, QString(), dir.filePath("empty.pdf"), &problem));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("empty.pdf")));
    EXPECT_FALSE(problem.isEmpty());
}

TEST(FaqDocumentPdf, TheBuildPutsTheThreeDocumentsWhereTheFaqCommandLooks) {
    const QString installDir = settings::SettingsStore::installedDataFolder();
    for (const int language : {settings::kEnglish, settings::kGerman, settings::kRussian, settings::kFrench}) {
        const QString path = app::faqDocumentPath(installDir, language);
        ASSERT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
        EXPECT_GE(pageCount(path), 2) << path.toStdString();
        EXPECT_TRUE(poppler("pdftotext", {path, "-"}).contains("udev")) << path.toStdString();
    }
}

}  // namespace
}  // namespace quilldar::report
