#include "gui/settings/dlg_settings.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "gui/settings/colour_box.h"
#include "settings/highlight_colour.h"
#include "settings/language_table.h"
#include "settings/languages.h"

namespace quilldar::gui {
namespace {

using settings::kEnglish;
using settings::kGerman;
using settings::kRussian;

class DlgSettingsTest : public ::testing::Test {
protected:
    DlgSettingsTest() {
        settings_.entries = {0, 0, 0, 0, 0, 5, 0, 0, 0, 0};
        settings_.languageIndex = kEnglish;
        table_.fill(kEnglish, settings_);
    }

    std::unique_ptr<CDlgSettings> makeDialog() {
        auto dialog = std::make_unique<CDlgSettings>(settings_, table_);
        dialog->setMessagePresenter(
            [this](QWidget*, const QString&, const QString& text) { messages_ << text; });
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return dialog;
    }
    template <typename Widget>
    static Widget* child(QWidget* dialog, const char* name) {
        auto* widget = dialog->findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static bool hasLabel(QWidget* dialog, const QString& text) {
        for (QLabel* label : dialog->findChildren<QLabel*>()) {
            if (label->text() == text) return true;
        }
        return false;
    }

    settings::Settings settings_;
    settings::LanguageTable table_;
    QStringList messages_;
};

TEST_F(DlgSettingsTest, ShowsTheLanguageTablesTextsAndTheCurrentChoices) {
    settings_.entries[settings::entry::kPressureUnit] = 2;
    settings_.entries[settings::entry::kHighlightColour] = 3;
    auto dialog = makeDialog();
    EXPECT_EQ(dialog->windowTitle(), "Settings");
    for (const char* text : {"Language", "Speed", "Temperature", "Pressure", "Airflow",
                             "Highlighting period (sec)"}) {
        EXPECT_TRUE(hasLabel(dialog.get(), QLatin1String(text))) << text;
    }
    EXPECT_EQ(child<QPushButton>(dialog.get(), "okButton")->text(), "Ok");
    EXPECT_EQ(child<QPushButton>(dialog.get(), "cancelButton")->text(), "Cancel");
    EXPECT_EQ(child<QComboBox>(dialog.get(), "languageList")->currentText(), "English");
    EXPECT_EQ(child<QComboBox>(dialog.get(), "pressureList")->currentText(), "inHg");
    EXPECT_EQ(child<QComboBox>(dialog.get(), "airflowList")->currentText(), "g/s");
    EXPECT_EQ(child<QComboBox>(dialog.get(), "colourBox")->currentIndex(), 3);
    EXPECT_EQ(child<QLineEdit>(dialog.get(), "periodField")->text(), "5");
}

TEST_F(DlgSettingsTest, ChoosingAColourChangesTheHighlightAtOnceAndCancelKeepsIt) {
    auto dialog = makeDialog();
    auto* colours = child<QComboBox>(dialog.get(), "colourBox");
    colours->setFocus();
    for (int step = 0; step < 4; ++step) QTest::keyClick(colours, Qt::Key_Down);
    EXPECT_EQ(settings_.highlightColour, settings::highlightColourAt(4));
    QTest::mouseClick(child<QPushButton>(dialog.get(), "cancelButton"), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(settings_.highlightColour, 0xFF0000u);
    EXPECT_EQ(settings_.entries[settings::entry::kHighlightColour], 0);
}

TEST_F(DlgSettingsTest, OkTakesTheChoicesOfTheLists) {
    auto dialog = makeDialog();
    auto* languages = child<QComboBox>(dialog.get(), "languageList");
    languages->setFocus();
    for (int step = 0; step < 2; ++step) QTest::keyClick(languages, Qt::Key_Down);
    auto* speed = child<QComboBox>(dialog.get(), "speedList");
    speed->setFocus();
    QTest::keyClick(speed, Qt::Key_Down);
    QTest::mouseClick(child<QPushButton>(dialog.get(), "okButton"), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(settings_.languageIndex, kGerman);
    EXPECT_EQ(settings_.entries[settings::entry::kSpeedUnit], 1);
}

TEST_F(DlgSettingsTest, InvalidPeriodKeepsTheDialogOpenWithTheMessage) {
    auto dialog = makeDialog();
    auto* period = child<QLineEdit>(dialog.get(), "periodField");
    period->setFocus();
    period->selectAll();
    QTest::keyClicks(period, "250");
    QTest::mouseClick(child<QPushButton>(dialog.get(), "okButton"), Qt::LeftButton);
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_EQ(messages_.size(), 1) << "one message, not one for leaving and one for OK";
    EXPECT_EQ(messages_[0], "Please enter an integer between 0 and 100.");

    period->selectAll();
    QTest::keyClicks(period, "42");
    QTest::keyClick(period, Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(settings_.highlightPeriodSeconds(), 42);
}

TEST_F(DlgSettingsTest, LeavingThePeriodFieldForAnotherControlValidatesIt) {
    auto dialog = makeDialog();
    auto* period = child<QLineEdit>(dialog.get(), "periodField");
    period->setFocus();
    period->selectAll();
    QTest::keyClicks(period, "x");
    child<QComboBox>(dialog.get(), "speedList")->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(messages_.size(), 1);
}

TEST_F(DlgSettingsTest, TabKeyDoesNotMoveTheFocus) {
    auto dialog = makeDialog();
    auto* languages = child<QComboBox>(dialog.get(), "languageList");
    languages->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), languages);
    QTest::keyClick(languages, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), languages);
    QTest::keyClick(languages, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), languages);
}

TEST_F(DlgSettingsTest, TextsFollowARefillOfTheLanguageTable) {
    auto dialog = makeDialog();
    table_.fill(kGerman, settings_);
    QTRY_COMPARE_WITH_TIMEOUT(dialog->windowTitle(), QStringLiteral("Einstellungen"), 2000);
    EXPECT_EQ(child<QPushButton>(dialog.get(), "cancelButton")->text(), "Abbrechen");
    EXPECT_TRUE(hasLabel(dialog.get(), QStringLiteral("Sprache")));
}

// With QUILLDAR_SCREENSHOT_DIR set, saves the dialog in English, German and Russian for a look
// at the layout (run under xvfb-run, with QT_FONT_DPI=96 or 144).
TEST_F(DlgSettingsTest, RendersInEveryLanguageWithoutCuttingTexts) {
    const QString folder = qEnvironmentVariable("QUILLDAR_SCREENSHOT_DIR");
    for (int language : {kEnglish, kGerman, kRussian}) {
        table_.fill(language, settings_);
        auto dialog = makeDialog();
        for (QLabel* label : dialog->findChildren<QLabel*>()) {
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
        }
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
        }
        if (!folder.isEmpty()) {
            QDir().mkpath(folder);
            const QString name = QStringLiteral("settings_%1_%2dpi.png")
                                     .arg(QLatin1String(settings::languageInfo(language).code))
                                     .arg(dialog->logicalDpiX() * dialog->devicePixelRatio());
            EXPECT_TRUE(dialog->grab().save(QDir(folder).filePath(name)));
        }
    }
}

}  // namespace
}  // namespace quilldar::gui
