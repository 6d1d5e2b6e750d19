// The end of a round: Take Score, the clock at the limit and any other timer that ends a
// round, scored as one round end; and the one place where such an end waits while the player
// still reads a question or a window.
#include "frame/CommandTable.h"
#include "frame/GameWindow.h"
#include "platform/GameTimer.h"
#include "platform/Pause.h"
#include "services/SharedState.h"
#include "services/Sound.h"

void GameWindow::TimeUp(const std::function<void()>& leadIn, const std::function<void()>& after) {
    TimerEndsRound([this, leadIn, after] { takeScoreCommand(true, true, leadIn, after); });
}

void GameWindow::TimerEndsRound(const std::function<void()>& roundEnd) {
    if (questionsOpen_ == 0) {
        roundEnd();
        return;
    }
    // A player who is still reading a question or a window sees the round end once it is
    // gone, and the round's end is decided: nothing of it moves on meanwhile.
    if (dueRoundEnd_) return;
    SetClockRunning(false);
    HoldGameTimers(true);
    dueRoundEnd_ = roundEnd;
}

void GameWindow::askOverRound(const std::function<void()>& ask) {
    ++questionsOpen_;
    ask();
    --questionsOpen_;
}

void GameWindow::runDueRoundEnd() {
    if (questionsOpen_ > 0 || !dueRoundEnd_) return;
    const std::function<void()> due = dueRoundEnd_;
    // The game's timers run again as they did when the end came, and the end stops them.
    dropDueRoundEnd();
    due();
}

void GameWindow::dropDueRoundEnd(bool release) {
    if (!dueRoundEnd_) return;
    dueRoundEnd_ = nullptr;
    if (release) HoldGameTimers(false);
}

void GameWindow::takeScoreCommand(bool fromButton, bool timeUp, const std::function<void()>& leadIn,
                                  const std::function<void()>& after) {
    SharedState& s = Shared();
    if (playing_) return;
    const CommandEffect effect = EffectOf(Command::TakeScore, commandState());
    if (effect == CommandEffect::TakeScoreIdle) {
        if (!timeUp) TakeScoreWhileIdle();
        return;
    }
    if (effect != CommandEffect::ScoreRound || s.InputBlocked) return;
    RunRoundEnd([&] {
        if (leadIn) leadIn();
        s.InputBlocked = true;
        TakeScore();
        if (after) after();
    });
    if (fromButton && profile_.takeScoreButtonRestartsMusic && state() == State::Running &&
        s.MusicOn)
        PlayMusic();
}

void GameWindow::RunRoundEnd(const std::function<void()>& scoring) {
    // The round ends here, whatever end was still waiting for a question.
    dropDueRoundEnd();
    if (++roundEndDepth_ == 1) closeOwnPopups();
    // A game with rules of its own moves into its round end and out of it as it scores.
    const bool frameMoves = play_ == &framePlay_;
    if (frameMoves) framePlay_.startRoundEnd();
    timer1_->setEnabled(false);
    timer2_->setEnabled(false);
    scoring();
    // Clicks and keys that queued up while the round was scored belong to no round: taken
    // while the round end still drops them.
    if (roundEndDepth_ == 1) platform::DoEvents();
    --roundEndDepth_;
    // The scoring did not end the game: the next round runs.
    if (frameMoves && framePlay_.state() == State::RoundEnd) framePlay_.roundDealt();
    if (roundEndDepth_ == 0) holdIfMinimised();
    if (roundEndDepth_ == 0 && closePending_) {
        closePending_ = false;
        requestQuit();
    }
}
