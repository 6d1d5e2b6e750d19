#pragma once
// A window timer with a fixed interval and an Enabled switch. Setting Enabled or the interval
// restarts the count. Ticks never arrive during a blocking pause: one held-back tick is
// delivered when control is back in the event loop. In virtual time the tick comes from
// ProgramTime::advance.

#include <QObject>
#include <QTimer>
#include <functional>

namespace platform {

class GameTimer : public QObject {
    Q_OBJECT
  public:
    explicit GameTimer(QObject* parent = nullptr, int intervalMs = 1000, bool enabled = false);
    ~GameTimer() override;

    void setInterval(int ms);
    int interval() const { return interval_; }
    void setEnabled(bool on);
    bool isEnabled() const { return enabled_; }

    std::function<void()> onTimer;

  private:
    friend class ProgramTime;
    friend void Sleep(int);
    void restart();
    void tick();
    void deliverHeld();
    static void releaseHeld(GameTimer* t);

    int interval_;
    bool enabled_ = false;
    bool held_ = false;
    bool inHandler_ = false;
    qint64 due_ = 0; // virtual time only
    QTimer real_;
};

} // namespace platform
