#include "app/StartupProbe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {

int loadedLibraries() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) return -1;
    QSet<QByteArray> files;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const int slash = line.indexOf('/');
        if (slash >= 0 && line.contains(".so")) files.insert(line.mid(slash));
    }
    return int(files.size());
}

// The most memory the process has held so far, in kB.
long peakKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Processor time the process has used so far (user and system), in microseconds: a loaded
// machine stretches the time to the first paint, much less this.
long long cpuMicroseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto us = [](const timeval& t) { return (long long)t.tv_sec * 1000000 + t.tv_usec; };
    return us(usage.ru_utime) + us(usage.ru_stime);
}

// Microseconds since the epoch: the bench takes the start of the process from the same clock,
// and whole milliseconds would be a few per cent of a start-up.
long long epochMicroseconds() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

void quitSoon() {
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

class Probe : public QObject {
  public:
    Probe(QWidget* launcher, QByteArray button) : launcher_(launcher), button_(std::move(button)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        if (watched == launcher_ && !launcherPainted_) {
            launcherPainted_ = true;
            // Reported once the whole first frame is painted, the controls inside included.
            QTimer::singleShot(0, this, [this] {
                const long long paintedAt = epochMicroseconds();
                const long long cpu = cpuMicroseconds();
                std::printf("first-paint-us %lld\n", paintedAt);
                std::printf("cpu-us %lld\n", cpu);
                std::printf("libraries-loaded %d\n", loadedLibraries());
                std::printf("peak-kb %ld\n", peakKilobytes());
                std::fflush(stdout);
                afterLauncher();
            });
        } else if (clicked_ && watched->isWidgetType() &&
                   static_cast<QWidget*>(watched)->window() != launcher_) {
            std::printf("window-painted-ms %lld\n", sinceClick_.elapsed());
            std::fflush(stdout);
            // The game window would ask before it closes: a measuring run just ends here.
            std::_Exit(0);
        }
        return false;
    }

  private:
    void afterLauncher() {
        if (button_.isEmpty()) return quitSoon();
        const auto buttons = launcher_->findChild<QWidget*>(QStringLiteral("frmGameChoice"))
                                 ->findChildren<QPushButton*>();
        if (button_ == "list") {
            for (QPushButton* b : buttons)
                if (b->isEnabled()) std::printf("game-button %s\n", qPrintable(b->objectName()));
            std::fflush(stdout);
            return quitSoon();
        }
        for (QPushButton* b : buttons) {
            if (b->objectName().toLatin1() != button_ || !b->isEnabled()) continue;
            qApp->installEventFilter(this);
            clicked_ = true;
            sinceClick_.start();
            b->click();
            return;
        }
        std::printf("no-such-button %s\n", button_.constData());
        quitSoon();
    }

    QWidget* launcher_;
    QByteArray button_;
    bool launcherPainted_ = false;
    bool clicked_ = false;
    QElapsedTimer sinceClick_;
};

} // namespace

void InstallStartupProbe(QWidget* launcher) {
    const char* window = std::getenv("PARLOVEX_WINDOW_PROBE");
    if (!std::getenv("PARLOVEX_STARTUP_PROBE") && !window) return;
    auto* probe = new Probe(launcher, window ? QByteArray(window) : QByteArray());
    probe->setParent(launcher);
    launcher->installEventFilter(probe);
}
