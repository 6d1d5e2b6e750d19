// One Twindle game in the window: Play, each round's deal, the round clock with its
// warnings and time-out, pause and resume, the round end with its paced bonuses, round two,
// the bonus round and the end of the game.
#include "games/pairs/frmTwindle.h"

#include "frame/BlinkingLabel.h"
#include "frame/VbColour.h"
#include "games/pairs/PairsSettings.h"
#include "platform/GameTimer.h"
#include "platform/MessageBox.h"
#include "platform/Pause.h"
#include "services/HighScores.h"
#include "services/SharedState.h"
#include "services/Sound.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {
const QString kDealFailed = QStringLiteral("Unable to deal the cards.");

void enable(QWidget* w, bool on) {
    if (w) w->setEnabled(on);
}
void enable(QAction* a, bool on) {
    if (a) a->setEnabled(on);
}
} // namespace

void frmTwindle::Play() {
    setCursor(Qt::WaitCursor);
    setText("lblCurrentScore", "0");
    // The first deal takes no queued command: a second Play click waits until it is done.
    if (game_.play())
        InitRound();
    else
        FailPlay(kDealFailed);
    unsetCursor();
}

void frmTwindle::InitRound() {
    SharedState& s = Shared();
    const PairsBoard& b = game_.board();
    ShowCards(true);
    ShowControls(true);
    stackKey_.clear();
    showStack("FULL");
    setText("lblCards", QString::number(b.stackCount()));
    InitClock();
    setClock(true);
    setStatusText(1, PairsDealStatusText());
    setStatusText(2, "Create runs by clicking on exposed cards!   ");
    if (QLabel* m = label("lblMessage")) m->hide();
    s.InputBlocked = false;
    cmdPlay()->setToolTip("Ends the current game");
    setText("lblScorePairs", "0");
    setText("lblScoreRuns", "0");
    setText("lblTime", "Time: " + QString::number(s.TimeLimit));
    setText("lblCurrentRound", QString::number(s.Round));
    setRoundButtons(true);
    if (QMenu* m = menu("mnuTime")) m->menuAction()->setEnabled(false);
    enable(item("mnuCustom"), false);
}

void frmTwindle::setRoundButtons(bool on) {
    for (QPushButton* b : {cmdTakeScore(), cmdPause(), quitButton(), cmdPlay()})
        enable(b, on);
    for (const char* name : {"mnuTakeScore", "mnuPause", "mnuExit", "mnuPlay"})
        enable(item(name), on);
}

void frmTwindle::AbandonGame() {
    game_.abandon();
    ShowCards(false);
    ShowControls(false, true);
    setClock(false);
    ShowSplash(true);
}

void frmTwindle::PauseGame(bool pause) {
    for (const char* name : {"lblCards", "lblCardCount", "lblHighScore"})
        if (QLabel* l = label(name)) l->setVisible(!pause);
    if (pause) {
        ShowCards(false);
        return;
    }
    ShowCards(true);
}

void frmTwindle::Timer1_Timer() {
    const PairsTick t = game_.tick();
    if (!t.ticked) {
        setClock(false);
        return;
    }
    DrawClock(ClockDegreesFor(t.elapsed));
    setText("lblTime", "Time: " + QString::number(t.secondsLeft));
    if (!t.status.isEmpty()) setStatusText(2, t.status);
    if (!t.timeUp) return;

    QLabel* message = label("lblMessage");
    // The flashes belong to the round end: a close asked for meanwhile waits for both.
    TimeUp(
        [this, message] {
            setCursor(Qt::WaitCursor);
            setClock(false);
            ShowCards(false);
            setMessage("Times Up!");
            message->show();
            BlinkLabel(message, 10);
        },
        [this, message] {
            if (state() != State::GameOver) message->hide();
            unsetCursor();
        });
}

void frmTwindle::countPairsOrRuns(const PairsBonus& bonus, const char* countLabel) {
    QLabel* count = label(countLabel);
    SetForeColour(count, kVbCyan);
    count->repaint();
    if (bonus.count > 0) CountBonus(bonus.count, bonus.pointsEach, bonus.name);
    SetForeColour(count, kVbBlue);
    count->repaint();
}

void frmTwindle::TakeScore() {
    SharedState& s = Shared();
    const auto bonuses = game_.takeScore();
    if (!bonuses) return;
    s.InputBlocked = true;
    setClock(false);
    setRoundButtons(false);
    setCursor(Qt::WaitCursor);
    ShowCards(false);
    for (const char* name : {"lblCards", "lblCardCount", "lblHighScore"})
        label(name)->hide();
    if (s.MusicOn) StopMusic();
    QLabel* message = label("lblMessage");
    SetForeColour(message, kVbRed);

    for (const PairsBonus& b : *bonuses) {
        switch (b.kind) {
        case PairsBonusKind::Completion:
            CountBonus(b.count, b.pointsEach, b.name);
            break;
        case PairsBonusKind::Speed:
            CountTimeBonus(b.pointsEach);
            break;
        case PairsBonusKind::Pairs:
            countPairsOrRuns(b, "lblScorePairs");
            break;
        case PairsBonusKind::Runs:
            countPairsOrRuns(b, "lblScoreRuns");
            break;
        }
    }

    const PairsOutcome outcome = game_.decide();
    if (outcome == PairsOutcome::GameOver) {
        gameOver();
    } else {
        const bool bonusRound = outcome == PairsOutcome::BonusRound;
        SetForeColour(message, kVbRed);
        setMessage(bonusRound ? "Prepare for Bonus Round!" : "Prepare for Round Two!");
        if (bonusRound) PlaySound("Applause.wav");
        message->show();
        BlinkLabel(message, 11);
        message->hide();
        if (game_.startNextRound()) {
            InitRound();
            if (s.MusicOn) PlayMusic();
        } else {
            FailPlay(kDealFailed);
        }
    }
    if (QLabel* scoring = label("lblScoring")) scoring->hide();
    unsetCursor();
}

void frmTwindle::gameOver() {
    QLabel* message = label("lblMessage");
    game_.finishGame();
    EndGame();
    setCursor(Qt::WaitCursor);
    SetForeColour(message, kVbRed);
    setMessage("Game Over");
    message->show();
    message->repaint();
    platform::Sleep(2000);
    ShowSplash(true);
}
