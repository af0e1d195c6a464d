#include "gui/files/dlg_open_save.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "context/app_context.h"
#include "gui/files/dlg_new_dir.h"
#include "gui/files/run_file_browser.h"
#include "settings/language_table.h"
#include "settings/languages.h"
#include "sim/simulated_module.h"

namespace quilldar::gui {
namespace {

using files::FileBrowserMode;

class DlgOpenSaveTest : public ::testing::Test {
protected:
    DlgOpenSaveTest() {
        table_.fill(settings::kEnglish, settings_);
        QDir(folder()).mkpath(QStringLiteral("Archive"));
        touch(QStringLiteral("ride.QLS"));
    }

    QString folder() const { return QDir::cleanPath(temp_.path()); }
    void touch(const QString& name) {
        QFile file(QDir(folder()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    std::unique_ptr<CDlgOpenSave> makeDialog(FileBrowserMode mode) {
        files::FileBrowserSystem system{{{folder(), QStringLiteral("T:")}},
                                        [](const QString&) { return false; }};
        auto dialog = std::make_unique<CDlgOpenSave>(files::FileBrowserRequest{mode, folder(), {}},
                                                     table_, memory_, std::move(system));
        dialog->setQuestionPresenter([this](QWidget*, const QString& text) {
            questions_ << text;
            return answers_.isEmpty() || answers_.takeFirst();
        });
        dialog->setMessagePresenter([this](QWidget*, const QString& text) { messages_ << text; });
        dialog->setNamePresenter([this](QWidget*, const QString& title, const QString&) {
            nameTitles_ << title;
            return newName_;
        });
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
    static QStringList labels(QWidget* dialog) {
        QStringList texts;
        for (QLabel* label : dialog->findChildren<QLabel*>()) texts << label->text();
        return texts;
    }
    static void clickItem(QListWidget* list, const QString& text, bool twice = false) {
        const auto found = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        const QPoint centre = list->visualItemRect(found.front()).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        if (twice) QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    }

    QTemporaryDir temp_;
    settings::Settings settings_;
    settings::LanguageTable table_;
    files::FileBrowserMemory memory_;
    QStringList questions_;
    QList<bool> answers_;
    QStringList messages_;
    QStringList nameTitles_;
    std::optional<QString> newName_;
};

TEST_F(DlgOpenSaveTest, SaveDialogShowsItsTextsAndToolButtons) {
    auto dialog = makeDialog(FileBrowserMode::Save);
    EXPECT_EQ(dialog->windowTitle(), "Save as");
    for (const char* text : {"Drive :", "Path :", "File name:", "File type :"}) {
        EXPECT_TRUE(labels(dialog.get()).contains(QLatin1String(text))) << text;
    }
    EXPECT_EQ(child<QPushButton>(dialog.get(), "okButton")->text(), "Save");
    EXPECT_FALSE(child<QPushButton>(dialog.get(), "okButton")->isEnabled());
    EXPECT_EQ(child<QComboBox>(dialog.get(), "fileTypeList")->currentText(), "Quilldar  *.QLS");
    EXPECT_EQ(child<QComboBox>(dialog.get(), "driveList")->currentText(), "T:");
    auto* newFolder = child<QToolButton>(dialog.get(), "newFolderButton");
    EXPECT_TRUE(newFolder->isVisible());
    EXPECT_EQ(newFolder->toolTip(), "Create new folder");
    EXPECT_EQ(child<QListWidget>(dialog.get(), "fileList")->count(), 3);  // "..", Archive, ride.QLS
}

TEST_F(DlgOpenSaveTest, OpenDialogHidesTheToolButtonsAndFiltersAsTheUserTypes) {
    touch(QStringLiteral("tour.QLS"));
    auto dialog = makeDialog(FileBrowserMode::Open);
    EXPECT_EQ(dialog->windowTitle(), "Open");
    EXPECT_TRUE(labels(dialog.get()).contains("Filter :"));
    EXPECT_FALSE(child<QToolButton>(dialog.get(), "renameButton")->isVisible());
    auto* list = child<QListWidget>(dialog.get(), "fileList");
    EXPECT_EQ(list->count(), 4);
    QTest::keyClicks(child<QLineEdit>(dialog.get(), "nameField"), QStringLiteral("to"));
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(2)->text(), "tour.QLS");
}

TEST_F(DlgOpenSaveTest, ClickingAFileFillsTheNameAndOkSavesOverItAfterTheQuestion) {
    auto dialog = makeDialog(FileBrowserMode::Save);
    clickItem(child<QListWidget>(dialog.get(), "fileList"), QStringLiteral("ride.QLS"));
    EXPECT_EQ(child<QLineEdit>(dialog.get(), "nameField")->text(), "ride");
    auto* ok = child<QPushButton>(dialog.get(), "okButton");
    ASSERT_TRUE(ok->isEnabled());
    answers_ = {true};
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(questions_.size(), 1);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->model().chosenPath(), folder() + QStringLiteral("/ride.QLS"));
}

TEST_F(DlgOpenSaveTest, DoubleClickOpensAFolderAndTheDeleteKeyAsksAboutTheSelection) {
    auto dialog = makeDialog(FileBrowserMode::Open);
    auto* list = child<QListWidget>(dialog.get(), "fileList");
    clickItem(list, QStringLiteral("Archive"), true);
    EXPECT_EQ(dialog->model().folder(), folder() + QStringLiteral("/Archive"));
    EXPECT_EQ(list->count(), 1);
    clickItem(list, QStringLiteral(".."), true);
    EXPECT_EQ(dialog->model().folder(), folder());

    clickItem(list, QStringLiteral("ride.QLS"));
    answers_ = {false};
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(questions_, QStringList{"Do you really want to delete the selected file\n\r''ride.QLS'' ?"});
    EXPECT_TRUE(QFile::exists(folder() + QStringLiteral("/ride.QLS")));
}

TEST_F(DlgOpenSaveTest, ToolButtonsReachTheNameDialog) {
    auto dialog = makeDialog(FileBrowserMode::Save);
    newName_ = QStringLiteral("Customers");
    QTest::mouseClick(child<QToolButton>(dialog.get(), "newFolderButton"), Qt::LeftButton);
    EXPECT_EQ(nameTitles_, QStringList{"New folder"});
    EXPECT_TRUE(QDir(folder() + QStringLiteral("/Customers")).exists());
    EXPECT_FALSE(child<QListWidget>(dialog.get(), "fileList")->findItems("Customers", Qt::MatchExactly).isEmpty());
}

TEST_F(DlgOpenSaveTest, TheTabKeyDoesNotMoveTheFocus) {
    auto dialog = makeDialog(FileBrowserMode::Save);
    auto* name = child<QLineEdit>(dialog.get(), "nameField");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), name);
}

TEST_F(DlgOpenSaveTest, TheNameDialogTakesItsTitleAndKeepsSeparatorsOut) {
    CDlgNewDir dialog(QStringLiteral("Rename"), QStringLiteral("ride"), table_);
    EXPECT_EQ(dialog.windowTitle(), "Rename");
    EXPECT_EQ(dialog.name(), "ride");
    auto* field = child<QLineEdit>(&dialog, "newNameField");
    field->clear();
    QTest::keyClicks(field, QStringLiteral("a/b\\c"));
    EXPECT_EQ(dialog.name(), "abc");
    EXPECT_EQ(child<QPushButton>(&dialog, "okButton")->text(), "Ok");
    EXPECT_EQ(child<QPushButton>(&dialog, "cancelButton")->text(), "Cancel");
}

// The name window gives the typed name on OK and nothing on Cancel, whatever was typed.
TEST_F(DlgOpenSaveTest, NameWindowGivesTheNameOnOkAndNothingOnCancel) {
    for (const char* button : {"okButton", "cancelButton"}) {
        SCOPED_TRACE(button);
        QTimer::singleShot(0, [button] {
            auto* dialog = qobject_cast<CDlgNewDir*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("newNameField"));
            field->clear();
            QTest::keyClicks(field, QStringLiteral("Spring"));
            QTest::mouseClick(dialog->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
        });
        const std::optional<QString> name = CDlgNewDir::ask(nullptr, table_, QStringLiteral("New folder"), QStringLiteral("x"));
        if (QLatin1String(button) == QLatin1String("okButton")) {
            EXPECT_EQ(name, std::optional<QString>(QStringLiteral("Spring")));
        } else {
            EXPECT_FALSE(name.has_value());
        }
    }
}

TEST_F(DlgOpenSaveTest, RunFileBrowserReturnsTheChoiceAndStoresTheFolder) {
    app::AppContext context(std::make_unique<sim::SimulatedModule>(
        std::make_unique<sim::VirtualVehicle>(),
        sim::ModuleTiming{std::chrono::milliseconds(0), std::chrono::milliseconds(2)}));
    context.languageTable().fill(settings::kEnglish, context.settings());
    context.settings().openSave1 = folder();
    // No export folder stored yet, whatever an earlier test or run in this settings folder left
    // there (a folder of its own that is gone by now): the export starts in the recordings' folder.
    ASSERT_TRUE(context.settingsStore().storeOpenSave(QString()));

    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CDlgOpenSave*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("nameField")), QStringLiteral("tour"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    });
    const std::optional<QString> chosen = runFileBrowser(nullptr, context, FileBrowserMode::Export);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, folder() + QStringLiteral("/tour.CSV"));
    EXPECT_EQ(context.settings().openSave, folder());
    EXPECT_EQ(context.settingsStore().readOpenSave(), folder());

    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_FALSE(runFileBrowser(nullptr, context, FileBrowserMode::Open).has_value());
}

}  // namespace
}  // namespace quilldar::gui
