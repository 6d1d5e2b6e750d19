#pragma once
// The '21 Counter': once a round's first 21 is made, the bar fills one step a tick; a 21
// made before it is full restarts it and the 21 bonus keeps growing, and a full bar sets
// the bonus back to one step and starts over. From the 50th step its label blinks.

constexpr int kCounterMaximum = 100;
constexpr int kCounterBlinkFrom = 50;

struct CounterTick {
    bool ticked = false;
    bool blinkStarted = false; // the bar reached 50: the label starts blinking
    bool ranOut = false;       // the bar was full: back to 0, the bonus to one step
};

class TwentyOneCounter {
  public:
    int value() const { return value_; }
    bool running() const { return running_; }
    bool blinking() const { return blinking_; }

    // A 21: the bar back to 0, no blinking, running.
    void restart();
    // A five-card gimme: the bar back to 0 and no blinking; running or not as before.
    void rewind();
    // Paused, or the round over: no ticks until started again.
    void setRunning(bool on) { running_ = on; }
    // Off and empty: a round's start.
    void reset();
    CounterTick tick();

  private:
    int value_ = 0;
    bool running_ = false;
    bool blinking_ = false;
};
