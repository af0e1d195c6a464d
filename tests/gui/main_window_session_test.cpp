// The main window keeps the live session going behind its help dialogs, keeps showing what it
// knows, asks about an update once, and says what happened when a document cannot be shown.

#include <gtest/gtest.h>

#include <QFontMetrics>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <QUrl>

#include "gui/main_window_fixture.h"
#include "support/recording_builder.h"
#include "gui/settings/dlg_settings.h"

namespace quilldar::gui {
namespace {

// Runs `whileOpen` once the next modal dialog is shown, then closes that dialog unless
// `whileOpen` did.
void whenDialogShows(const std::function<void(QDialog&)>& whileOpen) {
    auto* watcher = new QTimer;
    watcher->setInterval(10);
    QObject::connect(watcher, &QTimer::timeout, [watcher, whileOpen] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        watcher->stop();
        watcher->deleteLater();
        whileOpen(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    watcher->start();
}

TEST_F(MainWindowTest, AboutAndModelsKeepTheLiveSessionRecording) {
    connectEngine();
    ticks(2);
    for (const auto& open : {std::function<void()>([this] { window_->showAbout(); }),
                             std::function<void()>([this] { window_->showModels(); })}) {
        const std::uint32_t before = context_->state().recordCount;
        std::uint32_t whileOpen = 0;
        whenDialogShows([&](QDialog&) {
            ticks(3);  // the poll timer goes on behind the dialog
            whileOpen = context_->state().recordCount;
        });
        open();
        EXPECT_EQ(whileOpen, before + 3);
        EXPECT_EQ(context_->state().connected, 1);
    }
}

TEST_F(MainWindowTest, TheHardwareFieldsStillShowTheModuleAfterSettings) {
    ticks(1);
    ASSERT_EQ(window_->fieldText("hardwareId"), "Q21");
    whenDialogShows([](QDialog& settings) {
        auto* pressure = settings.findChild<QComboBox*>(QStringLiteral("pressureList"));
        ASSERT_NE(pressure, nullptr);
        const int other = (pressure->currentIndex() + 1) % pressure->count();
        pressure->setCurrentIndex(other);
        emit pressure->activated(other);  // as the user's choice in the list
        settings.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    });
    window_->openSettings();
    EXPECT_EQ(window_->fieldText("hardwareId"), "Q21");
    EXPECT_EQ(window_->fieldText("hardwareSn"), "004217");
}

TEST_F(MainWindowTest, TheUpdateCheckRunsOnceEvenWhenTheUserKeepsTheWindowAtTheExitQuestion) {
    connectEngine();
    ticks(12);
    QTest::mouseClick(window_->button(MainControl::Connect), Qt::LeftButton);  // unsaved records
    int checks = 0;
    window_->setUpdateCheck([&] {
        ++checks;
        return true;  // the installer is in place and the user wants it now
    });
    context_->state().updateCheckPending = 1;
    answers_ = {false};  // ... but keeps the unsaved session: the window stays
    window_->start();
    ticks(1);
    ASSERT_EQ(questions_.size(), 1);
    EXPECT_TRUE(questions_.first().startsWith("Last session was not saved!"));
    EXPECT_TRUE(window_->isVisible());
    EXPECT_TRUE(window_->pollTimerActive());
    ticks(3);
    EXPECT_EQ(checks, 1);
    EXPECT_EQ(questions_.size(), 1);
}

TEST_F(MainWindowTest, ARecordingOpenedAtStartPlaysAtOneRecordPer150MsAfterTheUpdateCheck) {
    testing::RecordingBuilder recording;
    recording.addIdentification(0, "71820-12F00", "12F0");
    for (int i = 0; i < 20; ++i) recording.add(0, testing::engineLiveFrame({{17, 30}}));
    const QString file = folder_.filePath("ride.QLS");
    ASSERT_TRUE(recording.writeTo(file));
    window_->openAtStart(file);
    window_->setUpdateCheck([] { return false; });
    context_->state().updateCheckPending = 1;
    window_->start();
    EXPECT_EQ(window_->pollTimerInterval(), app::PlaybackController::kPlaybackPeriodMs);
    ticks(1);  // the update check restarts the timer
    EXPECT_EQ(window_->pollTimerInterval(), app::PlaybackController::kPlaybackPeriodMs);
}

TEST_F(MainWindowTest, ConnectOnTheTabOfAnotherUnitSaysWhichUnitWasTried) {
    ticks(link::kPowerStableCount + 1);
    window_->controller().tabClicked(1);  // the vehicle has an engine unit only
    QTest::mouseClick(window_->button(MainControl::Connect), Qt::LeftButton);
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_.first().startsWith("Communication failed")) << messages_.first().toStdString();
    EXPECT_TRUE(messages_.first().contains("The unit tried was Transmission, the unit of the selected tab."));
    EXPECT_TRUE(messages_.first().contains("select its tab first"));
}

TEST_F(MainWindowTest, AnOfflineCopySaysThatAnotherCopyUsesTheModule) {
    context_->state().offlineInstance = 1;
    ticks(2);
    const auto* serial = window_->findChild<QLabel*>(QStringLiteral("hardwareSn"));
    ASSERT_NE(serial, nullptr);
    EXPECT_TRUE(serial->toolTip().startsWith("Another Quilldar uses the module")) << serial->toolTip().toStdString();
    EXPECT_EQ(window_->fieldText("hardwareId").left(7), "Offline");
}

// "No reply from the module" makes the line longer than its place: the reason is cut, never what
// is kept for Save As.
TEST_F(MainWindowTest, ASilentModulesLongerLineKeepsTheRecordsPartWhole) {
    connectEngine();
    ticks(12);
    module_->setReplyDelay(std::chrono::milliseconds(1600));
    for (int i = 0; i < 6 && context_->state().connected; ++i) ticks(1);
    ASSERT_EQ(context_->state().connected, 0);
    const auto* line = window_->findChild<QLabel*>(QStringLiteral("sessionEndLine"));
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->toolTip().contains("No reply from the module")) << line->toolTip().toStdString();
    const QFontMetrics metrics(line->font());
    ASSERT_GT(metrics.horizontalAdvance(line->toolTip()), line->width()) << "the whole line fits: nothing is tested";
    EXPECT_LE(metrics.horizontalAdvance(line->text()), line->width()) << line->text().toStdString();
    EXPECT_TRUE(line->text().endsWith("records kept for Save As.")) << line->text().toStdString();
    EXPECT_TRUE(line->text().startsWith("Session ended at ")) << line->text().toStdString();
}

TEST_F(MainWindowTest, APulledModuleIsNamedInTheWindowInThePlaybackStripsPlace) {
    connectEngine();
    ticks(12);
    module_->unplug();
    for (int i = 0; i < 4 && context_->state().connected; ++i) ticks(1);
    ASSERT_EQ(context_->state().connected, 0);
    const auto* line = window_->findChild<QLabel*>(QStringLiteral("sessionEndLine"));
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->isVisible());
    EXPECT_TRUE(line->toolTip().contains("Module unplugged")) << line->toolTip().toStdString();
    EXPECT_TRUE(line->toolTip().endsWith("records kept for Save As."));
    // On screen the line fits its place, and what is kept is never the part cut off.
    EXPECT_LE(QFontMetrics(line->font()).horizontalAdvance(line->text()), line->width()) << line->text().toStdString();
    EXPECT_TRUE(line->text().endsWith("records kept for Save As.")) << line->text().toStdString();
    EXPECT_FALSE(window_->findChild<QWidget*>(QStringLiteral("playbackSlider"))->isVisible());
    EXPECT_TRUE(messages_.isEmpty());

