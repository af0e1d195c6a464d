// Clicks and keys that come while the window waits for the module are kept and handed on after
// the wait, and never kept from a dialog that opens meanwhile.

#include "gui/widgets/wait_hold.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QElapsedTimer>
#include <QThread>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

namespace quilldar::gui {
namespace {

// A click queued the way the window system delivers one, to be taken by the next turn of the loop.
void queueClick(QWidget* target) {
    QWindow* handle = target->window()->windowHandle();
    const QPointF local = target->mapTo(target->window(), QPointF(target->rect().center()));
    const QPointF global = handle->mapToGlobal(local);
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
        handle, local, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
        handle, local, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
}

class WaitHoldTest : public ::testing::Test {
protected:
    WaitHoldTest() {
        auto* layout = new QVBoxLayout(&window_);
        first_ = new QPushButton(QStringLiteral("first"));
        second_ = new QPushButton(QStringLiteral("second"));
        layout->addWidget(first_);
        layout->addWidget(second_);
        QObject::connect(first_, &QPushButton::clicked, [this] { clicked_ << "first"; });
        QObject::connect(second_, &QPushButton::clicked, [this] { clicked_ << "second"; });
        window_.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window_));
    }

    QWidget window_;
    QPushButton* first_ = nullptr;
    QPushButton* second_ = nullptr;
    QStringList clicked_;
};

TEST_F(WaitHoldTest, KeepsTheClicksOfAWaitAndHandsThemOnInTheirOrder) {
    WaitHold hold;
    queueClick(second_);
    queueClick(first_);
    int queuedCalls = 0;
    QMetaObject::invokeMethod(&window_, [&] { ++queuedCalls; }, Qt::QueuedConnection);
    hold.keepPainted();
    EXPECT_EQ(queuedCalls, 1);  // what is not input or a timer went on
    EXPECT_TRUE(clicked_.isEmpty());
    EXPECT_TRUE(hold.holdsInput());

    hold.release();
    EXPECT_EQ(clicked_, (QStringList{"second", "first"}));
    EXPECT_FALSE(hold.holdsInput());
    hold.release();  // nothing is handed on twice
    EXPECT_EQ(clicked_.size(), 2);
}

TEST_F(WaitHoldTest, APageTimerThatComesDueDuringTheWaitRunsOnceAfterIt) {
    WaitHold hold;
    QTimer pageTimer;
    pageTimer.setInterval(1);
    int runs = 0;
    QObject::connect(&pageTimer, &QTimer::timeout, [&] { ++runs; });
    pageTimer.start();
    // A wait of 30 ms: the timer comes due many times, and runs not once inside it.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 30) {
        hold.keepPainted();
        QThread::msleep(2);
    }
    EXPECT_EQ(runs, 0);
    EXPECT_TRUE(hold.holdsTimers());
    pageTimer.setInterval(60000);  // from here on only the kept firing can run it
    hold.release();
    EXPECT_EQ(runs, 0);  // not inside the code that waited
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(runs, 1);

    // A timer stopped meanwhile does not fire.
    pageTimer.setInterval(1);
    pageTimer.start();
    hold.keepPainted();
    QThread::msleep(3);
    hold.keepPainted();
    pageTimer.stop();
    hold.release();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(runs, 1);
}

// The poll tick with a module slower than its timer: every tick waits longer than the period, so
// the timer is always due when the wait ends. Each tick must start after the one before has
// returned, never inside it.
TEST_F(WaitHoldTest, ATimerWhoseHandlerWaitsAgainNeverNests) {
    WaitHold hold;
    QTimer pollTimer;
    pollTimer.setInterval(5);
    int depth = 0, deepest = 0, ticks = 0;
    QObject::connect(&pollTimer, &QTimer::timeout, [&] {
        ++depth;
        deepest = std::max(deepest, depth);
        ++ticks;
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 12) {  // the reply takes longer than the period
            hold.keepPainted();
            QThread::msleep(1);
        }
        hold.release();
        --depth;
    });
    pollTimer.start();
    QElapsedTimer running;
    running.start();
    while (running.elapsed() < 400 && ticks < 15) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    pollTimer.stop();
    EXPECT_GE(ticks, 5);
    EXPECT_EQ(deepest, 1);
}

TEST_F(WaitHoldTest, ADialogOpenedDuringTheWaitTakesItsOwnClicks) {
    WaitHold hold;
    QDialog dialog(&window_);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->resize(80, 30);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    int result = -1;
    // A message box opened by a timer while the window waits runs its own loop.
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(50, [&] { queueClick(ok); });
        QTimer::singleShot(5000, &dialog, &QDialog::reject);  // only if the click was kept from it
        result = dialog.exec();
    });
    hold.keepPainted();
    EXPECT_EQ(result, QDialog::Accepted);
}

TEST_F(WaitHoldTest, AClickOnAWindowThatADialogBlocksSinceIsNotHandedOn) {
    WaitHold hold;
    queueClick(first_);
    hold.keepPainted();
    QDialog dialog(&window_);
    dialog.setModal(true);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    hold.release();
    EXPECT_TRUE(clicked_.isEmpty());
    dialog.close();
}

}  // namespace
}  // namespace quilldar::gui
