#include "FrameTestSupport.h"

#include "platform/MessageBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using State = GameWindow::State;
using platform::Answer;

TEST_F(FrameTest, PlayStartsAGameWithTheCommandsOfARunningGame) {
    auto w = window("frmTwindle");
    Shared().MusicOn = true;
    ASSERT_TRUE(w->Timer4()->isEnabled());
    w->cmdPlay_Click();
    EXPECT_EQ(w->state(), State::Running);
    EXPECT_TRUE(Shared().GameInProgress);
    EXPECT_EQ(w->calls, std::vector<QString>{"Play"});
    EXPECT_EQ(w->cmdPlay()->text(), "&End Game");
    EXPECT_EQ(w->cmdPlay()->toolTip(), "Ends the game in progress");
    EXPECT_EQ(w->item("mnuPlay")->text(), "&End Game");
    EXPECT_TRUE(w->cmdPause()->isEnabled());
    EXPECT_TRUE(w->cmdTakeScore()->isEnabled());
    EXPECT_TRUE(w->item("mnuTakeScore")->isEnabled());
    EXPECT_FALSE(w->item("mnuCustom")->isEnabled());
    EXPECT_FALSE(w->menu("mnuTime")->menuAction()->isEnabled());
    EXPECT_FALSE(w->frmSplash()->isVisibleTo(w.get()));
    EXPECT_FALSE(w->Timer4()->isEnabled());
    EXPECT_EQ(audio->music.size(), 1u);
}

TEST_F(FrameTest, TheElevensPlayItemStartsNoMusic) {
    auto w = window("frmElevens");
    Shared().MusicOn = true;
    w->mnuPlay_Click();
    EXPECT_EQ(w->state(), State::Running);
    EXPECT_TRUE(audio->music.empty());
}

TEST_F(FrameTest, PauseAndResumeFollowTheState) {
    auto w = window("frmBrisko");
    Shared().MusicOn = true;
    w->cmdPlay_Click();
    audio->music.clear();
    w->cmdPause_Click();
    EXPECT_EQ(w->state(), State::Paused);
    EXPECT_FALSE(w->Timer1()->isEnabled());
    EXPECT_EQ(w->cmdPause()->text(), "&Resume");
    EXPECT_EQ(w->cmdPause()->toolTip(), "Resumes the current game");
    EXPECT_EQ(w->item("mnuPause")->text(), "&Resume");
    EXPECT_EQ(w->label("ScoringLabelInfo")->text(), "Game Paused");
    EXPECT_FALSE(w->cmdPlay()->isEnabled());
    EXPECT_FALSE(w->quitButton()->isEnabled());
    EXPECT_FALSE(audio->playing);

    w->mnuPause_Click();
    EXPECT_EQ(w->state(), State::Running);
    EXPECT_TRUE(w->Timer1()->isEnabled());
    EXPECT_EQ(w->cmdPause()->text(), "P&ause");
    EXPECT_EQ(w->cmdPause()->toolTip(), "Pauses the game in progress");
    EXPECT_EQ(w->label("ScoringLabelInfo")->text(), "");
    EXPECT_TRUE(w->cmdPlay()->isEnabled());
    EXPECT_TRUE(audio->playing);
    EXPECT_EQ(w->calls, (std::vector<QString>{"Play", "Pause", "Resume"}));
}

TEST_F(FrameTest, EndGameQuestionNoKeepsTheGameAsItWas) {
    platform::MessageScript script;
    script.then(Answer::No).then(Answer::No);
    auto w = window("frmElevens");
    w->cmdPlay_Click();
    w->cmdPlay_Click();
    EXPECT_EQ(w->state(), State::Running);
    EXPECT_TRUE(w->Timer1()->isEnabled());
    EXPECT_EQ(w->cmdPlay()->text(), "&End Game");
    // Asked while paused: the player's pause stays.
    w->cmdPause_Click();
    w->mnuPlay_Click();
    EXPECT_EQ(w->state(), State::Paused);
    EXPECT_EQ(script.texts(),
              (std::vector<QString>{
                  "You have a game in progress, are you sure you want to quit now?",
                  "You have a game in progress, are you sure you want to restart now?"}));
    EXPECT_EQ(w->calls, (std::vector<QString>{"Play", "Pause", "Resume", "Pause"}));
}

