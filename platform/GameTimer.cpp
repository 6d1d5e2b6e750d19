#include "platform/GameTimer.h"

#include "platform/Pause.h"
#include "platform/ProgramTime.h"

namespace platform {

GameTimer::GameTimer(QObject* parent, int intervalMs, bool enabled)
    : QObject(parent), interval_(intervalMs) {
    real_.setTimerType(Qt::PreciseTimer);
    connect(&real_, &QTimer::timeout, this, &GameTimer::tick);
    ProgramTime::registerTimer(this);
    setEnabled(enabled);
}

GameTimer::~GameTimer() {
    ProgramTime::unregisterTimer(this);
}

void GameTimer::setInterval(int ms) {
    interval_ = ms;
    restart();
}

void GameTimer::setEnabled(bool on) {
    // Turning on a timer that already runs keeps its rhythm.
    if (on && enabled_) return;
    enabled_ = on;
    if (!on) held_ = false;
    restart();
}

void GameTimer::restart() {
    real_.stop();
    if (!enabled_ || interval_ <= 0) return;
    due_ = ProgramTime::msecs() + interval_;
    if (!ProgramTime::isVirtual()) real_.start(interval_);
}

void GameTimer::tick() {
    if (!enabled_ || inHandler_) return;
    if (InPause()) {
        // Hold the tick: it is delivered once the pause is over and the event loop runs again.
        held_ = true;
        return;
    }
    inHandler_ = true;
    if (onTimer) onTimer();
    inHandler_ = false;
}

void GameTimer::deliverHeld() {
    if (!held_ || InPause()) return; // a new pause releases it again when it ends
    held_ = false;
    tick();
}

void GameTimer::releaseHeld(GameTimer* t) {
    if (t->held_) QMetaObject::invokeMethod(t, &GameTimer::deliverHeld, Qt::QueuedConnection);
}

} // namespace platform
