// Timings of the poker grid game, run by tools/bench-games.sh on an optimised build:
// opening the window from the launcher to its first paint, one placement from the click to
// the repainted window, and scoring a million random full grids.
#include "PokerGridWindowTestSupport.h"
#include "RandomGrids.h"

#include "app/frmSelect.h"

#include <QElapsedTimer>

TEST_F(PokerGridWindowTest, DISABLED_Bench) {
    // Launcher click to the window's first paint, at the minimum size.
    frmSelect launcher(sandbox.dir.path() + "/");
    launcher.show();
    QElapsedTimer clock;
    clock.start();
    launcher.LaunchGame("frmScramble");
    auto* w = qobject_cast<frmScramble*>(launcher.currentGameWindow());
    ASSERT_NE(w, nullptr);
    w->repaint();
    const double openMs = clock.nsecsElapsed() / 1e6;

    // The heaviest placement: ten lines scored, labels rewritten, the window repainted.
    w->cmdPlay()->click();
    double worstMs = 0;
    for (int c = 0; c < kGridCells - 1; ++c) {
        clock.restart();
        press(w->PlayCards(c));
        w->repaint();
        worstMs = std::max(worstMs, clock.nsecsElapsed() / 1e6);
    }

    // A million random full grids.
    const auto grids = RandomFullGrids(4096, 16);
    const HandValues values;
    int64_t sum = 0;
    clock.restart();
    for (int i = 0; i < 1000000; ++i)
        sum += ScoreGridCards(grids[size_t(i) & 4095], values).points;
    const double gridUs = clock.nsecsElapsed() / 1e3 / 1e6;

    std::printf("open-to-first-paint-ms %.2f\nworst-placement-ms %.3f\nscore-grid-us %.3f\n"
                "(checksum %lld)\n",
                openMs, worstMs, gridUs, static_cast<long long>(sum));
    EXPECT_LT(openMs, 50.0);
    EXPECT_LT(worstMs, 5.0);
    EXPECT_LT(gridUs, 2.0);
    w->requestQuit();
}