TEST_F(FrameTest, EndGameQuestionYesAbandonsTheGame) {
    platform::MessageScript script;
    script.then(Answer::Yes);
    auto w = window("frmEights");
    Shared().MusicOn = true;
    w->cmdPlay_Click();
    w->cmdPause_Click();
    w->cmdPlay_Click();
    EXPECT_EQ(w->state(), State::Idle);
    EXPECT_EQ(w->count("AbandonGame"), 1);
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    EXPECT_EQ(w->cmdPause()->text(), "Pau&se");
    EXPECT_FALSE(w->cmdPause()->isEnabled());
    EXPECT_TRUE(w->quitButton()->isEnabled());
    EXPECT_EQ(w->label("lblMessage")->text(), "");
    EXPECT_FALSE(audio->playing);
    EXPECT_TRUE(w->menu("mnuTime")->menuAction()->isEnabled());
}

TEST_F(FrameTest, TheClockAtTheLimitTakesTheScoreOnce) {
    auto w = window("frmTwindle");
    Shared().TimeLimit = 30;
    w->cmdPlay_Click();
    platform::ProgramTime::advance(30 * 1000);
    EXPECT_EQ(w->count("TakeScore"), 1);
    EXPECT_EQ(Shared().ElapsedSeconds, 30);
    EXPECT_EQ(w->state(), State::Running); // the test game does not end rounds
}

TEST_F(FrameTest, TakeScoreWaitsForInputAndRoundEnds) {
    auto w = window("frmCrestal");
    w->cmdTakeScore_Click();
    EXPECT_EQ(w->calls, std::vector<QString>{"TakeScoreWhileIdle"});
    w->cmdPlay_Click();
    Shared().InputBlocked = true;
    w->cmdTakeScore_Click();
    EXPECT_EQ(w->count("TakeScore"), 0);
    Shared().InputBlocked = false;
    w->onTakeScore = [&] {
        EXPECT_EQ(w->state(), State::RoundEnd);
        EXPECT_TRUE(Shared().InputBlocked);
        w->mnuTakeScore_Click(); // nested: ignored
        w->cmdPause_Click();     // ignored during the round end
    };
    w->mnuTakeScore_Click();
    EXPECT_EQ(w->count("TakeScore"), 1);
    EXPECT_EQ(w->count("Pause"), 0);
    EXPECT_EQ(w->state(), State::Running);
}

TEST_F(FrameTest, InputBlockedGatesTheCommandsTheWindowSaysItGates) {
    platform::MessageScript script;
    script.setFallback(Answer::No);
    Shared().InputBlocked = true;
    {
        auto w = window("frmTrip");
        w->cmdExit_Click();
        w->mnuExit_Click();
        w->mnuPlay_Click();
        EXPECT_TRUE(script.asked().empty());
        EXPECT_EQ(w->state(), State::Idle);
    }
    {
        auto w = window("frmScramble");
        w->cmdExit_Click();
        w->cmdPlay_Click();
        EXPECT_TRUE(script.asked().empty());
        w->mnuExit_Click(); // the menu item acts even now
        EXPECT_EQ(script.asked().size(), 1u);
        w->mnuPlay_Click();
        EXPECT_EQ(w->state(), State::Running);
    }
}

TEST_F(FrameTest, ReturnPressesTheFocusedButtonOrElsePlayWhereItIsTheDefaultButton) {
    platform::MessageScript script;
    script.setFallback(Answer::No);
    const QStringList playIsDefault{"frmElevens", "frmScramble", "frmTrip"};
    auto press = [](QWidget* to) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(to, &key);
    };
    for (const GameDescriptor* g : AllGames()) {
        SCOPED_TRACE(g->window);
        TestGameWindow w(*g);
        w.show();
        if (QWidget* focus = w.focusWidget()) focus->clearFocus();
        press(&w);
        EXPECT_EQ(w.count("Play"), playIsDefault.contains(g->window) ? 1 : 0);
    }

    TestGameWindow w(game("frmTrip"));
    w.show();
    // A text box keeps its Return; a disabled Play takes none.
    auto* box = new QLineEdit(w.Surface());
    box->show();
    box->setFocus();
    press(box);
    w.cmdPlay()->setEnabled(false);
    box->clearFocus();
    press(&w);
    EXPECT_EQ(w.count("Play"), 0);
    w.cmdPlay()->setEnabled(true);
    press(&w);
    ASSERT_EQ(w.state(), State::Running);
    // The focused button is the one pressed, not End Game.
    w.cmdPause()->setFocus();
    press(w.cmdPause());
    EXPECT_EQ(w.count("Pause"), 1);
    EXPECT_TRUE(script.asked().empty());
}
