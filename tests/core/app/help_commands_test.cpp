// The FAQ command, the link to the maker's web site and the About dialog's core object.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app/about_dialog_model.h"
#include "app/faq_document.h"
#include "state/message_sink.h"
#include "app/web_address.h"
#include "platform/user_data_folder.h"
#include "settings/language_table.h"
#include "settings/languages.h"

namespace quilldar::app {
namespace {

struct Message {
    QString caption;
    QString text;
};

class RecordingSink : public MessageSink {
public:
    void showMessage(const QString& text, const QString& caption) override {
        messages.push_back({caption, text});
    }
    std::vector<Message> messages;
};

// Records what would have been opened; answers as the desktop would.
struct RecordingOpener {
    UrlOpener opener() {
        return [this](const QUrl& url) {
            opened.push_back(url);
            return desktopStarts;
        };
    }
    std::vector<QUrl> opened;
    bool desktopStarts = true;
};

class HelpCommandsTest : public ::testing::Test {
protected:
    HelpCommandsTest() {
        settings_.installDir = installFolder_.path() + QLatin1Char('/');
        useLanguage(settings::kEnglish);
    }
    void useLanguage(int language) {
        settings_.languageIndex = language;
        table_.fill(language, settings_);
    }
    QString placeDocument(const QString& name) {
        const QString path = QDir(installFolder_.path()).filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("%PDF-1.4\n");
        return path;
    }
    bool openFaqNow() { return openFaq(settings_, table_, opener_.opener(), sink_); }

