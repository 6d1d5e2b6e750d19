// What holds a round: minimising, questions and windows, a round end, a Play that deals, a
// Play that fails.
#include "FrameTestSupport.h"

#include "platform/MessageBox.h"
#include "platform/Modal.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>

using State = GameWindow::State;
using platform::Answer;

namespace {
void postClick(QWidget* target) {
    const QPointF at(5, 5);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(target, new QMouseEvent(type, at, target->mapToGlobal(at),
                                                            Qt::LeftButton, Qt::LeftButton,
                                                            Qt::NoModifier));
}
} // namespace

TEST_F(FrameTest, OnlyARestoreResumesWhatRanBeforeTheMinimise) {
    auto w = window("frmTwindle");
    w->show();
    Shared().MusicOn = true;
    w->cmdPlay_Click();
    ASSERT_EQ(audio->music.size(), 1u);
    w->showMinimized();
    EXPECT_FALSE(w->Timer1()->isEnabled());
    EXPECT_FALSE(audio->playing);
    EXPECT_EQ(w->holds, std::vector<bool>{true});
    w->resize(700, 500); // no other change of size touches the clocks
    EXPECT_FALSE(w->Timer1()->isEnabled());
    w->showNormal();
    EXPECT_TRUE(w->Timer1()->isEnabled());
    EXPECT_TRUE(audio->playing);
    EXPECT_EQ(w->holds, (std::vector<bool>{true, false}));

    // Paused before the minimise: the restore leaves it paused.
    w->cmdPause_Click();
    w->showMinimized();
    w->showNormal();
    EXPECT_EQ(w->state(), State::Paused);
    EXPECT_FALSE(w->Timer1()->isEnabled());
    EXPECT_FALSE(audio->playing);
}

TEST_F(FrameTest, WhereTheRoundRunsOnUnderAQuestionItsTimeUpWaitsForTheAnswer) {
    platform::MessageScript script;
    auto w = window("frmScramble"); // asks the quit question with the game running
    w->cmdPlay_Click();
    platform::ProgramTime::advance(600);
    w->Timer1()->setEnabled(true); // already on: keeps its rhythm
    platform::ProgramTime::advance(400);
    EXPECT_EQ(Shared().ElapsedSeconds, 1);
    script.then(Answer::No, [&] {
        platform::ProgramTime::advance(3000);
        EXPECT_EQ(Shared().ElapsedSeconds, 4);
        EXPECT_EQ(w->state(), State::Running);
    });
    EXPECT_FALSE(w->close());
    EXPECT_EQ(w->state(), State::Running);
    EXPECT_TRUE(w->Timer1()->isEnabled());
    EXPECT_TRUE(w->holds.empty()); // nothing of the round was held

    // The limit passes under the question: the round end runs once, after the No, and the
    // game's own timers stand still until then.
    Shared().TimeLimit = 10;
    script.then(Answer::No, [&] {
        platform::ProgramTime::advance(20000);
        EXPECT_EQ(Shared().ElapsedSeconds, 10);
        EXPECT_EQ(w->count("TakeScore"), 0);
        EXPECT_EQ(w->holds, std::vector<bool>{true});
    });
    EXPECT_FALSE(w->close());
    EXPECT_EQ(w->count("TakeScore"), 1);
    EXPECT_EQ(w->holds, (std::vector<bool>{true, false}));

    // Its rules window lets the game run on: the clock too.
    bool clockDuringRules = false;
    auto brisko = window("frmBrisko");
    platform::ModalDriver driver(
        [&](QDialog&) { clockDuringRules = brisko->Timer1()->isEnabled(); });
    brisko->cmdPlay_Click();
    brisko->mnuRules_Click();
    EXPECT_TRUE(clockDuringRules);
    EXPECT_TRUE(brisko->Timer1()->isEnabled());
    EXPECT_EQ(brisko->state(), State::Running);

    // Yes to End Game: nothing starts again.
    script.then(Answer::Yes);
    brisko->cmdPlay_Click();
    EXPECT_EQ(brisko->state(), State::Idle);
    EXPECT_FALSE(brisko->Timer1()->isEnabled());
}

