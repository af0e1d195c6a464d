// Every caption of the main window, its pages and its dialogs fits its control in each of the ten
// languages, in the control's own font; row labels cut to their column keep their end.
#include <gtest/gtest.h>

#include <QDir>
#include <QFontMetrics>
#include <QTest>

#include "gui/app/dlg_about.h"
#include "gui/files/dlg_open_save.h"
#include "gui/graph/dlg_graph.h"
#include "gui/graph/dlg_graph_help.h"
#include "gui/pages/dlg_dialog10.h"
#include "gui/settings/dlg_settings.h"
#include "gui/update/dlg_downl.h"
#include "gui/widgets/fitting_text.h"
#include "main_window_fixture.h"
#include "settings/language_table.h"
#include "support/local_update_server.h"
#include "text_fit_checker.h"

namespace quilldar::gui {
namespace {

QString languageName(int language) { return QString::fromLatin1(settings::languageInfo(language).code); }

class TextFitTest : public MainWindowTest {
protected:
    void useLanguage(int language) {
        context_->settings().languageIndex = language;
        context_->languageTable().fill(language, context_->settings());
        ticks(1);
        // The pages take their texts on their own timers.
        QTest::qWait(250);
    }
    void checkEveryPage(int language) {
        for (int tab = 0; tab < window_->tabs().tabCount(); ++tab) {
            window_->tabs().showPage(static_cast<std::uint16_t>(tab), tab);
            QTest::qWait(20);
            checker_.check(window_.get(), languageName(language));
        }
    }
    // The captions of a recording's playback stand on the Open and Save As buttons; the window
    // puts them there as it does the others.
    void checkPlaybackCaptions(int language) {
        const settings::LanguageTable& table = context_->languageTable();
        QPushButton* open = window_->button(MainControl::Open);
        QPushButton* saveAs = window_->button(MainControl::SaveAs);
        const QString openCaption = open->text();
        const QString saveAsCaption = saveAs->text();
        open->setText(mnemonicFree(table.text(settings::MainText::Close)));
        for (const auto caption : {settings::MainText::Play, settings::MainText::Pause}) {
            saveAs->setText(mnemonicFree(table.text(caption)));
            checker_.check(window_.get(), languageName(language));
        }
        open->setText(openCaption);
        saveAs->setText(saveAsCaption);
    }
    template <typename Dialog>
    void checkShown(Dialog& dialog, int language) {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        checker_.check(&dialog, languageName(language));
        dialog.hide();
    }
    void expectEverythingFits() {
        EXPECT_TRUE(checker_.misfits().isEmpty())
            << checker_.misfits().size() << " captions do not fit:\n"
            << checker_.misfits().join(QLatin1Char('\n')).toStdString();
    }

    TextFitChecker checker_;
};

TEST_F(TextFitTest, TheMainWindowAndEachOfItsPagesFitInEveryLanguage) {
    const QSize defaultSize = window_->size();
    for (int language = 0; language < settings::kLanguageCount; ++language) {
        useLanguage(language);
        checkEveryPage(language);
        checkPlaybackCaptions(language);
    }
    // Connected: the Disconnect caption and the engine's own rows.
    useLanguage(settings::kEnglish);
    connectEngine();
    for (int language = 0; language < settings::kLanguageCount; ++language) {
        useLanguage(language);
        ticks(2);
        checkEveryPage(language);
    }
    EXPECT_EQ(window_->size(), defaultSize);
    expectEverythingFits();
}

TEST_F(TextFitTest, EveryDialogFitsInEveryLanguage) {
    testing::LocalUpdateServer server;
    ASSERT_TRUE(server.started());
    server.put(QStringLiteral("FAQ_Quilldar.pdf"), QByteArray(256 * 1024, 'q'));
    files::FileBrowserMemory memory;
    for (int language = 0; language < settings::kLanguageCount; ++language) {
        useLanguage(language);
        settings::LanguageTable& table = context_->languageTable();
        CDlgSettings settingsDialog(context_->settings(), table, window_.get());
        checkShown(settingsDialog, language);
        for (const auto mode : {files::FileBrowserMode::Save, files::FileBrowserMode::Open}) {
            CDlgOpenSave browser(files::FileBrowserRequest{mode, folder_.path(), {}}, table, memory,
                                 files::FileBrowserSystem{{{folder_.path(), QStringLiteral("T:")}},
                                                          [](const QString&) { return false; }},
                                 window_.get());
            checkShown(browser, language);
        }
        CDlgGraph graph(*context_, nullptr, 0, folder_.path(), window_.get());
        graph.tick();
        checkShown(graph, language);
        CDlgGraphHelp graphHelp(table, &graph);
        checkShown(graphHelp, language);
        CDlgAbout about(table, [](const QUrl&) { return true; }, nullptr, window_.get());
        checkShown(about, language);
        CDlgDialog10 models(table, language, window_.get());
        checkShown(models, language);

        CDlgDownl download(table, window_.get());
        download.setSource(server.url() + QStringLiteral("FAQ_Quilldar.pdf"),
                           QDir(folder_.path()).filePath(QStringLiteral("FAQ_Quilldar.pdf")));
        download.setShowMessage(true);
        bool checked = false;
        QObject::connect(&download, &CDlgDownl::progressShown, [&] {
            if (checked || !download.isVisible()) return;
            checked = true;
            checker_.check(&download, languageName(language));
        });
        EXPECT_TRUE(download.run());
        EXPECT_TRUE(checked) << "the download window was never seen in " << languageName(language).toStdString();
    }
    expectEverythingFits();
}

TEST(ElidedKeepingEnd, KeepsAShortLastWordSoThatNamesThatDifferAtTheEndStayApart) {
    const QFontMetrics metrics(QFont(QStringLiteral("DejaVu Sans"), 8));
    const QString first = QString::fromUtf8("Давление во впускном коллекторе 1");
    const QString second = QString::fromUtf8("Давление во впускном коллекторе 2");
    const int width = metrics.horizontalAdvance(first) * 2 / 3;
    const QString cutFirst = elidedKeepingEnd(metrics, first, width);
    const QString cutSecond = elidedKeepingEnd(metrics, second, width);
    EXPECT_TRUE(cutFirst.endsWith(QString(QChar(0x2026)) + QStringLiteral(" 1"))) << cutFirst.toStdString();
    EXPECT_TRUE(cutSecond.endsWith(QStringLiteral(" 2"))) << cutSecond.toStdString();
    EXPECT_LE(metrics.horizontalAdvance(cutFirst), width);
    // A text that fits stays whole; a long last word is cut in the middle, keeping its end.
    EXPECT_EQ(elidedKeepingEnd(metrics, first, metrics.horizontalAdvance(first)), first);
    const QString longEnd = QStringLiteral("Throttle position sensor voltage");
    const QString cut = elidedKeepingEnd(metrics, longEnd, metrics.horizontalAdvance(longEnd) / 2);
    EXPECT_TRUE(cut.contains(QChar(0x2026)) && cut.endsWith(QStringLiteral("age"))) << cut.toStdString();
    EXPECT_LE(metrics.horizontalAdvance(cut), metrics.horizontalAdvance(longEnd) / 2);
}

}  // namespace
}  // namespace quilldar::gui
