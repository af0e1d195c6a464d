#include "gui/widgets/wait_hold.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QThread>
#include <QWheelEvent>
#include <QTimerEvent>
#include <QWindow>

#include <algorithm>

#include <utility>

namespace quilldar::gui {

WaitHold::WaitHold() { QCoreApplication::instance()->installEventFilter(this); }

WaitHold::~WaitHold() {
    if (QCoreApplication* application = QCoreApplication::instance()) application->removeEventFilter(this);
}

void WaitHold::keepPainted() {
    const int outer = std::exchange(holdingLoopLevel_, QThread::currentThread()->loopLevel());
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // A repaint asked for by the events just handled is posted while they run: paint it now
    // rather than a pump later.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    holdingLoopLevel_ = outer;
}

void WaitHold::release() {
    // Whatever the handed-on input starts (a command, a dialog) may hold input of its own.
    const std::vector<HeldEvent> held = std::exchange(held_, {});
    for (const HeldEvent& event : held) {
        if (!event.window) continue;
        const QWindow* modal = QGuiApplication::modalWindow();
        if (modal != nullptr && modal != event.window) continue;
        deliver(event);
    }
    // A timer stopped meanwhile ignores its id; a running one fires once, from the event loop
    // once the code that waited has returned. Fired from here, a timer whose handler waits again
    // (the poll tick with a module slower than its period) would start inside the one before
    // it, deeper with every tick.
    const auto timers = std::exchange(timers_, {});
    for (const auto& [receiver, id] : timers) {
        if (!receiver) continue;
        QCoreApplication::postEvent(receiver, new QTimerEvent(id));
    }
}

bool WaitHold::holding() const {
    return holdingLoopLevel_ >= 0 && QThread::currentThread()->loopLevel() == holdingLoopLevel_;
}

bool WaitHold::eventFilter(QObject* watched, QEvent* event) {
    // Input reaches the top-level window first and the widget under it after; it is kept at the
    // window, once, and only while the loop that waits runs (not in a dialog opened meanwhile).
    if (!holding()) return false;
    // Timers wait for the end of the wait, once each; a window's own timer (its update request)
    // is painting and goes on.
    if (event->type() == QEvent::Timer && !watched->isWindowType()) {
        const int id = static_cast<QTimerEvent*>(event)->timerId();
        const auto kept = std::find_if(timers_.begin(), timers_.end(),
                                       [&](const auto& timer) { return timer.first == watched && timer.second == id; });
        if (kept == timers_.end()) timers_.emplace_back(watched, id);
        return true;
    }
    if (!watched->isWindowType()) return false;
    // The question whether a key is a shortcut is asked again when the key is handed on.
    if (event->type() == QEvent::ShortcutOverride) return true;
    HeldEvent held;
    if (!keep(watched, event, held)) return false;
    held_.push_back(std::move(held));
    return true;
}

bool WaitHold::keep(QObject* window, const QEvent* event, HeldEvent& held) {
    held.window = window;
    held.type = event->type();
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<const QMouseEvent*>(event);
            held.position = mouse->position();
            held.scenePosition = mouse->scenePosition();
            held.globalPosition = mouse->globalPosition();
            held.button = mouse->button();
            held.buttons = mouse->buttons();
            held.modifiers = mouse->modifiers();
            return true;
        }
        case QEvent::Wheel: {
            const auto* wheel = static_cast<const QWheelEvent*>(event);
            held.position = wheel->position();
            held.globalPosition = wheel->globalPosition();
            held.pixelDelta = wheel->pixelDelta();
            held.angleDelta = wheel->angleDelta();
            held.buttons = wheel->buttons();
            held.modifiers = wheel->modifiers();
            held.phase = wheel->phase();
            held.inverted = wheel->inverted();
            return true;
        }
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const auto* key = static_cast<const QKeyEvent*>(event);
            held.key = key->key();
            held.modifiers = key->modifiers();
            held.text = key->text();
            held.autoRepeat = key->isAutoRepeat();
            held.count = static_cast<quint16>(key->count());
            held.nativeScanCode = key->nativeScanCode();
            held.nativeVirtualKey = key->nativeVirtualKey();
            held.nativeModifiers = key->nativeModifiers();
            return true;
        }
        default:
            return false;
    }
}

void WaitHold::deliver(const HeldEvent& held) {
    switch (held.type) {
        case QEvent::Wheel: {
            QWheelEvent wheel(held.position, held.globalPosition, held.pixelDelta, held.angleDelta, held.buttons,
                              held.modifiers, held.phase, held.inverted);
            QCoreApplication::sendEvent(held.window, &wheel);
            return;
        }
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            QKeyEvent key(held.type, held.key, held.modifiers, held.nativeScanCode, held.nativeVirtualKey,
                          held.nativeModifiers, held.text, held.autoRepeat, held.count);
            QCoreApplication::sendEvent(held.window, &key);
            return;
        }
        default: {
            QMouseEvent mouse(held.type, held.position, held.scenePosition, held.globalPosition, held.button,
                              held.buttons, held.modifiers);
            QCoreApplication::sendEvent(held.window, &mouse);
            return;
        }
    }
}

}  // namespace quilldar::gui
