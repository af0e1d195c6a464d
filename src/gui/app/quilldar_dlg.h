#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "context/app_context.h"
#include "app/main_view.h"
#include "app/session_controller.h"
#include "app/url_opener.h"
#include "files/temporary_recording.h"
#include "graph/ride_prefetch.h"
#include "gui/app/qt_standard_texts.h"

class QLabel;
class QPushButton;
class QSlider;
class QToolButton;

namespace quilldar::gui {

class CMyTabCtrl;
class WaitHold;
class CDlgDialog6;
class CDlgDialog7;
class CDlgDialog8;

// The main window: the buttons, the module and ECM fields, the playback strip and the tab area
// with the eight pages. It draws what the session controller decides and forwards its buttons;
// every text comes from the language table.
class CQuilldarDlg : public QDialog, private app::MainView {
    Q_OBJECT
public:
    CQuilldarDlg(app::AppContext& context, const QString& startupFolder, QWidget* parent = nullptr);
    // A copy that records into a scratch file of its own name (a simulated module's copy).
    CQuilldarDlg(app::AppContext& context, const QString& startupFolder, const QString& scratchFileName,
                 QWidget* parent = nullptr);
    ~CQuilldarDlg() override;

    // How questions and messages reach the user: message boxes in the program, a script in tests.
    using QuestionPresenter = std::function<bool(QWidget* parent, const QString& caption, const QString& text)>;
    using MessagePresenter = std::function<void(QWidget* parent, const QString& caption, const QString& text)>;
    void setPresenters(QuestionPresenter questions, MessagePresenter messages) {
        askUser_ = std::move(questions);
        tellUser_ = std::move(messages);
    }
    // Where Save As asks for the file name, and Open for the recording; an empty result cancels.
    using PathChooser = std::function<QString(QWidget* parent, const QString& folder)>;
    using SavePathChooser = PathChooser;
    void setSavePathChooser(PathChooser chooser) { chooseSavePath_ = std::move(chooser); }
    void setOpenPathChooser(PathChooser chooser) { chooseOpenPath_ = std::move(chooser); }
    // How web addresses and documents are opened: the desktop's opener in the program.
    void setUrlOpener(app::UrlOpener opener) { openUrl_ = std::move(opener); }

    // The Save As button: saves the last session, or plays and pauses a recording.
    void saveAs();
    // The Open button: opens a recording, or closes the one that plays.
    void openOrClose();
    // Opens a recording named on the command line, before the window is shown.
    void openAtStart(const QString& path);
    // The Models, About and FAQ buttons, and a click on the header image.
    void showModels();
    // The Graph view command: the graph of the live session or of the recording in playback.
    void showGraph();
    // A recording the next graph view lays over its charts as the reference (the command line's).
    void setGraphReference(const QString& path) { graphReference_ = path; }
    // The recording's ride decoded ahead for the next graph view (the command line's --graph).
    void setGraphPrefetch(std::shared_ptr<graph::RidePrefetch> prefetch) { graphPrefetch_ = std::move(prefetch); }
    void showAbout();
    void showFaq();
    void openWebSite();
    // The Print button: writes the one-page report of what the window shows and opens it.
    void printReport();

    app::SessionController& controller() { return controller_; }
    // One tick of the poll timer: re-applies the texts after a language change, then runs the
    // session controller's tick.
    void pollTick();
    CMyTabCtrl& tabs() { return *tabs_; }
    CDlgDialog8& activeTests();
    // Runs `work` once the window has painted itself for the first time (at once if it has):
    // work the start can leave until the window shows.
    void runAfterFirstPaint(std::function<void()> work);
    QPushButton* button(app::MainControl control) const;
    // The text of a value field: "hardwareId", "hardwareSn", "dtcCount", "ecmId".
    QString fieldText(const QString& name) const;
    bool pollTimerActive() const { return pollTimer_.isActive(); }
    int pollTimerInterval() const { return pollTimer_.interval(); }

    // The update check of the first tick: true when an installer is in place and the user wants
    // it now. The program asks the update server; tests pass their own.
    using UpdateCheck = std::function<bool()>;
    void setUpdateCheck(UpdateCheck check) { checkUpdates_ = std::move(check); }

    // Runs before every poll tick that talks to the module (the simulated module's faults).
    void setBeforeTick(std::function<void()> hook) { beforeTick_ = std::move(hook); }

    // Starts the poll timer; the program calls it once the window is set up.
    void start();