TEST_F(FrameTest, APauseForAQuestionGivesBackOnlyTheCommandsItTookAndNeedsPause) {
    platform::MessageScript script;
    auto w = window("frmCrestal");
    w->cmdPlay_Click();
    // The game has switched Take Score and Exit off for the rest of the round.
    w->cmdTakeScore()->setEnabled(false);
    w->item("mnuExit")->setEnabled(false);
    script.then(Answer::No, [&] { EXPECT_EQ(w->state(), State::Paused); });
    w->mnuClear_Click();
    EXPECT_EQ(w->state(), State::Running);
    EXPECT_FALSE(w->cmdTakeScore()->isEnabled());
    EXPECT_FALSE(w->item("mnuExit")->isEnabled());
    EXPECT_TRUE(w->cmdPlay()->isEnabled() && w->quitButton()->isEnabled());

    // With Pause off too, the windows do not pause at all.
    w->cmdPause()->setEnabled(false);
    w->cmdPlay()->setEnabled(false);
    platform::ModalDriver driver([&](QDialog&) { EXPECT_EQ(w->state(), State::Running); });
    w->mnuRules_Click();
    w->mnuAbout_Click();
    EXPECT_EQ(driver.shown(), 2);
    EXPECT_FALSE(w->cmdPlay()->isEnabled());
    EXPECT_EQ(w->count("Pause"), 1);
}

TEST_F(FrameTest, ClicksOfARoundEndAreDroppedNotDeliveredToTheNextRound) {
    auto w = window("frmTwindle");
    w->show();
    w->cmdPlay_Click();
    int pauseClicks = 0;
    QObject::connect(w->cmdPause(), &QPushButton::clicked, [&pauseClicks] { ++pauseClicks; });
    w->onTakeScore = [&] {
        postClick(w->cmdPause());                              // queued while the round is scored
        testsupport::GameWindowTest::press(w->cmdTakeScore()); // arrives at once
    };
    w->cmdTakeScore_Click();
    QCoreApplication::processEvents();
    EXPECT_EQ(pauseClicks, 0);
    EXPECT_EQ(w->state(), State::Running);
    EXPECT_EQ(w->count("TakeScore"), 1);

    // Outside a round end the same click gets through.
    postClick(w->cmdPause());
    QCoreApplication::processEvents();
    EXPECT_EQ(pauseClicks, 1);
    EXPECT_EQ(w->state(), State::Paused);
}

TEST_F(FrameTest, ATimeUpLeadInBelongsToTheRoundEnd) {
    platform::MessageScript script;
    auto w = window("frmTwindle");
    w->cmdPlay_Click();
    std::vector<QString> order;
    w->onTakeScore = [&] { order.push_back("score"); };
    w->TimeUp(
        [&] {
            order.push_back("lead-in");
            EXPECT_EQ(w->state(), State::RoundEnd);
            EXPECT_FALSE(w->close()); // waits for the whole round end
            w->cmdTakeScore_Click();  // a second Take Score does nothing
            EXPECT_TRUE(script.asked().empty());
        },
        [&] { order.push_back("after"); });
    EXPECT_EQ(order, (std::vector<QString>{"lead-in", "score", "after"}));
    EXPECT_EQ(w->count("TakeScore"), 1);
    EXPECT_EQ(
        script.texts(),
        std::vector<QString>{"You have a game in progress. Are you sure you want to quit now?"});
}

TEST_F(FrameTest, PlayIsGuardedWhileItDealsAndAFailedPlayLeavesTheWindowIdle) {
    platform::MessageScript script;
    auto w = window("frmTrip");
    w->onPlay = [&] {
        w->cmdPlay_Click();  // a second Play while dealing
        w->cmdPause_Click(); // and a Pause
        w->cmdTakeScore_Click();
    };
    w->cmdPlay_Click();
    EXPECT_EQ(w->count("Play"), 1);
    EXPECT_EQ(w->state(), State::Running);
    EXPECT_TRUE(script.asked().empty());
    w->onPlay = nullptr;
    script.then(Answer::Yes);
    w->cmdPlay_Click(); // End Game

    Shared().MusicOn = true;
    w->onPlay = [&] { w->FailPlay("Unable to find the phrase."); };
    w->cmdPlay_Click();
    ASSERT_EQ(script.asked().size(), 2u);
    EXPECT_EQ(script.asked()[1].text, "Unable to find the phrase.");
    EXPECT_EQ(script.asked()[1].icon, platform::Icon::Critical);
    EXPECT_EQ(w->state(), State::Idle);
    EXPECT_FALSE(w->Timer1()->isEnabled());
    EXPECT_TRUE(w->Timer2()->isEnabled()); // this window's Timer2 runs from its design
    EXPECT_TRUE(w->Timer4()->isEnabled());
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    EXPECT_FALSE(w->cmdPause()->isEnabled());
    EXPECT_FALSE(audio->playing);
    EXPECT_TRUE(w->isEnabled());
}
