#include "gui/app/quilldar_dlg.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include <QFontMetrics>

#include <algorithm>

#include "gui/app/my_tab_ctrl.h"
#include "gui/pages/dlg_dialog6.h"
#include "gui/pages/dlg_dialog7.h"
#include "gui/widgets/fitting_text.h"
#include "settings/language_table.h"

// The main window as the core sees it: every call of the view interface, shown in the texts of
// the active language.

namespace quilldar::gui {

using app::MainControl;
using settings::MainText;

namespace {

// Why a file cannot be opened for reading, in the system's words.
QString fileErrorText(const QString& path, const settings::LanguageTable& table) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? table.text(MainText::NotARecording) : file.errorString();
}

}  // namespace

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
        case app::HardwareFields::Offline: {
            // Why: the module is in use by the copy that started first.
            const QString why = table.text(MainText::OtherCopyUsesModule);
            const QString explanation = table.text(MainText::OfflineExplanation).arg(why);
            setElidedText(hardwareId_, table.text(MainText::OfflineMode));
            setElidedText(hardwareSn_, why);
            hardwareId_->setToolTip(explanation);
            hardwareSn_->setToolTip(explanation);
            break;
        }
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
    const MainText caption = connected ? MainText::Disconnect : MainText::Connect;
    buttons_[MainControl::Connect]->setText(mnemonicFree(context_.languageTable().text(caption)));
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
        case app::Question::DiscardLeftover:
            // Records the user may not know about: the question says plainly that they go.
            return askBesideSession(table.text(MainText::AttentionUnsaved), table.text(MainText::DiscardLeftoverQuestion));
    }
    // "\n\r" in the table is one line break.
    const QString message = QString(table.text(text)).replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    return askBesideSession(table.text(caption), message);
}

bool CQuilldarDlg::askBesideSession(const QString& caption, const QString& text) {
    // A question may stay open as long as the user likes; the live session and its recording go
    // on behind it. (The exit question comes with the poll timer stopped.)
    bool answer = false;
    runBesideSession([&] { answer = askUser_(this, caption, text); });
    return answer;
}

void CQuilldarDlg::showMessage(app::Message message, const QString& detail) {
    const settings::LanguageTable& table = context_.languageTable();
    switch (message) {
        case app::Message::CommunicationFailed: {
            QString text = table.text(MainText::CommunicationFailed);
            // The selected tab picks the control unit; a user on the wrong tab learns it here.
            if (!detail.isEmpty()) text += QStringLiteral("\n\n") + table.text(MainText::WrongTabHint).arg(detail);
            tellUser_(this, table.text(MainText::Error), text);
            break;
        }
        case app::Message::CommunicationError:
            tellUser_(this, table.text(MainText::Error), table.text(MainText::CommunicationError));
            break;
        case app::Message::SaveFailed:
            tellUser_(this, table.text(MainText::Error), table.text(MainText::RecordingNotSaved).arg(detail));
            break;
        case app::Message::FileLocked:
            tellUser_(this, QString(), table.text(MainText::FileLocked));
            break;
        case app::Message::FileCorrupted:
            tellUser_(this, QString(), table.text(MainText::FileCorrupted));
            break;
        case app::Message::RecordingNotFound:
            tellUser_(this, table.text(MainText::Error),
                      table.text(MainText::RecordingNotOpened).arg(detail, fileErrorText(detail, table)));
            break;
        case app::Message::RecordingFailed:
            tellUser_(this, table.text(MainText::Error), table.text(MainText::RecordingStopped).arg(detail));
            break;
    }
}

void CQuilldarDlg::showPlaybackCaptions(bool playback) {
    const settings::LanguageTable& table = context_.languageTable();
    buttons_[MainControl::Open]->setText(mnemonicFree(table.text(playback ? MainText::Close : MainText::Open)));
    buttons_[MainControl::SaveAs]->setText(mnemonicFree(table.text(playback ? MainText::Play : MainText::SaveAs)));
}

void CQuilldarDlg::showPlayCaption(bool playing) {
    const MainText caption = playing ? MainText::Pause : MainText::Play;
    buttons_[MainControl::SaveAs]->setText(mnemonicFree(context_.languageTable().text(caption)));
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

void CQuilldarDlg::focusOpenButton() { buttons_[MainControl::Open]->setFocus(); }

void CQuilldarDlg::showSessionEnd(const QString& line, const QString& kept) {
    // The line stands where the playback strip is, which has nothing to do until a recording
    // is opened.
    const bool shown = !line.isEmpty();
    for (QWidget* strip : std::initializer_list<QWidget*>{timeField_, slider_, lengthField_, buttons_[MainControl::Back],
                                                         buttons_[MainControl::Forward]})
        strip->setVisible(!shown);
    sessionEndLine_->setVisible(shown);
    if (!shown) return;
    // What is kept for Save As matters most: when the two do not fit, the reason is cut.
    const QFontMetrics metrics(sessionEndLine_->font());
    const int room = sessionEndLine_->width() - metrics.horizontalAdvance(kept);
    sessionEndLine_->setText(metrics.elidedText(line, Qt::ElideRight, std::max(room, 0)) + kept);
    sessionEndLine_->setToolTip(line + kept);
}

void CQuilldarDlg::resetView() {
    context_.languageTable().fill(context_.settings().languageIndex, context_.settings());
    viewReset(false);
}

void CQuilldarDlg::setBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void CQuilldarDlg::sessionStarting() {
    // The first trouble-code answer of the new session is shown even if it equals the last one.
    errorCodes().model().resetLastChecksum();
}

void CQuilldarDlg::troubleCodesCleared() {
    // The fault-time page starts afresh: the faults it shows are gone.
    freezeFrames().model().startAfresh();
}

void CQuilldarDlg::playbackPageChanged() { freezeFrames().model().requestLayout(); }

}  // namespace quilldar::gui
