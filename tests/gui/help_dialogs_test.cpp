// The Models window, the About dialog and the header image's click.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "context/app_context.h"
#include "state/message_sink.h"
#include "app/web_address.h"
#include "gui/app/dlg_about.h"
#include "gui/pages/dlg_dialog10.h"
#include "gui/widgets/click_action.h"
#include "settings/language_table.h"
#include "settings/languages.h"
#include "sim/simulated_module.h"

namespace quilldar::gui {
namespace {

class RecordingSink : public app::MessageSink {
public:
    void showMessage(const QString& text, const QString&) override { texts << text; }
    QStringList texts;
};

class HelpDialogsTest : public ::testing::Test {
protected:
    HelpDialogsTest() { useLanguage(settings::kEnglish); }
    void useLanguage(int language) {
        settings_.languageIndex = language;
        table_.fill(language, settings_);
    }
    template <typename Widget>
    static Widget* child(QWidget* dialog, const char* name) {
        auto* widget = dialog->findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    std::unique_ptr<CDlgAbout> makeAbout() {
        auto dialog = std::make_unique<CDlgAbout>(
            table_,
            [this](const QUrl& url) {
                opened_ << url;
                return desktopStarts_;
            },
            &sink_);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return dialog;
    }

    settings::Settings settings_;
    settings::LanguageTable table_;
    RecordingSink sink_;
    QList<QUrl> opened_;
    bool desktopStarts_ = true;
};

TEST_F(HelpDialogsTest, ModelsWindowShowsUpperCaseHeadingsOfTheLanguageOverTheEnglishLists) {
    useLanguage(settings::kGerman);
    CDlgDialog10 dialog(table_, settings::kGerman);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    EXPECT_EQ(dialog.windowTitle(), table_.text(settings::MainText::Models));
    EXPECT_EQ(child<QLabel>(&dialog, "motorcyclesHeading")->text(), QStringLiteral("MOTORRÄDER:"));
    EXPECT_EQ(child<QLabel>(&dialog, "atvsHeading")->text(), "ATVS:");
    EXPECT_EQ(child<QPushButton>(&dialog, "closeButton")->text(), QStringLiteral("Schließen"));
    const QString motorcycles = child<QLabel>(&dialog, "motorcycleList")->text();
    EXPECT_TRUE(motorcycles.startsWith("AN250 Burgman (2003-2013),"));
    EXPECT_TRUE(motorcycles.contains(",\n\nBoulevard M90 (2009-2016),"));
    EXPECT_TRUE(
        child<QLabel>(&dialog, "atvList")->text().endsWith("LT-Z400 QuadSport [ATV] (2009-2015)"));
    // The whole list fits: the window is not cut off below its last line.
    EXPECT_GE(child<QLabel>(&dialog, "motorcycleList")->height(),
              child<QLabel>(&dialog, "motorcycleList")->sizeHint().height());
}

TEST_F(HelpDialogsTest, ModelsWindowClosesByCloseAndByEscape) {
    {
        CDlgDialog10 dialog(table_, settings::kEnglish);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(child<QPushButton>(&dialog, "closeButton"), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    {
        CDlgDialog10 dialog(table_, settings::kEnglish);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST_F(HelpDialogsTest, ModelsCommandRunsTheWindowModallyInTheCurrentLanguage) {
    auto module = std::make_unique<sim::SimulatedModule>(std::make_unique<sim::VirtualVehicle>());
    app::AppContext context(std::move(module));
    context.settings().languageIndex = settings::kRussian;
    context.languageTable().fill(settings::kRussian, context.settings());

    QString heading;
    QTimer::singleShot(0, [&heading] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* models = qobject_cast<CDlgDialog10*>(modal))
            heading = models->findChild<QLabel*>(QStringLiteral("motorcyclesHeading"))->text();
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    });
    runModelsDialog(nullptr, context);
    EXPECT_EQ(heading, QStringLiteral("МОТОЦИКЛЫ:"));
}

TEST_F(HelpDialogsTest, AboutLinkGoesToTheOpenerAndAFailedBrowserIsReported) {
    auto dialog = makeAbout();
    auto* link = child<QLabel>(dialog.get(), "aboutLink");
    EXPECT_TRUE(link->text().contains(QString::fromUtf16(app::kMakerWebAddress)));
    EXPECT_FALSE(link->openExternalLinks());

    emit link->linkActivated(app::makerWebSiteUrl().toString());
    ASSERT_EQ(opened_.size(), 1);
    EXPECT_EQ(opened_[0], app::makerWebSiteUrl());
    EXPECT_TRUE(sink_.texts.isEmpty());

    desktopStarts_ = false;
    emit link->linkActivated(app::makerWebSiteUrl().toString());
    EXPECT_EQ(sink_.texts.size(), 1);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(HelpDialogsTest, AboutReappliesItsTextsOnItsTimerAfterTheTableIsRefilled) {
    auto dialog = makeAbout();
    EXPECT_EQ(dialog->windowTitle(), "About");
    EXPECT_EQ(child<QLabel>(dialog.get(), "aboutHeading")->text(), "Quilldar");
    EXPECT_EQ(child<QPushButton>(dialog.get(), "closeButton")->text(), "Close");

    useLanguage(settings::kRussian);
    const QString russianClose = table_.text(settings::AboutText::Close);
    ASSERT_NE(russianClose, "Close");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return child<QPushButton>(dialog.get(), "closeButton")->text() == russianClose; },
        2000));
    EXPECT_EQ(dialog->windowTitle(), table_.text(settings::AboutText::About));
    EXPECT_FALSE(table_.refreshPending(settings::TextGroup::AboutDialog));

    QTest::mouseClick(child<QPushButton>(dialog.get(), "closeButton"), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
}

TEST(ClickActionTest, ActsOnAClickButNotOnAPressDraggedOff) {
    QLabel header;
    header.resize(120, 40);
    int clicks = 0;
    setClickAction(&header, [&clicks] { ++clicks; });
    header.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&header));

    QTest::mouseClick(&header, Qt::LeftButton, {}, QPoint(60, 20));
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(&header, Qt::RightButton, {}, QPoint(60, 20));
    EXPECT_EQ(clicks, 1);
    QTest::mousePress(&header, Qt::LeftButton, {}, QPoint(60, 20));
    QTest::mouseRelease(&header, Qt::LeftButton, {}, QPoint(300, 20));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(header.cursor().shape(), Qt::PointingHandCursor);
}

}  // namespace
}  // namespace quilldar::gui
