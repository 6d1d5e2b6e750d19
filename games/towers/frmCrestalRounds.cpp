// One three-towers game in the window: Play, each round's start, the round clock, pause and
// resume, the round end with its paced bonuses, round two, the bonus round and the game over.
#include "games/towers/frmCrestal.h"

#include "frame/BlinkingLabel.h"
#include "frame/VbColour.h"
#include "games/towers/TowersSettings.h"
#include "platform/GameTimer.h"
#include "platform/Pause.h"
#include "services/SharedState.h"
#include "services/Sound.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {
void enable(QWidget* w, bool on) {
    if (w) w->setEnabled(on);
}
void enable(QAction* a, bool on) {
    if (a) a->setEnabled(on);
}
} // namespace

void frmCrestal::setClock(bool on) {
    if (Timer1()->isEnabled() != on) Timer1()->setEnabled(on);
}

void frmCrestal::SetClockRunning(bool on) {
    game_.setClockRunning(on);
    setClock(game_.clockRunning());
}

void frmCrestal::Play() {
    setCursor(Qt::WaitCursor);
    const bool ok = game_.play();
    unsetCursor();
    // A deck that could not be made is never dealt: the window goes back to idle.
    if (!ok) return FailPlay("Unable to create the deck.");
    setScoreText(0);
    initRound();
    cmdPlay()->setToolTip("Ends the current game");
}

void frmCrestal::initRound() {
    SharedState& s = Shared();
    showDeal();
    InitClock();
    setClock(true);
    s.InputBlocked = false;
    QLabel* message = label("lblMessage");
    setMessage(QString());
    message->hide();
    setRunText();
    setTimeText("Time: " + QString::number(s.TimeLimit));
    setRoundText(game_.round() == 3 ? QStringLiteral("Bonus") : QString::number(game_.round()));
    enable(item("mnuCustom"), false);
    if (QMenu* m = menu("mnuTime")) m->menuAction()->setEnabled(false);
    enable(item("mnuClearHighRun"), false);
    for (const char* name : {"cmdPause", "cmdTakeScore", "cmdPlay", "cmdExit"})
        enable(button(name), true);
    enable(item("mnuPause"), true);
    enable(item("mnuTakeScore"), true);
    ShowControls(true, true);
}

void frmCrestal::AbandonGame() {
    game_.abandon();
    Shared().GameAbandoned = true; // the shared end of game skips the high-score check
    EndGame();
    enable(item("mnuClearHighRun"), true); // the high run may be cleared between games
    ShowSplash(true);
    for (int t = 1; t <= 3; ++t)
        label(QString("lblTower%1").arg(t))->hide();
    cmdPlay()->setToolTip("Starts a new game");
}

void frmCrestal::ShowControls(bool visible, bool scoresVisible) {
    for (const char* name :
         {"lblScore", "ScoreRectangle", "ScoreBevelSide", "ScoreBevelBottom", "lblCurrentScore"})
        if (QWidget* w = findChild<QWidget*>(name)) w->setVisible(scoresVisible);
    for (const char* name :
         {"lblCurrentRun", "lblHighRun", "lblHighScore", "lblCardCount", "lblCards", "lblTime",
          "Surface", "TimerBevelSide", "TimerRectangle", "TimerBevelBottom", "lblRound",
          "RoundRectangle", "RoundBevelSide", "RoundBevelBottom", "lblCurrentRound", "lblNextCard"})
        if (QWidget* w = findChild<QWidget*>(name)) w->setVisible(visible);
}

void frmCrestal::PauseGame(bool pause) {
    SetForeColour(label("lblMessage"), kVbRed);
    if (pause) {
        setMessage("Game Paused");
        label("lblMessage")->show();
        showCards(false, false);
        return;
    }
    showCards(true, false);
    updatePointers();
}

void frmCrestal::Timer1_Timer() {
    const TowersTick tick = game_.tick();
    if (!tick.ticked) {
        setClock(false);
        return;
    }
    DrawClock(tick.angle);
    setTimeText("Time: " + QString::number(tick.secondsLeft));
    if (!tick.status.isEmpty() && !tick.timeUp) setStatusText(2, tick.status);
    if (!tick.timeUp) return;

    // The time-out is part of the round end: clicks, commands and a close wait for it.
    QLabel* message = label("lblMessage");
    TimeUp(
        [this, message, tick] {
            setCursor(Qt::WaitCursor);
            showCards(false, false);
            setMessage("Times Up!");
            message->show();
            setStatusText(2, tick.status);
            BlinkLabel(message, 10);
        },
        [this, message] {
            if (state() != State::GameOver) message->hide();
            unsetCursor();
        });
}

void frmCrestal::TakeScore() {
    SharedState& s = Shared();
    const TowersSettings& o = TowersOptions();
    s.InputBlocked = true;
    setClock(false);
    for (const char* name : {"cmdTakeScore", "cmdPlay", "cmdPause", "cmdExit"})
        enable(button(name), false);
    setCursor(Qt::WaitCursor);
    showCards(false, false);
    if (s.MusicOn) StopMusic();

    const std::optional<TowersRoundEnd> end = game_.takeScore();
    if (!end) {
        unsetCursor();
        return;
    }
    QLabel* message = label("lblMessage");
    SetForeColour(message, kVbRed);
    message->show();
    if (end->speedBonus) {
        CountTimeBonus(s.TimeBonus);
    } else if (end->sorry) {
        setMessage(TowersSorryText());
        message->repaint();
        PlaySound("Slide.wav");
        platform::Sleep(3000);
    }
    if (end->towers > 0) CountBonus(end->towers, o.TowerBonus, "Tower Bonus");
    if (end->highRunBonus) CountBonus(end->highRun, o.HighRunBonus, "Highest Run Bonus");
    label("lblScoring")->hide();
    setScoreText(s.Score);

    switch (game_.nextStep()) {
    case TowersNext::NextRound:
    case TowersNext::BonusRound: {
        const bool bonus = game_.nextStep() == TowersNext::BonusRound;
        SetForeColour(message, kVbRed);
        setMessage(bonus ? "Prepare for Bonus Round!" : "Prepare for Round Two!");
        message->show();
        if (bonus) PlaySound("Applause.wav");
        BlinkLabel(message, 11);
        message->hide();
        if (!game_.startNextRound()) {
            unsetCursor();
            return FailPlay("Unable to create the deck.");
        }
        initRound();
        if (s.MusicOn) PlayMusic();
        break;
    }
    case TowersNext::GameOver:
        gameOver();
        break;
    }
    label("lblScoring")->hide();
    unsetCursor();
}

void frmCrestal::gameOver() {
    QLabel* message = label("lblMessage");
    setCursor(Qt::WaitCursor);
    game_.finishGame();
    EndGame(); // the high-score check, then the table's top score and "Game Over"
    enable(item("mnuClearHighRun"), true);
    for (int t = 1; t <= 3; ++t)
        label(QString("lblTower%1").arg(t))->hide();
    SetForeColour(message, kVbRed);
    cmdPlay()->setToolTip("Starts a new game");
    setMessage("Game Over");
    message->show();
    message->repaint();
    platform::Sleep(2000);
    ShowSplash(true); // Play and Exit come back with it
    unsetCursor();
}
