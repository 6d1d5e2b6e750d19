#include "platform/ProgramTime.h"

#include "platform/GameTimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>

namespace platform {
namespace {

struct VirtualClock {
    bool active = false;
    QDateTime start;
    qint64 ms = 0;
    std::vector<GameTimer*> timers;
    std::vector<int> pauses;
    ProgramTime::PauseObserver observer;
};

VirtualClock& vclock() {
    static VirtualClock c;
    return c;
}

QElapsedTimer& realClock() {
    static QElapsedTimer t = [] {
        QElapsedTimer e;
        e.start();
        return e;
    }();
    return t;
}

} // namespace

QDateTime ProgramTime::now() {
    auto& v = vclock();
    return v.active ? v.start.addMSecs(v.ms) : QDateTime::currentDateTime();
}

qint64 ProgramTime::msecs() {
    auto& v = vclock();
    return v.active ? v.ms : realClock().elapsed();
}

void ProgramTime::useVirtual(const QDateTime& start) {
    auto& v = vclock();
    v.active = true;
    v.start = start;
    v.ms = 0;
    v.pauses.clear();
}

void ProgramTime::useReal() {
    vclock().active = false;
}

bool ProgramTime::isVirtual() {
    return vclock().active;
}

void ProgramTime::registerTimer(GameTimer* t) {
    vclock().timers.push_back(t);
}

void ProgramTime::unregisterTimer(GameTimer* t) {
    auto& list = vclock().timers;
    list.erase(std::remove(list.begin(), list.end(), t), list.end());
}

void ProgramTime::advance(qint64 ms) {
    auto& v = vclock();
    const qint64 target = v.ms + std::max<qint64>(ms, 0);
    for (;;) {
        GameTimer* next = nullptr;
        for (GameTimer* t : v.timers)
            if (t->enabled_ && !t->inHandler_ && t->due_ <= target &&
                (!next || t->due_ < next->due_))
                next = t;
        if (!next) break;
        // A tick held back by a pause arrives late, once; the next one is a full interval later.
        v.ms = std::max(v.ms, next->due_);
        next->due_ = v.ms + next->interval_;
        next->tick();
        if (v.ms > target) break; // a handler paused past the target
    }
    v.ms = std::max(v.ms, target);
}

std::vector<int> ProgramTime::takePauseLog() {
    auto log = std::move(vclock().pauses);
    vclock().pauses.clear();
    return log;
}

ProgramTime::PauseObserver ProgramTime::setPauseObserver(PauseObserver observer) {
    PauseObserver previous = std::move(vclock().observer);
    vclock().observer = std::move(observer);
    return previous;
}

qint64 MinutesBetween(const QDateTime& from, const QDateTime& to) {
    const qint64 a = from.toSecsSinceEpoch() / 60;
    const qint64 b = to.toSecsSinceEpoch() / 60;
    return b - a;
}

// Pauses live here because they share the virtual clock.
namespace {
int pauseDepth = 0;
}

bool InPause() {
    return pauseDepth > 0;
}

void Sleep(int ms) {
    if (ms <= 0) return;
    auto& v = vclock();
    if (v.active) {
        v.pauses.push_back(ms);
        static bool observing = false;
        if (v.observer && !observing) {
            observing = true; // pauses the observer causes itself are not observed
            const auto observer = v.observer;
            observer(ms);
            observing = false;
        }
        v.ms += ms;
        return;
    }
    ++pauseDepth;
    // A local loop keeps paints and system events flowing while input events queue up.
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (--pauseDepth == 0)
        for (GameTimer* timer : v.timers)
            GameTimer::releaseHeld(timer);
}

void DoEvents() {
    QCoreApplication::processEvents();
}

} // namespace platform
