#pragma once
// The program's sense of time. Normally the wall clock; tests switch to a virtual clock
// so that minutes of play (timers, pauses, the time of day) pass in microseconds.

#include <QDateTime>
#include <functional>
#include <vector>

namespace platform {

class GameTimer;

class ProgramTime {
  public:
    // Current time of day as the program sees it.
    static QDateTime now();
    // Milliseconds on a monotonic scale (virtual in tests).
    static qint64 msecs();

    // --- test seam ---------------------------------------------------------
    static void useVirtual(const QDateTime& start);
    static void useReal();
    static bool isVirtual();
    // Moves virtual time forward by ms, firing every due timer in order of its due time.
    static void advance(qint64 ms);
    // Every blocking pause taken since the last call, in ms, in order.
    static std::vector<int> takePauseLog();
    // Called at the start of every blocking pause in virtual time, while the windows show
    // what the player would look at for its length; returns the previous observer.
    using PauseObserver = std::function<void(int ms)>;
    static PauseObserver setPauseObserver(PauseObserver observer);

  private:
    friend class GameTimer;
    friend void Sleep(int);
    static void registerTimer(GameTimer* t);
    static void unregisterTimer(GameTimer* t);
};

// Whole calendar-minute boundaries crossed from `from` to `to` (10:00:59 -> 10:01:01 is 1).
qint64 MinutesBetween(const QDateTime& from, const QDateTime& to);

} // namespace platform
