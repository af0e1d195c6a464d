#include "update/update_check.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <deque>

#include "state/app_state.h"
#include "settings/language_table.h"
#include "settings/languages.h"
#include "settings/settings_store.h"
#include "support/local_update_server.h"
#include "update/file_download.h"
#include "update/update_files.h"
#include "update/update_view.h"

namespace quilldar::update {
namespace {

using testing::LocalUpdateServer;

// Answers questions from a script, records what the check shows, and downloads for real,
// without a window.
class ScriptedView : public UpdateView {
public:
    struct Download {
        QString url;
        bool shown;
    };
    bool askYesNo(const QString& caption, const QString& text) override {
        questions << caption + "|" + text;
        const bool answer = answers.empty() || answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }
    void showMessage(const QString& caption, const QString& text) override { messages << caption + "|" + text; }
    DownloadResult download(const QString& url, const QString& localPath, bool showMessage) override {
        downloads.push_back({url, showMessage});
        return downloadFile(url, localPath, limits);
    }
    void openFile(const QString& path) override { opened << path; }

    std::deque<bool> answers;
    QStringList questions;
    QStringList messages;
    QStringList opened;
    std::vector<Download> downloads;
    TransferLimits limits = kVersionFileLimits;
};

// Ten bytes after a '>' with the version's characters at offsets 2, 4, 6 and 8.
QByteArray versionField(const char* version) {
    return QByteArray(" V") + version[0] + '.' + version[1] + '.' + version[2] + '.' + version[3] + ' ';
}

// A version file of the given length (43 is the valid one) naming the two versions.
QByteArray versionFile(const char* program, const char* faq, int size = 43) {
    QByteArray bytes = "<program>" + versionField(program) + "<faq>" + versionField(faq);
    bytes.append(QByteArray(std::max<qsizetype>(0, size - bytes.size()), ' '));
    return bytes.left(size);
}

constexpr const char* kNewerFaq = "1010";

class UpdateCheckTest : public ::testing::Test {
protected:
    UpdateCheckTest() {
        settings_.faqVersion = settings::SettingsStore::kFaqDefault;
        texts_.fill(settings::kEnglish, settings_);
    }

