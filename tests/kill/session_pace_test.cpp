// A live session of the main window on the module the program starts by default keeps pace with
// the clock: a record stands for 0.15 s, and the records of some fifteen seconds of session stand
// for about that long.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "kill/live_session.h"

namespace quilldar::testing {
namespace {

TEST(SessionPace, RecordsKeepUpWithTheClock) {
    constexpr int kFromTick = 10;  // after the first ticks' page switches
    constexpr int kTicks = 110;
    QTemporaryDir folder;
    LiveSession session;
    session.start(folder.path(), {"--ticks", QString::number(kTicks)});
    ASSERT_TRUE(session.process.waitForStarted());

    // "tick N connected C records R ...", timed as each line comes.
    static const QRegularExpression pattern(QStringLiteral("^tick (\\d+) connected \\d records (\\d+) "));
    QElapsedTimer clock;
    clock.start();
    qint64 firstAt = -1, lastAt = -1;
    int firstRecords = 0, lastRecords = 0, lastTick = 0;
    while (session.process.state() != QProcess::NotRunning || session.process.canReadLine()) {
        if (!session.process.canReadLine()) {
            session.process.waitForReadyRead(100);
            ASSERT_LT(clock.elapsed(), 120000) << "the session did not end";
            continue;
        }
        const QString line = QString::fromUtf8(session.process.readLine()).trimmed();
        session.lines << line;
        const QRegularExpressionMatch match = pattern.match(line);
        if (!match.hasMatch()) continue;
        lastTick = match.captured(1).toInt();
        if (lastTick < kFromTick) continue;
        lastAt = clock.elapsed();
        lastRecords = match.captured(2).toInt();
        if (firstAt < 0) {
            firstAt = lastAt;
            firstRecords = lastRecords;
        }
    }
    ASSERT_EQ(lastTick, kTicks) << session.lines.join('\n').toStdString();
    const double seconds = static_cast<double>(lastAt - firstAt) / 1000.0;
    const double recorded = (lastRecords - firstRecords) * 0.15;
    ASSERT_GT(seconds, 5.0);
    // A module that answers at once records 1.5 times as fast as the clock: never more than the
    // clock here. A busy machine may only make the session slower, so the lower bound is loose.
    EXPECT_LT(recorded / seconds, 1.1) << recorded << " s recorded in " << seconds << " s";
    EXPECT_GT(recorded / seconds, 0.5) << recorded << " s recorded in " << seconds << " s";
}

}  // namespace
}  // namespace quilldar::testing
