// The Twindle window drawn offscreen at its minimum and larger, idle, mid-round, paused and
// after the game; the pictures go to the test's folder for a look.

#include "TwindleWindowTestSupport.h"

#include "platform/MessageBox.h"

#include <QPixmap>

TEST_F(TwindleWindowTest, RendersAtStartMidRoundPausedAndGameOver) {
    platform::MessageScript answers;
    GameWindow::SetHighScoreInsertForTests([](const QString&, QWidget*) { return true; });
    auto w = open<frmTwindle>();
    w->show();
    const QString out = qEnvironmentVariable("TWINDLE_RENDER_DIR", dir.path());
    EXPECT_TRUE(w->grab().save(out + "/twindle-start.png"));
    w->cmdPlay_Click();
    const auto [a, b] = findMove(*w);
    press(w->PlayCard(18));
    EXPECT_TRUE(w->grab().save(out + "/twindle-selected.png"));
    press(w->PlayCard(18));
    if (a >= 0) {
        press(w->PlayCard(a));
        press(w->PlayCard(b));
    }
    press(w->CardStackPicture());
    press(w->PlayCard(23));
    EXPECT_TRUE(w->grab().save(out + "/twindle-mid.png"));
    w->resize(w->width() * 13 / 10, w->height() * 13 / 10);
    EXPECT_TRUE(w->grab().save(out + "/twindle-wide.png"));
    w->cmdPause_Click();
    EXPECT_TRUE(w->grab().save(out + "/twindle-paused.png"));
    w->cmdPause_Click();
    w->cmdTakeScore_Click();
    w->cmdTakeScore_Click();
    EXPECT_EQ(w->state(), GameWindow::State::GameOver);
    EXPECT_TRUE(w->grab().save(out + "/twindle-over.png"));
    GameWindow::SetHighScoreInsertForTests({});
}
