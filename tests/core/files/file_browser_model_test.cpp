#include "files/file_browser_model.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <deque>

#include "settings/language_table.h"
#include "settings/languages.h"

namespace quilldar::files {
namespace {

using Kind = BrowserItem::Kind;

// Records what the model shows and answers its questions from a script.
class ScriptedView : public FileBrowserView {
public:
    void applyTexts(const FileBrowserTexts& shown) override { texts = shown; }
    void showDrives(const QStringList& labels, int current) override {
        drives = labels;
        currentDrive = current;
    }
    void showPathText(const QString& text) override { pathText = text; }
    void showItems(const std::vector<BrowserItem>& shown) override {
        items = shown;
        row = -1;  // a new list has no selection
    }
    int selectedRow() const override { return row; }
    void showName(const QString& text) override { name = text; }
    void setOkEnabled(bool enabled) override { okEnabled = enabled; }
    bool askYesNo(const QString& text) override {
        questions << text;
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void showMessage(const QString& text) override { messages << text; }
    std::optional<QString> askNewName(const QString& title, const QString& initial) override {
        nameTitles << title;
        nameInitials << initial;
        return newName;
    }
    void closeDialog(bool accepted) override { closed = accepted ? 1 : 0; }

    QStringList names() const {
        QStringList list;
        for (const BrowserItem& item : items) list << item.name;
        return list;
    }
    void select(const QString& itemName) { row = static_cast<int>(names().indexOf(itemName)); }

    FileBrowserTexts texts;
    QStringList drives;
    int currentDrive = -2;
    QString pathText;
    std::vector<BrowserItem> items;
    int row = -1;
    QString name;
    bool okEnabled = false;
    std::deque<bool> answers;
    QStringList questions;
    QStringList messages;
    std::optional<QString> newName;
    QStringList nameTitles;
    QStringList nameInitials;
    int closed = -1;  // -1 open, 0 cancelled, 1 confirmed
};

// A workshop folder in a temporary folder that stands in as a drive of its own, beside the root.
class FileBrowserModelTest : public ::testing::Test {
protected:
    FileBrowserModelTest() {
        table_.fill(settings::kEnglish, settings_);
        QDir(root()).mkpath(QStringLiteral("Workshop/2024"));
        QDir(root()).mkpath(QStringLiteral("Workshop/.cache"));
        QDir(root()).mkpath(QStringLiteral("Workshop/Archive"));
        for (const char* file : {"ride.QLS", "ab_morning.QLS", "AB_evening.QLS", "abc.CSV",
                                 "notes.txt", "road.qls"}) {
            touch(workshop(), QLatin1String(file));
        }
    }

