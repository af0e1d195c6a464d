#include "gui/app/quilldar_dlg.h"

#include "gui/graph/dlg_graph.h"

#include <QApplication>
#include <QFileInfo>

#include <algorithm>
#include <utility>
#include <QCoreApplication>
#include <QEventLoop>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSlider>

#include "app/display_scale.h"
#include "app/installer_leftovers.h"
#include "app/tab_map.h"
#include "app/faq_document.h"
#include "app/message_sink.h"
#include "app/web_address.h"
#include "gui/app/desktop_url_opener.h"
#include "gui/app/dlg_about.h"
#include "gui/app/my_tab_ctrl.h"
#include "files/file_naming.h"
#include "gui/files/run_file_browser.h"
#include "gui/update/run_update_check.h"
#include "update/installer_hand_over.h"
#include "gui/pages/dlg_dialog10.h"
#include "gui/widgets/click_action.h"
#include "gui/pages/dlg_dialog1.h"
#include "gui/pages/dlg_dialog2.h"
#include "gui/pages/dlg_dialog3.h"
#include "gui/pages/dlg_dialog4.h"
#include "gui/pages/dlg_dialog5.h"
#include "gui/pages/dlg_dialog6.h"
#include "gui/pages/dlg_dialog7.h"
#include "gui/pages/dlg_dialog8.h"
#include "report/pdf_report.h"
#include "gui/settings/dlg_settings.h"
#include "settings/language_table.h"
#include "settings/settings_dialog_model.h"

namespace quilldar::gui {

using app::MainControl;
using settings::MainText;

namespace {

// The window is laid out in dialog units of its 8-point font: a unit is a quarter of the average
// character width across and an eighth of the character height down.
constexpr double kPixelsPerUnitX = 1.5;
constexpr double kPixelsPerUnitY = 1.625;
constexpr int kWidthUnits = 671;
constexpr int kHeightUnits = 351;

const MainText kTabTexts[] = {MainText::TabEngine,        MainText::TabTransmission,
                              MainText::TabEngineTransmission, MainText::TabAbs,
                              MainText::TabEps,           MainText::TabErrorCodes,
                              MainText::TabShowDataWhenTrouble, MainText::TabActiveTests};

// Texts are shown as they are: an ampersand ("Engine & Transmission") is not a shortcut mark.
QString mnemonicFree(const QString& text) {
    QString shown = text;
    return shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// A text too long for its field ends in an ellipsis; the whole text is the field's tooltip.
void setElidedText(QLabel* field, const QString& text) {
    field->setText(QFontMetrics(field->font()).elidedText(text, Qt::ElideRight, field->width()));
    field->setToolTip(text);
}

// Puts the text on the button in the window's font, or in a smaller one when a language's longer
// wording would not fit the button.
void setFittingText(QPushButton* button, const QString& text) {
    constexpr double kSmallestPoints = 6.0;
    constexpr int kPadding = 8;
    QFont font = button->parentWidget()->font();
    while (font.pointSizeF() > kSmallestPoints &&
           QFontMetrics(font).horizontalAdvance(QString(text).replace(QStringLiteral("&&"), QStringLiteral("&"))) >
               button->width() - kPadding)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    button->setFont(font);
    button->setText(text);
}

// Why a file cannot be opened for reading, in the system's words.
QString fileErrorText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QStringLiteral("it is not a recording") : file.errorString();
}

QLabel* valueField(QWidget* parent, const char* name) {
    auto* field = new QLabel(parent);
    field->setObjectName(QLatin1String(name));
    field->setProperty("role", QStringLiteral("value"));
    return field;
}

}  // namespace

CQuilldarDlg::CQuilldarDlg(app::AppContext& context, const QString& startupFolder, QWidget* parent)
    : QDialog(parent),
      context_(context),
      state_(context.state()),
      recording_(startupFolder),
      controller_(context, *this, recording_),
      askUser_([](QWidget* parent, const QString& caption, const QString& text) {
          return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No) ==
                 QMessageBox::Yes;
      }),
      tellUser_([](QWidget* parent, const QString& caption, const QString& text) {
          QMessageBox::warning(parent, caption, text, QMessageBox::Ok);
      }),
      chooseSavePath_([&context](QWidget* parent, const QString&) {
          return runFileBrowser(parent, context, files::FileBrowserMode::Save).value_or(QString());
      }),
      chooseOpenPath_([&context](QWidget* parent, const QString&) {
          return runFileBrowser(parent, context, files::FileBrowserMode::Open).value_or(QString());
      }),
      openUrl_(desktopUrlOpener()) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        state_.uiScale = app::uiScaleForDpi(static_cast<int>(screen->logicalDotsPerInchX()));
    buildControls();
    applyStyle();
    setFixedSize(dialogUnits(0, 0, kWidthUnits, kHeightUnits).size());

    app::removeLeftovers(context_.settings().installDir, app::leftoversAtStartUp());
    context_.state().setLinkOpen(false);
    viewReset(true);
    tabs_->showPage(0, 0);
    setControlEnabled(MainControl::ClearErrors, false);
    setControlEnabled(MainControl::Connect, false);
    setControlEnabled(MainControl::SaveAs, false);
    setControlEnabled(MainControl::Print, false);
    setControlEnabled(MainControl::Slider, false);

    const QSize headerSize = app::headerImageSize(state_.uiScale);
    const QString headerFile = QStringLiteral("images/header_%1.png")
                                   .arg(headerSize.width() == 220 ? 100 : headerSize.width() == 275 ? 125 : 150);
    header_->setPixmap(QPixmap(QDir(context_.settings().installDir).filePath(headerFile)));

    pollTimer_.setTimerType(Qt::CoarseTimer);
    connect(&pollTimer_, &QTimer::timeout, this, &CQuilldarDlg::pollTick);
}

