#include "gui/update/dlg_downl.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>

#include "context/app_context.h"
#include "gui/update/run_update_check.h"
#include "platform/user_data_folder.h"
#include "settings/language_table.h"
#include "settings/languages.h"
#include "sim/simulated_module.h"
#include "support/local_update_server.h"

namespace quilldar::gui {
namespace {

using testing::LocalUpdateServer;

class DownloadWindowTest : public ::testing::Test {
protected:
    DownloadWindowTest() { texts_.fill(settings::kEnglish, settings_); }
    QString target() const { return QDir(folder_.path()).filePath(QStringLiteral("FAQ_Quilldar.pdf")); }

    settings::Settings settings_;
    settings::LanguageTable texts_;
    QTemporaryDir folder_;
};

TEST_F(DownloadWindowTest, ShownWindowSaysPleaseWaitAndShowsTheWholeFileArrive) {
    LocalUpdateServer server;
    ASSERT_TRUE(server.started());
    const QByteArray body(3 * 1024 * 1024 + 5, 'q');
    server.put(QStringLiteral("FAQ_Quilldar.pdf"), body);
    CDlgDownl window(texts_);
    window.setSource(server.url() + "FAQ_Quilldar.pdf", target());
    window.setShowMessage(true);
    bool visible = false;
    QObject::connect(&window, &CDlgDownl::progressShown, [&] { visible = visible || window.isVisible(); });
    EXPECT_TRUE(window.run());
    EXPECT_TRUE(visible);
    EXPECT_EQ(window.messageText(), QStringLiteral("Please wait while downloading..."));
    EXPECT_EQ(window.progressValue(), window.progressMaximum());
    EXPECT_GT(window.progressMaximum(), 1);
    QFile file(target());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), body);
}

// While a transfer waits on a server that does not answer, the program's timers keep running and
// Escape does not end the window.
TEST_F(DownloadWindowTest, GuiThreadKeepsRunningWhileTheTransferWaits) {
    testing::SilentListener silent;
    ASSERT_GT(silent.port(), 0);
    CDlgDownl window(texts_);
    window.setSource(QStringLiteral("http://127.0.0.1:%1/software/obd/FAQ_Quilldar.pdf").arg(silent.port()), target());
    window.setShowMessage(true);
    update::TransferLimits limits;
    limits.stallSeconds = 1;
    limits.totalMs = 2000;
    window.setLimits(limits);
    int ticksDuringTransfer = 0;
    QTimer other;
    QObject::connect(&other, &QTimer::timeout, [&] {
        if (!window.isVisible()) return;
        ++ticksDuringTransfer;
        window.reject();
    });
    other.start(20);
    EXPECT_FALSE(window.run());
    EXPECT_GT(ticksDuringTransfer, 0);
    EXPECT_FALSE(QFile::exists(target()));
}

// Escape and the window's close button while the file is still arriving: the window stays up
// until the transfer ended, and what is left is the whole file, never a part of it.
TEST_F(DownloadWindowTest, EscapeOrCloseDuringARunningDownloadKeepTheWindowUntilTheFileIsWhole) {
    LocalUpdateServer server;
    ASSERT_TRUE(server.started());
    const QByteArray body(256 * 1024 + 3, 'q');
    server.put(QStringLiteral("FAQ_Quilldar.pdf"), body);
    server.sendSlowly(QStringLiteral("FAQ_Quilldar.pdf"), 8, 0.1);
    CDlgDownl window(texts_);
    window.setSource(server.url() + "FAQ_Quilldar.pdf", target());
    window.setShowMessage(true);
    int attempts = 0;
    bool stayedUp = true;
    QObject::connect(&window, &CDlgDownl::progressShown, [&] {
        if (!window.isVisible() || attempts >= 4) return;
        if (attempts % 2 == 0) {
            window.reject();
        } else {
            window.close();
        }
        ++attempts;
        stayedUp = stayedUp && window.isVisible();
    });
    EXPECT_TRUE(window.run());
    EXPECT_EQ(attempts, 4);
    EXPECT_TRUE(stayedUp);
    QFile file(target());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), body);
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("FAQ_Quilldar.pdf")});
    // Once it ended, the window closes as any other.
    EXPECT_FALSE(window.isVisible());
}

