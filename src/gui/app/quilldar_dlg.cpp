#include "gui/app/quilldar_dlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "app/display_scale.h"
#include "app/installer_leftovers.h"
#include "app/tab_map.h"
#include "files/file_naming.h"
#include "gui/app/desktop_url_opener.h"
#include "gui/app/my_tab_ctrl.h"
#include "gui/files/run_file_browser.h"
#include "gui/pages/dlg_dialog1.h"
#include "gui/pages/dlg_dialog2.h"
#include "gui/pages/dlg_dialog3.h"
#include "gui/pages/dlg_dialog4.h"
#include "gui/pages/dlg_dialog5.h"
#include "gui/pages/dlg_dialog6.h"
#include "gui/pages/dlg_dialog7.h"
#include "gui/pages/dlg_dialog8.h"
#include "gui/update/run_update_check.h"
#include "gui/widgets/click_action.h"
#include "gui/widgets/fitting_text.h"
#include "gui/widgets/wait_hold.h"
#include "settings/language_table.h"
#include "update/installer_hand_over.h"

// The main window itself: its controls and their layout, the texts of the view reset, and the
// close. What the core shows through it is in quilldar_dlg_view.cpp, the commands behind its
// buttons in quilldar_dlg_commands.cpp, and the poll timer in quilldar_dlg_poll.cpp.

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

QLabel* valueField(QWidget* parent, const char* name) {
    auto* field = new QLabel(parent);
    field->setObjectName(QLatin1String(name));
    field->setProperty("role", QStringLiteral("value"));
    return field;
}

}  // namespace

CQuilldarDlg::CQuilldarDlg(app::AppContext& context, const QString& startupFolder, QWidget* parent)
    : CQuilldarDlg(context, startupFolder, QString::fromLatin1(files::TemporaryRecording::kFileName), parent) {}

CQuilldarDlg::CQuilldarDlg(app::AppContext& context, const QString& startupFolder, const QString& scratchFileName,
                           QWidget* parent)
    : QDialog(parent),
      context_(context),
      state_(context.state()),
      recording_(startupFolder, scratchFileName),
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
      openUrl_(desktopUrlOpener()),
      checkUpdates_([this] { return runUpdateCheck(this, context_, {askUser_, tellUser_}); }),
      waitHold_(std::make_unique<WaitHold>()) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        state_.uiScale = app::uiScaleForDpi(static_cast<int>(screen->logicalDotsPerInchX()));
    // The style is in place before the controls are made: setting it afterwards would restyle
    // every one of them again.
    applyStyle();
    buildControls();
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
    // A window that is not shown (or shows but is never exposed) makes its pages all the same.
    QTimer::singleShot(0, this, [this] {
        if (!isVisible()) buildHiddenPages();
    });
    QTimer::singleShot(500, this, [this] { buildHiddenPagesWhenFree(); });
}

CQuilldarDlg::~CQuilldarDlg() = default;

void CQuilldarDlg::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (painted_) return;
    painted_ = true;
    // After this paint has reached the screen.
    QTimer::singleShot(0, this, [this] {
        buildHiddenPagesWhenFree();
        for (const auto& work : std::exchange(afterFirstPaint_, {})) work();
    });
}

void CQuilldarDlg::runAfterFirstPaint(std::function<void()> work) {
    if (painted_) {
        work();
    } else {
        afterFirstPaint_.push_back(std::move(work));
    }
}

void CQuilldarDlg::buildHiddenPages() {
    if (tabs_->buildNextPage()) QTimer::singleShot(0, this, [this] { buildHiddenPages(); });
}

void CQuilldarDlg::buildHiddenPagesWhenFree() {
    // A dialog over the window (the graph of a recording opened at start) is drawn first: the
    // pages follow when it closes, and no session can start before that.
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == this) {
        buildHiddenPages();
    } else if (!waitingForModal_) {
        // One check at a time, however many callers found the window covered.
        waitingForModal_ = true;
        QTimer::singleShot(250, this, [this] {
            waitingForModal_ = false;
            buildHiddenPagesWhenFree();
        });
    }
}

CDlgDialog6& CQuilldarDlg::errorCodes() { return *static_cast<CDlgDialog6*>(tabs_->page(kErrorCodesPage)); }

CDlgDialog7& CQuilldarDlg::freezeFrames() { return *static_cast<CDlgDialog7*>(tabs_->page(kFreezeFramesPage)); }

