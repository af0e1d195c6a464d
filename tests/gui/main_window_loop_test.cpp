// The main window's loop: questions leave the live session running, and a close that comes
// while a command runs waits for the command instead of being dropped.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <QTimer>

#include <chrono>

#include "gui/main_window_fixture.h"

namespace quilldar::gui {
namespace {

TEST_F(MainWindowTest, TheClearErrorsQuestionLeavesTheSessionRecording) {
    connectEngine();
    ticks(3);
    ASSERT_TRUE(window_->button(MainControl::ClearErrors)->isEnabled());
    std::uint32_t before = 0;
    std::uint32_t whileAsked = 0;
    window_->setPresenters(
        [&](QWidget*, const QString&, const QString&) {
            before = context_->state().recordCount;
            ticks(3);  // the poll timer goes on while the user reads the question
            whileAsked = context_->state().recordCount;
            return false;
        },
        [](QWidget*, const QString&, const QString&) {});
    QTest::mouseClick(window_->button(MainControl::ClearErrors), Qt::LeftButton);
    EXPECT_EQ(whileAsked, before + 3);
    EXPECT_EQ(context_->state().connected, 1);
}

TEST_F(MainWindowTest, ACloseThatComesDuringACommandClosesTheWindowAfterIt) {
    connectEngine();
    ticks(12);
    QTest::mouseClick(window_->button(MainControl::Connect), Qt::LeftButton);  // unsaved records
    window_->setSavePathChooser([this](QWidget*, const QString&) {
        window_->close();  // the close box, while the file browser is open
        EXPECT_TRUE(window_->isVisible());
        return QString();  // cancelled
    });
    answers_ = {true};  // exit without saving
    QTest::mouseClick(window_->button(MainControl::SaveAs), Qt::LeftButton);
    QCoreApplication::processEvents();  // the close comes once the command is done
    EXPECT_FALSE(window_->isVisible());
    ASSERT_EQ(questions_.size(), 1);
    EXPECT_TRUE(questions_.first().startsWith("Last session was not saved!"));
}

TEST_F(MainWindowTest, APageTimerThatComesDueDuringATicksWaitRunsAfterTheTick) {
    ticks(1);
    module_->setReplyDelay(std::chrono::milliseconds(300));
    QTimer pageTimer;  // as a page's own timer, which may send a request or ask a question
    pageTimer.setInterval(20);
    int fired = 0;
    std::uint64_t repliesWhenFired = 0;
    QObject::connect(&pageTimer, &QTimer::timeout, [&] {
        ++fired;
        repliesWhenFired = context_->link().repliesTaken();
    });
    const std::uint64_t repliesBefore = context_->link().repliesTaken();
    pageTimer.start();
    window_->pollTick();  // the power poll waits 300 ms for its reply
    EXPECT_EQ(fired, 0);  // never inside the tick, not even at its end
    QCoreApplication::sendPostedEvents();  // the event loop's next turn
    pageTimer.stop();
    ASSERT_EQ(fired, 1);  // once, however often it came due meanwhile
    EXPECT_GT(repliesWhenFired, repliesBefore);  // after the tick had its reply, not inside the wait
}

}  // namespace
}  // namespace quilldar::gui
