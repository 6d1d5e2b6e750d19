#include "games/eights/EightsMoveTimer.h"

QString EightsMoveTimer::label() const {
    return everShown_ ? QString::number(shown_) : QString();
}

bool EightsMoveTimer::tick() {
    if (bar_ >= kMaximum) return false;
    ++bar_;
    shown_ = 45 - bar_;
    everShown_ = true;
    return true;
}
