#pragma once
// The move timer: the multiplier of the next move. Its bar climbs from 5 to 40, one step a
// tick, and its label shows 45 less the bar, so the player sees 39 falling to 5. A move puts
// the bar back to 5 but the label keeps its number until the next tick, and the points of a
// move are always what the label shows.

#include <QString>

class EightsMoveTimer {
  public:
    static constexpr int kMinimum = 5;
    static constexpr int kMaximum = 40;
    static constexpr int kIntervalMs = 270;

    int bar() const { return bar_; }
    // The label's text: empty until the first tick of the window's life.
    QString label() const;
    // The multiplier a move scores now: the label's number (0 while it is empty).
    int value() const { return shown_; }

    // One tick: false when the bar had already reached its maximum and the timer stops.
    bool tick();
    // After a move, and when a game is given up.
    void resetBar() { bar_ = kMinimum; }

  private:
    int bar_ = kMinimum;
    int shown_ = 0;
    bool everShown_ = false;
};