    bool runCheck(const QString& serverUrl) {
        UpdateCheck check(view_, texts_, settings_, store_, state_,
                          {serverUrl, install_.path() + "/", shortcut_, publicKey_});
        return check.run();
    }
    // Over https, with the files signed by that server's key.
    bool runCheck(const LocalUpdateServer& secure) {
        publicKey_ = secure.publicKey();
        view_.limits.caFile = QUILLDAR_TEST_CERT;
        return runCheck(secure.url());
    }
    bool runCheck() { return runCheck(server_.url()); }
    QString installed(const QString& name) const { return QDir(install_.path()).filePath(name); }
    QByteArray installedContent(const QString& name) const {
        QFile file(installed(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void putInstalled(const QString& name, const QByteArray& content) const {
        QFile file(installed(name));
        if (file.open(QIODevice::WriteOnly)) file.write(content);
    }
    QString storedFaqVersion() {
        settings::Settings reread;
        settings::SettingsStore(location_).load(reread, install_.path());
        return reread.faqVersion;
    }
    QString text(settings::MainText slot) const { return texts_.text(slot); }
    void putFaqDocuments() {
        for (const char* name : kFaqDocumentNames)
            server_.putSigned(QString::fromLatin1(name), QByteArray("%PDF-1.4 new ") + name);
    }

    LocalUpdateServer server_;
    QTemporaryDir install_;
    QTemporaryDir registry_;
    settings::RegistryLocation location_ = settings::RegistryLocation::inFolder(registry_.path());
    settings::SettingsStore store_{location_};
    settings::Settings settings_;
    settings::LanguageTable texts_;
    app::AppState state_;
    ScriptedView view_;
    QString shortcut_;
    QString publicKey_ = server_.publicKey();
};

TEST_F(UpdateCheckTest, RunningAndStoredVersionsChangeNothingAndTheFileIsDeleted) {
    ASSERT_TRUE(server_.started());
    server_.put(QStringLiteral("Quilldar.txt"), versionFile(kProgramVersion, "1009"));
    EXPECT_FALSE(runCheck());
    EXPECT_TRUE(view_.questions.isEmpty());
    EXPECT_TRUE(view_.messages.isEmpty());
    ASSERT_EQ(view_.downloads.size(), 1u);
    EXPECT_EQ(view_.downloads[0].url, server_.url() + "Quilldar.txt");
    EXPECT_FALSE(view_.downloads[0].shown);
    EXPECT_FALSE(QFile::exists(installed(QStringLiteral("Quilldar.txt"))));
    EXPECT_EQ(state_.installPending, 0);
}

TEST_F(UpdateCheckTest, VersionFileOfAnyOtherLengthIsIgnoredAndDeletedButAnEmptyOneStays) {
    ASSERT_TRUE(server_.started());
    for (int size : {42, 44}) {
        server_.put(QStringLiteral("Quilldar.txt"), versionFile("2035", kNewerFaq, size));
        EXPECT_FALSE(runCheck()) << size;
        EXPECT_FALSE(QFile::exists(installed(QStringLiteral("Quilldar.txt")))) << size;
    }
    server_.put(QStringLiteral("Quilldar.txt"), QByteArray());
    EXPECT_FALSE(runCheck());
    EXPECT_TRUE(QFile::exists(installed(QStringLiteral("Quilldar.txt"))));
    EXPECT_TRUE(view_.questions.isEmpty());
    EXPECT_TRUE(view_.messages.isEmpty());
    EXPECT_EQ(view_.downloads.size(), 3u);
    EXPECT_EQ(settings_.faqVersion, QStringLiteral("1009"));
}

TEST_F(UpdateCheckTest, NewVersionFromAPlainHttpServerIsOfferedButItsInstallerRefused) {
    ASSERT_TRUE(server_.started());
    // Any other version counts, an older one too.
    server_.put(QStringLiteral("Quilldar.txt"), versionFile("2033", "1009"));
    server_.put(QString::fromLatin1(kInstallerName), "installer");
    view_.answers = {true};
    EXPECT_FALSE(runCheck());
    EXPECT_EQ(view_.questions, QStringList{text(settings::MainText::Attention) + "|" +
                                           QStringLiteral("New version available...\n\rWould you like to install now?")});
    EXPECT_EQ(view_.messages, QStringList{QStringLiteral("Error|Download error \n\rPlease try again later")});
    EXPECT_FALSE(server_.requestLog().contains(QString::fromLatin1(kInstallerName)));
    EXPECT_FALSE(QFile::exists(installed(QString::fromLatin1(kInstallerName))));
    EXPECT_EQ(state_.installPending, 0);
}

TEST_F(UpdateCheckTest, YesOverHttpsDownloadsTheInstallerInTheShownWindowAndAsksToEnd) {
    LocalUpdateServer secure(LocalUpdateServer::Mode::Https);
    ASSERT_TRUE(secure.started());
    secure.put(QStringLiteral("Quilldar.txt"), versionFile("2035", kNewerFaq));
    secure.putSigned(QString::fromLatin1(kInstallerName), "the new installer");
    view_.answers = {true};
    EXPECT_TRUE(runCheck(secure));
    EXPECT_EQ(state_.installPending, 1);
    EXPECT_EQ(installedContent(QString::fromLatin1(kInstallerName)), QByteArray("the new installer"));
    // Its signature first, then the installer; the signature is not kept.
    ASSERT_EQ(view_.downloads.size(), 3u);
    EXPECT_EQ(view_.downloads[1].url, secure.url() + kInstallerName + ".sig");
    EXPECT_EQ(view_.downloads[2].url, secure.url() + kInstallerName);
    EXPECT_TRUE(view_.downloads[1].shown);
    EXPECT_TRUE(view_.downloads[2].shown);
    EXPECT_EQ(QDir(install_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QString::fromLatin1(kInstallerName)});
    // The program ends now: the FAQ documents wait for the next start.
    EXPECT_TRUE(view_.messages.isEmpty());
    EXPECT_EQ(settings_.faqVersion, QStringLiteral("1009"));
}

TEST_F(UpdateCheckTest, FailedInstallerDownloadSaysSoAndStillRefreshesTheFaq) {
    LocalUpdateServer secure(LocalUpdateServer::Mode::Https);
    ASSERT_TRUE(secure.started());
    secure.put(QStringLiteral("Quilldar.txt"), versionFile("2035", kNewerFaq));
    for (const char* name : kFaqDocumentNames) secure.putSigned(QString::fromLatin1(name), QByteArray("%PDF-1.4 ") + name);
    view_.answers = {true};  // the installer is not on the server, nor its signature: 404
    EXPECT_FALSE(runCheck(secure));
    EXPECT_EQ(state_.installPending, 0);
    EXPECT_FALSE(QFile::exists(installed(QString::fromLatin1(kInstallerName))));
    const QStringList expected = {QStringLiteral("Error|Download error \n\rPlease try again later"),
                                  QStringLiteral("Note|FAQ page has been updated.")};
    EXPECT_EQ(view_.messages, expected);
    EXPECT_EQ(settings_.faqVersion, QString::fromLatin1(kNewerFaq));
}

TEST_F(UpdateCheckTest, DecliningTheNewVersionStillRefreshesTheThreeFaqDocumentsInOrder) {
    ASSERT_TRUE(server_.started());
    server_.put(QStringLiteral("Quilldar.txt"), versionFile("2035", kNewerFaq));
    putFaqDocuments();
    view_.answers = {false};
    EXPECT_FALSE(runCheck());
    EXPECT_EQ(view_.questions.size(), 1);
    // Each document's signature, then the document.
    ASSERT_EQ(view_.downloads.size(), 7u);
    for (size_t i = 0; i < kFaqDocumentNames.size(); ++i) {
        EXPECT_EQ(view_.downloads[2 * i + 1].url, server_.url() + kFaqDocumentNames[i] + ".sig");
        EXPECT_EQ(view_.downloads[2 * i + 2].url, server_.url() + kFaqDocumentNames[i]);
        EXPECT_TRUE(view_.downloads[2 * i + 1].shown);
        EXPECT_TRUE(view_.downloads[2 * i + 2].shown);
        EXPECT_EQ(installedContent(QString::fromLatin1(kFaqDocumentNames[i])),
                  QByteArray("%PDF-1.4 new ") + kFaqDocumentNames[i]);
    }
    EXPECT_EQ(view_.messages, QStringList{QStringLiteral("Note|FAQ page has been updated.")});
    EXPECT_EQ(settings_.faqVersion, QString::fromLatin1(kNewerFaq));
    EXPECT_EQ(storedFaqVersion(), QString::fromLatin1(kNewerFaq));
    EXPECT_FALSE(QFile::exists(installed(QStringLiteral("Quilldar.txt"))));
    EXPECT_EQ(QDir(install_.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

TEST_F(UpdateCheckTest, RussianDocumentMissingOrBrokenOffKeepsTheOldFaqVersionAndDocument) {
    ASSERT_TRUE(server_.started());
    server_.put(QStringLiteral("Quilldar.txt"), versionFile(kProgramVersion, kNewerFaq));
    server_.putSigned(QStringLiteral("FAQ_Quilldar.pdf"), "%PDF-1.4 new English");
    server_.putSigned(QStringLiteral("FAQ_Quilldar_de.pdf"), "%PDF-1.4 new German");
    putInstalled(QStringLiteral("FAQ_Quilldar.pdf"), "%PDF-1.4 old English");
    putInstalled(QStringLiteral("FAQ_Quilldar_ru.pdf"), "%PDF-1.4 old Russian");

    // First not on the server (404), then sent only half-way.
    for (bool brokenOff : {false, true}) {
        if (brokenOff) {
            server_.putSigned(QStringLiteral("FAQ_Quilldar_ru.pdf"), QByteArray(64 * 1024, 'r'));
            server_.breakOffHalfway(QStringLiteral("FAQ_Quilldar_ru.pdf"));
        }
        view_.messages.clear();
        view_.downloads.clear();
        EXPECT_FALSE(runCheck());
        EXPECT_EQ(view_.messages, QStringList{QStringLiteral("Error|Download error \n\rPlease try again later")});
        // The German document is not asked for once the Russian one failed.
        EXPECT_EQ(view_.downloads.size(), 5u);
        // The set stays whole: the English document that did arrive does not replace the old one.
        EXPECT_EQ(installedContent(QStringLiteral("FAQ_Quilldar.pdf")), QByteArray("%PDF-1.4 old English"));
        EXPECT_EQ(installedContent(QStringLiteral("FAQ_Quilldar_ru.pdf")), QByteArray("%PDF-1.4 old Russian"));
        EXPECT_FALSE(QFile::exists(installed(QStringLiteral("FAQ_Quilldar_de.pdf"))));
        EXPECT_EQ(settings_.faqVersion, QStringLiteral("1009"));
    }
    EXPECT_NE(storedFaqVersion(), QString::fromLatin1(kNewerFaq));
    EXPECT_FALSE(server_.requestLog().contains(QStringLiteral("FAQ_Quilldar_de.pdf")));
    const QStringList left = QDir(install_.path()).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(left, (QStringList{QStringLiteral("FAQ_Quilldar.pdf"), QStringLiteral("FAQ_Quilldar_ru.pdf")}));
}

// A captive portal's page or a server's error text served as the document, with status 200.
TEST_F(UpdateCheckTest, FaqDocumentThatIsNotAPdfIsRefusedAndTheVersionNotStored) {
    ASSERT_TRUE(server_.started());
    server_.put(QStringLiteral("Quilldar.txt"), versionFile(kProgramVersion, kNewerFaq));
    putFaqDocuments();
    putInstalled(QStringLiteral("FAQ_Quilldar.pdf"), "%PDF-1.4 old English");
    putInstalled(QStringLiteral("FAQ_Quilldar_ru.pdf"), "%PDF-1.4 old Russian");
    for (const char* page : {"<html><body>Sign in to the hotel network</body></html>", "Service unavailable", " %PDF-"}) {
        // Signed, so that it is the content that is refused.
        server_.putSigned(QStringLiteral("FAQ_Quilldar_ru.pdf"), page);
        view_.messages.clear();
        EXPECT_FALSE(runCheck());
        ASSERT_EQ(view_.messages.size(), 1) << page;
        EXPECT_TRUE(view_.messages[0].startsWith(QStringLiteral("Error|"))) << page;
        EXPECT_TRUE(view_.messages[0].contains(QStringLiteral("FAQ_Quilldar_ru.pdf"))) << page;
        EXPECT_TRUE(view_.messages[0].contains(QStringLiteral("current FAQ documents are kept"))) << page;
        EXPECT_EQ(installedContent(QStringLiteral("FAQ_Quilldar.pdf")), QByteArray("%PDF-1.4 old English")) << page;
        EXPECT_EQ(installedContent(QStringLiteral("FAQ_Quilldar_ru.pdf")), QByteArray("%PDF-1.4 old Russian")) << page;
        EXPECT_EQ(settings_.faqVersion, QStringLiteral("1009")) << page;
        const QStringList left = QDir(install_.path()).entryList(QDir::Files | QDir::Hidden);
        EXPECT_EQ(left, (QStringList{QStringLiteral("FAQ_Quilldar.pdf"), QStringLiteral("FAQ_Quilldar_ru.pdf")})) << page;
    }
    EXPECT_EQ(storedFaqVersion(), QStringLiteral("1009"));
    EXPECT_FALSE(server_.requestLog().contains(QStringLiteral("FAQ_Quilldar_de.pdf")));
}

// A folder the user may not write (an installed copy's system folder): each download that
// cannot be stored says so, and what stays.
TEST_F(UpdateCheckTest, DownloadsThatCannotBeStoredAreToldNeverSilent) {
    LocalUpdateServer secure(LocalUpdateServer::Mode::Https);
    ASSERT_TRUE(secure.started());
    secure.put(QStringLiteral("Quilldar.txt"), versionFile(kProgramVersion, kNewerFaq));
    for (const char* name : kFaqDocumentNames) secure.putSigned(QString::fromLatin1(name), QByteArray("%PDF-1.4 ") + name);
    secure.putSigned(QString::fromLatin1(kInstallerName), "the new installer");

    // The version file itself (a folder in its place stands in for a folder the user may not
    // write, which root could): nothing else is fetched.
    QDir().mkpath(installed(QStringLiteral("Quilldar.txt")));
    EXPECT_FALSE(runCheck(secure));
    ASSERT_EQ(view_.messages.size(), 1);
    EXPECT_TRUE(view_.messages[0].startsWith(QStringLiteral("Error|The update check could not save its version file in ")));
    EXPECT_TRUE(view_.messages[0].contains(QStringLiteral("your FAQ documents stay as they are")));
    EXPECT_EQ(view_.downloads.size(), 1u);
    QDir(installed(QStringLiteral("Quilldar.txt"))).removeRecursively();

    // A folder that cannot be created at all: a file is in its way.
    view_.messages.clear();
    view_.downloads.clear();
    putInstalled(QStringLiteral("taken"), "a file");
    UpdateCheck nowhere(view_, texts_, settings_, store_, state_,
                        {secure.url(), installed(QStringLiteral("taken")) + "/folder/", QString(), publicKey_});
    EXPECT_FALSE(nowhere.run());
    ASSERT_EQ(view_.messages.size(), 1);
    EXPECT_TRUE(view_.messages[0].contains(QStringLiteral("could not save its version file")));
    EXPECT_TRUE(view_.downloads.empty());
    QFile::remove(installed(QStringLiteral("taken")));

    // The version file fits but the documents or the installer do not: a read-only staging name
    // stands in for a full disk.
    // First the documents (the installer is not offered), then the installer (the documents then
    // arrive).
    for (const bool accept : {false, true}) {
        view_.messages.clear();
        view_.answers = {accept};
        secure.put(QStringLiteral("Quilldar.txt"), versionFile(accept ? "2035" : kProgramVersion, kNewerFaq));
        const QString blocked = accept ? installed(QString::fromLatin1(kInstallerName)) + "/x"
                                       : installed(QStringLiteral("FAQ_Quilldar_ru.pdf.new")) + "/x";
        QDir().mkpath(blocked);
        EXPECT_FALSE(runCheck(secure)) << accept;
        ASSERT_FALSE(view_.messages.isEmpty()) << accept;
        EXPECT_TRUE(view_.messages[0].startsWith(QStringLiteral("Error|"))) << accept;
        EXPECT_TRUE(view_.messages[0].contains(accept ? QStringLiteral("Your installed version stays as it is")
                                                      : QStringLiteral("Your current FAQ documents are kept")))
            << view_.messages[0].toStdString();
        EXPECT_EQ(state_.installPending, 0);
        if (!accept) {
            EXPECT_EQ(view_.messages.size(), 1);
            EXPECT_EQ(settings_.faqVersion, QStringLiteral("1009"));
            EXPECT_EQ(QDir(install_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
        }
        QDir(QFileInfo(blocked).path()).removeRecursively();
    }
    EXPECT_EQ(settings_.faqVersion, QString::fromLatin1(kNewerFaq));
}

// What a server, a mirror or whoever stands in for them can serve beside or instead of the
// maker's signed file.
enum class Forgery { Unsigned, OtherKey, SignatureOfOtherBytes, TruncatedFile, ShortSignature };

std::vector<Forgery> everyForgery() {
    return {Forgery::Unsigned, Forgery::OtherKey, Forgery::SignatureOfOtherBytes, Forgery::TruncatedFile,
            Forgery::ShortSignature};
}

void serveForged(const LocalUpdateServer& server, const QString& name, const QByteArray& content, Forgery forgery) {
    switch (forgery) {
        case Forgery::Unsigned:
            server.put(name, content);
            server.remove(name + ".sig");
            break;
        case Forgery::OtherKey:
            server.putSigned(name, content, testing::TestSigningKey());
            break;
        case Forgery::SignatureOfOtherBytes:
            // The maker's signature of another release, served beside this file.
            server.putSigned(name, content + "another release");
            server.put(name, content);
            break;
        case Forgery::TruncatedFile:
            // Announced and sent whole at its cut length: only the signature can tell.
            server.putSigned(name, content);
            server.put(name, content.left(content.size() - 1));
            break;
        case Forgery::ShortSignature:
            server.putSigned(name, content);
            // The maker's own signature, cut short by a byte.
            server.put(name + ".sig", server.sign(content).left(63));
            break;
    }
}

const char* forgeryName(Forgery forgery) {
    static const char* const names[] = {"unsigned", "other key", "signature of other bytes", "truncated file",
                                        "short signature"};
    return names[static_cast<int>(forgery)];
}

const QString kNotVerified = QStringLiteral("Error|The downloaded update could not be verified and was discarded.");

TEST_F(UpdateCheckTest, OneFaqDocumentNotSignedByTheMakerRefreshesNoneAndSaysSo) {
    ASSERT_TRUE(server_.started());
    server_.put(QStringLiteral("Quilldar.txt"), versionFile(kProgramVersion, kNewerFaq));
    putInstalled(QStringLiteral("FAQ_Quilldar.pdf"), "%PDF-1.4 old English");
    putInstalled(QStringLiteral("FAQ_Quilldar_ru.pdf"), "%PDF-1.4 old Russian");
    for (const Forgery forgery : everyForgery()) {
        putFaqDocuments();
        serveForged(server_, QStringLiteral("FAQ_Quilldar_ru.pdf"), "%PDF-1.4 forged Russian", forgery);
        view_.messages.clear();
        EXPECT_FALSE(runCheck()) << forgeryName(forgery);
        EXPECT_EQ(view_.messages, QStringList{kNotVerified}) << forgeryName(forgery);
        EXPECT_EQ(installedContent(QStringLiteral("FAQ_Quilldar.pdf")), QByteArray("%PDF-1.4 old English"));
        EXPECT_EQ(installedContent(QStringLiteral("FAQ_Quilldar_ru.pdf")), QByteArray("%PDF-1.4 old Russian"));
        EXPECT_EQ(settings_.faqVersion, QStringLiteral("1009")) << forgeryName(forgery);
        // Nothing staged, fetched or signed is left behind.
        const QStringList left = QDir(install_.path()).entryList(QDir::Files | QDir::Hidden);
        EXPECT_EQ(left, (QStringList{QStringLiteral("FAQ_Quilldar.pdf"), QStringLiteral("FAQ_Quilldar_ru.pdf")}))
            << forgeryName(forgery);
    }
    EXPECT_EQ(storedFaqVersion(), QStringLiteral("1009"));
    EXPECT_FALSE(server_.requestLog().contains(QStringLiteral("FAQ_Quilldar_de.pdf")));

    // The same server with all three signed refreshes them.
    putFaqDocuments();
    view_.messages.clear();
    EXPECT_FALSE(runCheck());
    EXPECT_EQ(view_.messages, QStringList{QStringLiteral("Note|FAQ page has been updated.")});
    EXPECT_EQ(installedContent(QStringLiteral("FAQ_Quilldar_ru.pdf")), QByteArray("%PDF-1.4 new FAQ_Quilldar_ru.pdf"));
    EXPECT_EQ(storedFaqVersion(), QString::fromLatin1(kNewerFaq));
}

TEST_F(UpdateCheckTest, InstallerNotSignedByTheMakerIsNeverHandedOverAndReplacesNothing) {
    LocalUpdateServer secure(LocalUpdateServer::Mode::Https);
    ASSERT_TRUE(secure.started());
    secure.put(QStringLiteral("Quilldar.txt"), versionFile("2035", "1009"));
    // A leftover of an earlier download stays as it was.
    putInstalled(QString::fromLatin1(kInstallerName), "an earlier installer");
    for (const Forgery forgery : everyForgery()) {
        serveForged(secure, QString::fromLatin1(kInstallerName), "a new installer", forgery);
        view_.answers = {true};
        view_.messages.clear();
        EXPECT_FALSE(runCheck(secure)) << forgeryName(forgery);
        EXPECT_EQ(state_.installPending, 0) << forgeryName(forgery);
        EXPECT_EQ(view_.messages, QStringList{kNotVerified}) << forgeryName(forgery);
        EXPECT_EQ(installedContent(QString::fromLatin1(kInstallerName)), QByteArray("an earlier installer"));
        EXPECT_EQ(QDir(install_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QString::fromLatin1(kInstallerName)})
            << forgeryName(forgery);
    }
}

TEST_F(UpdateCheckTest, MalformedPublicKeyVerifiesNothingAndIsToldOnce) {
    LocalUpdateServer secure(LocalUpdateServer::Mode::Https);
    ASSERT_TRUE(secure.started());
    secure.put(QStringLiteral("Quilldar.txt"), versionFile("2035", kNewerFaq));
    secure.putSigned(QString::fromLatin1(kInstallerName), "the new installer");
    for (const char* name : kFaqDocumentNames) secure.putSigned(QString::fromLatin1(name), QByteArray("%PDF-1.4 ") + name);
    const QString good = secure.publicKey();
    for (const QString& key : {QString(), good.left(63), good + "0", good.left(63) + "g", QString(good).replace(0, 2, "0x")}) {
        view_.answers = {true};
        view_.messages.clear();
        view_.downloads.clear();
        view_.limits.caFile = QUILLDAR_TEST_CERT;
        publicKey_ = key;
        EXPECT_FALSE(runCheck(secure.url())) << key.toStdString();
        EXPECT_EQ(state_.installPending, 0);
        // The installer refused, then the documents: one message for both.
        EXPECT_EQ(view_.messages, QStringList{kNotVerified}) << key.toStdString();
        // Only the version file is fetched: nothing could be verified with such a key.
        EXPECT_EQ(view_.downloads.size(), 1u);
        EXPECT_EQ(settings_.faqVersion, QStringLiteral("1009"));
        EXPECT_TRUE(QDir(install_.path()).isEmpty(QDir::Files | QDir::Hidden));
    }
}

TEST_F(UpdateCheckTest, NoServerIsSilent) {
    EXPECT_FALSE(runCheck(QStringLiteral("http://127.0.0.1:%1/software/obd/").arg(testing::closedPort())));
    EXPECT_TRUE(view_.questions.isEmpty());
    EXPECT_TRUE(view_.messages.isEmpty());
    EXPECT_TRUE(QDir(install_.path()).isEmpty(QDir::Files | QDir::Hidden));
}

TEST_F(UpdateCheckTest, UninstallShortcutOfAnOlderVersionIsAnnouncedAndOpenedFirst) {
    ASSERT_TRUE(server_.started());
    shortcut_ = installed(QStringLiteral("Uninstall.lnk"));
    putInstalled(QStringLiteral("Uninstall.lnk"), "shortcut");
    server_.put(QStringLiteral("Quilldar.txt"), versionFile(kProgramVersion, "1009"));
    EXPECT_FALSE(runCheck());
    EXPECT_EQ(view_.messages, QStringList{QStringLiteral(
                                  "Uninstalling old version|In the next step, the old version will be uninstalled.\r\n"
                                  "Please select 'Yes' after closing this window.")});
    EXPECT_EQ(view_.opened, QStringList{shortcut_});
}

}  // namespace
}  // namespace quilldar::update