    // A recording opened meanwhile needs the strip back.
    testing::RecordingBuilder recording;
    recording.addIdentification(0, "71820-12F00", "12F0");
    for (int i = 0; i < 20; ++i) recording.add(0, testing::engineLiveFrame({{17, 30}}));
    ASSERT_TRUE(recording.writeTo(folder_.filePath("ride.QLS")));
    answers_ = {true};
    window_->openAtStart(folder_.filePath("ride.QLS"));
    ASSERT_EQ(context_->state().playback, 1);
    EXPECT_FALSE(line->isVisible());
    EXPECT_TRUE(window_->findChild<QWidget*>(QStringLiteral("playbackSlider"))->isVisible());
}

TEST_F(MainWindowTest, WithoutAPdfViewerPrintAndFaqSayWhereTheDocumentIs) {
    connectEngine();
    window_->setUrlOpener([](const QUrl&) { return false; });
    window_->printReport();
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_.first().startsWith("The report was saved as ")) << messages_.first().toStdString();
    EXPECT_TRUE(messages_.first().contains(QDir::toNativeSeparators(folder_.filePath("Prints"))));
    EXPECT_TRUE(messages_.first().endsWith("No program to show PDF files was found."));

    context_->settings().installDir = folder_.path() + "/";
    QFile faq(folder_.filePath("FAQ_Quilldar.pdf"));
    ASSERT_TRUE(faq.open(QIODevice::WriteOnly));
    faq.close();
    window_->showFaq();
    ASSERT_EQ(messages_.size(), 2);
    EXPECT_TRUE(messages_.last().contains("FAQ_Quilldar.pdf")) << messages_.last().toStdString();
    EXPECT_TRUE(messages_.last().endsWith("No program to show PDF files was found."));
}

}  // namespace
}  // namespace quilldar::gui