CDlgDialog8& CQuilldarDlg::activeTests() { return *static_cast<CDlgDialog8*>(tabs_->page(kActiveTestsPage)); }

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

    // Each column of buttons is as wide as the longest caption its buttons show in any language
    // ("Mentés másként...", "Стереть ошибки") needs in the window's font.
    pushButton(MainControl::Open, "openButton", dialogUnits(11, 11, 72, 14));
    pushButton(MainControl::Connect, "connectButton", dialogUnits(87, 11, 60, 14));
    pushButton(MainControl::ClearErrors, "clearErrorsButton", dialogUnits(151, 11, 68, 14));
    pushButton(MainControl::SaveAs, "saveAsButton", dialogUnits(11, 35, 72, 14));
    pushButton(MainControl::Settings, "settingsButton", dialogUnits(87, 35, 60, 14));
    pushButton(MainControl::GraphView, "graphButton", dialogUnits(151, 35, 68, 14));
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
    hardwareSnLabel_ = label(352, 12, 76);
    hardwareSn_ = valueField(this, "hardwareSn");
    hardwareSn_->setGeometry(dialogUnits(430, 12, 70, 10));
    dtcLabel_ = label(222, 28, 86);
    dtcCount_ = valueField(this, "dtcCount");
    dtcCount_->setGeometry(dialogUnits(310, 28, 40, 10));
    ecmIdLabel_ = label(352, 28, 76);
    ecmId_ = valueField(this, "ecmId");
    ecmId_->setGeometry(dialogUnits(430, 28, 74, 10));

    timeField_ = valueField(this, "timeField");
    timeField_->setGeometry(dialogUnits(220, 40, 76, 9));
    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setObjectName(QStringLiteral("playbackSlider"));
    slider_->setGeometry(dialogUnits(311, 40, 135, 10));
    slider_->setRange(0, 1);
    lengthField_ = valueField(this, "lengthField");
    lengthField_->setGeometry(dialogUnits(463, 40, 42, 9));
    sessionEndLine_ = new QLabel(this);
    sessionEndLine_->setObjectName(QStringLiteral("sessionEndLine"));
    sessionEndLine_->setGeometry(dialogUnits(220, 39, 285, 11));
    sessionEndLine_->hide();

    header_ = new QLabel(this);
    header_->setObjectName(QStringLiteral("header"));
    header_->setAlignment(Qt::AlignCenter);
    header_->setGeometry(dialogUnits(505, 15, 150, 33));

    tabs_ = new CMyTabCtrl(this);
    tabs_->setObjectName(QStringLiteral("tabArea"));
    // Only the page the window shows is made now; the others once it has painted itself.
    tabs_->setPageBuilder(0, [this](QWidget* parent) { return new CDlgDialog1(context_, parent); });
    tabs_->setPageBuilder(1, [this](QWidget* parent) { return new CDlgDialog2(context_, parent); });
    tabs_->setPageBuilder(2, [this](QWidget* parent) { return new CDlgDialog3(context_, parent); });
    tabs_->setPageBuilder(3, [this](QWidget* parent) { return new CDlgDialog4(context_, parent); });
    tabs_->setPageBuilder(4, [this](QWidget* parent) { return new CDlgDialog5(context_, parent); });
    tabs_->setPageBuilder(kErrorCodesPage, [this](QWidget* parent) { return new CDlgDialog6(context_, parent); });
    tabs_->setPageBuilder(kFreezeFramesPage, [this](QWidget* parent) { return new CDlgDialog7(context_, parent); });
    tabs_->setPageBuilder(kActiveTestsPage, [this](QWidget* parent) {
        auto* page = new CDlgDialog8(
            context_, [this](const std::function<void()>& command) { runCommand(command); }, parent);
        page->setQuestionRunner([this](const std::function<void()>& question) { runBesideSession(question); });
        return page;
    });
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
        "#sessionEndLine { color: #ffc864; }"
        "#upperFrame { border: 1px solid #505050; border-radius: 3px; }"
        "QPushButton { color: #ffffff; background: #505050; border: 1px solid #6e6e6e; border-radius: 2px; padding: 1px 2px; }"
        // The small buttons of the playback strip and the tab row give all their height to the text.
        "#backButton, #forwardButton, #printButton, #modelsButton, #faqButton, #aboutButton, #helpButton { padding: 0px; }"
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
        if (const auto text = app::tabText(page)) names.append(blanks + mnemonicFree(table.text(*text)));
    return names;
}

void CQuilldarDlg::viewReset(bool first) {
    const settings::LanguageTable& table = context_.languageTable();
    context_.languageTable().markApplied(settings::TextGroup::MainWindow);
    qtTexts_.apply(context_.settings().languageIndex);
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
    for (const auto& [b, text] : texts) b->setText(mnemonicFree(table.text(text)));
    layOutTabRowButtons();
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
    // The module the link has greeted stays shown: nothing greets it again until the link drops.
    if (state_.offlineInstance) {
        showHardwareFields(app::HardwareFields::Offline, {}, {});
    } else if (!first && state_.isLinkOpen() && context_.module().hardwareId != link::ModuleIdentity::kUnknown) {
        showHardwareFields(app::HardwareFields::Known, context_.module().hardwareId, context_.module().serialNumber);
    }
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

void CQuilldarDlg::layOutTabRowButtons() {
    // Right-aligned to the frame above them, each at least its usual width and wider when the
    // language's caption needs it ("O programie"), so that no caption is cut or made smaller.
    constexpr int kRightUnits = 664;
    constexpr int kGapUnits = 7;
    const QRect usual = dialogUnits(0, 61, 33, 10);
    const QRect gap = dialogUnits(0, 0, kGapUnits, 0);
    int right = dialogUnits(kRightUnits, 0, 0, 0).left();
    for (QPushButton* b : {aboutButton_, faqButton_, modelsButton_, buttons_[MainControl::Print]}) {
        const int width = std::max(usual.width(), b->sizeHint().width());
        b->setGeometry(right - width, usual.top(), width, usual.height());
        right -= width + gap.width();
    }
}

void CQuilldarDlg::reject() {
    // Escape, the close box and the system menu all end up here. A close that arrives while a
    // command runs waits for it: the command must finish its dialogue with the module.
    if (commandDepth_ > 0 || inTick_) {
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
