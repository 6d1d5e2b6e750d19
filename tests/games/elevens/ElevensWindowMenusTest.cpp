// The elevens window's menus and switches, the custom-scoring dialog, the idle splash and
// the quit that stores the settings and brings the launcher back.
#include "ElevensWindowTestSupport.h"

#include "app/frmSelect.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "services/HighScores.h"
#include "services/PictureList.h"

#include <QCheckBox>
#include <QDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>

using platform::Answer;

TEST_F(ElevensWindowTest, GoalColourAndCountUpItems) {
    Shared().EnhancedScoring = true;
    auto w = open();
    w->item("mnu12")->trigger();
    EXPECT_EQ(Shared().CardGoal, 12);
    EXPECT_TRUE(w->item("mnu12")->isChecked() && !w->item("mnu11")->isChecked());
    EXPECT_EQ(text(*w, "lblElevens"), "Twelves:");
    EXPECT_EQ(w->statusText(2), "Click on exposed cards to total 12!   ");
    EXPECT_TRUE(QFileInfo::exists(dir.path() + "/Sumbry Hi Score Table ES 12_90.Txt"));
    // The goal item already checked repeats its work.
    w->setStatusText(2, QString());
    w->item("mnu12")->trigger();
    EXPECT_TRUE(w->item("mnu12")->isChecked());
    EXPECT_EQ(w->statusText(2), "Click on exposed cards to total 12!   ");
    w->cmdPlay()->click();
    EXPECT_EQ(text(*w, "lblCardCount"), "Cards: 33"); // 56 cards for the goal of twelve
    EXPECT_FALSE(w->item("mnuGoal")->isEnabled() || w->item("mnuTime")->isEnabled() ||
                 w->item("mnuScoring")->isEnabled());

    // A colour applies at once, also to the frames of selected cards.
    for (int i = 0; i < kFieldPlaces; ++i)
        if (w->game().field().exposed(i) && CardValue(w->game().field().card(i)) < 12) {
            w->FieldCardPicture_Click(i);
            w->item("mnuPurple")->trigger();
            EXPECT_EQ(w->FieldSelectionRectangle(i)->borderColour(), 8388736u);
            break;
        }
    EXPECT_EQ(ElevensOptions().SelectionColour, 4);
    EXPECT_EQ(w->UpCardSelectionRectangle()->borderColour(), 8388736u);
    for (const char* other : {"mnuYellow", "mnuRed", "mnuBlue", "mnuGreen", "mnuBlack"})
        EXPECT_FALSE(w->item(other)->isChecked()) << other;
    EXPECT_TRUE(w->item("mnuPurple")->isChecked());

    w->item("mnuDrawTimer")->trigger();
    EXPECT_FALSE(ElevensOptions().DrawTimer);
    EXPECT_FALSE(w->item("mnuDrawTimer")->isChecked());
    w->item("mnuDrawTimer")->trigger();
    EXPECT_TRUE(ElevensOptions().DrawTimer && w->item("mnuDrawTimer")->isChecked());
}

TEST_F(ElevensWindowTest, SoundAndMusicSwitches) {
    auto w = open();
    w->item("mnuMusic")->trigger(); // between games: nothing plays yet
    EXPECT_TRUE(Shared().MusicOn);
    EXPECT_TRUE(audio->music.empty());
    w->item("mnuPlay")->trigger(); // the menu's Play starts no music
    EXPECT_TRUE(audio->music.empty());
    w->item("mnuMusic")->trigger();
    w->item("mnuMusic")->trigger(); // switched on during a game: it plays
    EXPECT_EQ(audio->music.size(), 1u);

    w->item("mnuSounds")->trigger();
    EXPECT_FALSE(Shared().SoundsOn);
    waves();
    playRound(*w, 1);
    w->PlayCardPicture_Click();
    EXPECT_TRUE(waves().isEmpty());
}

TEST_F(ElevensWindowTest, CustomScoringDialogUpdatesTheWindow) {
    auto w = open();
    platform::ModalDriver driver([](QDialog& d) {
        ASSERT_EQ(d.objectName(), "frmElevensCustomScoring");
        d.findChild<QLineEdit*>("txtBonus")->setText("123456");
        d.findChild<QCheckBox*>("chkScoring")->setChecked(false);
        d.findChild<QPushButton*>("cmdOK")->click();
    });
    w->item("mnuScoring")->trigger();
    EXPECT_EQ(driver.shown(), 1);
    EXPECT_EQ(w->statusText(1), "Make 123,456 for Bonus Round!   ");
    EXPECT_EQ(w->windowTitle(), "Sumbry!");
    EXPECT_EQ(w->FieldCardPicture(0)->toolTip(), "700 points");
    EXPECT_EQ(w->UpCardPicture()->toolTip(), "100 points");
    EXPECT_TRUE(Shared().CustomScoring);
    EXPECT_TRUE(QFileInfo::exists(dir.path() + "/Sumbry Hi Score Table 11_90.Txt"));
}

TEST_F(ElevensWindowTest, TheHallOfFamePausesARunningGameAroundIt) {
    auto w = open();
    w->cmdPlay()->click();
    playRound(*w, 1);
    GameWindow::State during = GameWindow::State::Idle;
    platform::ModalDriver driver([&](QDialog& d) {
        during = w->state();
        if (auto* done = d.findChild<QPushButton*>("cmdDone")) done->click();
    });
    w->item("mnuViewHiScore")->trigger();
    EXPECT_EQ(driver.shown(), 1);
    EXPECT_EQ(during, GameWindow::State::Paused);
    EXPECT_EQ(w->state(), GameWindow::State::Running);
    EXPECT_TRUE(w->FieldCardPicture(21)->hasBorder() || !w->game().field().present(21));
}