    // The settings command; also reachable for tests.
    void openSettings();

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // MainView
    void setControlEnabled(app::MainControl control, bool enabled) override;
    void showHardwareFields(app::HardwareFields fields, const QString& id, const QString& serial) override;
    app::HardwareFields hardwareFieldsShown() const override { return hardwareFields_; }
    void showHardwareHint(const QString& word, const QString& explanation) override;
    void showTroubleCodeCount(int count) override;
    void showPartNumber(const QString& partNumber) override;
    void showConnectCaption(bool connected) override;
    void rebuildTabStrip(const std::vector<std::uint16_t>& pages) override;
    void showPage(std::uint16_t page, int tab) override;
    int selectedTab() const override;
    bool askYesNo(app::Question question) override;
    void showMessage(app::Message message, const QString& detail) override;
    void resetView() override;
    void stopPollTimer() override;
    void startPollTimer(int periodMs) override;
    void setBusy(bool busy) override;
    void keepPainted() override;
    void sessionStarting() override;
    void troubleCodesCleared() override;
    void playbackPageChanged() override;
    void showPlaybackCaptions(bool playback) override;
    void showPlayCaption(bool playing) override;
    void showRecordingTitle(const QString& fileName) override;
    void setSliderRange(int maximum) override;
    void setSliderPosition(int position) override;
    int sliderPosition() const override;
    void showTime(const QString& text) override;
    void showLength(const QString& text) override;
    void showSinglePageTab(std::uint16_t page) override;
    void focusOpenButton() override;
    void showSessionEnd(const QString& line, const QString& kept) override;

    // The update check of the first tick.
    void checkForUpdate();
    CDlgDialog6& errorCodes();
    CDlgDialog7& freezeFrames();
    // Makes the pages not made yet, one per pass of the event loop so that clicks and painting
    // go on between them.
    void buildHiddenPages();
    // The same, unless another modal dialog covers the window: then when it closes.
    void buildHiddenPagesWhenFree();
    void buildControls();
    void applyStyle();
    // Re-applies every text and shows all eight tabs; the first time without showing a page.
    void viewReset(bool first);
    // Places the Print, Models, FAQ and About buttons for the captions of the language.
    void layOutTabRowButtons();
    // The tab names of the pages; the default strip of the view reset puts blanks before each.
    QStringList tabNames(const std::vector<std::uint16_t>& pages, bool leadingBlanks) const;
    QRect dialogUnits(int x, int y, int w, int h) const;
    // Runs a dialog of a command that the live session goes on behind (the graph, About, Models):
    // the poll tick keeps running while it is open, which a command otherwise holds off, so that
    // the values stay live and the recording has no gap.
    void runBesideSession(const std::function<void()>& dialog);
    bool askBesideSession(const QString& caption, const QString& text);
    // Runs a command with the poll timer held, so that a message box's own event loop cannot
    // start a tick in the middle of it.
    void runCommand(const std::function<void()>& command);

    app::AppContext& context_;
    app::AppState& state_;
    files::TemporaryRecording recording_;
    app::SessionController controller_;
    QTimer pollTimer_;
    bool inTick_ = false;
    int commandDepth_ = 0;
    // The window was asked to close while a tick talked to the module; it closes after the tick.
    bool closeRequested_ = false;
    app::HardwareFields hardwareFields_ = app::HardwareFields::Unknown;
    QuestionPresenter askUser_;
    MessagePresenter tellUser_;
    PathChooser chooseSavePath_;
    PathChooser chooseOpenPath_;
    app::UrlOpener openUrl_;
    QString recordingName_;  // the file name of the recording in playback, for the report
    QString graphReference_;  // for the next graph view only
    std::shared_ptr<graph::RidePrefetch> graphPrefetch_;  // for the next graph view only
    std::function<void()> beforeTick_;
    UpdateCheck checkUpdates_;
    // Keeps the clicks and keys that come while a tick or a command waits for the module.
    std::unique_ptr<WaitHold> waitHold_;
    // Qt's own dialog words in the window's language.
    QtStandardTexts qtTexts_;

    std::map<app::MainControl, QPushButton*> buttons_;
    QPushButton* modelsButton_ = nullptr;
    QPushButton* faqButton_ = nullptr;
    QPushButton* aboutButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QLabel* hardwareIdLabel_ = nullptr;
    QLabel* hardwareId_ = nullptr;
    QLabel* hardwareSnLabel_ = nullptr;
    QLabel* hardwareSn_ = nullptr;
    QLabel* dtcLabel_ = nullptr;
    QLabel* dtcCount_ = nullptr;
    QLabel* ecmIdLabel_ = nullptr;
    QLabel* ecmId_ = nullptr;
    QLabel* timeField_ = nullptr;
    QLabel* lengthField_ = nullptr;
    QLabel* sessionEndLine_ = nullptr;  // in the playback strip's place while no recording plays
    QLabel* header_ = nullptr;
    QSlider* slider_ = nullptr;
    CMyTabCtrl* tabs_ = nullptr;
    static constexpr std::uint16_t kErrorCodesPage = 5;
    static constexpr std::uint16_t kFreezeFramesPage = 6;
    static constexpr std::uint16_t kActiveTestsPage = 7;
    bool painted_ = false;
    bool waitingForModal_ = false;  // a check for the covering dialog to close is pending
    std::vector<std::function<void()>> afterFirstPaint_;
};

}  // namespace quilldar::gui
