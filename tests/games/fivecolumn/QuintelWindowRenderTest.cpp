// Pictures of the five-column window for a look by eye: set PARLOVEX_RENDER_DIR to write them.
#include "QuintelWindowTestSupport.h"

#include <QDir>

TEST_F(QuintelWindowTest, RendersStartMidRoundRoundScorePausedAndGameOver) {
    const QString out = qEnvironmentVariable("PARLOVEX_RENDER_DIR");
    if (out.isEmpty()) GTEST_SKIP() << "PARLOVEX_RENDER_DIR not set";
    QDir().mkpath(out);
    int dialogs = 0;
    auto driver = nameEntry(dialogs);
    auto w = open();
    w->show();
    platform::ProgramTime::advance(13 * 200);
    EXPECT_TRUE(w->grab().save(out + "/quintel-start.png"));
    dealDecks(*w, {LaidOutDeck({{2, " 1S"},
                                {3, " 12H"},
                                {4, " 7D"},
                                {5, " 9C"},
                                {6, " 13S"},
                                {7, " 4H"},
                                {8, " 10C"},
                                {9, " 1D"}})});
    w->cmdPlay()->click();
    hits(*w, {0, 1, 1, 2, 3, 3, 4, 0});
    platform::ProgramTime::advance(12000);
    EXPECT_TRUE(w->grab().save(out + "/quintel-midround.png"));
    w->cmdPause()->click();
    EXPECT_TRUE(w->grab().save(out + "/quintel-paused.png"));
    w->cmdPause()->click();
    w->showMaximized();
    EXPECT_TRUE(w->grab().save(out + "/quintel-maximised.png"));
    w->showNormal();
    for (int r = 0; r < 3; ++r)
        w->findChild<QPushButton*>("cmdGiveUp")->click();
    EXPECT_TRUE(w->grab().save(out + "/quintel-gameover.png"));
}