// A failed download closes its window as not done, and its bar shows how much came of how much.
TEST_F(DownloadWindowTest, FailedDownloadEndsAsNotDoneAndTheBarCountsReceivedOfExpected) {
    LocalUpdateServer server;
    ASSERT_TRUE(server.started());
    server.put(QStringLiteral("FAQ_Quilldar.pdf"), QByteArray(200 * 1024, 'q'));
    server.breakOffHalfway(QStringLiteral("FAQ_Quilldar.pdf"));
    CDlgDownl window(texts_);
    window.setSource(server.url() + "FAQ_Quilldar.pdf", target());
    window.setShowMessage(true);
    QString lastFormat;
    QObject::connect(&window, &CDlgDownl::progressShown, [&] {
        if (auto* bar = window.findChild<QProgressBar*>()) lastFormat = bar->format();
    });
    EXPECT_FALSE(window.run());
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_FALSE(QFile::exists(target()));
    EXPECT_LT(window.progressValue(), window.progressMaximum());
    EXPECT_TRUE(lastFormat.endsWith(QStringLiteral(" / 200 KB"))) << lastFormat.toStdString();
    EXPECT_FALSE(lastFormat.startsWith(QStringLiteral("200 /"))) << lastFormat.toStdString();
}

TEST_F(DownloadWindowTest, UnseenWindowNeverAppears) {
    LocalUpdateServer server;
    ASSERT_TRUE(server.started());
    server.put(QStringLiteral("Quilldar.txt"), "version");
    CDlgDownl window(texts_);
    window.setSource(server.url() + "Quilldar.txt", target());
    bool everVisible = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] { everVisible = everVisible || window.isVisible(); });
    watcher.start(1);
    EXPECT_TRUE(window.run());
    EXPECT_FALSE(everVisible);
    EXPECT_TRUE(QFile::exists(target()));
}

// The entry point of the poll tick, through the environment's server address.
TEST(RunUpdateCheck, NewFaqVersionRefreshesTheDocumentsAndSaysSo) {
    LocalUpdateServer server;
    ASSERT_TRUE(server.started());
    QByteArray version = "<program> V2.0.3.4 <faq> V1.0.1.0 ";
    version.append(QByteArray(43 - version.size(), ' '));
    server.put(QStringLiteral("Quilldar.txt"), version);
    for (const char* name : {"FAQ_Quilldar.pdf", "FAQ_Quilldar_ru.pdf", "FAQ_Quilldar_de.pdf"})
        server.putSigned(QString::fromLatin1(name), QByteArray("%PDF-1.4 ") + name);
    QTemporaryDir install;
    app::AppContext context(std::make_unique<sim::SimulatedModule>(std::make_unique<sim::VirtualVehicle>()));
    context.settings().faqVersion = QStringLiteral("1009");
    context.settings().installDir = install.path() + "/";
    context.languageTable().fill(settings::kEnglish, context.settings());

    // The server's address and signing key, as a private mirror sets them.
    const QByteArray saved = qgetenv("QUILLDAR_UPDATE_URL");
    qputenv("QUILLDAR_UPDATE_URL", server.url().toUtf8());
    qputenv("QUILLDAR_UPDATE_PUBLIC_KEY", server.publicKey().toLatin1());
    QStringList said;
    const UpdatePrompts prompts{[&](QWidget*, const QString&, const QString& text) { said << text; return false; },
                                [&](QWidget*, const QString& caption, const QString& text) { said << caption + "|" + text; }};
    const bool install_now = runUpdateCheck(nullptr, context, prompts);
    qputenv("QUILLDAR_UPDATE_URL", saved);
    qunsetenv("QUILLDAR_UPDATE_PUBLIC_KEY");

    EXPECT_FALSE(install_now);
    EXPECT_EQ(said, QStringList{QStringLiteral("Note|FAQ page has been updated.")});
    EXPECT_EQ(context.settings().faqVersion, QStringLiteral("1010"));
    // Into the user's own data folder, not the install folder, which a user cannot write once
    // the program is installed.
    EXPECT_TRUE(QFile::exists(QDir(platform::userDataFolder()).filePath(QStringLiteral("FAQ_Quilldar_de.pdf"))));
    EXPECT_TRUE(QDir(install.path()).isEmpty(QDir::Files | QDir::Hidden));
    EXPECT_EQ(context.state().installPending, 0);
}

}  // namespace
}  // namespace quilldar::gui