    QString root() const { return QDir::cleanPath(folder_.path()); }
    QString workshop() const { return root() + QStringLiteral("/Workshop"); }
    static void touch(const QString& folder, const QString& name) {
        QFile file(QDir(folder).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
    }

    std::unique_ptr<FileBrowserModel> open(FileBrowserMode mode, const QString& start,
                                           const QString& defaultName = QString()) {
        FileBrowserSystem system;
        system.drives = {{QStringLiteral("/"), QStringLiteral("/")}, {root(), QStringLiteral("T:")}};
        system.isProtectedFolder = [this](const QString& folder) { return folder == protected_; };
        auto model = std::make_unique<FileBrowserModel>(FileBrowserRequest{mode, start, defaultName},
                                                        table_, memory_, std::move(system));
        model->open(view_);
        return model;
    }
    void click(FileBrowserModel& model, const QString& name) {
        view_.select(name);
        ASSERT_GE(view_.row, 0) << name.toStdString();
        model.clickItem(view_.row);
    }
    void doubleClick(FileBrowserModel& model, const QString& name) {
        view_.select(name);
        ASSERT_GE(view_.row, 0) << name.toStdString();
        model.doubleClickItem(view_.row);
    }

    QTemporaryDir folder_;
    settings::Settings settings_;
    settings::LanguageTable table_;
    FileBrowserMemory memory_;
    ScriptedView view_;
    QString protected_;
};

TEST_F(FileBrowserModelTest, EachModeHasItsTitleButtonsLabelsAndFileType) {
    open(FileBrowserMode::Open, workshop());
    EXPECT_EQ(view_.texts.title, "Open");
    EXPECT_EQ(view_.texts.okButton, "Open");
    EXPECT_EQ(view_.texts.nameLabel, "Filter :");
    EXPECT_EQ(view_.texts.fileType, "Quilldar  *.QLS");
    EXPECT_FALSE(view_.texts.toolButtonsShown);
    EXPECT_FALSE(view_.okEnabled);

    open(FileBrowserMode::Save, workshop());
    EXPECT_EQ(view_.texts.title, "Save as");
    EXPECT_EQ(view_.texts.okButton, "Save");
    EXPECT_EQ(view_.texts.nameLabel, "File name:");
    EXPECT_EQ(view_.texts.cancelButton, "Cancel");
    EXPECT_EQ(view_.texts.renameTip, "Rename selected file or folder");
    EXPECT_TRUE(view_.texts.toolButtonsShown);

    open(FileBrowserMode::Export, workshop());
    EXPECT_EQ(view_.texts.title, "Export");
    EXPECT_EQ(view_.texts.okButton, "Save");
    EXPECT_EQ(view_.texts.fileType, "Quilldar  *.CSV");
    EXPECT_FALSE(view_.texts.toolButtonsShown);
}

TEST_F(FileBrowserModelTest, SaveModeListsParentFoldersThenFilesOfItsTypeAndShowsTheDefaultName) {
    auto model = open(FileBrowserMode::Save, workshop(), QStringLiteral("ride.QLS"));
    EXPECT_EQ(view_.names(), (QStringList{"..", "2024", "Archive", "AB_evening.QLS",
                                          "ab_morning.QLS", "ride.QLS", "road.qls"}));
    EXPECT_EQ(view_.items.front().kind, Kind::Parent);
    EXPECT_EQ(view_.items[1].kind, Kind::Folder);
    EXPECT_EQ(view_.items.back().kind, Kind::File);
    EXPECT_EQ(view_.name, "ride");
    EXPECT_TRUE(view_.okEnabled);
    // The drive holding the folder is selected; the path line leaves the drive out.
    EXPECT_EQ(view_.drives, (QStringList{"/", "T:"}));
    EXPECT_EQ(view_.currentDrive, 1);
    EXPECT_EQ(view_.pathText, QDir::toNativeSeparators(QStringLiteral("/Workshop/")));

    auto exporter = open(FileBrowserMode::Export, workshop());
    EXPECT_EQ(view_.names(), (QStringList{"..", "2024", "Archive", "abc.CSV"}));
}

TEST_F(FileBrowserModelTest, OpenModeFilterListsOnlyFilesStartingWithTheTypedText) {
    auto model = open(FileBrowserMode::Open, workshop());
    model->editName(QStringLiteral("ab"));
    EXPECT_EQ(view_.names(), (QStringList{"..", "2024", "Archive", "AB_evening.QLS", "ab_morning.QLS"}));
    model->editName(QStringLiteral("abx"));
    EXPECT_EQ(view_.names(), (QStringList{"..", "2024", "Archive"}));
    EXPECT_FALSE(view_.okEnabled) << "typing a filter chooses no file";
}

TEST_F(FileBrowserModelTest, ADriveRootIsListedWithoutParentItem) {
    open(FileBrowserMode::Save, QStringLiteral("/"));
    ASSERT_FALSE(view_.items.empty());
    EXPECT_NE(view_.items.front().name, "..");
    EXPECT_EQ(view_.items.front().kind, Kind::Folder);
    EXPECT_EQ(view_.currentDrive, 0);
    EXPECT_EQ(view_.pathText, QDir::toNativeSeparators(QStringLiteral("/")));
}

TEST_F(FileBrowserModelTest, AFolderThatCannotBeListedFallsBackToTheLastGoodFolder) {
    open(FileBrowserMode::Open, workshop() + QStringLiteral("/2024"));
    EXPECT_EQ(memory_.lastGoodFolder, workshop() + QStringLiteral("/2024"));
    auto model = open(FileBrowserMode::Open, root() + QStringLiteral("/gone/"));
    EXPECT_EQ(model->folder(), workshop() + QStringLiteral("/2024"));
    EXPECT_EQ(view_.names(), QStringList{".."});
    // Trailing separators are dropped; an empty folder means the last good one too.
    EXPECT_EQ(open(FileBrowserMode::Open, workshop() + QStringLiteral("///"))->folder(), workshop());
    EXPECT_EQ(open(FileBrowserMode::Open, QString())->folder(), workshop());
}

TEST_F(FileBrowserModelTest, NavigatingByDoubleClickClearsTheOpenFilterAndTheChosenFile) {
    auto model = open(FileBrowserMode::Open, workshop());
    model->editName(QStringLiteral("ri"));
    view_.name = QStringLiteral("ri");
    click(*model, QStringLiteral("ride.QLS"));
    EXPECT_TRUE(view_.okEnabled);
    doubleClick(*model, QStringLiteral("2024"));
    EXPECT_EQ(model->folder(), workshop() + QStringLiteral("/2024"));
    EXPECT_EQ(view_.name, "");
    EXPECT_FALSE(view_.okEnabled);
    doubleClick(*model, QStringLiteral(".."));
    EXPECT_EQ(model->folder(), workshop());
    EXPECT_EQ(view_.names().size(), 7) << "no filter left";
}

TEST_F(FileBrowserModelTest, OpenModeChoosesTheClickedFileAndFollowsTheKeyboardSelection) {
    auto model = open(FileBrowserMode::Open, workshop());
    click(*model, QStringLiteral("2024"));
    EXPECT_FALSE(view_.okEnabled);
    EXPECT_EQ(model->selectedPath(), workshop() + QStringLiteral("/2024"));

    view_.select(QStringLiteral("road.qls"));  // moved there with the arrow keys
    model->tick();
    EXPECT_TRUE(view_.okEnabled);
    EXPECT_TRUE(model->ok());
    EXPECT_EQ(view_.closed, 1);
    EXPECT_EQ(model->chosenPath(), workshop() + QStringLiteral("/road.qls"));
}

TEST_F(FileBrowserModelTest, OpenModeReportsAFileThatVanishedAndStaysOpen) {
    auto model = open(FileBrowserMode::Open, workshop());
    click(*model, QStringLiteral("ride.QLS"));
    ASSERT_TRUE(QFile::remove(workshop() + QStringLiteral("/ride.QLS")));
    EXPECT_FALSE(model->ok());
    EXPECT_EQ(view_.messages, QStringList{"File not found."});
    EXPECT_EQ(view_.closed, -1);
    EXPECT_FALSE(view_.names().contains("ride.QLS")) << "the list was refreshed";
}

TEST_F(FileBrowserModelTest, SaveAppliesTheNamingRuleToTheTypedName) {
    for (const auto& [typed, saved] : {std::pair{"tour", "tour.QLS"}, std::pair{"tour.QLS", "tour.QLS"},
                                       std::pair{"ROADS", "ROADS.QLS"}, std::pair{"tour.FITS", "tour.QLS"}}) {
        auto model = open(FileBrowserMode::Save, workshop());
        model->editName(QLatin1String(typed));
        EXPECT_TRUE(model->ok()) << typed;
        EXPECT_EQ(model->fileName(), saved);
        EXPECT_EQ(model->chosenPath(), workshop() + u'/' + QLatin1String(saved));
    }
    EXPECT_TRUE(view_.questions.isEmpty());
}

TEST_F(FileBrowserModelTest, SavingOverAnExistingFileAsksFirst) {
    auto model = open(FileBrowserMode::Save, workshop());
    click(*model, QStringLiteral("ride.QLS"));
    EXPECT_EQ(view_.name, "ride");
    view_.answers = {false, true};
    EXPECT_FALSE(model->ok());
    EXPECT_EQ(view_.closed, -1);
    EXPECT_TRUE(model->ok());
    EXPECT_EQ(view_.closed, 1);
    const QString question =
        QStringLiteral("The file ''ride.QLS'' already exists.\n\rWould you like to overwrite this file ?");
    EXPECT_EQ(view_.questions, (QStringList{question, question}));
    EXPECT_EQ(model->chosenPath(), workshop() + QStringLiteral("/ride.QLS"));
}

TEST_F(FileBrowserModelTest, SaveModeOkNeedsANameAndDoubleClickOnAFileSavesOverIt) {
    auto model = open(FileBrowserMode::Save, workshop());
    EXPECT_FALSE(view_.okEnabled);
    EXPECT_FALSE(model->ok()) << "no name, no OK";
    view_.answers = {true};
    doubleClick(*model, QStringLiteral("ride.QLS"));
    EXPECT_EQ(view_.questions.size(), 1);
    EXPECT_EQ(view_.closed, 1);
    EXPECT_EQ(model->chosenPath(), workshop() + QStringLiteral("/ride.QLS"));
}

TEST_F(FileBrowserModelTest, SavingIntoARefusedFolderOrThroughASeparatorIsRefused) {
    protected_ = workshop();
    auto model = open(FileBrowserMode::Save, workshop());
    model->editName(QStringLiteral("ride"));
    EXPECT_FALSE(model->ok());
    EXPECT_EQ(view_.messages, QStringList{"You do not have permission to save to this folder."});
    EXPECT_EQ(view_.closed, -1);

    protected_.clear();
    view_.messages.clear();
    model->editName(QStringLiteral("../ride"));
    EXPECT_FALSE(model->ok());
    EXPECT_EQ(view_.messages, QStringList{"Access to the selected file or folder was denied."});
    EXPECT_FALSE(QFile::exists(root() + QStringLiteral("/ride.QLS")));
}

TEST_F(FileBrowserModelTest, DeletingAFolderAsksAndSucceedsOnlyWhenItIsEmpty) {
    auto model = open(FileBrowserMode::Save, workshop());
    touch(workshop() + QStringLiteral("/2024"), QStringLiteral("old.QLS"));
    view_.select(QStringLiteral("2024"));
    view_.answers = {true};
    model->deleteSelected();
    EXPECT_EQ(view_.questions,
              QStringList{"Do you really want to delete the selected folder ''2024'' ?"});
    EXPECT_EQ(view_.messages, QStringList{"Access to the selected file or folder was denied."});
    EXPECT_TRUE(QFile::exists(workshop() + QStringLiteral("/2024/old.QLS")));

    view_.select(QStringLiteral("Archive"));
    view_.answers = {false};
    model->deleteSelected();
    EXPECT_TRUE(QDir(workshop() + QStringLiteral("/Archive")).exists());
    view_.select(QStringLiteral("Archive"));
    view_.answers = {true};
    model->deleteSelected();
    EXPECT_FALSE(QDir(workshop() + QStringLiteral("/Archive")).exists());
    EXPECT_FALSE(view_.names().contains("Archive"));
}

TEST_F(FileBrowserModelTest, DeletingAFileAsksWithItsNameOnANewLine) {
    auto model = open(FileBrowserMode::Open, workshop());
    view_.select(QStringLiteral("ride.QLS"));
    view_.answers = {true};
    model->deleteSelected();
    EXPECT_EQ(view_.questions,
              QStringList{"Do you really want to delete the selected file\n\r''ride.QLS'' ?"});
    EXPECT_FALSE(QFile::exists(workshop() + QStringLiteral("/ride.QLS")));
    EXPECT_TRUE(view_.messages.isEmpty());

    // Nothing selected, or "..": no question at all.
    view_.row = -1;
    model->deleteSelected();
    view_.select(QStringLiteral(".."));
    model->deleteSelected();
    model->renameSelected();
    EXPECT_EQ(view_.questions.size(), 1);
    EXPECT_TRUE(view_.nameTitles.isEmpty());
}

TEST_F(FileBrowserModelTest, RenamingAFolderThatHoldsFilesFailsAndKeepsThem) {
    auto model = open(FileBrowserMode::Save, workshop());
    touch(workshop() + QStringLiteral("/2024"), QStringLiteral("old.QLS"));
    view_.select(QStringLiteral("2024"));
    view_.newName = QStringLiteral("2025");
    model->renameSelected();
    EXPECT_EQ(view_.nameTitles, QStringList{"Rename"});
    EXPECT_EQ(view_.nameInitials, QStringList{"2024"});
    EXPECT_EQ(view_.messages, QStringList{"Access to the selected file or folder was denied."});
    EXPECT_TRUE(QFile::exists(workshop() + QStringLiteral("/2024/old.QLS")));
    EXPECT_FALSE(QDir(workshop() + QStringLiteral("/2025")).exists());

    // An empty folder takes the new name.
    view_.messages.clear();
    view_.select(QStringLiteral("Archive"));
    model->renameSelected();
    EXPECT_TRUE(view_.messages.isEmpty());
    EXPECT_TRUE(QDir(workshop() + QStringLiteral("/2025")).exists());
    EXPECT_FALSE(QDir(workshop() + QStringLiteral("/Archive")).exists());
}

TEST_F(FileBrowserModelTest, RenamingAFileKeepsItsExtensionAndNeverReplacesAnother) {
    auto model = open(FileBrowserMode::Save, workshop());
    view_.select(QStringLiteral("ride.QLS"));
    view_.newName = QStringLiteral("tour");
    model->renameSelected();
    EXPECT_EQ(view_.nameInitials, QStringList{"ride"});
    EXPECT_TRUE(QFile::exists(workshop() + QStringLiteral("/tour.QLS")));
    EXPECT_FALSE(QFile::exists(workshop() + QStringLiteral("/ride.QLS")));

    view_.select(QStringLiteral("tour.QLS"));
    view_.newName = QStringLiteral("ab_morning");
    model->renameSelected();
    EXPECT_EQ(view_.messages, QStringList{"Access to the selected file or folder was denied."});
    EXPECT_TRUE(QFile::exists(workshop() + QStringLiteral("/tour.QLS")));
    EXPECT_TRUE(QFile::exists(workshop() + QStringLiteral("/ab_morning.QLS")));

    view_.select(QStringLiteral("tour.QLS"));
    view_.newName.reset();  // Cancel
    model->renameSelected();
    EXPECT_TRUE(QFile::exists(workshop() + QStringLiteral("/tour.QLS")));
}

TEST_F(FileBrowserModelTest, NewFolderIsCreatedInTheCurrentFolderAndListed) {
    auto model = open(FileBrowserMode::Save, workshop());
    view_.newName = QStringLiteral("Customers");
    model->createFolder();
    EXPECT_EQ(view_.nameTitles, QStringList{"New folder"});
    EXPECT_EQ(view_.nameInitials, QStringList{""});
    EXPECT_TRUE(QDir(workshop() + QStringLiteral("/Customers")).exists());
    EXPECT_TRUE(view_.names().contains("Customers"));

    view_.newName = QStringLiteral("../Outside");
    model->createFolder();
    EXPECT_FALSE(QDir(root() + QStringLiteral("/Outside")).exists());
    EXPECT_EQ(view_.messages, QStringList{"Access to the selected file or folder was denied."});

    view_.newName.reset();
    const auto before = view_.names();
    model->createFolder();
    EXPECT_EQ(view_.names(), before);
}

TEST_F(FileBrowserModelTest, ADriveThatCannotBeListedIsReportedAndDropped) {
    FileBrowserSystem system;
    const QString missing = root() + QStringLiteral("/unplugged");
    system.drives = {{root(), QStringLiteral("T:")}, {missing, QStringLiteral("U:")},
                     {QStringLiteral("/"), QStringLiteral("/")}};
    FileBrowserModel model({FileBrowserMode::Save, workshop(), {}}, table_, memory_, std::move(system));
    model.open(view_);
    model.selectDrive(2);
    EXPECT_EQ(model.folder(), "/");

    model.selectDrive(1);
    EXPECT_EQ(view_.messages, QStringList{"Drive not available."});
    EXPECT_EQ(view_.drives, (QStringList{"T:", "/"}));
    EXPECT_EQ(view_.currentDrive, 1);
    EXPECT_EQ(model.folder(), "/");

    model.selectDrive(0);
    EXPECT_EQ(model.folder(), root());
    EXPECT_EQ(view_.names(), (QStringList{"..", "Workshop"}));
}

// The drive on show is the last of the list and is pulled out: the first drive becomes the
// current one, never a place past the end of the shortened list. The deepest drive holding the
// start folder is the one selected at the start, not the root it also lies under.
TEST_F(FileBrowserModelTest, LastDriveRemovedWhileCurrentSelectsTheFirst) {
    const QString stick = root() + QStringLiteral("/stick");
    ASSERT_TRUE(QDir(stick).mkpath(QStringLiteral("rides")));
    FileBrowserSystem system;
    system.drives = {{QStringLiteral("/"), QStringLiteral("/")}, {root(), QStringLiteral("T:")},
                     {stick, QStringLiteral("U:")}};
    FileBrowserModel model({FileBrowserMode::Open, stick + QStringLiteral("/rides"), {}}, table_, memory_,
                           std::move(system));
    model.open(view_);
    ASSERT_EQ(view_.currentDrive, 2);
    ASSERT_TRUE(QDir(stick).removeRecursively());
    model.selectDrive(2);
    EXPECT_EQ(view_.messages, QStringList{"Drive not available."});
    EXPECT_EQ(view_.drives, (QStringList{"/", "T:"}));
    EXPECT_EQ(view_.currentDrive, 0);
}

TEST_F(FileBrowserModelTest, LosingTheOnlyDriveKeepsTheFolderOnShow) {
    FileBrowserSystem system;
    system.drives = {{root() + QStringLiteral("/unplugged"), QStringLiteral("U:")}};
    FileBrowserModel model({FileBrowserMode::Open, workshop(), {}}, table_, memory_, std::move(system));
    model.open(view_);
    model.selectDrive(0);
    EXPECT_EQ(view_.messages, QStringList{"Drive not available."});
    EXPECT_TRUE(view_.drives.isEmpty());
    EXPECT_EQ(view_.currentDrive, -1);
    EXPECT_EQ(model.folder(), workshop());
    EXPECT_EQ(view_.pathText, QDir::toNativeSeparators(workshop() + u'/'));
}

}  // namespace
}  // namespace quilldar::files
