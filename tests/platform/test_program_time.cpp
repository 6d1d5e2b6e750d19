#include "platform/GameTimer.h"
#include "platform/Pause.h"
#include "platform/ProgramTime.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

using platform::GameTimer;
using platform::ProgramTime;

namespace {
struct VirtualTime {
    VirtualTime() { ProgramTime::useVirtual(QDateTime(QDate(2026, 1, 2), QTime(9, 59, 30))); }
    ~VirtualTime() { ProgramTime::useReal(); }
};
} // namespace

TEST(ProgramTimeTest, VirtualTimersFireInDueOrderAndRestartWhenSwitched) {
    VirtualTime vt;
    std::vector<std::string> order;
    GameTimer fast(nullptr, 200, true), slow(nullptr, 1000, true), off(nullptr, 100, false);
    fast.onTimer = [&] { order.push_back("fast"); };
    slow.onTimer = [&] { order.push_back("slow"); };
    off.onTimer = [&] { order.push_back("off"); };

    ProgramTime::advance(1000);
    EXPECT_EQ(order, (std::vector<std::string>{"fast", "fast", "fast", "fast", "fast", "slow"}));
    EXPECT_EQ(ProgramTime::now().time(), QTime(9, 59, 31));

    order.clear();
    slow.setEnabled(false);
    fast.setInterval(500); // a new interval counts from now
    ProgramTime::advance(499);
    EXPECT_TRUE(order.empty());
    ProgramTime::advance(1);
    EXPECT_EQ(order, std::vector<std::string>{"fast"});
}

TEST(ProgramTimeTest, PauseHoldsTicksAndIsLogged) {
    VirtualTime vt;
    int ticks = 0;
    GameTimer clock(nullptr, 1000, true);
    clock.onTimer = [&] {
        ++ticks;
        platform::Sleep(2500); // a handler that pauses past several intervals
    };
    ProgramTime::advance(1000);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(ProgramTime::msecs(), 3500);
    // The ticks due during the pause arrive as one late tick, not three.
    ProgramTime::advance(0);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(ProgramTime::takePauseLog(), (std::vector<int>{2500, 2500}));
    EXPECT_TRUE(ProgramTime::takePauseLog().empty());
}

TEST(ProgramTimeTest, MinutesCountCalendarMinuteBoundaries) {
    const QDate d(2026, 5, 1);
    EXPECT_EQ(
        platform::MinutesBetween(QDateTime(d, QTime(10, 0, 59)), QDateTime(d, QTime(10, 1, 1))), 1);
    EXPECT_EQ(
        platform::MinutesBetween(QDateTime(d, QTime(10, 0, 0)), QDateTime(d, QTime(10, 0, 59))), 0);
    EXPECT_EQ(platform::MinutesBetween(QDateTime(d, QTime(23, 59, 0)),
                                       QDateTime(d.addDays(1), QTime(0, 4, 0))),
              5);
}

TEST(ProgramTimeTest, RealPauseDefersTimerTicksUntilItEnds) {
    // Real time, briefly: a timer due during a blocking pause ticks only after it.
    int ticks = 0;
    bool tickedDuringPause = false;
    GameTimer t(nullptr, 10, true);
    t.onTimer = [&] {
        ++ticks;
        if (platform::InPause()) tickedDuringPause = true;
    };
    QElapsedTimer clock;
    clock.start();
    platform::Sleep(60);
    EXPECT_GE(clock.elapsed(), 55);
    EXPECT_EQ(ticks, 0);
    QElapsedTimer wait;
    wait.start();
    while (ticks == 0 && wait.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_GE(ticks, 1);
    EXPECT_FALSE(tickedDuringPause);
}
