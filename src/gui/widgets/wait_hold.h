#pragma once

#include <QEvent>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QString>

#include <vector>

namespace quilldar::gui {

// Keeps what must not run while the window waits for the module, and hands it on once the wait is
// over: the user's clicks and keys, in the order they came, and the timers that came due (page
// timers, which may ask a question or send a request of their own). Only painting and the window
// system's other events go on inside a wait.
//
// The event loop's own way of holding input (ExcludeUserInputEvents) keeps the held events in the
// window system's queue, where some platforms (X11 with the GLib event loop) look at them again
// only when a new event arrives: with a module that stays slow the next wait starts first, and a
// click could wait for good. Here the input is taken out of the loop and kept, so that it is
// handed on as soon as the waiting code says so.
class WaitHold : public QObject {
public:
    WaitHold();
    ~WaitHold() override;
    WaitHold(const WaitHold&) = delete;
    WaitHold& operator=(const WaitHold&) = delete;

    // Runs the event loop once for painting; input and timers that come due are kept. A dialog
    // that opens meanwhile runs its own loop and takes its input and timers as usual.
    void keepPainted();
    // Hands the kept input on to the windows it was meant for, as it would have come (except to a
    // window that a dialog has blocked since), then queues the kept timers to fire once each when
    // the event loop next runs.
    void release();
    bool holdsInput() const { return !held_.empty(); }
    bool holdsTimers() const { return !timers_.empty(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What a click, a key or a wheel turn carried, by value: the event objects themselves share
    // their pointer's state with the events that follow them.
    struct HeldEvent {
        QPointer<QObject> window;
        QEvent::Type type = QEvent::None;
        Qt::KeyboardModifiers modifiers;
        QPointF position, scenePosition, globalPosition;  // mouse and wheel
        Qt::MouseButton button = Qt::NoButton;
        Qt::MouseButtons buttons;
        QPoint pixelDelta, angleDelta;  // wheel
        Qt::ScrollPhase phase = Qt::NoScrollPhase;
        bool inverted = false;
        int key = 0;  // keys
        QString text;
        bool autoRepeat = false;
        quint16 count = 1;
        quint32 nativeScanCode = 0, nativeVirtualKey = 0, nativeModifiers = 0;
    };
    static bool keep(QObject* window, const QEvent* event, HeldEvent& held);
    static void deliver(const HeldEvent& held);

    bool holding() const;

    int holdingLoopLevel_ = -1;  // the event loop level whose input is kept; -1: none
    std::vector<HeldEvent> held_;
    // Timers that came due, once each however often: the object and its timer id.
    std::vector<std::pair<QPointer<QObject>, int>> timers_;
};

}  // namespace quilldar::gui
