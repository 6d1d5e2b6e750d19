// Timings of a game window (not run with the tests; tools/bench-window runs it): from the
// launcher's click to the first paint at the window's minimum size, and a resize's relayout
// and repaint at 1920 x 1080. The window is named by BENCH_WINDOW.
#include "GameWindowTestSupport.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QPixmap>
#include <cstdio>

namespace {
class WindowBench : public testsupport::GameWindowTest {
  protected:
    WindowBench() : GameWindowTest(windowName()) {}
    static const char* windowName() {
        static const QByteArray name = qgetenv("BENCH_WINDOW");
        return name.isEmpty() ? "frmTwindle" : name.constData();
    }
};
} // namespace

TEST_F(WindowBench, DISABLED_FirstPaintAndResize) {
    ASSERT_TRUE(game->createWindow) << game->window << " is not built";
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QWidget> w(game->createWindow());
    w->show();
    QPixmap frame(w->size());
    w->render(&frame);
    const double firstPaint = clock.nsecsElapsed() / 1e6;

    double worst = 0;
    double total = 0;
    const int runs = 50;
    for (int i = 0; i < runs; ++i) {
        clock.restart();
        w->resize(i % 2 ? QSize(1920, 1080) : QSize(1900, 1060));
        QPixmap big(w->size());
        w->render(&big);
        const double ms = clock.nsecsElapsed() / 1e6;
        worst = std::max(worst, ms);
        total += ms;
    }
    std::printf("%s: first paint %.1f ms; resize at 1920x1080 mean %.2f ms, worst %.2f ms\n",
                game->window, firstPaint, total / runs, worst);
}
