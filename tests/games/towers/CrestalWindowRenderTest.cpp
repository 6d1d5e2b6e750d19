// Pictures of the three-towers window for a look by eye: set PARLOVEX_RENDER_DIR to write them.
#include "CrestalWindowTestSupport.h"
#include "platform/Modal.h"

#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

TEST_F(CrestalWindowTest, RendersStartMidRoundPausedAndGameOver) {
    const QString out = qEnvironmentVariable("PARLOVEX_RENDER_DIR");
    if (out.isEmpty()) GTEST_SKIP() << "PARLOVEX_RENDER_DIR not set";
    QDir().mkpath(out);
    platform::ModalDriver driver([](QDialog& d) {
        if (auto* name = d.findChild<QLineEdit*>("txtPlayerName")) name->setText("Ada");
        if (auto* ok = d.findChild<QPushButton*>("cmdOK")) ok->click();
        if (auto* done = d.findChild<QPushButton*>("cmdDone")) done->click();
    });
    auto w = openShown();
    platform::ProgramTime::advance(13 * 250);
    EXPECT_TRUE(w->grab().save(out + "/crestal-start.png"));
    for (const double scale : {1.0, 1.3}) {
        const QString tag = scale == 1.0 ? "min" : "large";
        w->resize(int(638 * scale), int(480 * scale));
        w->cmdPlay_Click();
        takeCards(*w, 12);
        press(w->CardStackPicture());
        platform::ProgramTime::advance(14 * 1000);
        EXPECT_TRUE(w->grab().save(out + "/crestal-mid-" + tag + ".png"));
        w->cmdPause_Click();
        EXPECT_TRUE(w->grab().save(out + "/crestal-paused-" + tag + ".png"));
        w->cmdPause_Click();
        Shared().BonusRoundScore = 900000;
        platform::ProgramTime::advance(31 * 1000);
        platform::ProgramTime::advance(46 * 1000);
        EXPECT_EQ(w->state(), GameWindow::State::GameOver);
        EXPECT_TRUE(w->grab().save(out + "/crestal-over-" + tag + ".png"));
    }
}
