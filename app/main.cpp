#include "app/SharedState.h"
#include "app/frmSelect.h"

#include <QApplication>
#include <QDateTime>
#include <cstdio>
#include <cstdlib>

namespace {
// For the start-up benchmark (tools/bench-startup.sh): reports the wall-clock moment the
// launcher first painted, then quits.
class FirstPaintProbe : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            std::printf("launcher-painted-ms %lld\n", QDateTime::currentMSecsSinceEpoch());
            std::fflush(stdout);
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }
};
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName("Parlovex");
    app.setQuitOnLastWindowClosed(false);
    Shared().CommandLine = app.arguments().mid(1).join(QLatin1Char(' '));
    frmSelect launcher;
    FirstPaintProbe probe;
    if (std::getenv("PARLOVEX_STARTUP_PROBE")) launcher.installEventFilter(&probe);
    launcher.show();
    return app.exec();
}
