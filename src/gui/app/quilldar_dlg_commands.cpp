#include "gui/app/quilldar_dlg.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include <algorithm>
#include <utility>

#include "app/faq_document.h"
#include "app/web_address.h"
#include "files/file_naming.h"
#include "gui/app/dlg_about.h"
#include "gui/graph/dlg_graph.h"
#include "gui/pages/dlg_dialog10.h"
#include "gui/pages/dlg_dialog6.h"
#include "gui/pages/dlg_dialog7.h"
#include "gui/settings/dlg_settings.h"
#include "report/pdf_report.h"
#include "settings/language_table.h"
#include "settings/settings_dialog_model.h"
#include "state/message_sink.h"

// The commands behind the main window's buttons: the recording commands (Open, Save As, Graph
// view), the report (Print), Settings, and the help commands (Models, About, FAQ, the web site).

namespace quilldar::gui {

using app::MainControl;
using settings::MainText;

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

// --- recording commands ---

void CQuilldarDlg::openOrClose() {
    runCommand([this] {
        if (state_.playback) {
            controller_.playback().close();
            return;
        }
        controller_.playback().openCommand([this](const QString& folder) { return chooseOpenPath_(this, folder); });
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

void CQuilldarDlg::showGraph() {
    runCommand([this] {
        app::PlaybackController& playback = controller_.playback();
        playback.graphCommand([this, &playback](files::RecordingFile* recording) {
            files::ChannelSelection channels{};
            runBesideSession([&] {
                channels = runGraphDialog(this, context_, recording, playback.keptRecordCount(),
                                          QFileInfo(recording_.path()).absolutePath(),
                                          std::exchange(graphReference_, QString()),
                                          std::exchange(graphPrefetch_, nullptr));
            });
            std::copy(channels.begin(), channels.end(), context_.settings().chartChannels.begin());
            context_.settingsStore().storeChartChannels(context_.settings().chartChannels);
        });
    });
}

// --- the report ---

void CQuilldarDlg::printReport() {
    runCommand([this] {
        report::ReportInputs in = report::reportInputsFromPages(
            context_.languageTable(), context_.settings().languageIndex, errorCodes().model(),
            freezeFrames().model(), context_.currentValues(), state_.dtcCount);
        in.installDir = context_.settings().installDir;
        in.startupFolder = QFileInfo(recording_.path()).absolutePath();
        in.now = QDateTime::currentDateTime();
        in.playback = state_.playback != 0;
        in.recordingName = recordingName_;
        in.playbackTimeText = timeField_->text();
        // The unit as the window names it. The ECM is the connected one, or the recording's; a
        // recording does not say which interface module made it, so the module's numbers are
        // printed for a live session only.
        if (state_.connected || state_.playback) {
            in.unit.ecmId = context_.ecm().partNumber;
            in.unit.modelCode = context_.ecm().code;
        }
        if (!state_.playback && hardwareFields_ == app::HardwareFields::Known) {
            in.unit.hardwareId = context_.module().hardwareId;
            in.unit.serialNumber = context_.module().serialNumber;
        }
        const report::ReportResult result = report::writeReport(in);
        // A report that could not be written is said, not passed over in silence.
        if (!result.written)
            tellUser_(this, context_.languageTable().text(MainText::Error), result.problem);
        if (!QFileInfo(result.path).isFile()) return;
        stopPollTimer();
        if (openUrl_ && !openUrl_(QUrl::fromLocalFile(result.path)))
            tellUser_(this, context_.languageTable().text(MainText::Error),
                      context_.languageTable().text(MainText::ReportSavedNoViewer).arg(QDir::toNativeSeparators(result.path)));
        startPollTimer(controller_.pollPeriodMs());
    });
}

// --- settings ---

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

// --- help commands ---

void CQuilldarDlg::runBesideSession(const std::function<void()>& dialog) {
    const int depth = std::exchange(commandDepth_, 0);
    dialog();
    commandDepth_ = depth;
    buildHiddenPagesWhenFree();
}

void CQuilldarDlg::showModels() {
    runCommand([this] { runBesideSession([this] { runModelsDialog(this, context_); }); });
    buttons_[MainControl::Print]->update();
    buttons_[MainControl::Open]->setFocus();
}

void CQuilldarDlg::showAbout() {
    runCommand([this] { runBesideSession([this] { runAboutDialog(this, context_, openUrl_); }); });
    buttons_[MainControl::Open]->setFocus();
}

void CQuilldarDlg::showFaq() {
    runCommand([this] {
        stopPollTimer();
        PresenterSink sink(this, tellUser_);
        app::openFaq(context_.settings(), context_.languageTable(), openUrl_, sink);
        startPollTimer(controller_.pollPeriodMs());
    });
    buttons_[MainControl::Open]->setFocus();
}

void CQuilldarDlg::openWebSite() {
    runCommand([this] {
        PresenterSink sink(this, tellUser_);
        app::openMakerWebSite(openUrl_, sink, context_.languageTable());
    });
}

}  // namespace quilldar::gui
