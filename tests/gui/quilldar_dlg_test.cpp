#include "gui/app/quilldar_dlg.h"
#include "gui/main_window_fixture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QLabel>
#include <QTimer>
#include <QUrl>
#include <QPushButton>
#include <QTreeWidget>
#include <QTemporaryDir>
#include <QTest>

#include "gui/app/my_tab_ctrl.h"
#include "support/recording_builder.h"
#include "gui/pages/dlg_dialog6.h"
#include "link/link_handshake.h"
#include "settings/languages.h"
#include "sim/simulated_module.h"
#include "sim/unit_catalogue.h"

namespace quilldar::gui {
namespace {

TEST_F(MainWindowTest, StartsIdleWithAllEightTabsAndConnectAfterStablePower) {
    EXPECT_EQ(tabTexts(), (QStringList{"Engine", "Transmission", "Engine && Transmission", "ABS", "EPS",
                                       "Error codes", "Show data when trouble", "Active tests"}));
    EXPECT_EQ(window_->fieldText("hardwareId"), "---");
    EXPECT_FALSE(window_->button(MainControl::Connect)->isEnabled());
    ticks(1);
    EXPECT_EQ(window_->fieldText("hardwareId"), "Q21");
    EXPECT_EQ(window_->fieldText("hardwareSn"), "004217");
    ticks(link::kPowerStableCount);
    EXPECT_TRUE(window_->button(MainControl::Connect)->isEnabled());
}

TEST_F(MainWindowTest, ConnectStartsASessionAndDisconnectEndsIt) {
    connectEngine();
    EXPECT_EQ(window_->button(MainControl::Connect)->text(), "Disconnect");
    EXPECT_EQ(window_->fieldText("ecmId"), "71820-12F00");
    ticks(2);
    EXPECT_EQ(tabTexts(), (QStringList{"Engine", "Error codes", "Show data when trouble", "Active tests"}));
    // The stored codes open the Error codes page by themselves.
    EXPECT_EQ(window_->tabs().shownPage(), 5);
    EXPECT_EQ(window_->fieldText("dtcCount"), "2");
    EXPECT_TRUE(window_->button(MainControl::ClearErrors)->isEnabled());
    EXPECT_FALSE(window_->button(MainControl::Settings)->isEnabled());

    // A click on the first tab shows the Engine page.
    window_->controller().tabClicked(0);
    EXPECT_EQ(window_->tabs().shownPage(), 0);

    QTest::mouseClick(window_->button(MainControl::Connect), Qt::LeftButton);
    EXPECT_EQ(context_->state().connected, 0);
    EXPECT_EQ(window_->button(MainControl::Connect)->text(), "Connect");
    EXPECT_EQ(tabTexts().size(), 8);
}

TEST_F(MainWindowTest, ErrorCodesPageListsTheStoredCodesLastFirst) {
    connectEngine();
    auto* page = qobject_cast<CDlgDialog6*>(window_->tabs().page(5));
    ASSERT_NE(page, nullptr);
    // The automatic switch puts the trouble-code list on; a few ticks bring its answer.
    for (int i = 0; i < 10 && page->list().topLevelItemCount() == 0; ++i) {
        ticks(1);
        page->tick();
    }
    ASSERT_EQ(page->list().topLevelItemCount(), 2);
    EXPECT_EQ(page->list().topLevelItem(0)->text(0), "P0351");
    EXPECT_EQ(page->list().topLevelItem(0)->text(2), "Past");
    EXPECT_EQ(page->list().topLevelItem(1)->text(0), "P0105");
    EXPECT_EQ(page->list().topLevelItem(1)->text(1), "Manifold absolute pressure circuit malfunction 1");
    EXPECT_EQ(page->list().headerItem()->text(0), "DTC No.:");
}

TEST_F(MainWindowTest, LanguageChangeReappliesTheTextsAtTheNextTick) {
    context_->settings().languageIndex = settings::kGerman;
    context_->languageTable().fill(settings::kGerman, context_->settings());
    ticks(1);
    EXPECT_EQ(window_->button(MainControl::Connect)->text(), "Verbinden");
    EXPECT_NE(tabTexts().first(), "Engine");
    // Qt's own words follow: the buttons of every question and message box.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Ja");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    context_->settings().languageIndex = settings::kRussian;
    context_->languageTable().fill(settings::kRussian, context_->settings());
    ticks(1);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&No"), QString::fromUtf8("&Нет"));
    context_->settings().languageIndex = settings::kEnglish;
    context_->languageTable().fill(settings::kEnglish, context_->settings());
    ticks(1);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
}

TEST_F(MainWindowTest, ClosingWithUnsavedRecordsAndAnsweringNoKeepsTheWindow) {
    connectEngine();
    ticks(3);
    QTest::mouseClick(window_->button(MainControl::Connect), Qt::LeftButton);
    window_->start();
    answers_ = {false};
    window_->close();
    EXPECT_TRUE(window_->isVisible());
    EXPECT_TRUE(window_->pollTimerActive());
    ASSERT_EQ(questions_.size(), 1);
    EXPECT_TRUE(questions_.first().startsWith("Last session was not saved!"));
    answers_ = {true};
    window_->close();
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(MainWindowTest, SaveAsAfterASessionWritesTheChosenFile) {
    connectEngine();
    ticks(12);
    QTest::mouseClick(window_->button(MainControl::Connect), Qt::LeftButton);  // Disconnect
    ASSERT_TRUE(window_->button(MainControl::SaveAs)->isEnabled());
    QString offeredFolder;
    window_->setSavePathChooser([&](QWidget*, const QString& folder) {
        offeredFolder = folder;
        return folder_.filePath("workshop ride");  // the extension is added
    });
    QTest::mouseClick(window_->button(MainControl::SaveAs), Qt::LeftButton);
    EXPECT_TRUE(QFile::exists(folder_.filePath("workshop ride.QLS")));
    EXPECT_FALSE(window_->button(MainControl::SaveAs)->isEnabled());
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(MainWindowTest, CommunicationFailedIsShownWithTheWindowsTexts) {
    ticks(link::kPowerStableCount + 1);
    module_->failNextStart("Connect Error");
    QTest::mouseClick(window_->button(MainControl::Connect), Qt::LeftButton);
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_.first().startsWith("Communication failed\n\n")) << messages_.first().toStdString();
    // Which unit was tried, and that its tab picks it.
    EXPECT_TRUE(messages_.first().contains("The unit tried was Engine, the unit of the selected tab."));
}

TEST_F(MainWindowTest, SessionTabsCarryNoLeadingBlanksAndTheTimeFieldIsWhite) {
    EXPECT_TRUE(window_->tabs().tabText(0).startsWith(QStringLiteral("  ")));  // the idle strip
    connectEngine();
    ticks(1);
    EXPECT_EQ(window_->tabs().tabText(0), "Engine");
    EXPECT_EQ(window_->tabs().tabText(1), "Error codes");
    const auto* time = window_->findChild<QLabel*>(QStringLiteral("timeField"));
    ASSERT_NE(time, nullptr);
    EXPECT_EQ(time->palette().color(time->foregroundRole()), QColor(Qt::white));
    const auto* dtc = window_->findChild<QLabel*>(QStringLiteral("dtcCount"));
    EXPECT_NE(dtc->palette().color(dtc->foregroundRole()), QColor(Qt::white));
}

TEST_F(MainWindowTest, SaveDialogLeftOpenForThreeSecondsKeepsTheLinkUp) {
    connectEngine();
    ticks(12);
    QTest::mouseClick(window_->button(MainControl::Connect), Qt::LeftButton);  // Disconnect
    ticks(2);  // the module is opened and greeted again
    ASSERT_TRUE(context_->state().isLinkOpen());
    const auto greetings = [this] {
        int count = 0;
        for (const link::Report& sent : module_->commandsReceived()) count += link::payloadStartsWith(sent, "Get_ID");
        return count;
    };
    const int before = greetings();
    window_->setSavePathChooser([](QWidget*, const QString&) {
        QTest::qWait(3000);  // the user looks for a folder, then cancels
        return QString();
    });
    QTest::mouseClick(window_->button(MainControl::SaveAs), Qt::LeftButton);
    ticks(1);
    EXPECT_TRUE(context_->state().isLinkOpen());
    EXPECT_EQ(greetings(), before);  // the link was not lost and greeted anew

    answers_ = {true};  // drop the unsaved records
    QTest::mouseClick(window_->button(MainControl::Connect), Qt::LeftButton);
    EXPECT_EQ(context_->state().connected, 1);
}

TEST_F(MainWindowTest, CloseDuringASlowTickClosesOnceTheTickIsDone) {
    ticks(1);
    module_->setReplyDelay(std::chrono::milliseconds(400));
    QTimer::singleShot(100, window_.get(), [this] { window_->close(); });
    window_->pollTick();  // the power poll waits 400 ms and keeps the window painted meanwhile
    EXPECT_TRUE(window_->isVisible());  // not inside the tick
    QCoreApplication::sendPostedEvents();  // the event loop's next turn
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(context_->state().exiting, 1);
}

TEST_F(MainWindowTest, RecordingFromTheCommandLinePlaysAndStepsOnTheWindow) {
    testing::RecordingBuilder recording;
    recording.addIdentification(0, "71820-12F00", "12F0");
    for (int i = 0; i < 6; ++i) recording.add(0, testing::engineLiveFrame({{17, 30}}));
    for (int i = 0; i < 6; ++i) recording.add(5, testing::troubleCodeAnswer({{0x01, 0x05, 0x60}}));
    const QString file = folder_.filePath("ride.QLS");
    ASSERT_TRUE(recording.writeTo(file));

    window_->openAtStart(file);
    ASSERT_EQ(context_->state().playback, 1);
    EXPECT_TRUE(window_->windowTitle().endsWith("ride.QLS"));
    EXPECT_EQ(window_->button(MainControl::Open)->text(), "Close");
    EXPECT_EQ(window_->button(MainControl::SaveAs)->text(), "Play");
    EXPECT_EQ(window_->fieldText("ecmId"), "71820-12F00");
    EXPECT_EQ(window_->fieldText("lengthField"), "2.10 sec");
    ticks(1);
    EXPECT_EQ(tabTexts(), QStringList{"Engine"});

    QTest::mouseClick(window_->button(MainControl::SaveAs), Qt::LeftButton);  // Play
    EXPECT_EQ(window_->button(MainControl::SaveAs)->text(), "Pause");
    EXPECT_FALSE(window_->button(MainControl::Print)->isEnabled());
    ticks(2);
    QTest::mouseClick(window_->button(MainControl::SaveAs), Qt::LeftButton);  // Pause
    EXPECT_EQ(window_->button(MainControl::SaveAs)->text(), "Play");
    EXPECT_TRUE(window_->button(MainControl::Print)->isEnabled());

    ASSERT_TRUE(window_->button(MainControl::Forward)->isEnabled());
    QTest::mouseClick(window_->button(MainControl::Forward), Qt::LeftButton);  // to the Error codes
    ticks(1);
    EXPECT_EQ(tabTexts(), QStringList{"Error codes"});
    EXPECT_EQ(window_->tabs().shownPage(), 5);

    QTest::mouseClick(window_->button(MainControl::Open), Qt::LeftButton);  // Close
    EXPECT_EQ(context_->state().playback, 0);
    EXPECT_EQ(window_->button(MainControl::Open)->text(), "Open...");
    EXPECT_EQ(tabTexts().size(), 8);
    EXPECT_FALSE(window_->windowTitle().contains("ride.QLS"));
}

TEST_F(MainWindowTest, PrintDuringPlaybackWritesTheReportOfWhatIsShownAndOpensIt) {
    testing::RecordingBuilder recording;
    recording.addIdentification(0, "71820-12F00", "12F0");
    for (int i = 0; i < 6; ++i) recording.add(0, testing::engineLiveFrame({{6, 1}, {17, 30}}));
    for (int i = 0; i < 6; ++i) recording.add(5, testing::troubleCodeAnswer({{0x01, 0x05, 0x60}}));
    const QString file = folder_.filePath("ride.QLS");
    ASSERT_TRUE(recording.writeTo(file));
    window_->openAtStart(file);
    QTest::mouseClick(window_->button(MainControl::SaveAs), Qt::LeftButton);  // Play
    ticks(recording.records() + 2);                                           // to the end
    ASSERT_TRUE(window_->button(MainControl::Print)->isEnabled());
    QTest::qWait(250);  // the page timers decode what stands in the report

    QStringList opened;
    bool timerStoppedWhileOpening = false;
    window_->setUrlOpener([&](const QUrl& target) {
        opened << target.toLocalFile();
        timerStoppedWhileOpening = !window_->pollTimerActive();
        return true;
    });
    QTest::mouseClick(window_->button(MainControl::Print), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1) << messages_.join('\n').toStdString();
    EXPECT_TRUE(messages_.isEmpty());
    EXPECT_TRUE(timerStoppedWhileOpening);
    EXPECT_TRUE(window_->pollTimerActive());
    // Playback goes on at one record per 150 ms, not faster.
    EXPECT_EQ(window_->pollTimerInterval(), app::PlaybackController::kPlaybackPeriodMs);
    EXPECT_EQ(QFileInfo(opened.first()).absolutePath(), QDir(folder_.filePath("Prints")).absolutePath());

    QProcess text;
    text.start("pdftotext", {"-layout", opened.first(), "-"});
    ASSERT_TRUE(text.waitForFinished(20000));
    const QString report = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    const QString time = window_->fieldText("timeField").mid(QStringLiteral("Time:").size());
    EXPECT_TRUE(report.contains("ride.QLS @ " + time)) << report.toStdString();
    EXPECT_TRUE(report.contains("P0105 Manifold absolute pressure circuit malfunction 1 Current")) << report.toStdString();
}

// The report of a recording names the recording's ECM; the module that stands greeted beside it
// made no part of the recording, so its numbers stay out.
TEST_F(MainWindowTest, PrintDuringPlaybackNamesTheRecordingsEcmAndNoModule) {
    ticks(link::kPowerStableCount + 1);  // the module is greeted: its numbers are known
    ASSERT_TRUE(window_->button(MainControl::Connect)->isEnabled());
    testing::RecordingBuilder recording;
    recording.addIdentification(0, "71820-12F00", "12F0");
    for (int i = 0; i < 6; ++i) recording.add(0, testing::engineLiveFrame({{6, 1}, {17, 30}}));
    const QString file = folder_.filePath("ride.QLS");
    ASSERT_TRUE(recording.writeTo(file));
    window_->openAtStart(file);
    ASSERT_EQ(context_->state().playback, 1);
    ticks(3);
    QStringList opened;
    window_->setUrlOpener([&](const QUrl& target) {
        opened << target.toLocalFile();
        return true;
    });
    ASSERT_TRUE(window_->button(MainControl::Print)->isEnabled());
    QTest::mouseClick(window_->button(MainControl::Print), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1) << messages_.join('\n').toStdString();
    QProcess text;
    text.start("pdftotext", {"-layout", opened.first(), "-"});
    ASSERT_TRUE(text.waitForFinished(20000));
    const QString report = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    EXPECT_TRUE(report.startsWith("ECM ID: 71820-12F00 (12F0) Hardware ID: --- Hardware SN: ---")) << report.toStdString();
}

TEST_F(MainWindowTest, PrintTellsTheUserWhenTheReportCannotBeWritten) {
    connectEngine();
    QFile blocker(folder_.filePath("Prints"));  // a file where the folder should go
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    int opened = 0;
    window_->setUrlOpener([&](const QUrl&) { return ++opened, true; });
    ASSERT_TRUE(window_->button(MainControl::Print)->isEnabled());
    QTest::mouseClick(window_->button(MainControl::Print), Qt::LeftButton);
    EXPECT_EQ(opened, 0);
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_.first().contains("Prints")) << messages_.first().toStdString();
}

TEST_F(MainWindowTest, HelpButtonsOpenTheirDocumentsThroughTheOpener) {
    QStringList opened;
    window_->setUrlOpener([&](const QUrl& target) {
        opened << target.toString();
        return true;
    });
    window_->openWebSite();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened.first().startsWith("https://"));
    // The FAQ documents arrive with the update check: a missing one is reported.
    context_->settings().installDir = folder_.path() + "/";
    window_->showFaq();
    EXPECT_EQ(opened.size(), 1);
    ASSERT_FALSE(messages_.isEmpty());
    EXPECT_TRUE(messages_.last().contains("FAQ_Quilldar.pdf"));
    EXPECT_TRUE(window_->pollTimerActive());
}

TEST_F(MainWindowTest, FirstTickChecksForUpdatesSilentlyWhenNoServerAnswers) {
    // The test environment points the update server at a closed local port.
    context_->state().updateCheckPending = 1;
    window_->start();
    window_->pollTick();
    EXPECT_EQ(context_->state().updateCheckPending, 0);
    EXPECT_TRUE(messages_.isEmpty());
    EXPECT_TRUE(questions_.isEmpty());
    EXPECT_TRUE(window_->pollTimerActive());
    EXPECT_EQ(window_->fieldText("hardwareId"), "---");  // the tick did nothing else
    window_->pollTick();
    EXPECT_EQ(window_->fieldText("hardwareId"), "Q21");
}

}  // namespace
}  // namespace quilldar::gui
