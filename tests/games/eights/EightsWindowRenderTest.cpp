// Pictures of the window at its minimum size and maximised, for looking at.
#include "EightsWindowTestSupport.h"

#include <QDir>
#include <QElapsedTimer>

namespace {
void save(QWidget& w, const QString& name) {
    const QString dir = qEnvironmentVariable("PARLOVEX_RENDER_DIR");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    w.grab().save(dir + "/" + name + ".png");
}
} // namespace

TEST_F(EightsWindowTest, RendersIdlePlayingAndGameOver) {
    platform::MessageScript answers;
    HighScoreAnswers tables;
    dealEveryRound(dealOrder({"8C", "9S",  "11H", "5D", "7C", "9H", "4H", "8D", "2S", "3C", "10S",
                              "6S", "12S", "13S", "1H", "2H", "3H", "4D", "5C", "6H", "7D"}));
    auto w = open<frmEights>();
    w->show();
    EXPECT_EQ(w->size(), QSize(636, 487));
    save(*w, "eights-idle");
    // Play to the first painted board.
    QElapsedTimer clock;
    clock.start();
    w->cmdPlay_Click();
    const QImage board = w->grab().toImage();
    std::printf("Play to the painted board: %lld ms\n", clock.elapsed());
    EXPECT_FALSE(board.isNull());
    advance(270 * 3);
    move(*w, 1, 1);
    advance(100);
    press(w->imgPlayCard(2));
    save(*w, "eights-selection");
    press(w->imgUpperCard(1));
    move(*w, 4, 1);
    save(*w, "eights-cross");
    advance(300);
    move(*w, 5, 1);
    move(*w, 1, 2);
    save(*w, "eights-wild");
    w->cmdPause_Click();
    save(*w, "eights-paused");
    w->cmdPause_Click();
    w->resize(1280, 984); // a maximised window on a 1280 x 1024 screen
    save(*w, "eights-maximised");
    w->resize(636, 487);
    advance(91000);
    save(*w, "eights-after-round1");
    advance(91000 + 30000);
    save(*w, "eights-gameover");
}
