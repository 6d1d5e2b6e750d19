// Pictures of the elevens window for a look by eye: set PARLOVEX_RENDER_DIR to write them.
#include "ElevensWindowTestSupport.h"

#include "app/frmSelect.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"

#include <QDialog>
#include <QDir>
#include <QLineEdit>

TEST_F(ElevensWindowTest, RendersStartMidRoundPausedAndGameOver) {
    const QString out = qEnvironmentVariable("PARLOVEX_RENDER_DIR");
    if (out.isEmpty()) GTEST_SKIP() << "PARLOVEX_RENDER_DIR not set";
    QDir().mkpath(out);
    platform::ModalDriver driver([](QDialog& d) {
        if (auto* name = d.findChild<QLineEdit*>("txtPlayerName")) name->setText("Ada");
        if (auto* ok = d.findChild<QPushButton*>("cmdOK")) ok->click();
        if (auto* done = d.findChild<QPushButton*>("cmdDone")) done->click();
    });
    auto w = open();
    w->mnuNight_Click();
    w->show();
    platform::ProgramTime::advance(13 * 250); // the splash shows its pictures
    EXPECT_TRUE(w->grab().save(out + "/elevens-start.png"));

    for (const double scale : {1.0, 1.3}) {
        const QString tag = scale == 1.0 ? "min" : "large";
        w->resize(int(636 * scale), int(480 * scale));
        w->cmdPlay_Click();
        playRound(*w, 4);
        if (w->game().pileCount() > 0) press(w->PlayCardPicture());
        // One card selected, so its frame shows.
        for (int i = kFieldPlaces - 1; i >= 0; --i)
            if (w->game().field().present(i) && w->game().field().exposed(i) &&
                CardValue(w->game().field().card(i)) < Shared().CardGoal) {
                press(w->FieldCardPicture(i));
                break;
            }
        platform::ProgramTime::advance(35 * 1000);
        EXPECT_TRUE(w->grab().save(out + "/elevens-midround-" + tag + ".png"));
        w->cmdPause_Click();
        EXPECT_TRUE(w->grab().save(out + "/elevens-paused-" + tag + ".png"));
        w->cmdPause_Click();
        platform::ProgramTime::advance(200 * 1000); // round one runs out
        playRound(*w, 1);                           // the clock of round two starts
        platform::ProgramTime::advance(200 * 1000); // and runs out
        ASSERT_EQ(w->game().state(), ElevensState::GameOver);
        platform::ProgramTime::advance(13 * 250);
        EXPECT_TRUE(w->grab().save(out + "/elevens-gameover-" + tag + ".png"));
    }
    w->hide();
}

TEST_F(ElevensWindowTest, RendersTheBonusRoundsEndAndTheLauncherRoundTrip) {
    const QString out = qEnvironmentVariable("PARLOVEX_RENDER_DIR");
    if (out.isEmpty()) GTEST_SKIP() << "PARLOVEX_RENDER_DIR not set";
    platform::ModalDriver driver([](QDialog& d) {
        if (auto* name = d.findChild<QLineEdit*>("txtPlayerName")) name->setText("Ada");
        if (auto* ok = d.findChild<QPushButton*>("cmdOK")) ok->click();
        if (auto* done = d.findChild<QPushButton*>("cmdDone")) done->click();
    });
    platform::MessageScript script;
    script.then(platform::Answer::Yes);
    frmSelect launcher(dir.path());
    launcher.show();
    launcher.findChild<QPushButton*>("cmdElevens")->click();
    auto* w = qobject_cast<frmElevens*>(launcher.currentGameWindow());
    ASSERT_TRUE(w);
    ElevensOptions().BonusRoundScore = 1;
    w->cmdPlay()->click();
    for (int round = 1; round <= 3; ++round) {
        playRound(*w, 3);
        if (round == 3) {
            EXPECT_TRUE(w->grab().save(out + "/elevens-bonusround.png"));
            w->cmdTakeScore()->click();
        } else {
            platform::ProgramTime::advance(95 * 1000);
        }
    }
    ASSERT_EQ(w->game().state(), ElevensState::GameOver);
    EXPECT_TRUE(w->grab().save(out + "/elevens-gameover-after-bonus.png"));
    w->close();
    EXPECT_TRUE(launcher.isVisible());
    EXPECT_TRUE(launcher.grab().save(out + "/launcher-after-quit.png"));
    launcher.hide();
}