CQuilldarDlg::~CQuilldarDlg() = default;

void CQuilldarDlg::start() { pollTimer_.start(app::SessionController::kPollPeriodMs); }

QRect CQuilldarDlg::dialogUnits(int x, int y, int w, int h) const {
    const double sx = kPixelsPerUnitX * state_.uiScale;
    const double sy = kPixelsPerUnitY * state_.uiScale;
    return QRect(qRound(x * sx), qRound(y * sy), qRound(w * sx), qRound(h * sy));
}

void CQuilldarDlg::buildControls() {
    const auto makeButton = [this](const char* name, QRect geometry) {
        auto* b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(geometry);
        b->setAutoDefault(false);
        return b;
    };
    // The buttons whose state the core decides are kept by their control.
    const auto pushButton = [&](MainControl control, const char* name, QRect geometry) {
        return buttons_[control] = makeButton(name, geometry);
    };
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("upperFrame"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(dialogUnits(7, 2, 657, 54));

    pushButton(MainControl::Open, "openButton", dialogUnits(15, 11, 60, 14));
    pushButton(MainControl::Connect, "connectButton", dialogUnits(86, 11, 60, 14));
    pushButton(MainControl::ClearErrors, "clearErrorsButton", dialogUnits(156, 11, 60, 14));
    pushButton(MainControl::SaveAs, "saveAsButton", dialogUnits(15, 35, 60, 14));
    pushButton(MainControl::Settings, "settingsButton", dialogUnits(86, 35, 60, 14));
    pushButton(MainControl::GraphView, "graphButton", dialogUnits(156, 35, 60, 14));
    pushButton(MainControl::Back, "backButton", dialogUnits(298, 39, 13, 11))->setText(QStringLiteral("<<"));
    pushButton(MainControl::Forward, "forwardButton", dialogUnits(447, 39, 13, 11))->setText(QStringLiteral(">>"));
    pushButton(MainControl::Print, "printButton", dialogUnits(510, 61, 33, 10));

    modelsButton_ = makeButton("modelsButton", dialogUnits(551, 61, 33, 10));
    faqButton_ = makeButton("faqButton", dialogUnits(591, 61, 33, 10));
    aboutButton_ = makeButton("aboutButton", dialogUnits(631, 61, 33, 10));
    helpButton_ = makeButton("helpButton", dialogUnits(550, 79, 33, 8));
    helpButton_->hide();

    const auto label = [this](int x, int y, int w) {
        auto* l = new QLabel(this);
        l->setGeometry(dialogUnits(x, y, w, 10));
        return l;
    };
    hardwareIdLabel_ = label(222, 12, 86);
    hardwareId_ = valueField(this, "hardwareId");
    // The id has three characters, but "Offline mode" stands in the same field: it reaches up to
    // the serial number's label, which lines up with the ECM ID label below it.
    hardwareId_->setGeometry(dialogUnits(310, 12, 40, 10));
    hardwareSnLabel_ = label(352, 12, 70);
    hardwareSn_ = valueField(this, "hardwareSn");
    hardwareSn_->setGeometry(dialogUnits(424, 12, 76, 10));
    dtcLabel_ = label(222, 28, 86);
    dtcCount_ = valueField(this, "dtcCount");
    dtcCount_->setGeometry(dialogUnits(310, 28, 40, 10));
    ecmIdLabel_ = label(352, 28, 70);
    ecmId_ = valueField(this, "ecmId");
    ecmId_->setGeometry(dialogUnits(424, 28, 80, 10));

    timeField_ = valueField(this, "timeField");
    timeField_->setGeometry(dialogUnits(220, 40, 76, 9));
    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setObjectName(QStringLiteral("playbackSlider"));
    slider_->setGeometry(dialogUnits(311, 40, 135, 10));
    slider_->setRange(0, 1);
    lengthField_ = valueField(this, "lengthField");
    lengthField_->setGeometry(dialogUnits(463, 40, 42, 9));

    header_ = new QLabel(this);
    header_->setObjectName(QStringLiteral("header"));
    header_->setAlignment(Qt::AlignCenter);
    header_->setGeometry(dialogUnits(505, 15, 150, 33));

    tabs_ = new CMyTabCtrl(this);
    tabs_->setObjectName(QStringLiteral("tabArea"));
    tabs_->setPage(0, new CDlgDialog1(context_, tabs_));
    tabs_->setPage(1, new CDlgDialog2(context_, tabs_));
    tabs_->setPage(2, new CDlgDialog3(context_, tabs_));
    tabs_->setPage(3, new CDlgDialog4(context_, tabs_));
    tabs_->setPage(4, new CDlgDialog5(context_, tabs_));
    errorCodes_ = new CDlgDialog6(context_, tabs_);
    tabs_->setPage(5, errorCodes_);
    freezeFrames_ = new CDlgDialog7(context_, tabs_);
    tabs_->setPage(6, freezeFrames_);
    activeTests_ = new CDlgDialog8(
        context_, [this](const std::function<void()>& command) { runCommand(command); }, tabs_);
    tabs_->setPage(7, activeTests_);
    tabs_->setGeometry(dialogUnits(0, 59, kWidthUnits, 291));
    tabs_->setTabClicked([this](int tab) { runCommand([&] { controller_.tabClicked(tab); }); });
    // The Print, Models, FAQ and About buttons sit on the tab strip's row.
    for (QPushButton* b : {buttons_[MainControl::Print], modelsButton_, faqButton_, aboutButton_}) b->raise();

    connect(buttons_[MainControl::Connect], &QPushButton::clicked, this,
            [this] { runCommand([&] { controller_.connectCommand(); }); });
    connect(buttons_[MainControl::ClearErrors], &QPushButton::clicked, this,
            [this] { runCommand([&] { controller_.clearErrorsCommand(); }); });
    connect(buttons_[MainControl::Settings], &QPushButton::clicked, this, [this] { openSettings(); });
    connect(buttons_[MainControl::SaveAs], &QPushButton::clicked, this, [this] { saveAs(); });
    connect(buttons_[MainControl::Open], &QPushButton::clicked, this, [this] { openOrClose(); });
    connect(modelsButton_, &QPushButton::clicked, this, [this] { showModels(); });
    connect(buttons_[MainControl::GraphView], &QPushButton::clicked, this, [this] { showGraph(); });
    connect(aboutButton_, &QPushButton::clicked, this, [this] { showAbout(); });
    connect(helpButton_, &QPushButton::clicked, this, [this] { showAbout(); });
    connect(faqButton_, &QPushButton::clicked, this, [this] { showFaq(); });
    connect(buttons_[MainControl::Print], &QPushButton::clicked, this, [this] { printReport(); });
    setClickAction(header_, [this] { openWebSite(); });
    connect(buttons_[MainControl::Back], &QPushButton::clicked, this,
            [this] { runCommand([&] { controller_.playback().back(); }); });
    connect(buttons_[MainControl::Forward], &QPushButton::clicked, this,
            [this] { runCommand([&] { controller_.playback().forward(); }); });
    // Letting go of the thumb, and a click or key that moves it in one go, both place the
    // playback; while the thumb is held nothing happens.
    connect(slider_, &QSlider::sliderReleased, this,
            [this] { runCommand([&] { controller_.playback().sliderReleased(); }); });
    connect(slider_, &QSlider::actionTriggered, this, [this](int action) {
        if (action == QAbstractSlider::SliderMove || slider_->isSliderDown()) return;
        // The action is applied after this signal: take the new position once it is in place.
        QTimer::singleShot(0, this, [this] { runCommand([&] { controller_.playback().sliderReleased(); }); });
    });
}

void CQuilldarDlg::applyStyle() {
    // Point sizes follow the screen's density by themselves; only the layout is scaled.
    QFont font = QApplication::font();
    font.setPointSizeF(8.0);
    setFont(font);
    setStyleSheet(QStringLiteral(
        "#mainWindow, QDialog { background: #1e1e1e; }"
        "QComboBox, QLineEdit { color: #ffffff; background: #323232; border: 1px solid #6e6e6e; padding: 1px 4px; }"
        "QComboBox QAbstractItemView { color: #ffffff; background: #323232; selection-background-color: #505050; }"
        "QLabel { color: #ffffff; }"
        "QLabel[role=\"value\"] { color: #ffff00; }"
        "#timeField { color: #ffffff; }"
        "#upperFrame { border: 1px solid #505050; border-radius: 3px; }"
        "QPushButton { color: #ffffff; background: #505050; border: 1px solid #6e6e6e; border-radius: 2px; padding: 1px 2px; }"
        "QPushButton:hover { background: #5e5e5e; }"
        "QPushButton:pressed { background: #3a3a3a; }"
        "QPushButton:disabled { color: #8c8c8c; background: #3a3a3a; border-color: #444444; }"
        "QTabBar::tab { color: #ffffff; background: #323232; border: 1px solid #505050; padding: 3px 6px; }"
        "QTabBar::tab:selected { background: #505050; color: #ffff00; }"
        "#pageArea { background: #000000; border: 1px solid #505050; }"));
}

QPushButton* CQuilldarDlg::button(MainControl control) const {
    const auto found = buttons_.find(control);
    return found == buttons_.end() ? nullptr : found->second;
}

QString CQuilldarDlg::fieldText(const QString& name) const {
    const auto* field = findChild<QLabel*>(name);
    return field != nullptr ? field->text() : QString();
}

QStringList CQuilldarDlg::tabNames(const std::vector<std::uint16_t>& pages, bool leadingBlanks) const {
    const settings::LanguageTable& table = context_.languageTable();
    const QString blanks(leadingBlanks ? app::tabNameLeadingBlanks(state_.uiScale) : 0, QLatin1Char(' '));
    QStringList names;
    for (const std::uint16_t page : pages)
        if (page < std::size(kTabTexts)) names.append(blanks + mnemonicFree(table.text(kTabTexts[page])));
    return names;
}

void CQuilldarDlg::viewReset(bool first) {
    const settings::LanguageTable& table = context_.languageTable();
    context_.languageTable().markApplied(settings::TextGroup::MainWindow);
    setWindowTitle(table.text(MainText::WindowTitle));
    const std::pair<QPushButton*, MainText> texts[] = {
        {buttons_[MainControl::ClearErrors], MainText::ClearErrors},
        {buttons_[MainControl::Connect], MainText::Connect},
        {buttons_[MainControl::SaveAs], MainText::SaveAs},
        {buttons_[MainControl::Open], MainText::Open},
        {buttons_[MainControl::GraphView], MainText::GraphView},
        {buttons_[MainControl::Settings], MainText::Settings},
        {modelsButton_, MainText::Models},
        {faqButton_, MainText::Faq},
        {buttons_[MainControl::Print], MainText::Print},
        {aboutButton_, MainText::About},
        {helpButton_, MainText::Help},
    };
    for (const auto& [b, text] : texts) setFittingText(b, mnemonicFree(table.text(text)));
    hardwareIdLabel_->setText(table.text(MainText::HardwareId));
    hardwareSnLabel_->setText(table.text(MainText::HardwareSn));
    dtcLabel_->setText(table.text(MainText::NumberOfDtcs));
    ecmIdLabel_->setText(table.text(MainText::EcmId));
    const QString none = table.text(MainText::NoValue);
    for (QLabel* field : {hardwareId_, hardwareSn_, dtcCount_, ecmId_}) {
        field->setText(none);
        field->setToolTip(QString());
    }
    hardwareFields_ = app::HardwareFields::Unknown;
    const QString seconds = table.text(MainText::Seconds);
    timeField_->setText(table.text(MainText::Time) + QStringLiteral("0.00") + seconds);
    lengthField_->setText(QStringLiteral("0.00") + seconds);
    slider_->setRange(0, 1);
    tabs_->setTabs(tabNames(app::pageTabMap(0, false), true));
    if (!first) {
        state_.currentPage = 0;
        tabs_->showPage(0, 0);
    }
    state_.lastShownPage = 100;
    update();
}

void CQuilldarDlg::pollTick() {
    // A modal box shown by a command or by the tick itself runs its own event loop; the tick
    // must not start again inside it.
    if (inTick_ || commandDepth_ > 0) return;
    inTick_ = true;
    if (state_.updateCheckPending) {
        checkForUpdate();
    } else {
        if (context_.languageTable().refreshPending(settings::TextGroup::MainWindow)) viewReset(false);
        if (beforeTick_) beforeTick_();
        controller_.tick();
    }
    inTick_ = false;
    if (closeRequested_) {
        closeRequested_ = false;
        reject();
    }
}

void CQuilldarDlg::checkForUpdate() {
    // Once per run, on the first tick: the questions may stay open as long as the user likes.
    const link::HidLink::IdleHold hold(context_.link());
    stopPollTimer();
    if (runUpdateCheck(this, context_, {askUser_, tellUser_})) {
        // The installer is in place and the user wants it: the window closes and hands over.
        closeRequested_ = true;
        return;
    }
    startPollTimer(app::SessionController::kPollPeriodMs);
    state_.updateCheckPending = 0;
}

template <typename Command>
void CQuilldarDlg::runCommand(Command command) {
    if (inTick_) return;
    // However long a dialog of the command stays open, the link to the module stays up.
    const link::HidLink::IdleHold hold(context_.link());
    ++commandDepth_;
    command();
    --commandDepth_;
}

void CQuilldarDlg::openOrClose() {
    runCommand([this] {
        if (state_.playback) {
            controller_.playback().close();
            return;
        }
        controller_.playback().openCommand([this](const QString& folder) { return chooseOpenPath_(this, folder); });
    });
}

namespace {

// Core messages through the window's message presenter.
class PresenterSink : public app::MessageSink {
public:
    PresenterSink(QWidget* owner, const CQuilldarDlg::MessagePresenter& present) : owner_(owner), present_(present) {}
    void showMessage(const QString& text, const QString& caption) override { present_(owner_, caption, text); }

private:
    QWidget* owner_;
    const CQuilldarDlg::MessagePresenter& present_;
};

}  // namespace

void CQuilldarDlg::showModels() {
    runCommand([this] { runModelsDialog(this, context_); });
    buttons_[MainControl::Print]->update();
    buttons_[MainControl::Open]->setFocus();
}

void CQuilldarDlg::showGraph() {
    runCommand([this] {
        app::PlaybackController& playback = controller_.playback();
        playback.graphCommand([this, &playback](files::RecordingFile* recording) {
            // The live session goes on recording behind the graph: the poll tick keeps running
            // while the dialog is open, which a command otherwise holds off.
            const int depth = std::exchange(commandDepth_, 0);
            const files::ChannelSelection channels =
                runGraphDialog(this, context_, recording, playback.keptRecordCount(),
                               QFileInfo(recording_.path()).absolutePath());
            commandDepth_ = depth;
            std::copy(channels.begin(), channels.end(), context_.settings().chartChannels.begin());
            context_.settingsStore().storeChartChannels(context_.settings().chartChannels);
        });
    });
}

void CQuilldarDlg::showAbout() {
    runCommand([this] { runAboutDialog(this, context_, openUrl_); });
    buttons_[MainControl::Open]->setFocus();
}

void CQuilldarDlg::showFaq() {
    runCommand([this] {
        stopPollTimer();
        PresenterSink sink(this, tellUser_);
        app::openFaq(context_.settings(), context_.languageTable(), openUrl_, sink);
        // A playback goes on at its own pace.
        startPollTimer(state_.playback ? app::PlaybackController::kPlaybackPeriodMs
                                       : app::SessionController::kPollPeriodMs);
    });
    buttons_[MainControl::Open]->setFocus();
}

void CQuilldarDlg::printReport() {
    runCommand([this] {
        report::ReportInputs in = report::reportInputsFromPages(
            context_.languageTable(), context_.settings().languageIndex, errorCodes_->model(),
            freezeFrames_->model(), context_.currentValues(), state_.dtcCount);
        in.installDir = context_.settings().installDir;
        in.startupFolder = QFileInfo(recording_.path()).absolutePath();
        in.now = QDateTime::currentDateTime();
        in.playback = state_.playback != 0;
        in.recordingName = recordingName_;
        in.playbackTimeText = timeField_->text();
        const report::ReportResult result = report::writeReport(in);
        // A report that could not be written is said, not passed over in silence.
        if (!result.written)
            tellUser_(this, context_.languageTable().text(MainText::Error), result.problem);
        if (!QFileInfo(result.path).isFile()) return;
        stopPollTimer();
        if (openUrl_ && !openUrl_(QUrl::fromLocalFile(result.path)))
            tellUser_(this, context_.languageTable().text(MainText::Error), QDir::toNativeSeparators(result.path));
        // During playback the timer keeps its 150 ms: at 100 ms a record would no longer stand
        // for 0.15 s and the recording would play half as fast again.
        startPollTimer(state_.playback ? app::PlaybackController::kPlaybackPeriodMs
                                       : app::SessionController::kPollPeriodMs);
    });
}

void CQuilldarDlg::openWebSite() {
    runCommand([this] {
        PresenterSink sink(this, tellUser_);
        app::openMakerWebSite(openUrl_, sink, context_.languageTable());
    });
}

void CQuilldarDlg::openAtStart(const QString& path) {
    runCommand([&] { controller_.playback().openFromCommandLine(path); });
}

void CQuilldarDlg::saveAs() {
    if (state_.playback) {
        runCommand([this] { controller_.playback().playPause(); });
        return;
    }
    runCommand([this] {
        QString target = chooseSavePath_(this, context_.settings().openSave1);
        if (target.isEmpty()) return;
        // The browser has named the file already; any other chooser gets the same rule.
        const QFileInfo chosen(target);
        target = chosen.dir().filePath(files::applyNamingRule(chosen.fileName(), QStringLiteral(".QLS")));
        controller_.saveRecordingAs(target);
    });
}

void CQuilldarDlg::openSettings() {
    runCommand([this] {
        settings::runSettingsCommand(
            context_.settings(), context_.languageTable(), context_.settingsStore(),
            [this] {
                CDlgSettings dialog(context_.settings(), context_.languageTable(), this);
                return dialog.exec() == QDialog::Accepted;
            },
            [this] { viewReset(false); });
    });
}

void CQuilldarDlg::setControlEnabled(MainControl control, bool enabled) {
    if (control == MainControl::Slider) {
        slider_->setEnabled(enabled);
        return;
    }
    if (QPushButton* b = button(control); b != nullptr && b->isEnabled() != enabled) b->setEnabled(enabled);
}

void CQuilldarDlg::showHardwareFields(app::HardwareFields fields, const QString& id, const QString& serial) {
    const settings::LanguageTable& table = context_.languageTable();
    hardwareFields_ = fields;
    hardwareSn_->setToolTip(QString());
    switch (fields) {
        case app::HardwareFields::Unknown:
            hardwareId_->setToolTip(QString());
            hardwareId_->setText(table.text(MainText::NoValue));
            hardwareSn_->setText(table.text(MainText::NoValue));
            break;
        case app::HardwareFields::Offline:
            setElidedText(hardwareId_, table.text(MainText::OfflineMode));
            hardwareSn_->setText(table.text(MainText::OfflineMode));
            break;
        case app::HardwareFields::Known:
            hardwareId_->setToolTip(QString());
            hardwareId_->setText(id);
            hardwareSn_->setText(serial);
            break;
    }
}

void CQuilldarDlg::showHardwareHint(const QString& word, const QString& explanation) {
    if (hardwareId_->toolTip() == explanation && hardwareSn_->text() == word) return;
    setElidedText(hardwareId_, word);
    hardwareSn_->setText(word);
    hardwareId_->setToolTip(explanation);
    hardwareSn_->setToolTip(explanation);
}

void CQuilldarDlg::showTroubleCodeCount(int count) {
    const QString text = QString::number(count);
    if (dtcCount_->text() != text) dtcCount_->setText(text);
}

void CQuilldarDlg::showPartNumber(const QString& partNumber) {
    ecmId_->setText(partNumber);
    ecmId_->repaint();
}

void CQuilldarDlg::showConnectCaption(bool connected) {
    setFittingText(buttons_[MainControl::Connect],
                   mnemonicFree(context_.languageTable().text(connected ? MainText::Disconnect : MainText::Connect)));
}

void CQuilldarDlg::rebuildTabStrip(const std::vector<std::uint16_t>& pages) {
    tabs_->setTabs(tabNames(pages, false));
}

void CQuilldarDlg::showPage(std::uint16_t page, int tab) { tabs_->showPage(page, tab); }

int CQuilldarDlg::selectedTab() const { return tabs_->selectedTab(); }

bool CQuilldarDlg::askYesNo(app::Question question) {
    const settings::LanguageTable& table = context_.languageTable();
    MainText text = MainText::ClearErrorsQuestion;
    MainText caption = MainText::Attention;
    switch (question) {
        case app::Question::UnsavedContinue:
            text = MainText::UnsavedContinueQuestion;
            caption = MainText::AttentionUnsaved;
            break;
        case app::Question::UnsavedExit: text = MainText::UnsavedExitQuestion; break;
        case app::Question::ClearErrors: text = MainText::ClearErrorsQuestion; break;
    }
    // "\n\r" in the table is one line break.
    const QString message = QString(table.text(text)).replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    return askUser_(this, table.text(caption), message);
}

void CQuilldarDlg::showMessage(app::Message message, const QString& detail) {
    const settings::LanguageTable& table = context_.languageTable();
    switch (message) {
        case app::Message::CommunicationFailed:
            tellUser_(this, table.text(MainText::Error), table.text(MainText::CommunicationFailed));
            break;
        case app::Message::CommunicationError:
            tellUser_(this, table.text(MainText::Error), table.text(MainText::CommunicationError));
            break;
        case app::Message::SaveFailed:
            tellUser_(this, table.text(MainText::Error),
                      QStringLiteral("The recording could not be saved: %1\nIt is kept; try another folder or name.")
                          .arg(detail));
            break;
        case app::Message::FileLocked:
            tellUser_(this, QString(), table.text(MainText::FileLocked));
            break;
        case app::Message::FileCorrupted:
            tellUser_(this, QString(), table.text(MainText::FileCorrupted));
            break;
        case app::Message::RecordingNotFound:
            tellUser_(this, table.text(MainText::Error),
                      QStringLiteral("The recording %1 cannot be opened: %2").arg(detail, fileErrorText(detail)));
            break;
        case app::Message::RecordingFailed:
            tellUser_(this, table.text(MainText::Error),
                      QStringLiteral("The session cannot be recorded to disk: %1\n"
                                     "Live data is still shown but no longer recorded. What was recorded before "
                                     "is kept: save it with Save As after Disconnect.")
                          .arg(detail));
            break;
    }
}

void CQuilldarDlg::showPlaybackCaptions(bool playback) {
    const settings::LanguageTable& table = context_.languageTable();
    setFittingText(buttons_[MainControl::Open], mnemonicFree(table.text(playback ? MainText::Close : MainText::Open)));
    setFittingText(buttons_[MainControl::SaveAs], mnemonicFree(table.text(playback ? MainText::Play : MainText::SaveAs)));
}

void CQuilldarDlg::showPlayCaption(bool playing) {
    setFittingText(buttons_[MainControl::SaveAs],
                   mnemonicFree(context_.languageTable().text(playing ? MainText::Pause : MainText::Play)));
}

void CQuilldarDlg::showRecordingTitle(const QString& fileName) {
    const settings::LanguageTable& table = context_.languageTable();
    QString title = table.text(MainText::WindowTitle);
    if (!fileName.isEmpty()) title += table.text(MainText::TitleSeparator) + fileName;
    recordingName_ = fileName;
    setWindowTitle(title);
}

void CQuilldarDlg::setSliderRange(int maximum) { slider_->setRange(0, std::max(0, maximum)); }

void CQuilldarDlg::setSliderPosition(int position) {
    // While the user holds the thumb, the thumb stays where the user puts it.
    if (!slider_->isSliderDown()) slider_->setValue(position);
}

int CQuilldarDlg::sliderPosition() const {
    return slider_->isSliderDown() ? slider_->sliderPosition() : slider_->value();
}

void CQuilldarDlg::showTime(const QString& text) { timeField_->setText(text); }

void CQuilldarDlg::showLength(const QString& text) { lengthField_->setText(text); }

void CQuilldarDlg::showSinglePageTab(std::uint16_t page) {
    tabs_->setTabs(tabNames({page}, false));
    tabs_->showPage(page, 0);
    update();
}

void CQuilldarDlg::resetView() {
    context_.languageTable().fill(context_.settings().languageIndex, context_.settings());
    viewReset(false);
}

void CQuilldarDlg::stopPollTimer() { pollTimer_.stop(); }

void CQuilldarDlg::startPollTimer(int periodMs) { pollTimer_.start(periodMs); }

void CQuilldarDlg::setBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void CQuilldarDlg::sessionStarting() {
    // The first trouble-code answer of the new session is shown even if it equals the last one.
    errorCodes_->model().resetLastChecksum();
}

void CQuilldarDlg::troubleCodesCleared() {
    // The fault-time page starts afresh: the faults it shows are gone.
    freezeFrames_->model().startAfresh();
}

void CQuilldarDlg::playbackPageChanged() { freezeFrames_->model().requestLayout(); }

void CQuilldarDlg::keepPainted() {
    // Paint events and timers only; clicks and keys wait until the command is done, and the poll
    // tick does not run inside a command.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CQuilldarDlg::reject() {
    // Escape, the close box and the system menu all end up here. A close that arrives while a
    // command runs is ignored: the command must finish its dialogue with the module.
    if (commandDepth_ > 0) return;
    if (inTick_) {
        closeRequested_ = true;
        return;
    }
    bool mayClose = false;
    runCommand([&] { mayClose = controller_.shutdown(); });
    if (!mayClose) return;
    if (!state_.installPending)
        app::removeLeftovers(context_.settings().installDir, app::leftoversAtShutdown());
    context_.settingsStore().storeLanguage(context_.settings().languageIndex);
    if (state_.installPending) update::handOverInstaller(context_.settings().installDir);
    QDialog::reject();
}

void CQuilldarDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    reject();
}

bool CQuilldarDlg::focusNextPrevChild(bool) { return false; }

}  // namespace quilldar::gui
