#include "gui/app/quilldar_dlg.h"

#include <QMetaObject>

#include "gui/widgets/wait_hold.h"
#include "settings/language_table.h"

// The poll wiring of the main window: the timer that runs the session controller's tick, the
// update check of the first tick, and the guard that keeps a tick and a command from running
// inside each other's message boxes.

namespace quilldar::gui {

void CQuilldarDlg::start() { pollTimer_.start(controller_.pollPeriodMs()); }

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
        return;
    }
    // The clicks and keys that came while the tick waited for the module are handled now, before
    // the next tick can start another wait: a click waits for one wait of the link at most.
    waitHold_->release();
}

void CQuilldarDlg::checkForUpdate() {
    // Once per run, on the first tick: the questions may stay open as long as the user likes.
    const link::HidLink::IdleHold hold(context_.link());
    stopPollTimer();
    // Once per run, whatever comes of it: a user who keeps the window open at the exit question
    // that follows an accepted installer is not asked about the update again.
    state_.updateCheckPending = 0;
    if (checkUpdates_()) {
        // The installer is in place and the user wants it: the window closes and hands over.
        closeRequested_ = true;
        return;
    }
    startPollTimer(controller_.pollPeriodMs());
}

void CQuilldarDlg::runCommand(const std::function<void()>& command) {
    if (inTick_) return;
    // However long a dialog of the command stays open, the link to the module stays up.
    const link::HidLink::IdleHold hold(context_.link());
    ++commandDepth_;
    command();
    --commandDepth_;
    if (commandDepth_ > 0) return;
    // Input that came while the command waited for the module follows it, and so does a close
    // that came meanwhile.
    waitHold_->release();
    if (closeRequested_ && !inTick_) {
        closeRequested_ = false;
        QMetaObject::invokeMethod(this, &CQuilldarDlg::reject, Qt::QueuedConnection);
    }
}

void CQuilldarDlg::stopPollTimer() { pollTimer_.stop(); }

void CQuilldarDlg::startPollTimer(int periodMs) { pollTimer_.start(periodMs); }

void CQuilldarDlg::keepPainted() {
    // Paint events and timers only; clicks and keys wait until the tick or the command is done,
    // and the poll tick does not run inside a command.
    waitHold_->keepPainted();
}

}  // namespace quilldar::gui