TEST_F(ElevensWindowTest, IdleSplashAndStatusClock) {
    auto w = open();
    platform::ProgramTime::advance(5 * 250);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(w->imgSplashImage(i)->pixmap().cacheKey(),
                  CardPictureList().byKey("BACK").cacheKey());
    platform::ProgramTime::advance(8 * 250);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(w->imgSplashImage(i)->pixmap().cacheKey(),
                  CardPictureList().byKey("SMBY").cacheKey());
    platform::ProgramTime::advance(60 * 1000);
    EXPECT_EQ(w->statusText(3), "9:05 AM");
    w->cmdPlay()->click();
    EXPECT_FALSE(w->frmSplash()->isVisible() || w->Timer4()->isEnabled());
}

TEST_F(ElevensWindowTest, QuitStoresTheSettingsAndTheLauncherComesBack) {
    frmSelect launcher(dir.path());
    launcher.show();
    launcher.findChild<QPushButton*>("cmdElevens")->click();
    QPointer<frmElevens> w = qobject_cast<frmElevens*>(launcher.currentGameWindow());
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(launcher.isVisible());
    EXPECT_EQ(Shared().GameTitle, "Sumbry!");

    // Play a little and change some options.
    w->cmdPlay()->click();
    playRound(*w, 2);
    w->item("mnuBlue")->trigger();
    w->item("mnuDrawTimer")->trigger();
    w->item("mnuMusic")->trigger();
    platform::MessageScript script;
    script.then(Answer::No).then(Answer::Yes);
    w->quitButton()->click();
    EXPECT_TRUE(w && w->isVisible());
    EXPECT_EQ(w->state(), GameWindow::State::Running); // No resumed the game
    w->item("mnuExit")->trigger();
    EXPECT_EQ(
        script.texts(),
        std::vector<QString>(2, "You have a game in progress. Are you sure you want to quit now?"));
    EXPECT_TRUE(launcher.isVisible());
    EXPECT_TRUE(!w || !w->isVisible());
    EXPECT_FALSE(audio->playing);
    EXPECT_EQ(file("Sumbry.Ini"), QByteArray("[Color]\r\n2\r\n\r\n"
                                             "[Play Music]\r\nTrue\r\n\r\n"
                                             "[Time]\r\n90\r\n\r\n"
                                             "[DrawTimer]\r\nFalse\r\n\r\n"
                                             "[Play Sounds]\r\nTrue\r\n\r\n"
                                             "[CardGoal]\r\n11\r\n\r\n"
                                             "[Bonus Round Score]\r\n80000\r\n\r\n"
                                             "[Completion Bonus]\r\n10000\r\n\r\n"
                                             "[Elevens Bonus]\r\n1500\r\n\r\n"
                                             "[Elevens Bonus ES]\r\n1000\r\n\r\n"
                                             "[Time Bonus]\r\n100\r\n\r\n"
                                             "[State]\r\n0\r\n\r\n"
                                             "[New Score Mode]\r\nTrue\r\n\r\n"
                                             "[Width]\r\n9540\r\n\r\n"
                                             "[Height]\r\n7200\r\n\r\n"
                                             "[Deck]\r\n1\r\n\r\n"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(w); // closed windows are deleted; the next start loads afresh
    launcher.hide();
}

TEST_F(ElevensWindowTest, ClearHighScoresLeavesTheClockRunningAndTheTimeUpWaitsForTheAnswer) {
    platform::MessageScript script;
    auto w = open();
    w->show();
    w->cmdPlay()->click();
    ASSERT_EQ(playRound(*w, 1), 1); // the clock starts with the first combination
    platform::ProgramTime::advance(80 * 1000);
    EXPECT_EQ(text(*w, "lblTime"), "Time: 10");
    pauses();
    script.then(Answer::No, [&] {
        // Seven seconds of the question: the clock runs with the whole field in view.
        platform::ProgramTime::advance(7000);
        EXPECT_EQ(text(*w, "lblTime"), "Time: 3");
        EXPECT_TRUE(shown(*w, "UpCardPicture"));
        EXPECT_NE(text(*w, "lblMessage"), "Game Paused");
        // The limit passes under the question: "Times Up!" and the round end wait for it.
        platform::ProgramTime::advance(6000);
        EXPECT_EQ(text(*w, "lblTime"), "Time: 0");
        EXPECT_EQ(w->game().round(), 1);
        EXPECT_NE(text(*w, "lblMessage"), "Times Up!");
        EXPECT_TRUE(pauses().empty());
    });
    const QByteArray table = file("Sumbry Hi Score Table 11_90.Txt");
    w->item("mnuClear")->trigger();
    ASSERT_EQ(script.texts(),
              std::vector<QString>{"This will clear all High Scores. Are You Sure?"});
    EXPECT_EQ(file("Sumbry Hi Score Table 11_90.Txt"), table);
    // No: the round that ran out ends now, its "Times Up!" blinking first.
    const std::vector<int> after = pauses();
    ASSERT_GE(after.size(), 10u);
    EXPECT_EQ(std::vector<int>(after.begin(), after.begin() + 10), std::vector<int>(10, 250));
    EXPECT_EQ(w->game().round(), 2);
    EXPECT_EQ(w->state(), GameWindow::State::Running);
}
