#include "games/combinations/TwentyOneCounter.h"

void TwentyOneCounter::restart() {
    rewind();
    running_ = true;
}

void TwentyOneCounter::rewind() {
    value_ = 0;
    blinking_ = false;
}

void TwentyOneCounter::reset() {
    rewind();
    running_ = false;
}

CounterTick TwentyOneCounter::tick() {
    CounterTick t;
    if (!running_) return t;
    t.ticked = true;
    if (value_ < kCounterMaximum) {
        ++value_;
        if (value_ == kCounterBlinkFrom) {
            blinking_ = true;
            t.blinkStarted = true;
        }
        return t;
    }
    // A full bar takes one more tick to run out: 101 ticks a cycle.
    rewind();
    t.ranOut = true;
    return t;
}