    QTemporaryDir installFolder_;
    settings::Settings settings_;
    settings::LanguageTable table_;
    RecordingOpener opener_;
    RecordingSink sink_;
};

TEST_F(HelpCommandsTest, FaqDocumentFollowsTheLanguage) {
    EXPECT_EQ(faqDocumentName(settings::kGerman), "FAQ_Quilldar_de.pdf");
    EXPECT_EQ(faqDocumentName(settings::kRussian), "FAQ_Quilldar_ru.pdf");
    for (const int other :
         {settings::kCzech, settings::kEnglish, settings::kFrench, settings::kTurkish, 12, -1})
        EXPECT_EQ(faqDocumentName(other), "FAQ_Quilldar.pdf") << other;
    EXPECT_EQ(faqDocumentPath(QStringLiteral("/opt/quilldar/"), settings::kGerman),
              "/opt/quilldar/FAQ_Quilldar_de.pdf");
}

TEST_F(HelpCommandsTest, FaqOpensTheDocumentOfTheLanguageInTheViewer) {
    placeDocument(QStringLiteral("FAQ_Quilldar.pdf"));
    const QString russian = placeDocument(QStringLiteral("FAQ_Quilldar_ru.pdf"));
    useLanguage(settings::kRussian);

    EXPECT_TRUE(openFaqNow());
    ASSERT_EQ(opener_.opened.size(), 1u);
    EXPECT_TRUE(opener_.opened[0].isLocalFile());
    EXPECT_EQ(QFileInfo(opener_.opened[0].toLocalFile()), QFileInfo(russian));
    EXPECT_TRUE(sink_.messages.empty());
}

// The update check downloads into the user's own data folder (an installed copy's folder is the
// system's): the FAQ command opens that copy first, and the installed one where the user has none.
TEST_F(HelpCommandsTest, FaqOpensTheUsersDownloadedDocumentBeforeTheInstalledOne) {
    const QString ownFolder = platform::userDataFolder();
    ASSERT_FALSE(ownFolder.isEmpty());
    ASSERT_TRUE(QDir().mkpath(ownFolder));
    const QString downloaded = QDir(ownFolder).filePath(QStringLiteral("FAQ_Quilldar_de.pdf"));
    {
        QFile file(downloaded);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("%PDF-1.4 downloaded\n");
    }
    placeDocument(QStringLiteral("FAQ_Quilldar_de.pdf"));
    const QString installedEnglish = placeDocument(QStringLiteral("FAQ_Quilldar.pdf"));

    useLanguage(settings::kGerman);
    EXPECT_TRUE(openFaqNow());
    useLanguage(settings::kEnglish);
    EXPECT_TRUE(openFaqNow());
    QFile::remove(downloaded);

    ASSERT_EQ(opener_.opened.size(), 2u);
    EXPECT_EQ(QFileInfo(opener_.opened[0].toLocalFile()), QFileInfo(downloaded));
    EXPECT_EQ(QFileInfo(opener_.opened[1].toLocalFile()), QFileInfo(installedEnglish));
    EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(HelpCommandsTest, MissingFaqDocumentIsReportedAndNothingIsStarted) {
    // Only the English document is there; German does not fall back to it.
    placeDocument(QStringLiteral("FAQ_Quilldar.pdf"));
    useLanguage(settings::kGerman);

    EXPECT_FALSE(openFaqNow());
    EXPECT_TRUE(opener_.opened.empty());
    ASSERT_EQ(sink_.messages.size(), 1u);
    EXPECT_TRUE(sink_.messages[0].text.contains("FAQ_Quilldar_de.pdf"));
    EXPECT_TRUE(
        sink_.messages[0].text.endsWith(table_.text(settings::FileBrowserText::FileNotFound)));
    EXPECT_EQ(sink_.messages[0].caption, "FAQ");
}

TEST_F(HelpCommandsTest, FaqViewerThatCannotStartIsReported) {
    placeDocument(QStringLiteral("FAQ_Quilldar.pdf"));
    opener_.desktopStarts = false;

    EXPECT_FALSE(openFaqNow());
    EXPECT_EQ(opener_.opened.size(), 1u);
    ASSERT_EQ(sink_.messages.size(), 1u);
    EXPECT_EQ(sink_.messages[0].caption, "Error");
    // Where the document is, and why it does not show.
    EXPECT_TRUE(sink_.messages[0].text.contains("FAQ_Quilldar.pdf."));
    EXPECT_TRUE(sink_.messages[0].text.endsWith("No program to show PDF files was found."));
}

TEST_F(HelpCommandsTest, WebSiteOpensTheAddressTheAboutDialogShows) {
    EXPECT_TRUE(openMakerWebSite(opener_.opener(), sink_, table_));
    ASSERT_EQ(opener_.opened.size(), 1u);
    const QUrl url = opener_.opened[0];
    EXPECT_EQ(url.scheme(), "https");
    EXPECT_EQ(url.host(), table_.text(settings::AboutText::WebAddress));
    EXPECT_TRUE(sink_.messages.empty());

    opener_.desktopStarts = false;
    EXPECT_FALSE(openMakerWebSite(opener_.opener(), sink_, table_));
    ASSERT_EQ(sink_.messages.size(), 1u);
    EXPECT_EQ(sink_.messages[0].text, url.toString());
}

class RecordingAboutView : public AboutDialogView {
public:
    void applyTexts(const AboutTexts& shown) override {
        texts = shown;
        ++applications;
    }
    AboutTexts texts;
    int applications = 0;
};

TEST_F(HelpCommandsTest, AboutShowsItsTextsAndReappliesThemOnceAfterAFill) {
    AboutDialogModel model(table_, opener_.opener(), sink_);
    RecordingAboutView view;
    model.open(view);
    EXPECT_EQ(view.applications, 1);
    EXPECT_EQ(view.texts.caption, "About");
    EXPECT_EQ(view.texts.heading, "Quilldar");
    EXPECT_EQ(view.texts.close, "Close");
    EXPECT_EQ(view.texts.linkText, QString::fromUtf16(kMakerWebAddress));
    EXPECT_EQ(view.texts.linkUrl, makerWebSiteUrl());
    // Three paragraphs with an empty line between them.
    EXPECT_EQ(view.texts.description.split(QStringLiteral("\n\n")).size(), 3);
    EXPECT_FALSE(view.texts.description.contains(u'\r'));

    model.tick();
    EXPECT_EQ(view.applications, 1);

    useLanguage(settings::kGerman);
    model.tick();
    model.tick();
    EXPECT_EQ(view.applications, 2);
    EXPECT_EQ(view.texts.caption, table_.text(settings::AboutText::About));
    EXPECT_EQ(view.texts.close, QStringLiteral("Schließen"));

    EXPECT_TRUE(model.openWebSite());
    ASSERT_EQ(opener_.opened.size(), 1u);
    EXPECT_EQ(opener_.opened[0], makerWebSiteUrl());
}

}  // namespace
}  // namespace quilldar::app
